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
// Cuts line `index` of a tagged block into its cells (see CutPlainLine); a line that is no
// row leaves no cells. Lines cut in order follow the row spans (ROWSPAN) from line to line:
// a position covered from above is a row-spanned cell. An index of -1 cuts a line on its
// own.
void CutTaggedLine(TableBlock& block, int index, std::string_view text, CutFor purpose,
                   std::vector<TableCell>& cells);

}  // namespace tabulyst
