// Cutting a plain-text line into cells at the column boundaries.
#pragma once

#include <vector>

#include "table/table_model.h"

namespace tabulyst {

// Target code for the analysis' own cutting: texts stay unescaped and no message is issued.
inline constexpr int kCellsAnalysis = -1;

// Cuts line `lineIndex` of an analysed plain-text block into one cell per column
// (a cell whose text runs across boundaries covers several columns). Cell texts are
// escaped for the target (0 HTML, 1 RTF, or kCellsAnalysis) and their alignment is guessed.
void CutPlainLine(TableBlock& block, int lineIndex, int target, std::vector<TableCell>& cells);
// Gives the row one empty cell per column and returns the line to cut, or null when there
// is nothing to cut (no such line, no columns, or a policy line).
const TableLine* StartLineCells(const TableBlock& block, int lineIndex, std::vector<TableCell>& cells);

}  // namespace tabulyst
