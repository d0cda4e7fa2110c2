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
    // Files converted at once (command-line runs to files only); 1: one after another.
    int jobs = 1;
};

// What the conversion of one file of the loop came to.
enum class FileResult {
    Converted,     // its document is written (and its policy record, when asked for)
    NotConverted,  // refused, or its document could not be created: the run fails, goes on
    StopsTheRun,   // it could not be read or its document not written: no file after it starts
};

// One turn of the loop: converts one file with a working set reset to its defaults, then
// writes its policy record when the options ask for one.
FileResult ConvertOneFile(ConversionContext& context, FC& master, FC& working,
                          const FileLoopOptions& options, TableFormat format,
                          const TextString& path, const TextString& outputSpecification);

// Converts the files of the context's list in order. Every document is planned first: one
// that would replace an input of the run or an earlier document is refused. The loop stops
// at the first file that cannot be read; a policy record is written after each conversion
// when the options ask for one. With several jobs the files are converted side by side,
// with the same documents, messages and log as one after another.
void ConvertFileList(ConversionContext& context, FC& master, const FileLoopOptions& options,
                     RunOutcome& outcome);

// Runs the conversions of the given file specifications with the context's options:
// loads the policy file named in the options into the master set, opens the log, expands
// the specifications, converts the files in order until one fails, and ends the run.
RunOutcome RunBatch(ConversionContext& context, FC& master,
                    const std::vector<TextString>& specifications, TableFormat format);

}  // namespace tabulyst
