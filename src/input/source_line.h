// One source line as read: its text (tabs expanded), its raw copy, kind and number.
#pragma once

#include <cstdint>

#include "core/text_string.h"
#include "input/directive_keywords.h"

namespace tabulyst {

// What becomes of a source line. The numbering is internal.
enum class LineKind : int8_t {
    Ordinary,   // text or blank: reaches the table
    Directive,  // a directive the table analysis recognises; executed, never a row
    Swallowed,  // a directive that steers the reading only and never reaches the table
    Policy,     // CHANGE_POLICY: a policy line executed while reading, never a row
    Ignored,    // inside a block definition or an ignored section
};

struct SourceLine {
    TextString text;  // tabs expanded with "TAB size"
    TextString raw;   // as read, tabs kept, when that differs from the text

    // The line as read: what the delimited splitter cuts.
    std::string_view Raw() const { return rawDiffers ? raw.View() : text.View(); }
    bool rawDiffers = false;
    LineKind kind = LineKind::Ordinary;
    DirectiveCode directive = DirectiveCode::None;
    int lineNumber = 0;
    bool mailHeader = false;  // looks like a mail or news header line
    bool cut = false;         // longer than a source line may be: its end was left out
    // A quoted field that spanned lines and never closed: the line it opened on, and
    // whether it ended at the end of the file (else at the longest line kept).
    int unclosedQuoteLine = 0;
    bool unclosedAtEnd = false;
    TextString annotation;  // messages kept on the line for the diagnostics
};

// True for the lines that become part of the table: ordinary and blank lines.
inline bool ReachesTable(const SourceLine& line) { return line.kind == LineKind::Ordinary; }

}  // namespace tabulyst
