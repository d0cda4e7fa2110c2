// Shared helpers of the conversion-control tests: a context that talks into strings, and
// the scratch directory and substring check of the file-reading tests.
#pragma once

#include <sstream>

#include "convert/conversion_context.h"
#include "input/input_test_support.h"

namespace tabulyst::testing_support {

// A context whose standard error and output are captured.
struct QuietContext {
    ConversionContext context;
    std::ostringstream err, out;
    QuietContext() {
        context.sink.err = &err;
        context.sink.out = &out;
    }
};

}  // namespace tabulyst::testing_support
