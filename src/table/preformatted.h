// Blocks that are no table (diagrams, code samples, mail headers) written as they stand.
#pragma once

#include "table/table_model.h"

namespace tabulyst {

// The paragraph style an RTF preformatted block is written in, by the block's kind.
int PreformattedRtfStyle(const TableBlock& block);

}  // namespace tabulyst
