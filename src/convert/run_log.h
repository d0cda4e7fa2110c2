// The log file of a run: its name, its opening with a fall-back, and its attachment.
#pragma once

#include <string_view>
#include <vector>

#include "convert/conversion_context.h"
#include "input/text_file.h"

namespace tabulyst {

// The log path: the log name, with the run's output directory in front of a bare name.
TextString LogPath(std::string_view logName, std::string_view outputDirectory);

// Creates the log file and attaches it to the context's sink (run lines kept so far are
// written first, then "Generating log file "). Falls back to "Pagelyst.log" in the output
// directory; false when neither could be created. A log that would replace one of the
// protected files (the run's inputs) is refused.
bool OpenRunLog(ConversionContext& context, FC& master, std::string_view logName,
                std::string_view outputDirectory, TextFile& log,
                const std::vector<TextString>& protectedFiles = {});

}  // namespace tabulyst
