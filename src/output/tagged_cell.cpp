#include "output/tagged_cell.h"

#include <algorithm>

#include "output/document_state.h"
#include "output/escaping.h"
#include "output/font_markup.h"
#include "policy/fc.h"

namespace tabulyst {
namespace {

// Blanks a stub indent level stands for.
constexpr int kIndentBlanks = 3;
// Leader dots at least, and how far they run past the column's widest text.
constexpr int kLeastLeaders = 3;
constexpr int kLeaderOverrun = 2;

bool Html40(const FC& fc) { return fc.Value(P::HtmlVersionToBeTargeted) >= 2; }

// Characters of a text as it reads (UTF-8 continuation bytes and entities count once).
int CharactersOf(std::string_view text) {
    int count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (text[i] == '&') {
            const size_t semicolon = text.find(';', i);
            if (semicolon != std::string_view::npos && semicolon - i <= 8) i = semicolon;
        }
        ++count;
    }
    return count;
}

}  // namespace

FontSpec TaggedCellFont(const FC& fc, const CellTags& tags, const FontSpec& base) {
    FontSpec font = base;
    if (!tags.font.empty()) {
        bool named = false;
        if (const ProgramSettings* settings = fc.Settings())
            for (const FontSpec& style : settings->styles)
                if (EqualsNoCase(style.name.View(), tags.font) && !style.face.Empty()) {
                    font.SetFontFace(style.face.View());
                    font.bold = style.bold;
                    font.italic = style.italic;
                    font.size = style.size;
                    named = true;
                    break;
                }
        if (!named) ApplyFontSpec(tags.font, font);
    }
    if (!tags.colour.empty()) font.SetFontColour(tags.colour);
    font.valid = true;
    return font;
}

std::string TaggedCellHtml(const FC& fc, const DocumentState& state, const TableCell& cell,
                           std::string_view escaped, int width) {
    const CellTags& tags = cell.Tags();
    std::string content;
    TextString fontStart, fontEnd;
    if (!tags.font.empty()) {
        const FontSpec font = TaggedCellFont(fc, tags, FontSpec{});
        GetStartFontMarkup(kFontMarkupForced, fc, state, &font, fontStart);
        GetEndFontMarkup(kFontMarkupForced, fc, state, &font, fontEnd);
    } else if (!tags.colour.empty() && !fc.Flag(P::SuppressAllColourMarkup)) {
        // A colour alone changes nothing else of the text.
        std::string start = "<FONT COLOR=\"";
        EscapeAttributeValue(tags.colour, start);
        start += "\">";
        fontStart.Assign(start);
        fontEnd.Assign("</FONT>");
    }
    content.append(fontStart.View());
    for (int i = 0; i < tags.stubIndent * kIndentBlanks; ++i) content.append("&nbsp;");
    if (!tags.currency.empty()) {
        // HTML 4 sets the sign at the cell's edge, away from the figure; HTML 3.2 before it.
        if (Html40(fc)) content.append("<SPAN STYLE=\"float:left\">");
        EscapeMarkupCharacters(tags.currency, content);
        content.append(Html40(fc) ? "</SPAN>" : "&nbsp;");
    }
    content.append(escaped);
    if (tags.leaders) {
        const int dots =
            std::max(kLeastLeaders, (width - CharactersOf(escaped)) / 2 + kLeaderOverrun);
        for (int i = 0; i < dots; ++i) content.append(" .");
    }
    content.append(fontEnd.View());
    return content;
}

}  // namespace tabulyst
