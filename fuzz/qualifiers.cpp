// Fuzz target: a command line's qualifiers, parsed into the run's options and applied to a
// policy set.
#include "convert/qualifiers.h"

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tabulyst;
    fuzz::SilentSink silent;
    ConversionContext context;
    context.sink = silent.sink;
    // The words of a command line are joined by blanks; none of them can hold a NUL.
    TextString line(fuzz::Bytes(data, size));
    for (int32_t i = 0; i < line.Length(); ++i)
        if (line[i] == '\0') line.SetAt(i, ' ');
    ParseQualifiers(line, context);
    FC fc(&context.sink);
    context.Link(fc);
    ApplyCommandOptions(fc, context);
    fc.Consolidate(false);
    return 0;
}
