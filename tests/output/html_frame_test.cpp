// The HTML document frame, byte for byte, for the policy combinations that change it.
#include "output/html_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "html_test_support.h"

namespace tabulyst {
namespace {

using testing::HtmlHarness;
using Lines = std::vector<std::string>;

// The 4.0 Transitional document type line is longer than 90 characters but is never
// broken: the document begins with it.
const Lines kDoctype40 = {
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\" "
    "\"http://www.w3.org/TR/REC-html40/loose.dtd\">",
};
const std::string kComment = "  <!-- Converted by Tabulyst 4.0 -->";
const std::string kTitle = "  <TITLE>Converted from \"data.csv\"</TITLE>";
const std::string kGenerator =
    "  <META NAME=\"Generator\" CONTENT=\"Pagelyst 4.1 (Tabulyst 4.0 table engine)\">";

Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Lines Convert(HtmlHarness& h) {
    EXPECT_TRUE(h.Open());
    EXPECT_TRUE(h.file.EndDocument(h.fc->Text(P::HtmlFooterFile)));
    return h.Lines();
}

TEST(HtmlFrame, AllDefaultsDocumentLineByLine) {
    HtmlHarness h;
    Lines expected = Join({kDoctype40,
                           {"<HTML>", "<HEAD>", "", kComment, "", kTitle, kGenerator, "", "</HEAD>",
                            "", "<BODY BGCOLOR=\"white\">", kComment, "</BODY>", "</HTML>"}});
    EXPECT_EQ(Convert(h), expected);
    EXPECT_TRUE(h.messages.empty());
}

TEST(HtmlFrame, EmptyTitleFallsBackToTheInputFileName) {
    HtmlHarness h;
    h.fc->SetText(P::DocumentTitle, "");
    Lines lines = Convert(h);
    ASSERT_GT(lines.size(), 7u);
    EXPECT_EQ(lines[6], "<TITLE>Converted from table \"data.csv\"</TITLE>");
}

TEST(HtmlFrame, FileNameInTheTitleCannotOpenMarkup) {
    HtmlHarness h;
    h.file.state.inputFileName = "<b>&.csv";
    Lines lines = Convert(h);
    ASSERT_GT(lines.size(), 7u);
    EXPECT_EQ(lines[6], "  <TITLE>Converted from \"&lt;b&gt;&amp;.csv\"</TITLE>");
}

TEST(HtmlFrame, MinimisedOutputKeepsTheFrameButDropsMarkupIndentation) {
    HtmlHarness h;
    h.fc->SetValue(P::MinimiseHtmlFileSize, 1);
    ASSERT_TRUE(h.Open());
    h.file.WriteText(IndentMarkup(*h.fc, 2, "  <P>  "));
    ASSERT_TRUE(h.file.EndDocument(""));
    Lines expected =
        Join({kDoctype40,
              {"<HTML>", "<HEAD>", "", kComment, "", kTitle, kGenerator, "", "</HEAD>", "",
               "<BODY BGCOLOR=\"white\">", "<P>", kComment, "</BODY>", "</HTML>"}});
    EXPECT_EQ(h.Lines(), expected);
}

TEST(HtmlFrame, Html32WithStyleSheetLinkAndEmbeddedStyle) {
    HtmlHarness h;
    h.fc->SetValue(P::HtmlVersionToBeTargeted, 1);
    h.fc->SetText(P::DocumentStyleSheet, "style.css");
    h.fc->SetValue(P::CreateEmbeddedStyleSheet, 1);
    // The style block's comment opener ends in a blank, which the line pipeline drops.
    Lines expected = {"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">",
                      "<HTML>",
                      "<HEAD>",
                      "",
                      kComment,
                      "",
                      kTitle,
                      "  <LINK REL=\"StyleSheet\" HREF=\"style.css\">",
                      "<STYLE>",
                      "  <!--",
                      "\tLI {  font-size:12pt;  }",
                      "  -->",
                      "</STYLE>",
                      kGenerator,
                      "",
                      "</HEAD>",
                      "",
                      "<BODY BGCOLOR=\"white\">",
                      kComment,
                      "</BODY>",
                      "</HTML>"};
    EXPECT_EQ(Convert(h), expected);
}

TEST(HtmlFrame, Html40StyleSheetLinkNamesItsType) {
    HtmlHarness h;
    h.fc->SetText(P::DocumentStyleSheet, "style.css");
    Lines lines = Convert(h);
    ASSERT_GT(lines.size(), 8u);
    EXPECT_EQ(lines[7], "  <LINK REL=\"StyleSheet\" HREF=\"style.css\" TYPE=\"text/css\">");
}

TEST(HtmlFrame, OmittedHeadAndBodyStillIndentCentreAndInclude) {
    HtmlHarness h;
    h.fc->SetValue(P::OmitHeadAndBodyFromOutput, 1);
    h.fc->SetValue(P::CenterWholeDocument, 1);
    h.fc->SetValue(P::IndentWholeDocument, 1);
    h.fc->SetText(P::InputDirectory, TABULYST_TEST_DATA "/output/");
    h.fc->SetText(P::HtmlHeaderFile, "header.html");
    h.fc->SetText(P::HtmlFooterFile, "footer.html");
    Lines expected = {"",       "<BLOCKQUOTE>",          "<CENTER>",  "<P>Company header</P>",
                      kComment, "<P>Company footer</P>", "</CENTER>", "</BLOCKQUOTE>"};
    EXPECT_EQ(Convert(h), expected);
}

TEST(HtmlFrame, DummyListIndentationBecomesAPlainList) {
    HtmlHarness h;
    h.fc->SetValue(P::IndentWholeDocument, 1);
    h.fc->SetValue(P::IndentationMarkupCode, -1);
    Lines lines = Convert(h);
    ASSERT_GT(lines.size(), 16u);
    EXPECT_EQ(lines[11], "<BODY BGCOLOR=\"white\">");
    EXPECT_EQ(lines[12], "<UL>");
    EXPECT_EQ(lines[14], "</UL>");
    EXPECT_EQ(lines[15], "</BODY>");
}

TEST(HtmlFrame, RightToLeftEncodingOpensADivisionAfterTheBody) {
    HtmlHarness h;
    h.fc->SetText(P::CharacterEncoding, "windows-1256");
    Lines expected =
        Join({kDoctype40,
              {"<HTML>", "<HEAD>", "", kComment, "", kTitle, kGenerator,
               "  <META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1256\">",
               "", "</HEAD>", "", "<BODY BGCOLOR=\"white\">", "<DIV ALIGN=\"RIGHT\">", kComment,
               "</BODY>", "</HTML>"}});
    EXPECT_EQ(Convert(h), expected);
}

TEST(HtmlFrame, SuppressedColoursKeepTheBackgroundImage) {
    HtmlHarness h;
    h.fc->SetValue(P::SuppressAllColourMarkup, 1);
    h.fc->SetText(P::BackgroundColour, "red");
    h.fc->SetText(P::TextColour, "navy");
    h.fc->SetText(P::BackgroundImage, "paper.gif");
    Lines lines = Convert(h);
    ASSERT_GT(lines.size(), 12u);
    EXPECT_EQ(lines[11], "<BODY BACKGROUND=\"paper.gif\">");
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

TEST(HtmlFrame, Utf8DocumentDeclaresItsCharset) {
    HtmlHarness h;
    h.file.state.utf8 = true;
    Lines lines = Convert(h);
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(lines[7], kGenerator);
    EXPECT_EQ(lines[8],
              "  <META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">");
}

TEST(HtmlFrame, StatedBaseFontSizeAddsBaseFont) {
    HtmlHarness h;
    h.fc->SetValue(P::BaseFontSizeInPts, 10);
    h.fc->SetValue(P::DeltaFontSizeInPts, 4);  // 14 points: size 4
    Lines lines = Convert(h);
    ASSERT_GT(lines.size(), 13u);
    EXPECT_EQ(lines[11], "<BODY BGCOLOR=\"white\">");
    EXPECT_EQ(lines[12], "<BASEFONT SIZE=4>");
    EXPECT_EQ(h.file.state.currentSize, 14);
}

TEST(HtmlFrame, KeywordsDescriptionBaseAndTarget) {
    HtmlHarness h;
    h.fc->SetText(P::DocumentKeywords, "sales, 2024");
    h.fc->SetText(P::DocumentDescription, "Table from [[FILENAME]]");
    h.fc->SetText(P::DocumentBaseUrl, "http://example.org/");
    h.fc->SetValue(P::CommentGenerationCode, 1);  // META only, no comment
    Lines expected =
        Join({kDoctype40,
              {"<HTML>", "<HEAD>", "", kTitle, "  <BASE HREF=\"http://example.org/\">",
               "  <META NAME=\"Keywords\"", "        CONTENT=\"sales, 2024\">",
               "  <META NAME=\"Description\"", "        CONTENT=\"Table from data.csv\">",
               kGenerator, "", "</HEAD>", "", "<BODY BGCOLOR=\"white\">", "</BODY>", "</HTML>"}});
    EXPECT_EQ(Convert(h), expected);
}

TEST(HtmlFrame, MissingHeaderFileIsReportedAndSkipped) {
    HtmlHarness h;
    h.fc->SetText(P::HtmlHeaderFile, "/nonexistent/head.html");
    Lines lines = Convert(h);
    EXPECT_TRUE(h.HasMessage("ERROR: Can't open include file /nonexistent/head.html"));
    ASSERT_GT(lines.size(), 13u);
    EXPECT_EQ(lines[11], "<BODY BGCOLOR=\"white\">");
    EXPECT_EQ(lines[12], kComment);
}

TEST(HtmlFrame, UnknownHtmlVersionIsReportedAnd40Assumed) {
    HtmlHarness h;
    h.fc->SetValue(P::HtmlVersionToBeTargeted, 3);
    Lines lines = Convert(h);
    EXPECT_TRUE(h.HasMessage("UNSUPPORTED CASE: Unknown HTML version.  4.0 assumed"));
    ASSERT_GT(lines.size(), 1u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 1), kDoctype40);
}

TEST(HtmlFrame, FrameRedirectNamesTheFramePage) {
    HtmlHarness h;
    h.fc->SetValue(P::PlaceDocumentInFrames, 1);
    h.fc->SetValue(P::OnlyAllowPagesToBeViewedInFrames, 1);
    Lines lines = Convert(h);
    Lines script = {"<SCRIPT LANGUAGE=\"JavaScript\">",
                    "    <!--",
                    "       if (parent.frames.length == 0)",
                    "\t  window.setTimeout('location.href=\"data_frame.html\"',2000);",
                    "    //-->",
                    "  </SCRIPT>"};
    ASSERT_GT(lines.size(), 14u);
    EXPECT_EQ(Lines(lines.begin() + 8, lines.begin() + 14), script);
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
    ASSERT_NE(at, lines.end());
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
    ASSERT_GE(static_cast<size_t>(lines.end() - at), expected.size());
    EXPECT_EQ(Lines(at, at + static_cast<long>(expected.size())), expected);
}

TEST(HtmlFrame, StartAndEndOnAClosedFileAreProgramErrors) {
    HtmlHarness h;
    DocumentHeadTexts head;
    EXPECT_FALSE(HTML_StartDocument(&h.file, head, "", *h.fc, HeaderFrameOptions()));
    EXPECT_FALSE(HTML_EndDocument(nullptr, *h.fc, "", HeaderFrameOptions()));
    EXPECT_TRUE(h.HasMessage("PROGRAM ERROR: File not open in HTML_StartDocument!"));
    EXPECT_TRUE(h.HasMessage("PROGRAM ERROR: File not open in HTML_EndDocument!"));
    EXPECT_TRUE(h.lines.empty());
}

}  // namespace
}  // namespace tabulyst
