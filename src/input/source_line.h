// One source line as read: its text (tabs expanded), its raw copy, kind and number.
#pragma once

#include <cstdint>

#include "core/text_string.h"

namespace tabulyst {

// Kinds of source lines that matter to the table path. The numbering is internal.
enum LineKind : int {
    kLineIgnored = -1,    // swallowed by a block definition or the directive processing
    kLineOrdinary = 0,    // text or blank
    kLineDirective = 1,   // a directive that the table analysis recognises (see directive code)
    kLineSwallowed = 2,   // a directive that never reaches the table
    kLinePolicy = 3,      // CHANGE_POLICY: executed while reading, never a row
};

struct SourceLine {
    TextString text;        // tabs expanded with "TAB size"
    TextString raw;         // as read, tabs kept: what the delimited splitter cuts
    int kind = kLineOrdinary;
    int directive = 0;      // directive code when kind is a directive (see table/directives.h)
    int lineNumber = 0;
    bool mailHeader = false;  // looks like a mail or news header line
    TextString annotation;    // messages kept on the line for the diagnostics
};

}  // namespace tabulyst
