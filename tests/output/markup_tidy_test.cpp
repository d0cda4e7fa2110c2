// Tidying generated markup: spaces and breaks around "&nbsp;" and cell ends.
#include "output/markup_tidy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tabulyst {
namespace {

std::string Tidy(const std::string& text, bool removeRedundant = false) {
    std::string out = "stale";
    TidyMarkup(text, out, removeRedundant);
    return out;
}

TEST(MarkupTidy, BlanksBesideNbspAndBreaksBeforeCellEnds) {
    const std::pair<std::string, std::string> cases[] = {
        {"a &nbsp; b", "a&nbsp;b"},
        {"a   &nbsp;&nbsp;  b", "a&nbsp;&nbsp;b"},
        {"x\n    &nbsp;y", "x\n    &nbsp;y"},  // indentation stays
        {"a&amp;nbsp; b", "a&amp;nbsp; b"},
        {"x&nbsp;<BR>y", "x<BR>y"},
        {"<TH ALIGN=\"LEFT\"><BR></TH>", "<TH ALIGN=\"LEFT\">&nbsp;</TH>"},
        {"<TD><STRONG>&nbsp;</STRONG><BR></TD>", "<TD><STRONG>&nbsp;</STRONG></TD>"},
        {"<TD>a<BR>b</TD>", "<TD>a<BR>b</TD>"},  // a break that does not end the cell stays
    };
    for (const auto& [text, tidied] : cases) EXPECT_EQ(Tidy(text), tidied) << text;
}

TEST(MarkupTidy, LineFeedsAreKeptAndASecondTidyChangesNothing) {
    const std::string cells =
        "  <TR>\n    <TD>a<BR>\n      b<BR></TD>\n    <TD>&nbsp;<BR></TD>\n    <TD>\n<BR></TD>\n  "
        "</TR>\n";
    std::string once = Tidy(cells);
    EXPECT_EQ(once,
              "  <TR>\n    <TD>a<BR>\n      b</TD>\n    <TD>&nbsp;</TD>\n    <TD>\n&nbsp;</TD>\n  "
              "</TR>\n");
    EXPECT_EQ(std::count(once.begin(), once.end(), '\n'),
              std::count(cells.begin(), cells.end(), '\n'));
    EXPECT_EQ(Tidy(once), once);
}

TEST(MarkupTidy, RedundantBlanksAroundEmphasisOnlyOnRequest) {
    const std::string text =
        "<P> <EM>x</EM> </P>\n<TD ALIGN=\"RIGHT\">  <FONT FACE=\"Arial\">1</FONT>\t</TD>";
    EXPECT_EQ(Tidy(text), text);
    EXPECT_EQ(Tidy(text, true),
              "<P><EM>x</EM></P>\n<TD ALIGN=\"RIGHT\"><FONT FACE=\"Arial\">1</FONT></TD>");
    // Blanks between words, and line ends, are not redundant.
    EXPECT_EQ(Tidy("<P>\n<EM>a</EM> <B>b</B></P>", true), "<P>\n<EM>a</EM> <B>b</B></P>");
}

}  // namespace
}  // namespace tabulyst
