// The HTML document frame, byte for byte, for the policy combinations that change it.
#include "output/html_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "html_test_support.h"

namespace tabulyst {
namespace {

using testing::HtmlHarness;
using testing::Lines;

// The 4.0 Transitional document type line is longer than 90 characters but is never
// broken: the document begins with it.
const std::string kDoctype40 =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\" "
    "\"http://www.w3.org/TR/REC-html40/loose.dtd\">";
const std::string kComment = "  <!-- Converted by Tabulyst 4.0 -->";
const std::string kTitle = "  <TITLE>Converted from \"data.csv\"</TITLE>";
const std::string kGenerator =
    "  <META NAME=\"Generator\" CONTENT=\"Pagelyst 4.1 (Tabulyst 4.0 table engine)\">";
const std::string kBody = "<BODY BGCOLOR=\"white\">";
const Lines kHead = {kComment, "", kTitle, kGenerator};  // what the defaults put in HEAD

// A whole document: the HEAD section holds `head`, the BODY `body`.
Lines Document(const Lines& head, const Lines& body, const std::string& doctype = kDoctype40) {
    Lines all = {doctype, "<HTML>", "<HEAD>", ""};
    all.insert(all.end(), head.begin(), head.end());
    all.insert(all.end(), {"", "</HEAD>", "", kBody});
    all.insert(all.end(), body.begin(), body.end());
    all.insert(all.end(), {"</BODY>", "</HTML>"});
    return all;
}

constexpr size_t kWhole = ~size_t{0};

// A policy and its value or text.
struct Setting {
    P id;
    std::variant<int, const char*> value;
};

struct FrameCase {
    size_t at;  // where `expected` begins, or kWhole for the whole document
    std::vector<Setting> settings;
    Lines expected;
    std::string message = "";  // the one message expected; none when empty
    std::string markup = "";   // written between the start and the end, indented two levels
};

// Converts an empty document; checks its lines and its messages.
void Check(const FrameCase& c, HtmlHarness& h) {
    for (const Setting& s : c.settings) {
        if (auto* text = std::get_if<const char*>(&s.value)) h.fc->SetText(s.id, *text);
        if (auto* value = std::get_if<int>(&s.value)) h.fc->SetValue(s.id, *value);
    }
    ASSERT_TRUE(h.Open());
    if (!c.markup.empty()) h.file.WriteText(IndentMarkup(*h.fc, 2, c.markup));
    ASSERT_TRUE(h.file.EndDocument());
    const Lines lines = h.Lines();
    if (c.at == kWhole) {
        EXPECT_EQ(lines, c.expected);
    } else {
        ASSERT_GE(lines.size(), c.at + c.expected.size());
        EXPECT_EQ(Lines(lines.begin() + c.at, lines.begin() + c.at + c.expected.size()),
                  c.expected);
    }
    EXPECT_EQ(h.messages, c.message.empty() ? Lines{} : Lines{c.message});
}

TEST(HtmlFrame, DocumentsByPolicy) {
    const FrameCase cases[] = {
        {kWhole, {}, Document(kHead, {kComment})},
        // Minimised output keeps the frame but drops the indentation of markup.
        {kWhole, {{P::MinimiseHtmlFileSize, 1}}, Document(kHead, {"<P>", kComment}), "", "  <P>  "},
        // The style block's comment opener ends in a blank, which the line pipeline drops.
        {kWhole,
         {{P::HtmlVersionToBeTargeted, 1},
          {P::DocumentStyleSheet, "style.css"},
          {P::CreateEmbeddedStyleSheet, 1}},
         Document(
             {kComment, "", kTitle, "  <LINK REL=\"StyleSheet\" HREF=\"style.css\">", "<STYLE>",
              "  <!--", "\tLI {  font-size:12pt;  }", "  -->", "</STYLE>", kGenerator},
             {kComment}, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">")},
        // Without HEAD and BODY the document is still indented and centred, with its
        // header and footer.
        {kWhole,
         {{P::OmitHeadAndBodyFromOutput, 1},
          {P::CenterWholeDocument, 1},
          {P::IndentWholeDocument, 1},
          {P::InputDirectory, TABULYST_TEST_DATA "/output/"},
          {P::HtmlHeaderFile, "header.html"},
          {P::HtmlFooterFile, "footer.html"}},
         {"", "<BLOCKQUOTE>", "<CENTER>", "<P>Company header</P>", kComment,
          "<P>Company footer</P>", "</CENTER>", "</BLOCKQUOTE>"}},
        // A right-to-left encoding opens a division after the BODY line.
        {kWhole,
         {{P::CharacterEncoding, "windows-1256"}},
         Document({kComment, "", kTitle, kGenerator,
                   "  <META http-equiv=\"Content-Type\" content=\"text/html; "
                   "charset=windows-1256\">"},
                  {"<DIV ALIGN=\"RIGHT\">", kComment})},
        {kWhole,
         {{P::DocumentKeywords, "sales, 2024"},
          {P::DocumentDescription, "Table from [[FILENAME]]"},
          {P::DocumentBaseUrl, "http://example.org/"},
          {P::CommentGenerationCode, 1}},  // META only, no comment
         Document({kTitle, "  <BASE HREF=\"http://example.org/\">", "  <META NAME=\"Keywords\"",
                   "        CONTENT=\"sales, 2024\">", "  <META NAME=\"Description\"",
                   "        CONTENT=\"Table from data.csv\">", kGenerator},
                  {})},
        {6, {{P::DocumentTitle, ""}}, {"<TITLE>Converted from table \"data.csv\"</TITLE>"}},
        {7,
         {{P::DocumentStyleSheet, "style.css"}},
         {"  <LINK REL=\"StyleSheet\" HREF=\"style.css\" TYPE=\"text/css\">"}},
        // A dummy list as whole-document indentation becomes a plain list.
        {11,
         {{P::IndentWholeDocument, 1}, {P::IndentationMarkupCode, -1}},
         {kBody, "<UL>", kComment, "</UL>", "</BODY>"}},
        // Suppressed colours keep the background image.
        {11,
         {{P::SuppressAllColourMarkup, 1},
          {P::BackgroundColour, "red"},
          {P::TextColour, "navy"},
          {P::BackgroundImage, "paper.gif"}},
         {"<BODY BACKGROUND=\"paper.gif\">"}},
        {11,
         {{P::BaseFontSizeInPts, 10}, {P::DeltaFontSizeInPts, 4}},  // 14 points: size 4
         {kBody, "<BASEFONT SIZE=4>"}},
        {11,
         {{P::HtmlHeaderFile, "/nonexistent/head.html"}},
         {kBody, kComment},
         "ERROR: Can't open include file /nonexistent/head.html"},
        {0,
         {{P::HtmlVersionToBeTargeted, 3}},
         {kDoctype40},
         "UNSUPPORTED CASE: Unknown HTML version.  4.0 assumed"},
        {8,
         {{P::PlaceDocumentInFrames, 1}, {P::OnlyAllowPagesToBeViewedInFrames, 1}},
         {"<SCRIPT LANGUAGE=\"JavaScript\">", "    <!--", "       if (parent.frames.length == 0)",
          "\t  window.setTimeout('location.href=\"data_frame.html\"',2000);", "    //-->",
          "  </SCRIPT>"}},
    };
    for (size_t n = 0; n < std::size(cases); ++n) {
        SCOPED_TRACE("case " + std::to_string(n));
        HtmlHarness h;
        Check(cases[n], h);
    }
}

TEST(HtmlFrame, DocumentStateInTheHead) {
    HtmlHarness named;  // the file name in the title cannot open markup
    named.file.state.inputFileName = "<b>&.csv";
    Check({6, {}, {"  <TITLE>Converted from \"&lt;b&gt;&amp;.csv\"</TITLE>"}}, named);
    HtmlHarness utf8;
    utf8.file.state.utf8 = true;
    Check(
        {7,
         {},
         {kGenerator, "  <META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"}},
        utf8);
}

TEST(HtmlFrame, BodyColoursInOrderWithTheBackgroundLast) {
    HtmlHarness h;
    h.fc->SetText(P::TextColour, "navy");
    h.fc->SetText(P::UnvisitedLinkColour, "blue");
    h.fc->SetText(P::VisitedLinkColour, "purple");
    h.fc->SetText(P::ActiveLinkColour, "red");
    h.fc->SetText(P::BackgroundColour, "silver");
    HeaderFrameOptions options;
    EXPECT_EQ(
        BodyLine(*h.fc, options).Str(),
        "<BODY TEXT=\"navy\" LINK=\"blue\" VLINK=\"purple\" ALINK=\"red\" BGCOLOR=\"silver\">");
    options.backgroundColourOverride = "yellow";
    options.textColourOverride = "black";
    EXPECT_EQ(
        BodyLine(*h.fc, options).Str(),
        "<BODY TEXT=\"black\" LINK=\"blue\" VLINK=\"purple\" ALINK=\"red\" BGCOLOR=\"yellow\">");
}

TEST(HtmlFrame, StatedBaseFontSizeBecomesTheCurrentSize) {
    HtmlHarness h;
    h.fc->SetValue(P::BaseFontSizeInPts, 10);
    h.fc->SetValue(P::DeltaFontSizeInPts, 4);
    ASSERT_TRUE(h.Open());
    EXPECT_EQ(h.file.state.currentSize, 14);
}

TEST(HtmlFrame, StyleBlockFontRulesAndFontClasses) {
    HtmlHarness h;
    h.fc->SetValue(P::CreateEmbeddedStyleSheet, 1);
    h.fc->SetText(P::DefaultFont, "Arial, Regular, 10");
    h.fc->SetText(P::HeadingFont, "Arial, Bold, 12");
    h.fc->SetText(P::FixedFont, "Courier, Regular, 9");
    // Fonts stated explicitly, under "Use CSS to implement fonts", travel in the style sheet.
    h.file.state.fontClasses.push_back("3-Verdana-1-2");
    ASSERT_TRUE(h.Open());
    ASSERT_TRUE(h.file.FlushPending(true));
    Lines lines = h.Lines();
    auto at = std::find(lines.begin(), lines.end(), "<STYLE TYPE=\"text/css\">");
    Lines expected = {
        "<STYLE TYPE=\"text/css\">",
        "  <!--",
        "  BODY, P, UL, OL, DL, DT, DD, LI, BLOCKQUOTE",
        "\t{\tfont-family: Arial; font-style: normal; font-weight: normal; font-size: 10pt;\t}",
        "  I, EM",
        "\t{\tfont-family: Arial; font-style: italic; font-weight: normal; font-size: 10pt;\t}",
        "  B, STRONG",
        "\t{\tfont-family: Arial; font-style: normal; font-weight: bold; font-size: 10pt;\t}",
        "  B I, I B, STRONG EM, EM STRONG",
        "\t{\tfont-family: Arial; font-style: italic; font-weight: bold; font-size: 10pt;\t}",
        "  TD",
        "\t{\tfont-family: Arial; font-style: normal; font-weight: normal; font-size: 10pt;\t}",
        "  TH",
        "\t{\tfont-family: Arial; font-style: normal; font-weight: bold; font-size: 10pt;\t}",
        "  H1, H2, H3, H4, H5, H6",
        "\t{\tfont-family: Arial; font-style: normal; font-weight: bold;\t}",
        "  PRE, CODE",
        "\t{\tfont-family: Courier; font-style: normal; font-weight: normal; font-size: 9pt;\t}",
        "  SPAN.TOC1",
        "\t{ font-family: Arial; font-style: normal; font-weight: bold; font-size: 12pt; }",
        "  SPAN.TOC2",
        "\t{ font-family: Arial; font-style: normal; font-weight: bold; font-size: 12pt; }",
        "  SPAN.TOC3, SPAN.TOC4, STAN.TOC5",
        "\t{ font-family: Arial; font-style: normal; font-weight: bold; font-size: 10pt; }",
        "  SPAN.TOC1 EM, SPAN1.TOC1 STRONG",
        "\t{ font-size: 12pt; }",
        "  SPAN.TOC2 EM, SPAN1.TOC2 STRONG",
        "\t{ font-size: 12pt; }",
        // 96 characters: broken at the last blank within 90, the rest indented like the line.
        "  SPAN.TOC3 EM, SPAN.TOC4 EM, STAN.TOC5 EM, SPAN.TOC3 STRONG, SPAN.TOC4 STRONG, STAN.TOC5",
        "  STRONG",
        "\t{ font-size: 10pt; }",
        "  H1 { font-size: 13pt; }",
        "  H2 { font-size: 12pt; }",
        "  H3 { font-size: 11pt; }",
        "  CF3B\t{",
        "\t\t\tfont-family: \"Verdana\", arial, geneva, sans-serif;",
        "\t\t\tfont-style: normal;",
        "\t\t\tfont-weight: bold;",
        "\t\t}",
        "  LI.CF3B\t{",
        "\t\t\tfont-family: \"Verdana\", arial, geneva, sans-serif;",
        "\t\t\tfont-style: normal;",
        "\t\t\tfont-weight: bold;",
        "\t\t\tfont-size: 12pt;",
        "\t\t}",
        "  -->",
        "</STYLE>",
    };
    ASSERT_GE(lines.end() - at, static_cast<long>(expected.size()));
    EXPECT_EQ(Lines(at, at + static_cast<long>(expected.size())), expected);
}

TEST(HtmlFrame, StartAndEndOnAClosedFileAreProgramErrors) {
    HtmlHarness h;
    EXPECT_FALSE(HTML_StartDocument(&h.file, {}, "", *h.fc, HeaderFrameOptions()));
    EXPECT_FALSE(HTML_EndDocument(nullptr, *h.fc, "", HeaderFrameOptions()));
    EXPECT_EQ(h.messages, (Lines{"PROGRAM ERROR: File not open in HTML_StartDocument!",
                                 "PROGRAM ERROR: File not open in HTML_EndDocument!"}));
    EXPECT_TRUE(h.lines.empty());
}

}  // namespace
}  // namespace tabulyst
