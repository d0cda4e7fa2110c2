// A run over several files: master policies, log file, file list, per-file loop, end.
#pragma once

#include <vector>

#include "convert/conversion_context.h"

namespace tabulyst {

// How a run ended.
struct RunOutcome {
    int converted = 0;     // files converted
    bool failed = false;   // a conversion failed (the loop stopped there) or a file was refused
    bool noFiles = false;  // no specification matched a file
};

// Runs the conversions of the given file specifications with the context's options:
// loads the policy file named in the options into the master set, opens the log, expands
// the specifications, converts the files in order until one fails, and ends the run.
RunOutcome RunBatch(ConversionContext& context, FC& master,
                    const std::vector<TextString>& specifications, TableFormat format);

}  // namespace tabulyst
