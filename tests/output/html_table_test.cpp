#include "output/html_table.h"

#include <gtest/gtest.h>

#include "output/table_writer_support.h"
#include "policy/policy_test_support.h"

namespace tabulyst {
namespace {

using testing::Texts;
using WriterBlock = test::BlockFixture;

// Writes the block as an HTML table; returns the statements.
Texts Write(TableBlock& block) {
    testing::StatementHtml html;
    HtmlTableWriter(html).WriteTable(block);
    return html.statements;
}

// A block of the given lines, analysed and written.
Texts WriteLines(WriterBlock& t, const Texts& lines) { return Write(t.Analysed(lines)); }

const std::string kPlainTag = "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=4>";
const std::string kOpen = "<!-- User-specified DELIMITED TABLE structure -->";
const std::string kClose = "<!-- end of DELIMITED TABLE structure -->";

TEST(HtmlTableTest, TheBorderFollowsTheShapeOfTheTable) {
    // Four data lines and no rule line: a border, and the padding that goes with it; two
    // rule lines: no border even with enough data lines.
    WriterBlock four, ruled, indented;
    EXPECT_EQ(WriteLines(four, {"a,b", "c,d", "e,f", "g,h"})[1],
              "<TABLE BORDER=2 CELLSPACING=0 CELLPADDING=2>");
    EXPECT_EQ(WriteLines(ruled, {"a,b", "====", "c,d", "e,f", "====", "g,h", "i,j"})[1], kPlainTag);
    // Two columns, the first an indent column: no border attribute at all.
    indented.Analysed({"a,b", "c,d", "e,f", "g,h"}).columns[0].mostlyEmpty = true;
    EXPECT_EQ(Write(indented.block)[1], "<TABLE CELLSPACING=0 CELLPADDING=4>");
}

TEST(HtmlTableTest, MultiLineCells) {
    WriterBlock t;
    t.Analysed({"1", "2", "3"}).blankLineSeparated = true;
    EXPECT_EQ(Write(t.block),
              (Texts{kOpen, kPlainTag, "  <TR VALIGN=\"TOP\">", "    <TD ALIGN=\"RIGHT\">1<BR>",
                     "      2<BR>", "      3</TD>", "  </TR>", "</TABLE>", kClose}));
}

TEST(HtmlTableTest, RowsAndTablesWithoutTextLeaveNoMarkup) {
    WriterBlock t, empty, blanks;
    EXPECT_EQ(WriteLines(t, {"a,b", ",", "c,d"}).size(), 12u) << "two rows";
    EXPECT_TRUE(WriteLines(empty, {}).empty());
    EXPECT_TRUE(WriteLines(blanks, {"", "", ""}).empty());
}

TEST(HtmlTableTest, IndentColumnGetsAWidthInProportionToThePage) {
    const std::pair<int, const char*> cases[] = {{-1, "    <TD WIDTH=90>x</TD>"},  // 800 * 9 / 80
                                                 {5, "    <TD WIDTH=10>x</TD>"},   // 120 * 9 / 100
                                                 {0, "    <TD WIDTH=10>x</TD>"}};
    for (auto [pageWidth, cell] : cases) {
        WriterBlock t;
        TableBlock& block = t.Analysed({"x,y"});
        block.columns[0].mostlyEmpty = true;
        block.columns[0].boundary = 9;
        if (pageWidth >= 0) t.fc.SetValue(P::PageWidth, pageWidth);
        EXPECT_EQ(Write(block)[3], cell) << pageWidth;
    }
}

TEST(HtmlTableTest, DeeplyIndentedTableIsCentredUnlessItMatchesAnIndentPosition) {
    WriterBlock t, shallow, known;
    t.Analysed({"x"}).commonIndent = 18;
    Texts out = Write(t.block);
    EXPECT_EQ(out[1], "<DIV ALIGN=\"CENTER\">" + kPlainTag);
    EXPECT_EQ(out[out.size() - 2], "</TABLE></DIV>");
    shallow.Analysed({"x"}).commonIndent = 17;
    EXPECT_EQ(Write(shallow.block)[1], kPlainTag);
    known.Analysed({"x"}).commonIndent = 24;
    known.fc.GetExtras().indentPositions = {8, 24};
    EXPECT_EQ(Write(known.block)[1], kPlainTag);
    // The next table of the same configuration is judged on its own indent.
    t.block.commonIndent = 0;
    EXPECT_EQ(Write(t.block)[1], kPlainTag);
}

TEST(HtmlTableTest, ABorderedTaggedTableWithColouredRows) {
    WriterBlock t(TableFormat::User);  // the plain tagged table is a whole document
    t.Config().SetValue(P::DefaultTableBorderSize, 1);
    t.Config().SetValue(P::ColourDataRows, 1);
    t.fc.SetValue(P::LabelStyleClasses, 1);
    const Texts out = WriteLines(t, {"[[DATA_CELL]]x"});
    EXPECT_EQ(out[1], "<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=4>");
    EXPECT_EQ(out[2], "  <TR BGCOLOR=\"F0F0F0\" VALIGN=\"TOP\">") << "the colour, not the label";
}

TEST(HtmlTableTest, TaggedTableWidthFromTheLayoutIsCappedByTheStatedWidth) {
    for (const char* stated : {"", "20"}) {
        WriterBlock t(TableFormat::User);
        TabConfig& config = t.Config();
        config.SetValue(P::AddTableWidthMarkup, 1);
        if (*stated) config.SetText(P::DefaultTableWidth, stated);
        config.columnSpecs.resize(2);
        for (ColumnSpec& spec : config.columnSpecs) {
            spec.width = 10;
            spec.gutter = 2;
        }
        const std::string width = *stated ? stated : "24";
        EXPECT_EQ(WriteLines(t, {"[[DATA_CELL]]x [[DATA_CELL]]y"})[1],
                  "<TABLE BORDER=0 WIDTH=\"" + width + "\" CELLSPACING=0 CELLPADDING=0>");
        EXPECT_EQ(t.Messages(),
                  *stated ? Texts{"WARNING: Specified Table width 20 is less than the sum of "
                                  "column widths 24"}
                          : Texts{});
    }
}

TEST(HtmlTableTest, HiddenLayoutColumnsAreLeftOutAndNotCountedInSpans) {
    WriterBlock t(TableFormat::User);
    TabConfig& config = t.Config();
    config.columnSpecs.resize(3);
    config.columnSpecs[1].hidden = true;
    config.columnSpecs[2].align = kAlignRight;
    const Texts out =
        WriteLines(t, {"[[DATA_CELL]]a [[DATA_CELL]]secret [[DATA_CELL]]c",
                       "[[DATA_CELL COLSPAN=3]]w", "[[DATA_CELL]] [[DATA_CELL]]only"});
    EXPECT_EQ(Texts(out.begin() + 3, out.end() - 2),
              (Texts{"    <TD>a</TD>", "    <TD ALIGN=\"RIGHT\">c</TD>", "  </TR>",
                     "  <TR VALIGN=\"TOP\">", "    <TD COLSPAN=2>w</TD>", "  </TR>"}))
        << "a row with text only in hidden columns would show nothing";
}

TEST(HtmlTableTest, CellTextIsEscapedOnceAndEveryByteOrTenThousandFieldsAreSafe) {
    WriterBlock t;
    const Texts escaped = WriteLines(t, {"<script>,a&b"});
    EXPECT_EQ(Texts(escaped.begin() + 3, escaped.begin() + 5),
              (Texts{"    <TD>&lt;script&gt;</TD>", "    <TD>a&amp;b</TD>"}));

    std::string bytes;  // every byte a field of a line can hold
    for (int b = 1; b <= 255; ++b)
        if (b != '\t' && b != '\n') bytes.push_back(static_cast<char>(b));
    WriterBlock tab(TableFormat::Tab);
    const Texts out = WriteLines(tab, {"x\t" + bytes + "\ty"});
    ASSERT_EQ(out.size(), 9u);
    const std::string& cell = out[4];
    ASSERT_TRUE(cell.starts_with("    <TD>"));
    ASSERT_TRUE(cell.ends_with("</TD>"));
    EXPECT_EQ(cell.substr(8, cell.size() - 8 - 9).find_first_of("<>"), std::string::npos);
    EXPECT_EQ(out[5], "    <TD>y</TD>");

    std::string line;
    for (int i = 0; i < 10000; ++i) line += (i ? ",v" : "v") + std::to_string(i);
    WriterBlock wide;
    const Texts cells = WriteLines(wide, {line});
    ASSERT_EQ(cells.size(), 10000u + 6u);
    EXPECT_EQ(cells[3], "    <TD>v0</TD>");
    EXPECT_EQ(cells[10002], "    <TD>v9999</TD>");
}

TEST(HtmlTableTest, TheTableFontGoesAroundEveryCellAndEmptyCellsWhenAsked) {
    for (bool emptyCells : {false, true}) {  // HTML 3.2: no style sheet can carry the fonts
        WriterBlock t;
        testing::ApplyText(t.fc,
                           "HTML version to be targeted : HTML 3.2\nAdd FONT markup : Yes\n"
                           "Use <EM> and <STRONG> markup : No\nTable font : Arial, Bold, 10");
        t.fc.SetValue(P::ApplyFontToEmptyTableCells, emptyCells);
        const Texts out = WriteLines(t, {"a,", "b,c"});
        const std::string font = "<FONT FACE=\"Arial\" SIZE=2><B>";
        EXPECT_EQ(Texts(out.begin() + 3, out.begin() + 5),
                  (Texts{"    <TD>" + font + "a</B></FONT></TD>",
                         emptyCells ? "    <TD>" + font + "&nbsp;</B></FONT></TD>"
                                    : "    <TD>&nbsp;</TD>"}));
    }
}

}  // namespace
}  // namespace tabulyst
