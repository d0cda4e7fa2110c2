// Tables built from in-line cell tags rather than from column positions.
#pragma once

#include <vector>

#include "table/cell_cutting.h"
#include "table/table_model.h"

namespace tabulyst {

// True when the block is to be built from cell tags: it holds a BEGIN_TAGGED_TABLE line,
// or its first text line starts with a row or cell tag.
bool IsTaggedBlock(const TableBlock& block);
// Prepares a tagged block: one row per line, columns counted from the cells, the leading
// rows of head cells as header rows, column alignments from COLUMN_DETAILS.
void AnalyseTaggedTable(TableBlock& block);
// Cuts one line of a tagged block into its cells (see CutPlainLine).
void CutTaggedLine(TableBlock& block, std::string_view text, CutFor purpose,
                   std::vector<TableCell>& cells);

}  // namespace tabulyst
