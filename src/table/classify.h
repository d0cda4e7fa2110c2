// Line and cell classification for the table analysis: blank, rule, code and mail-header
// lines, plain numbers, and the header the rule lines imply.
#pragma once

#include <string_view>

#include "table/table_model.h"

namespace tabulyst {

// The configuration a block is analysed with: its own, else the base of its policy set.
const TabConfig& BlockConfig(const TableBlock& block);

// True for a non-blank line that is 95% or more blanks and rule characters (+ - = _ ~), or
// a pipe-table rule (see IsPipeRuleLine).
bool IsRuleLine(std::string_view text);
// True for a line of bars, dashes, colons, plus and equals signs and blanks that holds a
// dash or an equals sign: the delimiter row of a markdown pipe table ("|:---|---:|").
bool IsPipeRuleLine(std::string_view text);
// True when a line looks like C-like program source.
bool LooksLikeCode(std::string_view text);
// True when a cell text is a plain number; `ruleSet` 1 or 2 also allows currency and brackets.
bool IsPlainNumber(std::string_view text, int ruleSet);
// True for a non-empty cell text whose letters and digits are fewer than 0.2 of all its
// characters, or fewer than its other non-blank characters.
bool IsSymbolText(std::string_view text);
// True when a line looks like a mail or news header line ("Subject: ...", "X-Mailer: ...").
bool LooksLikeMailHeader(std::string_view text);

}  // namespace tabulyst
