// The analysis stages that turn collected lines into columns.
#pragma once

#include "table/table_model.h"

namespace tabulyst {

// Plain-text column analysis: columns, header, merges; may decide the block is no table.
void AnalysePlainText(TableBlock& block);
// Delimited data: one column per field position.
void AnalyseDelimited(TableBlock& block);
// Line classification (blank and rule lines, code lines) shared by both analyses.
void ClassifyLines(TableBlock& block);
// Header recognition from the rule lines and the header-rows policy.
void RecogniseHeader(TableBlock& block);
// The alignment guess for a cell text and its column width (-1 for delimited cells).
int GuessAlignment(const TableBlock& block, std::string_view text, int width);

}  // namespace tabulyst
