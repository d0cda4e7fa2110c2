#include "table/cell_font.h"

#include "output/font_markup.h"
#include "output/output_file.h"
#include "policy/fc.h"
#include "table/classify.h"

namespace tabulyst {

void TableCellFontMarkup(const TableBlock& block, TextString& start, TextString& end) {
    start.Clear();
    end.Clear();
    // Cells ask with a kind that honours "Add FONT markup": checked first, since a table of
    // a million cells asks a million times.
    if (!block.htmlFile || !block.fc.Flag(P::AddFontMarkup)) return;
    const DocumentState& state = block.htmlFile->state;
    const FontSpec& configured = BlockConfig(block).tableFont;
    if (configured.valid && !configured.face.Empty()) {
        GetStartFontMarkup(kFontMarkupTableCell, block.fc, state, &configured, start);
        GetEndFontMarkup(kFontMarkupTableCell, block.fc, state, &configured, end);
        return;
    }
    const FontSpec font = DocumentTableFont(block.fc);
    GetStartFontMarkup(kFontMarkupTableCell, block.fc, state, &font, start);
    GetEndFontMarkup(kFontMarkupTableCell, block.fc, state, &font, end);
}

}  // namespace tabulyst
