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

}  // namespace tabulyst
