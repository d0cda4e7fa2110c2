#include "table/html_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/analysis.h"
#include "table/table_capture.h"
#include "table/table_writers.h"

namespace tabulyst {
namespace {

using test::BlockFixture;
using Texts = std::vector<std::string>;

// A delimited table read from the given lines and written as HTML.
Texts WriteDelimited(BlockFixture& t, std::initializer_list<std::string_view> lines) {
    t.Lines(lines);
    AnalyseDelimited(t.block);
    t.fc.passHtml = true;
    ParseTable(t.block);
    return t.html.statements;
}

// A cell of a hand-built row: one line of text unless it is empty.
TableCell Cell(std::string_view text, int align = kAlignLeft) {
    TableCell cell;
    cell.text.Assign(text);
    cell.lines = text.empty() ? 0 : 1;
    cell.align = align;
    return cell;
}

TableRow Row(std::vector<TableCell> cells, bool header = false) {
    TableRow row;
    row.cells = std::move(cells);
    row.header = header;
    return row;
}

// Writes hand-built rows, so that only the writer is under test.
Texts WriteRows(BlockFixture& t, const std::vector<TableRow>& rows, bool tagged = false) {
    HtmlTableOptions options;
    options.tagged = tagged;
    WriteHtmlTable(t.block, options, [&rows](const std::function<void(const TableRow&)>& emit) {
        for (const TableRow& row : rows) emit(row);
    });
    return t.html.statements;
}

TEST(HtmlTableTest, DelimitedTableWithEveryDefault) {
    BlockFixture t;
    EXPECT_EQ(WriteDelimited(t, {"Name,Qty", "apple,12", "pear,3"}),
              (Texts{
                  "<!-- User-specified DELIMITED TABLE structure -->",
                  "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=4>",
                  "  <TR>",
                  "    <TD>Name<BR></TD>",
                  "    <TD>Qty<BR></TD>",
                  "  </TR>",
                  "  <TR>",
                  "    <TD>apple<BR></TD>",
                  "    <TD ALIGN=\"RIGHT\">12<BR></TD>",
                  "  </TR>",
                  "  <TR>",
                  "    <TD>pear<BR></TD>",
                  "    <TD ALIGN=\"RIGHT\">3<BR></TD>",
                  "  </TR>",
                  "</TABLE>",
                  "<!-- end of DELIMITED TABLE structure -->",
              }));
    EXPECT_TRUE(t.Messages().empty());
}

TEST(HtmlTableTest, HeaderRowFromThePolicyGetsHeaderCellsAndABorder) {
    BlockFixture t;
    t.fc.BaseConfig().SetValue(P::DefaultTableHeaderRows, 1);
    EXPECT_EQ(WriteDelimited(t, {"Item,Price", "tea,1.50", "milk,0.99", "bread,2.10"}),
              (Texts{
                  "<!-- User-specified DELIMITED TABLE structure -->",
                  "<TABLE BORDER=2 CELLSPACING=0 CELLPADDING=2>",
                  "  <TR>",
                  "    <TH ALIGN=\"LEFT\">Item<BR></TH>",
                  "    <TH ALIGN=\"LEFT\">Price<BR></TH>",
                  "  </TR>",
                  "  <TR>",
                  "    <TD>tea<BR></TD>",
                  "    <TD ALIGN=\"RIGHT\">1.50<BR></TD>",
                  "  </TR>",
                  "  <TR>",
                  "    <TD>milk<BR></TD>",
                  "    <TD ALIGN=\"RIGHT\">0.99<BR></TD>",
                  "  </TR>",
                  "  <TR>",
                  "    <TD>bread<BR></TD>",
                  "    <TD ALIGN=\"RIGHT\">2.10<BR></TD>",
                  "  </TR>",
                  "</TABLE>",
                  "<!-- end of DELIMITED TABLE structure -->",
              }));
}

TEST(HtmlTableTest, EveryTablePolicyAtOnce) {
    BlockFixture t;
    TabConfig& config = t.fc.BaseConfig();
    config.SetValue(P::DefaultTableBorderSize, 3);
    config.SetValue(P::DefaultTableCellSpacing, 5);
    config.SetValue(P::DefaultTableCellPadding, 6);
    config.SetText(P::DefaultTableWidth, "75%");
    config.SetText(P::DefaultTableCaption, "Prices");
    config.SetText(P::DefaultTableColour, "FFFFCC");
    config.SetText(P::DefaultTableBorderColour, "000080");
    config.SetValue(P::DefaultTableAlignment, kAlignRight);
    config.SetValue(P::DefaultTableCellAlignment, kAlignCentre);
    config.SetValue(P::DefaultTableHeaderCols, 1);
    EXPECT_EQ(WriteDelimited(t, {"a,1", "b,2"}),
              (Texts{
                  "<!-- User-specified DELIMITED TABLE structure -->",
                  "<DIV ALIGN=\"RIGHT\"><TABLE BORDER=3 WIDTH=\"75%\" CELLSPACING=5 CELLPADDING=6 "
                  "BGCOLOR=\"FFFFCC\" BORDERCOLOR=\"000080\">",
                  "<CAPTION>Prices</CAPTION>",
                  "  <TR>",
                  "    <TD ALIGN=\"CENTER\"><STRONG>a</STRONG><BR></TD>",
                  "    <TD ALIGN=\"CENTER\">1<BR></TD>",
                  "  </TR>",
                  "  <TR>",
                  "    <TD ALIGN=\"CENTER\"><STRONG>b</STRONG><BR></TD>",
                  "    <TD ALIGN=\"CENTER\">2<BR></TD>",
                  "  </TR>",
                  "</TABLE></DIV>",
                  "<!-- end of DELIMITED TABLE structure -->",
              }));
}

TEST(HtmlTableTest, BorderPaddingAndSpacingStatedAsZero) {
    BlockFixture t;
    TabConfig& config = t.fc.BaseConfig();
    config.SetValue(P::DefaultTableBorderSize, 0);
    config.SetValue(P::DefaultTableCellPadding, 0);
    config.SetValue(P::DefaultTableCellSpacing, 0);
    t.fc.SetValue(P::UseEmAndStrongMarkup, 0);
    config.SetValue(P::DefaultTableHeaderCols, 1);
    t.fc.SetValue(P::SuppressAllColourMarkup, 1);
    config.SetText(P::DefaultTableColour, "FFFFCC");
    const Texts out = WriteDelimited(t, {"a,1"});
    ASSERT_GE(out.size(), 4u);
    EXPECT_EQ(out[1], "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0>");
    EXPECT_EQ(out[3], "    <TD><B>a</B><BR></TD>");
}

TEST(HtmlTableTest, BorderFollowsTheShapeOfTheTableWhenNotStated) {
    // Four data lines and no rule line: a border, and the padding that goes with it.
    BlockFixture plain;
    EXPECT_EQ(WriteDelimited(plain, {"a,b", "c,d", "e,f", "g,h"})[1],
              "<TABLE BORDER=2 CELLSPACING=0 CELLPADDING=2>");
    // Two rule lines: no border even with enough data lines.
    BlockFixture ruled;
    EXPECT_EQ(WriteDelimited(ruled, {"a,b", "====", "c,d", "e,f", "====", "g,h", "i,j"})[1],
              "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=4>");
    // Two columns, the first an indent column: no border attribute at all.
    BlockFixture indented;
    indented.Lines({"a,b", "c,d", "e,f", "g,h"});
    AnalyseDelimited(indented.block);
    indented.block.columns[0].mostlyEmpty = true;
    const Texts out = WriteRows(indented, {Row({Cell("x"), Cell("y")})});
    EXPECT_EQ(out[1], "<TABLE CELLSPACING=0 CELLPADDING=4>");
}

TEST(HtmlTableTest, MinimisedTableHasNoIndentation) {
    BlockFixture t;
    t.fc.SetValue(P::MinimiseHtmlFileSize, 1);
    TableCell two = Cell("one<BR>two");
    two.lines = 2;
    EXPECT_EQ(WriteRows(t, {Row({two, Cell("x")}, true), Row({Cell("a"), Cell("")})}),
              (Texts{
                  "<!-- User-specified DELIMITED TABLE structure -->",
                  "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=4>",
                  "<TR VALIGN=\"TOP\">",
                  "<TH ALIGN=\"LEFT\">one<BR>",
                  "two<BR></TH>",
                  "<TH ALIGN=\"LEFT\">x<BR></TH>",
                  "</TR>",
                  "<TR>",
                  "<TD>a<BR></TD>",
                  "<TD>&nbsp;<BR></TD>",
                  "</TR>",
                  "</TABLE>",
                  "<!-- end of DELIMITED TABLE structure -->",
              }));
}

TEST(HtmlTableTest, MultiLineCellsContinueOnIndentedLines) {
    BlockFixture t;
    TableCell three = Cell("a<BR>b<BR>c", kAlignRight);
    three.lines = 3;
    const Texts out = WriteRows(t, {Row({three})});
    EXPECT_EQ(out[2], "  <TR VALIGN=\"TOP\">");
    EXPECT_EQ(out[3], "    <TD ALIGN=\"RIGHT\">a<BR>");
    EXPECT_EQ(out[4], "      b<BR>");
    EXPECT_EQ(out[5], "      c<BR></TD>");
}

TEST(HtmlTableTest, ColouredDataRowsAlternateAndRestartAfterAHeaderRow) {
    const std::vector<TableRow> rows = {
        Row({Cell("h")}, true), Row({Cell("1")}), Row({Cell("2")}), Row({Cell("3")}),
        Row({Cell("h")}, true), Row({Cell("4")}),
    };
    BlockFixture t;
    t.fc.BaseConfig().SetValue(P::ColourDataRows, 1);
    Texts tags;
    for (const std::string& s : WriteRows(t, rows))
        if (s.find("<TR") != std::string::npos) tags.push_back(s);
    EXPECT_EQ(tags, (Texts{"  <TR>", "  <TR BGCOLOR=\"F0F0F0\">", "  <TR BGCOLOR=\"E0F0E0\">",
                           "  <TR BGCOLOR=\"F0F0F0\">", "  <TR>", "  <TR BGCOLOR=\"F0F0F0\">"}));

    BlockFixture suppressed;
    suppressed.fc.BaseConfig().SetValue(P::ColourDataRows, 1);
    suppressed.fc.SetValue(P::SuppressAllColourMarkup, 1);
    for (const std::string& s : WriteRows(suppressed, rows)) {
        if (s.find("<TR") != std::string::npos) {
            EXPECT_EQ(s, "  <TR>");
        }
    }
}

TEST(HtmlTableTest, RuleRowsAndDashedCellsCarryNoLineBreak) {
    BlockFixture t;
    const Texts out = WriteDelimited(t, {"a,b", "====", "====", "c,d"});
    EXPECT_EQ(out[7], "    <TD><HR SIZE=5 NOSHADE></TD>");
    EXPECT_EQ(out[8], "    <TD><HR SIZE=5 NOSHADE></TD>");
    EXPECT_EQ(out.size(), 16u);

    BlockFixture dashes;
    const Texts cells = WriteRows(dashes, {Row({Cell("-----"), Cell("---")})});
    EXPECT_EQ(cells[3], "    <TD><HR></TD>");
    EXPECT_EQ(cells[4], "    <TD>---<BR></TD>");
}

TEST(HtmlTableTest, BlankLineSeparatedRowsBecomeMultiLineCells) {
    BlockFixture t;
    t.Lines({"a,1", "b,2", "c,3", "", "d,4"});
    AnalyseDelimited(t.block);
    t.block.blankLineSeparated = true;
    ParseTable(t.block);
    const Texts& out = t.html.statements;
    ASSERT_EQ(out.size(), 16u);
    EXPECT_EQ(out[2], "  <TR VALIGN=\"TOP\">");
    EXPECT_EQ(out[3], "    <TD>a<BR>");
    EXPECT_EQ(out[4], "      b<BR>");
    EXPECT_EQ(out[5], "      c<BR></TD>");
    EXPECT_EQ(out[6], "    <TD ALIGN=\"RIGHT\">1<BR>");
    EXPECT_EQ(out[7], "      2<BR>");
    EXPECT_EQ(out[8], "      3<BR></TD>");
    EXPECT_EQ(out[9], "  </TR>");
    EXPECT_EQ(out[10], "  <TR>");
}

TEST(HtmlTableTest, AmbiguousSpanWarningKeepsBothRows) {
    BlockFixture t(kFormatUser);
    t.block.kind = BlockKind::UserTable;
    t.Lines({"ab    cd", "abcdefgh"});
    ClassifyLines(t.block);
    t.block.widest = 8;
    t.block.columns.resize(2);
    t.block.columns[0].gapStart = 4;
    t.block.columns[0].gapEnd = 5;
    t.block.columns[0].boundary = 5;
    t.block.columns[1].boundary = 7;
    t.block.blankLineSeparated = true;
    t.fc.passHtml = true;
    ParseTable(t.block);
    EXPECT_EQ(t.Messages(), (Texts{"WARNING: Ambiguous ColSpan Creating new row at (1,0) was 1 now 2"}));
    EXPECT_EQ(t.html.statements[0], "<!-- User-specified TABLE structure -->");
    EXPECT_EQ(t.html.statements[7], "    <TD COLSPAN=2>abcdefgh<BR></TD>");
}

TEST(HtmlTableTest, HeaderCellsSayLeftAndDataCellsDoNot) {
    BlockFixture t;
    const Texts out = WriteRows(t, {Row({Cell("h", kAlignLeft), Cell("j", kAlignJustify)}, true),
                                    Row({Cell("d", kAlignLeft), Cell("c", kAlignCentre)})});
    EXPECT_EQ(out[3], "    <TH ALIGN=\"LEFT\">h<BR></TH>");
    EXPECT_EQ(out[4], "    <TH ALIGN=\"LEFT\">j<BR></TH>");
    EXPECT_EQ(out[7], "    <TD>d<BR></TD>");
    EXPECT_EQ(out[8], "    <TD ALIGN=\"CENTER\">c<BR></TD>");
}

TEST(HtmlTableTest, RowsWithoutTextAndTablesWithoutRowsWriteNothing) {
    BlockFixture t;
    const Texts out = WriteRows(t, {Row({Cell(""), Cell("")}), Row({Cell("a"), Cell("b")})});
    EXPECT_EQ(out[2], "  <TR>");
    EXPECT_EQ(out[3], "    <TD>a<BR></TD>");

    BlockFixture empty;
    EXPECT_TRUE(WriteDelimited(empty, {}).empty());
    BlockFixture blanks;
    EXPECT_TRUE(WriteDelimited(blanks, {"", "", ""}).empty());
}

TEST(HtmlTableTest, IndentColumnGetsAWidthInProportionToThePage) {
    BlockFixture t;
    t.block.columns.resize(2);
    t.block.columns[0].mostlyEmpty = true;
    t.block.columns[0].boundary = 9;
    TableCell wide = Cell("w");
    wide.colSpan = 2;
    const std::vector<TableRow> rows = {Row({Cell("x"), Cell("y")}), Row({wide, Cell("")})};
    Texts out = WriteRows(t, rows);
    EXPECT_EQ(out[3], "    <TD WIDTH=90>x<BR></TD>");  // 800 * 9 / 80
    EXPECT_EQ(out[7], "    <TD COLSPAN=2>w<BR></TD>");

    BlockFixture narrow;
    narrow.block.columns = t.block.columns;
    narrow.fc.SetValue(P::PageWidth, 5);
    EXPECT_EQ(WriteRows(narrow, rows)[3], "    <TD WIDTH=10>x<BR></TD>");  // 120 * 9 / 100

    BlockFixture none;
    none.block.columns = t.block.columns;
    none.fc.SetValue(P::PageWidth, 0);
    EXPECT_EQ(WriteRows(none, rows)[3], "    <TD WIDTH=10>x<BR></TD>");
}

TEST(HtmlTableTest, DeeplyIndentedTableIsCentredUnlessItMatchesAnIndentPosition) {
    BlockFixture t;
    t.block.commonIndent = 18;
    Texts out = WriteRows(t, {Row({Cell("x")})});
    EXPECT_EQ(out[1], "<DIV ALIGN=\"CENTER\"><TABLE BORDER=0 CELLSPACING=0 CELLPADDING=4>");
    EXPECT_EQ(out[out.size() - 2], "</TABLE></DIV>");

    BlockFixture shallow;
    shallow.block.commonIndent = 17;
    EXPECT_EQ(WriteRows(shallow, {Row({Cell("x")})})[1], "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=4>");

    BlockFixture known;
    known.block.commonIndent = 24;
    known.fc.GetExtras().indentPositions = {8, 24};
    EXPECT_EQ(WriteRows(known, {Row({Cell("x")})})[1], "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=4>");

    // The next table of the same configuration is judged on its own indent.
    t.html.statements.clear();
    t.block.commonIndent = 0;
    EXPECT_EQ(WriteRows(t, {Row({Cell("x")})})[1], "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=4>");
}

TEST(HtmlTableTest, CommentsFollowTheKindOfBlock) {
    const struct {
        BlockKind kind;
        const char* open;
        const char* close;
    } cases[] = {
        {BlockKind::PlainText, "<!-- Automatically detected TABLE structure -->",
         "<!-- end of automatically detected TABLE structure -->"},
        {BlockKind::UserTable, "<!-- User-specified TABLE structure -->",
         "<!-- end of user-specified TABLE structure -->"},
        {BlockKind::TextBlock, "<!-- Automatically detected Text Block structure -->",
         "<!-- end of automatically detected Text Block structure -->"},
    };
    for (const auto& c : cases) {
        BlockFixture t;
        t.block.kind = c.kind;
        const Texts out = WriteRows(t, {Row({Cell("x")})});
        EXPECT_EQ(out.front(), c.open);
        EXPECT_EQ(out.back(), c.close);
    }
}

TEST(HtmlTableTest, TaggedTableRowsAndBorders) {
    BlockFixture t;
    t.fc.SetValue(P::LabelStyleClasses, 1);
    TableRow bottom = Row({Cell("b")});
    bottom.valign = kVAlignBottom;
    TableRow centred = Row({Cell("c")});
    centred.valign = kVAlignCentre;
    TableCell low = Cell("d");
    low.valign = kVAlignBottom;
    TableCell high = Cell("e");
    high.valign = kVAlignTop;
    EXPECT_EQ(WriteRows(t, {Row({Cell("h")}, true), Row({low, high}), bottom, centred}, true),
              (Texts{
                  "<!-- User-specified TAGGED TABLE -->",
                  "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0>",
                  "  <TR VALIGN=\"BOTTOM\">",
                  "    <TH ALIGN=\"LEFT\">h<BR></TH>",
                  "  </TR>",
                  "  <TR CLASS=\"OddRow\" VALIGN=\"TOP\">",
                  "    <TD VALIGN=\"BOTTOM\">d<BR></TD>",
                  "    <TD>e<BR></TD>",
                  "  </TR>",
                  "  <TR CLASS=\"EvenRow\" VALIGN=\"BOTTOM\">",
                  "    <TD>b<BR></TD>",
                  "  </TR>",
                  "  <TR CLASS=\"OddRow\">",
                  "    <TD>c<BR></TD>",
                  "  </TR>",
                  "</TABLE>",
                  "<!-- end of user-specified TAGGED TABLE -->",
              }));

    BlockFixture bordered;
    bordered.fc.BaseConfig().SetValue(P::DefaultTableBorderSize, 1);
    bordered.fc.BaseConfig().SetValue(P::ColourDataRows, 1);
    bordered.fc.SetValue(P::LabelStyleClasses, 1);
    const Texts out = WriteRows(bordered, {Row({Cell("x")})}, true);
    EXPECT_EQ(out[1], "<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=4>");
    EXPECT_EQ(out[2], "  <TR BGCOLOR=\"F0F0F0\" VALIGN=\"TOP\">");
}

TEST(HtmlTableTest, TaggedTableRowAlignmentCodeOutOfRangeIsReported) {
    BlockFixture t;
    TableRow odd = Row({Cell("x")});
    odd.valign = 7;
    const Texts out = WriteRows(t, {odd}, true);
    EXPECT_EQ(out[2], "  <TR>");
    EXPECT_EQ(t.Messages(), (Texts{"UNSUPPORTED CASE: Vertical alignment code 7"}));
}

TEST(HtmlTableTest, TaggedTableWidthFromTheLayoutIsCappedByTheStatedWidth) {
    BlockFixture t;
    TabConfig& config = t.fc.BaseConfig();
    config.SetValue(P::AddTableWidthMarkup, 1);
    config.columnSpecs.resize(2);
    for (ColumnSpec& spec : config.columnSpecs) {
        spec.width = 10;
        spec.gutter = 2;
    }
    EXPECT_EQ(WriteRows(t, {Row({Cell("x"), Cell("y")})}, true)[1],
              "<TABLE BORDER=0 WIDTH=\"24\" CELLSPACING=0 CELLPADDING=0>");
    EXPECT_TRUE(t.Messages().empty());

    BlockFixture capped;
    capped.fc.BaseConfig() = config;
    capped.fc.BaseConfig().SetText(P::DefaultTableWidth, "20");
    EXPECT_EQ(WriteRows(capped, {Row({Cell("x"), Cell("y")})}, true)[1],
              "<TABLE BORDER=0 WIDTH=\"20\" CELLSPACING=0 CELLPADDING=0>");
    EXPECT_EQ(capped.Messages(),
              (Texts{"WARNING: Specified Table width 20 is less than the sum of column widths 24"}));
}

TEST(HtmlTableTest, HiddenLayoutColumnsAreLeftOutAndNotCountedInSpans) {
    BlockFixture t;
    TabConfig& config = t.fc.BaseConfig();
    config.columnSpecs.resize(3);
    config.columnSpecs[1].hidden = true;
    config.columnSpecs[2].align = kAlignRight;
    TableCell wide = Cell("w");
    wide.colSpan = 3;
    const Texts out = WriteRows(t, {Row({Cell("a"), Cell("secret"), Cell("c")}), Row({wide, Cell(""), Cell("")})});
    EXPECT_EQ(out[3], "    <TD>a<BR></TD>");
    EXPECT_EQ(out[4], "    <TD ALIGN=\"RIGHT\">c<BR></TD>");
    EXPECT_EQ(out[7], "    <TD COLSPAN=2>w<BR></TD>");
}

TEST(HtmlTableTest, CellTextIsEscaped) {
    BlockFixture t;
    EXPECT_EQ(WriteDelimited(t, {"<script>,a&b"})[3], "    <TD>&lt;script&gt;<BR></TD>");
    EXPECT_EQ(t.html.statements[4], "    <TD>a&amp;b<BR></TD>");
}

TEST(HtmlTableTest, EveryByteValueInACellIsWrittenSafely) {
    std::string bytes;
    for (int b = 1; b <= 255; ++b)
        if (b != '\t') bytes.push_back(static_cast<char>(b));
    BlockFixture t(kFormatTab);
    const std::string line = "x\t" + bytes + "\ty";
    const Texts out = WriteDelimited(t, {line});
    ASSERT_EQ(out.size(), 9u);
    const std::string& cell = out[4];
    ASSERT_TRUE(cell.starts_with("    <TD>"));
    ASSERT_TRUE(cell.ends_with("<BR></TD>"));
    const std::string content = cell.substr(8, cell.size() - 8 - 9);
    EXPECT_EQ(content.find_first_of("<>"), std::string::npos);
    EXPECT_EQ(out[5], "    <TD>y<BR></TD>");
}

TEST(HtmlTableTest, TenThousandFieldsMakeTenThousandCells) {
    std::string line;
    for (int i = 0; i < 10000; ++i) line += (i ? "," : "") + std::string("v") + std::to_string(i);
    BlockFixture t;
    const Texts out = WriteDelimited(t, {line});
    ASSERT_EQ(out.size(), 10000u + 6u);
    EXPECT_EQ(out[3], "    <TD>v0<BR></TD>");
    EXPECT_EQ(out[10002], "    <TD>v9999<BR></TD>");
}

TEST(ParseTableTest, MissingOutputDocumentIsAProgramError) {
    BlockFixture t;
    t.Lines({"a,b"});
    AnalyseDelimited(t.block);
    t.block.htmlFile = nullptr;
    ParseTable(t.block);
    EXPECT_EQ(t.Messages(), (Texts{"PROGRAM ERROR : No HTMLFile inside ParseTable"}));
    EXPECT_TRUE(t.html.statements.empty());

    BlockFixture rtf;
    rtf.Lines({"a,b"});
    AnalyseDelimited(rtf.block);
    rtf.block.writeHtml = false;
    rtf.block.writeRtf = true;
    ParseTable(rtf.block);
    EXPECT_EQ(rtf.Messages(), (Texts{"PROGRAM ERROR : No RTFFile inside ParseTable"}));
    EXPECT_TRUE(rtf.html.statements.empty());
}

}  // namespace
}  // namespace tabulyst
