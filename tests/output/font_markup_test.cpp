// FONT, bold and italic markup around text in a stated font.
#include "output/font_markup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/messages.h"
#include "output/document_state.h"
#include "policy/fc.h"
#include "policy/policy_test_support.h"

namespace tabulyst {
namespace {

// A policy set with every markup switch on and the given HTML version (1 is 3.2, 2 is 4.0).
struct Markup {
    FC fc;
    DocumentState state;

    explicit Markup(int htmlVersion) {
        for (P id : {P::AddFontMarkup, P::AddFontSizeMarkup, P::AddFontStyleMarkup,
                     P::AddFontFaceMarkup, P::AddEmphasisAndBoldMarkup})
            fc.SetValue(id, 1);
        fc.SetValue(P::UseEmAndStrongMarkup, 0);
        fc.SetValue(P::HtmlVersionToBeTargeted, htmlVersion);
    }
    // The start and end texts, joined by "|".
    std::string Both(int kind, const FontSpec* font) {
        TextString start("left over"), end("left over");
        GetStartFontMarkup(kind, fc, state, font, start);
        GetEndFontMarkup(kind, fc, state, font, end);
        return start.Str() + "|" + end.Str();
    }
};

FontSpec Font(std::string_view face, int size, bool bold = false, bool italic = false) {
    FontSpec font;
    font.SetFontFace(face);
    font.size = size;
    font.bold = bold;
    font.italic = italic;
    font.valid = true;
    return font;
}

TEST(FontMarkup, StartAndEndTextsByPolicy) {
    const FontSpec arialBold = Font("Arial", 10, true), arial = Font("Arial", 10);
    const FontSpec times = Font("Times New Roman", 12, true, true);
    FontSpec styled = Font("Arial", 10, true, true);
    styled.classNumber = "3";
    styled.colour = "Red";
    FontSpec leading = arial;
    leading.lineHeight = 16;
    const struct {
        int htmlVersion;
        const char* policies;  // the text of a policy file
        int kind;
        const FontSpec* font;
        const char* markup;
    } cases[] = {
        {1, "", kFontMarkupTableCell, &arialBold, "<FONT FACE=\"Arial\" SIZE=2><B>|</B></FONT>"},
        // Emphasis closes inside the FONT element.
        {1, "Use <EM> and <STRONG> markup : Yes", kFontMarkupText, &times,
         "<FONT FACE=\"Times New Roman\" SIZE=3><STRONG><EM>|</EM></STRONG></FONT>"},
        // No </B> without the <B> that was never written; forced markup all the same.
        {1, "Add FONT markup : No", kFontMarkupTableCell, &arialBold, "|"},
        {1, "Add FONT markup : No", kFontMarkupForced, &arialBold,
         "<FONT FACE=\"Arial\" SIZE=2><B>|</B></FONT>"},
        {1, "", kFontMarkupForced, nullptr, "|"},  // a missing font never crashes
        {1, "Suppress all font markup : Yes", kFontMarkupForced, &times, "|"},
        // HTML 4.0: the size also as a style.
        {2, "Delta FONT size in pts : 2", kFontMarkupTableCell, &arial,
         "<FONT FACE=\"Arial\" SIZE=3 STYLE=\"font-size:12pt;\">|</FONT>"},
        {2, "Delta FONT size in pts : 2\nRule set to be used : Merrill", kFontMarkupTableCell,
         &leading,
         "<FONT FACE=\"Arial\" SIZE=3 STYLE=\"font-size:12pt; line-height:18pt;\">|</FONT>"},
        {2, "Add FONT size markup : No\nLabel style classes : Yes", kFontMarkupText, &styled,
         "<FONT FACE=\"Arial\" CLASS=\"CF3BI\" COLOR=\"Red\"><B><I>|</I></B></FONT>"},
        // No class in HTML 3.2; no colour when colours are suppressed.
        {1,
         "Add FONT size markup : No\nLabel style classes : Yes\nSuppress all colour markup : Yes",
         kFontMarkupText, &styled, "<FONT FACE=\"Arial\"><B><I>|</I></B></FONT>"},
    };
    for (const auto& c : cases) {
        Markup m(c.htmlVersion);
        testing::ApplyText(m.fc, c.policies);
        EXPECT_EQ(m.Both(c.kind, c.font), c.markup) << c.policies;
    }
}

TEST(FontMarkup, PointSizesBecomeHtmlSizes) {
    Markup m(1);
    const std::pair<int, int> steps[] = {{8, 1},  {9, 2},  {11, 2}, {12, 3}, {13, 3},
                                         {14, 4}, {16, 4}, {17, 5}, {22, 5}, {23, 6}};
    for (auto [points, size] : steps) {
        const FontSpec font = Font("", points);
        EXPECT_EQ(m.Both(kFontMarkupText, &font),
                  "<FONT SIZE=" + std::to_string(size) + ">|</FONT>")
            << points << "pt";
    }
}

TEST(FontMarkup, NothingWhenTheStyleSheetCarriesTheFonts) {
    Markup m(2);
    const FontSpec arial = Font("Arial", 10);
    EXPECT_NE(m.Both(kFontMarkupForced, &arial), "|") << "no font policy stated yet: FONT tags";
    m.fc.SetText(P::TableFont, "Arial, Regular, 10");
    EXPECT_FALSE(FontTagsWanted(m.fc));
    UpdateFontTagFlag(m.fc, m.state);
    EXPECT_FALSE(m.state.fontTags);
    EXPECT_EQ(m.Both(kFontMarkupForced, &arial), "|");
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 1);
    EXPECT_TRUE(FontTagsWanted(m.fc)) << "HTML 3.2 has no style sheet fonts";
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 2);
    m.fc.SetValue(P::UseCssToImplementFonts, 0);
    EXPECT_TRUE(FontTagsWanted(m.fc));
}

}  // namespace
}  // namespace tabulyst
