// One canonical table through every writer, and blocks that are no table.
#include "output/table_writer.h"

#include <gtest/gtest.h>

#include "output/html_table.h"
#include "output/rtf_frame.h"
#include "output/rtf_table.h"
#include "output/table_writer_support.h"

namespace tabulyst {
namespace {

using testing::Texts;
using WriterBlock = test::BlockFixture;

// A header row, a rule under it, and cells with the characters each format escapes.
const Texts kCanonical = {"Item,Qty,Price", "-----", "Pears {ripe},3,0.50",
                          "\"Apples, red & green\",12,<1.20>"};

TEST(CanonicalTable, Html) {
    WriterBlock t;
    testing::StatementHtml html;
    HtmlTableWriter writer(html);
    ParseTable(t.Analysed(kCanonical), writer);
    // Four lines with a header: a border, and the padding that goes with it.
    EXPECT_EQ(html.statements, (Texts{"<!-- User-specified DELIMITED TABLE structure -->",
                                      "<TABLE BORDER=2 CELLSPACING=0 CELLPADDING=2>",
                                      "  <TR>",
                                      "    <TH ALIGN=\"LEFT\">Item</TH>",
                                      "    <TH ALIGN=\"LEFT\">Qty</TH>",
                                      "    <TH ALIGN=\"LEFT\">Price</TH>",
                                      "  </TR>",
                                      "  <TR>",
                                      "    <TD><HR></TD>",
                                      "    <TD><HR></TD>",
                                      "    <TD><HR></TD>",
                                      "  </TR>",
                                      "  <TR>",
                                      "    <TD>Pears {ripe}</TD>",
                                      "    <TD ALIGN=\"RIGHT\">3</TD>",
                                      "    <TD ALIGN=\"RIGHT\">0.50</TD>",
                                      "  </TR>",
                                      "  <TR>",
                                      "    <TD>Apples, red &amp; green</TD>",
                                      "    <TD ALIGN=\"RIGHT\">12</TD>",
                                      "    <TD>&lt;1.20&gt;</TD>",
                                      "  </TR>",
                                      "</TABLE>",
                                      "<!-- end of DELIMITED TABLE structure -->"}));
    EXPECT_TRUE(t.Messages().empty());
}

TEST(CanonicalTable, Rtf) {
    WriterBlock t;
    testing::MemoryRtf rtf;
    RtfTableWriter writer(rtf.file);
    ParseTable(t.Analysed(kCanonical), writer);
    // Times New Roman 10, 100 twips a character: the widest texts are 19, 3 and 6
    // characters, plus 108 each and 216 between columns, less the left offset of 108.
    // The rule gives no row: it is the lower border of the row above it and the upper
    // border of the row below.
    const std::string row = "\\trowd \\trgaph108\\trleft-108";
    const std::string end = "}\\nowidctlpar\\widctlpar\\intbl\\adjustright {\\row }";
    const std::string keep = "\\keepn\\widctlpar\\intbl\\adjustright", font = "\\f27\\fs20\\b0\\i0";
    EXPECT_EQ(
        rtf.Lines(),
        (Texts{"{",
               row,
               "\\clbrdrb\\brdrs\\cellx2116\\clbrdrb\\brdrs\\cellx2740\\clbrdrb\\brdrs\\cellx3664",
               keep,
               font,
               "{",
               "\\keepn\\intbl {\\b Item\\b0 \\cell}",
               "{\\b Qty\\b0 \\cell}",
               "{\\b Price\\b0 \\cell}",
               end,
               row,
               "\\clbrdrt\\brdrs\\cellx2116\\clbrdrt\\brdrs\\cellx2740\\clbrdrt\\brdrs\\cellx3664",
               keep,
               font,
               "{",
               "\\keepn\\intbl Pears \\'7bripe\\'7d\\cell",
               "{\\qr 3\\cell}",
               "{\\qr 0.50\\cell}",
               end,
               row,
               "\\cellx2116\\cellx2740\\cellx3664",
               "\\widctlpar\\intbl\\adjustright",
               "{",
               "\\intbl Apples, red & green\\cell",
               "{\\qr 12\\cell}",
               "<1.20>\\cell",
               end,
               "}"}));
    EXPECT_TRUE(t.Messages().empty());
}

TEST(ParseTableTest, ABlockThatIsNoTableIsWrittenAsItStands) {
    WriterBlock t(TableFormat::Auto);
    for (std::string_view line : {"  +--+", "  |a<b|   ", "  +--+", "  {x} & y"})
        t.block.AddLine(line, line);
    t.block.isTable = false;
    t.block.isDiagram = true;

    testing::StatementHtml html;
    HtmlTableWriter htmlWriter(html);
    ParseTable(t.block, htmlWriter);
    EXPECT_EQ(html.statements,
              (Texts{"<PRE>", "  +--+", "  |a&lt;b|", "  +--+", "  {x} &amp; y", "</PRE>"}));
    EXPECT_FALSE(html.state.preformatted) << "the state is restored after the block";

    testing::MemoryRtf rtf;
    RtfTableWriter rtfWriter(rtf.file);
    ParseTable(t.block, rtfWriter);
    const std::string style = rtf.file.StyleStart(kStyleDiagram);
    EXPECT_EQ(rtf.Lines(), (Texts{style + "  +--+\\par", style + "  |a<b|\\par",
                                  style + "  +--+\\par", style + "  \\'7bx\\'7d & y\\par"}));
    t.block.isDiagram = false;
    t.block.isCodeSample = true;
    EXPECT_EQ(PreformattedRtfStyle(t.block), kStyleCode);
}

}  // namespace
}  // namespace tabulyst
