// FONT, bold and italic markup around text in a stated font, and the table font.
#include "output/font_markup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/messages.h"
#include "output/document_state.h"
#include "policy/fc.h"

namespace tabulyst {
namespace {

// A policy set with every markup switch on and the given HTML version (1 is 3.2, 2 is 4.0).
struct Markup {
    MessageSink sink;
    std::vector<std::string> messages;
    FC fc{&sink};
    DocumentState state;

    explicit Markup(int htmlVersion) {
        sink.messageCallback = [this](std::string_view text) { messages.emplace_back(text); };
        fc.SetValue(P::ErrorReportingLevel, 10);
        for (P id : {P::AddFontMarkup, P::AddFontSizeMarkup, P::AddFontStyleMarkup,
                     P::AddFontFaceMarkup, P::AddEmphasisAndBoldMarkup})
            fc.SetValue(id, 1);
        fc.SetValue(P::UseEmAndStrongMarkup, 0);
        fc.SetValue(P::HtmlVersionToBeTargeted, htmlVersion);
    }
    std::string Start(int kind, const FontSpec* font) {
        TextString text("left over");
        GetStartFontMarkup(kind, fc, state, font, text);
        return text.Str();
    }
    // The start and end texts, joined by "|".
    std::string Both(int kind, const FontSpec* font) {
        std::string both = Start(kind, font) + "|";
        TextString end("left over");
        GetEndFontMarkup(kind, fc, state, font, end);
        return both + end.Str();
    }
    // True when no kind of markup writes anything for the font.
    bool Silent(const FontSpec& font) {
        for (int kind : {kFontMarkupText, kFontMarkupHeading, kFontMarkupListItem,
                         kFontMarkupTableCell, kFontMarkupForced})
            if (Both(kind, &font) != "|") return false;
        return true;
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

TEST(FontMarkup, Html32FontTagsAndEmphasis) {
    Markup m(1);
    const FontSpec arial = Font("Arial", 10, true);
    EXPECT_EQ(m.Both(kFontMarkupTableCell, &arial), "<FONT FACE=\"Arial\" SIZE=2><B>|</B></FONT>");
    const FontSpec times = Font("Times New Roman", 12, true, true);
    m.fc.SetValue(P::UseEmAndStrongMarkup, 1);  // closed inside the FONT element
    EXPECT_EQ(m.Both(kFontMarkupText, &times),
              "<FONT FACE=\"Times New Roman\" SIZE=3><STRONG><EM>|</EM></STRONG></FONT>");
    m.fc.SetValue(P::UseEmAndStrongMarkup, 0);
    EXPECT_EQ(m.Both(kFontMarkupText, &times),
              "<FONT FACE=\"Times New Roman\" SIZE=3><B><I>|</I></B></FONT>");
    const std::pair<int, int> steps[] = {{8, 1},  {9, 2},  {11, 2}, {12, 3}, {13, 3},
                                         {14, 4}, {16, 4}, {17, 5}, {22, 5}, {23, 6}};
    for (auto [points, size] : steps) {
        const FontSpec font = Font("", points);
        EXPECT_EQ(m.Start(kFontMarkupText, &font), "<FONT SIZE=" + std::to_string(size) + ">")
            << points << "pt";
    }
}

TEST(FontMarkup, AddFontMarkupOffLeavesBothTextsEmptyUnlessForced) {
    Markup m(1);
    m.fc.SetValue(P::AddFontMarkup, 0);
    const FontSpec bold = Font("Arial", 10, true);
    EXPECT_EQ(m.Both(kFontMarkupTableCell, &bold), "|")
        << "no </B> without the <B> that was never written";
    EXPECT_EQ(m.Both(kFontMarkupForced, &bold), "<FONT FACE=\"Arial\" SIZE=2><B>|</B></FONT>");
    m.fc.SetValue(P::AddFontMarkup, 1);
    EXPECT_EQ(m.Both(kFontMarkupTableCell, nullptr), "|");
    EXPECT_EQ(m.Both(kFontMarkupForced, nullptr), "|") << "a missing font never crashes";
}

TEST(FontMarkup, Html40SizeGoesIntoTheStyleAttribute) {
    Markup m(2);
    m.fc.SetValue(P::DeltaFontSizeInPts, 2);
    FontSpec font = Font("Arial", 10);
    font.lineHeight = 16;
    EXPECT_EQ(m.Start(kFontMarkupTableCell, &font),
              "<FONT FACE=\"Arial\" SIZE=3 STYLE=\"font-size:12pt;\">")
        << "size 10 + delta 2";
    EXPECT_EQ(m.Start(kFontMarkupHeading, &font),
              "<FONT FACE=\"Arial\" STYLE=\"font-size:12pt;\">");
    EXPECT_EQ(m.Start(kFontMarkupListItem, &font),
              "<FONT FACE=\"Arial\" STYLE=\"font-size:12pt;\">");

    m.fc.SetRuleSet(kMerrill, true);
    EXPECT_EQ(m.Start(kFontMarkupTableCell, &font),
              "<FONT FACE=\"Arial\" SIZE=3 STYLE=\"font-size:12pt; line-height:18pt;\">");
    EXPECT_EQ(m.Start(kFontMarkupHeading, &font),
              "<FONT FACE=\"Arial\" STYLE=\"font-size:12pt;\">");
    font.lineHeight = 12;  // 14 = size + 2: the usual leading needs no line-height
    EXPECT_EQ(m.Start(kFontMarkupTableCell, &font),
              "<FONT FACE=\"Arial\" SIZE=3 STYLE=\"font-size:12pt;\">");

    m.fc.SetValue(P::AddFontStyleMarkup, 0);
    EXPECT_EQ(m.Start(kFontMarkupHeading, &font), "<FONT FACE=\"Arial\" SIZE=3>");
    m.fc.SetValue(P::AddFontSizeMarkup, 0);
    EXPECT_EQ(m.Start(kFontMarkupHeading, &font), "<FONT FACE=\"Arial\">");
}

TEST(FontMarkup, ColourAndClassAttributes) {
    Markup m(2);
    m.fc.SetValue(P::AddFontSizeMarkup, 0);
    m.fc.SetValue(P::LabelStyleClasses, 1);
    FontSpec font = Font("Arial", 10, true, true);
    font.classNumber = "3";
    font.colour = "Red";
    EXPECT_EQ(m.Start(kFontMarkupText, &font),
              "<FONT FACE=\"Arial\" CLASS=\"CF3BI\" COLOR=\"Red\"><B><I>");
    m.fc.SetValue(P::SuppressAllColourMarkup, 1);
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 1);
    EXPECT_EQ(m.Start(kFontMarkupText, &font), "<FONT FACE=\"Arial\"><B><I>")
        << "no class in HTML 3.2";
}

TEST(FontMarkup, NothingWhenSuppressedOrWhenTheStyleSheetCarriesTheFonts) {
    Markup suppressed(1);
    suppressed.fc.SetValue(P::SuppressAllFontMarkup, 1);
    EXPECT_TRUE(suppressed.Silent(Font("Arial", 10, true, true)));

    Markup m(2);
    const FontSpec arial = Font("Arial", 10);
    EXPECT_NE(m.Start(kFontMarkupForced, &arial), "") << "no font policy stated yet: FONT tags";
    m.fc.SetText(P::TableFont, "Arial, Regular, 10");
    EXPECT_FALSE(FontTagsWanted(m.fc));
    UpdateFontTagFlag(m.fc, m.state);
    EXPECT_FALSE(m.state.fontTags);
    EXPECT_TRUE(m.Silent(arial));
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 1);
    EXPECT_TRUE(FontTagsWanted(m.fc)) << "HTML 3.2 has no style sheet fonts";
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 2);
    m.fc.SetValue(P::UseCssToImplementFonts, 0);
    EXPECT_TRUE(FontTagsWanted(m.fc));
}

TEST(DocumentTableFont, TableFontThenDefaultFont) {
    Markup m(2);
    m.fc.SetText(P::TableFont, "Verdana, Bold, 9");
    FontSpec table = DocumentTableFont(m.fc);
    EXPECT_EQ(table.face.Str(), "Verdana");
    EXPECT_TRUE(table.bold);
    EXPECT_EQ(table.size, 9);
    EXPECT_DOUBLE_EQ(table.widthFactor, 1.3);
    m.fc.SetText(P::TableFont, "");
    m.fc.SetText(P::DefaultFont, "Garamond, Italic, 11");
    table = DocumentTableFont(m.fc);
    EXPECT_EQ(table.face.Str(), "Garamond");
    EXPECT_TRUE(table.italic);
    EXPECT_EQ(table.size, 11);
    EXPECT_TRUE(table.valid);
}

}  // namespace
}  // namespace tabulyst
