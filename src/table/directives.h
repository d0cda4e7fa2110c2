// Table directives in the source text: what a directive the reader recognised changes.
#pragma once

#include <string_view>

#include "input/directive_keywords.h"

namespace tabulyst {

class FC;

// Index of FC::documentCounters that holds whether a BEGIN_HTML block is open.
inline constexpr int kHtmlBlockCounter = 1;
// Index of FC::documentCounters that holds the directive code of the open table region.
inline constexpr int kTableRegionCounter = 2;

// Executes a directive met while the source is read: table policy keywords change the
// table configuration, CHANGE_POLICY changes the working set, region keywords open and
// close regions.
void ExecuteDirective(FC& fc, DirectiveCode code, std::string_view line);

// Alignment code of a word: first letter L, C, R or J in either case; a word of the form
// name=value is read from its value. Other words report the bad code and give `fallback`.
int ParseAlignmentWord(const FC& fc, std::string_view word, int fallback);
// Vertical alignment code of a word: T, B or C; other words report and give `fallback`.
int ParseVerticalAlignmentWord(const FC& fc, std::string_view word, int fallback);

}  // namespace tabulyst
