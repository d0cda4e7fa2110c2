#include "output/table_writer.h"

namespace tabulyst {

void ParseTable(TableBlock& block, TableWriter& writer) {
    // A text block is written as a table of its own kind.
    if (block.isTable || block.kind == BlockKind::TextBlock)
        writer.WriteTable(block);
    else
        writer.WritePreformatted(block);
}

}  // namespace tabulyst
