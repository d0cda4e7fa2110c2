#include "output/font_markup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/messages.h"
#include "output/document_state.h"
#include "policy/fc.h"

using namespace tabulyst;

namespace {

struct Markup {
    MessageSink sink;
    std::vector<std::string> messages;
    FC fc{&sink};
    DocumentState state;

    Markup() {
        sink.messageCallback = [this](std::string_view text) { messages.emplace_back(text); };
        fc.SetValue(P::ErrorReportingLevel, 10);
        fc.SetValue(P::AddFontMarkup, 1);
        fc.SetValue(P::AddFontSizeMarkup, 1);
        fc.SetValue(P::AddFontStyleMarkup, 1);
        fc.SetValue(P::AddFontFaceMarkup, 1);
        fc.SetValue(P::AddEmphasisAndBoldMarkup, 1);
        fc.SetValue(P::UseEmAndStrongMarkup, 0);
    }

    std::string Start(int kind, const FontSpec* font) {
        TextString text("left over");
        GetStartFontMarkup(kind, fc, state, font, text);
        return text.Str();
    }
    std::string End(int kind, const FontSpec* font) {
        TextString text("left over");
        GetEndFontMarkup(kind, fc, state, font, text);
        return text.Str();
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

}  // namespace

TEST(FontMarkup, BoldArialInHtml32) {
    Markup m;
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 1);
    const FontSpec arial = Font("Arial", 10, true);
    EXPECT_EQ(m.Start(kFontMarkupTableCell, &arial), "<FONT FACE=\"Arial\" SIZE=2><B>");
    EXPECT_EQ(m.End(kFontMarkupTableCell, &arial), "</B></FONT>");
}

TEST(FontMarkup, StyleSheetFontsWriteNoFontTags) {
    Markup m;
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 2);
    const FontSpec arial = Font("Arial", 10);
    EXPECT_NE(m.Start(kFontMarkupForced, &arial), "") << "no font policy stated yet: FONT tags";

    m.fc.SetText(P::TableFont, "Arial, Regular, 10");
    EXPECT_FALSE(FontTagsWanted(m.fc));
    UpdateFontTagFlag(m.fc, m.state);
    EXPECT_FALSE(m.state.fontTags);
    for (int kind : {0, 1, 2, 3, 7}) {
        EXPECT_EQ(m.Start(kind, &arial), "") << "kind " << kind;
        EXPECT_EQ(m.End(kind, &arial), "") << "kind " << kind;
    }

    m.fc.SetValue(P::HtmlVersionToBeTargeted, 1);
    EXPECT_TRUE(FontTagsWanted(m.fc)) << "HTML 3.2 has no style sheet fonts";
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 2);
    m.fc.SetValue(P::UseCssToImplementFonts, 0);
    EXPECT_TRUE(FontTagsWanted(m.fc));
}

TEST(FontMarkup, SuppressAllFontMarkupSilencesEveryKind) {
    Markup m;
    m.fc.SetValue(P::SuppressAllFontMarkup, 1);
    const FontSpec arial = Font("Arial", 10, true, true);
    for (int kind : {0, 1, 2, 3, 7}) {
        EXPECT_EQ(m.Start(kind, &arial), "") << "kind " << kind;
        EXPECT_EQ(m.End(kind, &arial), "") << "kind " << kind;
    }
}

TEST(FontMarkup, EmAndStrongCloseInsideTheFontElement) {
    Markup m;
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 1);
    m.fc.SetValue(P::UseEmAndStrongMarkup, 1);
    const FontSpec font = Font("Times New Roman", 12, true, true);
    EXPECT_EQ(m.Start(kFontMarkupText, &font),
              "<FONT FACE=\"Times New Roman\" SIZE=3><STRONG><EM>");
    EXPECT_EQ(m.End(kFontMarkupText, &font), "</EM></STRONG></FONT>");
    m.fc.SetValue(P::UseEmAndStrongMarkup, 0);
    EXPECT_EQ(m.End(kFontMarkupText, &font), "</I></B></FONT>");
}

TEST(FontMarkup, Html40SizeGoesIntoTheStyleAttribute) {
    Markup m;
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 2);
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

TEST(FontMarkup, SizeAttributeSteps) {
    Markup m;
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 1);
    const std::pair<int, int> steps[] = {{8, 1},  {9, 2},  {11, 2}, {12, 3}, {13, 3},
                                         {14, 4}, {16, 4}, {17, 5}, {22, 5}, {23, 6}};
    for (auto [points, size] : steps) {
        const FontSpec font = Font("", points);
        EXPECT_EQ(m.Start(kFontMarkupText, &font), "<FONT SIZE=" + std::to_string(size) + ">")
            << points << "pt";
    }
}

TEST(FontMarkup, AddFontMarkupOffLeavesBothTextsEmptyUnlessForced) {
    Markup m;
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 1);
    m.fc.SetValue(P::AddFontMarkup, 0);
    const FontSpec bold = Font("Arial", 10, true);
    EXPECT_EQ(m.Start(kFontMarkupTableCell, &bold), "");
    EXPECT_EQ(m.End(kFontMarkupTableCell, &bold), "")
        << "no </B> without the <B> that was never written";
    EXPECT_EQ(m.Start(kFontMarkupForced, &bold), "<FONT FACE=\"Arial\" SIZE=2><B>");
    EXPECT_EQ(m.End(kFontMarkupForced, &bold), "</B></FONT>");
    m.fc.SetValue(P::AddFontMarkup, 1);
    EXPECT_EQ(m.Start(kFontMarkupTableCell, nullptr), "");
    EXPECT_EQ(m.End(kFontMarkupTableCell, nullptr), "");
    EXPECT_EQ(m.Start(kFontMarkupForced, nullptr), "") << "a missing font never crashes";
}

TEST(FontMarkup, ColourAndClassAttributes) {
    Markup m;
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 2);
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

TEST(FontMarkup, InvalidFontIsReportedAndUsedAllTheSame) {
    Markup m;
    m.fc.SetValue(P::HtmlVersionToBeTargeted, 1);
    FontSpec font = Font("Arial", 10);
    font.valid = false;
    EXPECT_EQ(m.Start(kFontMarkupForced, &font), "<FONT FACE=\"Arial\" SIZE=2>");
    EXPECT_EQ(m.End(kFontMarkupForced, &font), "</FONT>");
    EXPECT_EQ(m.messages,
              (std::vector<std::string>{"PROGRAM ERROR: Invalid font passed to GetStartFontMarkup",
                                        "PROGRAM ERROR: Invalid font passed to GetEndFontMarkup"}));
}

TEST(FontMarkup, OtherOutputFormatsGetNothing) {
    Markup m;
    m.state.outputFormat = kOutputRtf;
    const FontSpec arial = Font("Arial", 10, true);
    EXPECT_EQ(m.Start(kFontMarkupForced, &arial), "");
    EXPECT_EQ(m.End(kFontMarkupForced, &arial), "");
}

TEST(DocumentTableFont, TableFontThenDefaultFont) {
    Markup m;
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
