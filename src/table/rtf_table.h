// The RTF markup of a table: the measure of its column widths, shared with the tests.
#pragma once

#include <string_view>
#include <vector>

#include "policy/fonts.h"
#include "table/table_model.h"

namespace tabulyst {

// Width in twips of one line of cell text in a font. An average character is taken to be
// half an em wide, scaled by the face's width factor: characters x size x 10 x factor,
// rounded up. With `escaped`, an RTF escape ("\'7b", "\\") counts as one character; in
// UTF-8 text (`utf8`) so does each multi-byte sequence.
int RtfTextWidth(std::string_view text, const FontSpec& font, bool escaped, bool utf8);

// The right edge of every column in twips, before the table's left offset: each column
// takes its widest single-column cell text plus 108, and 216 more for the gap. Hidden
// layout columns take no room. Stores each column's width in its `rtfWidth`.
std::vector<int> RtfColumnEdges(TableBlock& block, const FontSpec& font, bool utf8);

}  // namespace tabulyst
