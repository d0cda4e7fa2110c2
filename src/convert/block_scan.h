// The blocks a source defines, read before the document is begun so that its head and
// header can hold them.
#pragma once

#include <string>
#include <vector>

#include "core/text_string.h"
#include "input/source_blocks.h"
#include "input/source_reader.h"

namespace tabulyst {

// Reads the block definitions of a source (the file at `path`, or `lines` when given) as
// the conversion will read it, silently. A file that never names a definition is searched
// for one, not read line by line.
SourceBlocks ScanSourceBlocks(const std::string& path, const std::vector<TextString>* lines,
                              const SourceOptions& options, int skipCount);

}  // namespace tabulyst
