// What the in-cell tags of a tagged table (font, colour, stub indent, currency sign, dot
// leaders) make of a cell's content, for the writers of both formats.
#pragma once

#include <string>
#include <string_view>

#include "policy/fonts.h"
#include "table/table_model.h"

namespace tabulyst {

class FC;
struct DocumentState;

// The font of a cell whose tags name one or a colour: the FONT tag's font (a named font of
// the styles file, or a specification) over `base`, with the COLOUR tag's colour.
FontSpec TaggedCellFont(const FC& fc, const CellTags& tags, const FontSpec& base);

// The HTML content of a tagged cell: its escaped text with the font, the stub indent, the
// currency sign and the dot leaders its tags ask for. `width` is the widest text of its
// column, in characters (where the leaders run to).
std::string TaggedCellHtml(const FC& fc, const DocumentState& state, const TableCell& cell,
                           std::string_view escaped, int width);

}  // namespace tabulyst
