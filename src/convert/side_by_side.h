// The files of a batch converted side by side, one job per processor, with the outcome of
// converting them one after another.
#pragma once

#include <vector>

#include "convert/batch_run.h"

namespace tabulyst {

// Converts the files of the context's list from its index on, options.jobs at a time. Each
// conversion runs on a context and policy sets of its own; what it says is recorded and its
// documents are held back under temporary names. The conversions are then taken in file
// order: their messages said, their log lines written, their documents let through. A file
// that stops the run drops every conversion after it, as if none had started. A conversion
// that started before an earlier one changed the run's settings (an in-document rule set,
// a styles file) is done again after it, so nothing depends on which finished first.
void ConvertSideBySide(ConversionContext& context, FC& master, const FileLoopOptions& options,
                       TableFormat format, const std::vector<bool>& refused, RunOutcome& outcome);

}  // namespace tabulyst
