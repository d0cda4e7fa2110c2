// Font markup of HTML output: a FONT start tag with its bold and italic tags and the
// matching end tags, or nothing at all when the embedded style sheet carries the fonts.
#pragma once

#include "core/text_string.h"
#include "policy/fonts.h"

namespace tabulyst {

class FC;
struct DocumentState;

// What the marked-up text is; the caller chooses.
enum FontMarkupKind : int {
    kFontMarkupText = 0,       // ordinary text
    kFontMarkupHeading = 1,    // headings: the size goes only into the STYLE attribute
    kFontMarkupListItem = 2,   // list items: likewise
    kFontMarkupTableCell = 3,  // the content of a table cell
    kFontMarkupForced = 7,     // a FONT tag even when "Add FONT markup" is off
};

// Whether fonts are written as FONT tags (false: the style sheet expresses them).
bool FontTagsWanted(const FC& fc);
// Sets the document state's font-tag flag from the policies.
void UpdateFontTagFlag(const FC& fc, DocumentState& state);

// The text that starts the font: "<FONT ...>" and the bold and italic tags. Cleared first;
// stays empty when the document writes no FONT tags or is not HTML.
void GetStartFontMarkup(int kind, const FC& fc, const DocumentState& state, const FontSpec* font,
                        TextString& text);
// The text that ends the font: the bold and italic end tags inside "</FONT>".
void GetEndFontMarkup(int kind, const FC& fc, const DocumentState& state, const FontSpec* font,
                      TextString& text);

// The font of table text: "Table font", else "Default font", else Times New Roman 12.
FontSpec DocumentTableFont(const FC& fc);

}  // namespace tabulyst
