// A run over several files: master policies, log file, file list, per-file loop, end.
#pragma once

#include <vector>

#include "convert/conversion_context.h"
#include "core/formats.h"

namespace tabulyst {

// How a run ended.
struct RunOutcome {
    int converted = 0;        // files converted
    bool failed = false;      // a conversion failed (the loop stopped there) or a file was refused
    bool noFiles = false;     // no specification matched a file
    TextString lastDocument;  // the path of the last document written to a file
};

// What the loop over a run's files is given beyond the context's options.
struct FileLoopOptions {
    const FC* user = nullptr;  // the user's policies, over the master set's
    TableFormat format = TableFormat::User;
    // When given, each document becomes lines here instead of a file (the last one stays).
    std::vector<TextString>* resultLines = nullptr;
};

// Converts the files of the context's list in order. Every document is planned first: one
// that would replace an input of the run or an earlier document is refused. The loop stops
// at the first file that cannot be read; a policy record is written after each conversion
// when the options ask for one.
void ConvertFileList(ConversionContext& context, FC& master, const FileLoopOptions& options,
                     RunOutcome& outcome);

// Runs the conversions of the given file specifications with the context's options:
// loads the policy file named in the options into the master set, opens the log, expands
// the specifications, converts the files in order until one fails, and ends the run.
RunOutcome RunBatch(ConversionContext& context, FC& master,
                    const std::vector<TextString>& specifications, TableFormat format);

}  // namespace tabulyst
