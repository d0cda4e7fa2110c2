// The analysis stages that turn collected lines into columns.
#pragma once

#include <functional>

#include "table/line_pass.h"
#include "table/table_model.h"

namespace tabulyst {

// Plain-text column analysis: columns, header, merges; may decide the block is no table.
void AnalysePlainText(TableBlock& block);
// Delimited data: one column per field position.
void AnalyseDelimited(TableBlock& block);
// Line classification (blank and rule lines, code lines) shared by both analyses, in one
// pass over the lines; `each`, when given, sees every line of that pass too.
void ClassifyLines(TableBlock& block, const std::function<void(const LinePass&)>& each = {});
// The classification one line at a time, as ClassifyLines does it: started afresh, then
// each line in order with its flags and analysis text.
void StartTally(TableBlock& block);
void TallyLine(TableBlock& block, int index, bool blank, bool rule, std::string_view text);
// Header recognition from the rule lines and the header-rows policy.
void RecogniseHeader(TableBlock& block);
// The alignment guess for a cell text and its column width (-1 for delimited cells).
int GuessAlignment(const TableBlock& block, std::string_view text, int width);
// What the guess needs of its block, read once for a line's cells rather than for each.
struct AlignmentRules {
    explicit AlignmentRules(const TableBlock& block);
    int chosen;      // the alignment the policies impose, or none
    bool financial;  // currency signs, brackets and signs count as figures
    bool delimited;  // fields have no width to be placed in
};
int GuessAlignment(const AlignmentRules& rules, std::string_view text, int width);
// The same for a text whose trimmed part (TrimBlanks) is known: a view into it.
int GuessAlignment(const AlignmentRules& rules, std::string_view text, std::string_view trimmed,
                   int width);

}  // namespace tabulyst
