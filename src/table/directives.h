// Table directives in the source text: region keywords and table policy keywords.
#pragma once

#include <string_view>

namespace tabulyst {

class FC;

// Recognises a directive at the very start of a line (the "Directive delimiter" followed
// by a keyword); returns its code, 0 when the line is no directive.
int RecogniseDirective(const FC& fc, std::string_view line);
// Executes a directive met while the source is read (policy keywords change the newest
// table configuration; CHANGE_POLICY changes the working set) and returns the line kind
// (see LineKind in input/source_line.h) under which it continues.
int ExecuteDirective(FC& fc, int code, std::string_view line);

}  // namespace tabulyst
