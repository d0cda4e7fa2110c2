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
TEST(HtmlFrame, TheTitleFromTheDocumentState) {
    HtmlHarness named;  // the file name in the title cannot open markup
    named.file.state.inputFileName = "<b>&.csv";
    EXPECT_TRUE(
        Has(EmptyDocument(named), "  <TITLE>Converted from \"&lt;b&gt;&amp;.csv\"</TITLE>"));
    HtmlHarness untitled;
    untitled.fc->SetText(P::DocumentTitle, "");
    EXPECT_TRUE(Has(EmptyDocument(untitled), "<TITLE>Converted from table \"data.csv\"</TITLE>"));
    EXPECT_TRUE(named.messages.empty() && untitled.messages.empty());
}

TEST(HtmlFrame, FontClassesOfTheDocumentStateJoinTheStyleBlock) {
    HtmlHarness h;  // the style block under the policies is the document "embedded_style_sheet"
    h.fc->SetValue(P::CreateEmbeddedStyleSheet, 1);
    h.fc->SetText(P::DefaultFont, "Arial, Regular, 10");
    h.file.state.fontClasses.push_back("3-Verdana-1-2");
    const Lines lines = EmptyDocument(h);
    const Lines expected = {"  CF3B\t{",
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
                            "  -->"};
    EXPECT_NE(std::search(lines.begin(), lines.end(), expected.begin(), expected.end()),
              lines.end());
}

}  // namespace
}  // namespace tabulyst
