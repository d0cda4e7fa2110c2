// The output document of each output format.
#pragma once

#include <memory>

#include "output/output_file.h"

namespace tabulyst {

// A new, closed document of the format.
std::unique_ptr<OutputFile> MakeDocument(OutputFormat format);

}  // namespace tabulyst
