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
using testing::Lines;

// The lines of an empty document written with the harness's policies and state.
Lines EmptyDocument(HtmlHarness& h) {
    EXPECT_TRUE(h.Open());
    EXPECT_TRUE(h.file.EndDocument());
    return h.Lines();
}

bool Has(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The frames under the policies are whole documents (tests/data/documents); what the
// document state adds to them is tested here.
TEST(HtmlFrame, TitleAndCharacterSetFromTheDocumentState) {
    HtmlHarness named;  // the file name in the title cannot open markup
    named.file.state.inputFileName = "<b>&.csv";
    EXPECT_TRUE(
        Has(EmptyDocument(named), "  <TITLE>Converted from \"&lt;b&gt;&amp;.csv\"</TITLE>"));
    HtmlHarness untitled;
    untitled.fc->SetText(P::DocumentTitle, "");
    EXPECT_TRUE(Has(EmptyDocument(untitled), "<TITLE>Converted from table \"data.csv\"</TITLE>"));
    HtmlHarness utf8;
    utf8.file.state.utf8 = true;
    EXPECT_TRUE(Has(EmptyDocument(utf8),
                    "  <META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">"));
    EXPECT_TRUE(named.messages.empty() && untitled.messages.empty() && utf8.messages.empty());
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
    const Lines lines = h.Lines();
    const Lines expected[] = {
        {"<STYLE TYPE=\"text/css\">", "  <!--", "  BODY, P, UL, OL, DL, DT, DD, LI, BLOCKQUOTE",
         "\t{\tfont-family: Arial; font-style: normal; font-weight: normal; font-size: 10pt;\t}"},
        {"  PRE, CODE",
         "\t{\tfont-family: Courier; font-style: normal; font-weight: normal; font-size: 9pt;\t}"},
        {"  SPAN.TOC3, SPAN.TOC4, STAN.TOC5",  // two points less than the heading font
         "\t{ font-family: Arial; font-style: normal; font-weight: bold; font-size: 10pt; }"},
        // 96 characters: broken at the last blank within 90, the rest indented like the line.
        {"  SPAN.TOC3 EM, SPAN.TOC4 EM, STAN.TOC5 EM, SPAN.TOC3 STRONG, SPAN.TOC4 STRONG, "
         "STAN.TOC5",
         "  STRONG"},
        {"  H1 { font-size: 13pt; }", "  H2 { font-size: 12pt; }", "  H3 { font-size: 11pt; }",
         "  CF3B\t{", "\t\t\tfont-family: \"Verdana\", arial, geneva, sans-serif;",
         "\t\t\tfont-style: normal;", "\t\t\tfont-weight: bold;", "\t\t}", "  LI.CF3B\t{"},
        {"\t\t\tfont-size: 12pt;", "\t\t}", "  -->", "</STYLE>"},
    };
    for (const Lines& run : expected)
        EXPECT_NE(std::search(lines.begin(), lines.end(), run.begin(), run.end()), lines.end())
            << run.front();
}

}  // namespace
}  // namespace tabulyst
