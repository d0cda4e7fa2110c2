// The font markup of HTML table cells: the table font as FONT tags around a cell's content,
// or nothing when the style sheet carries the fonts.
#pragma once

#include "core/text_string.h"
#include "table/table_model.h"

namespace tabulyst {

// The start and end texts of the table font around one cell's content; both empty unless
// "Add FONT markup" is on and the document writes FONT tags.
void TableCellFontMarkup(const TableBlock& block, TextString& start, TextString& end);

}  // namespace tabulyst
