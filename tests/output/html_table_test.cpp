#include "table/html_table.h"

#include <gtest/gtest.h>

#include "table/analysis.h"
#include "table/table_capture.h"
#include "table/table_writers.h"

namespace tabulyst {
namespace {

using test::BlockFixture;
using test::Texts;

// A delimited table read from the given lines and written as HTML.
Texts WriteDelimited(BlockFixture& t, std::initializer_list<std::string_view> lines) {
    t.Lines(lines);
    AnalyseDelimited(t.block);
    t.fc.passHtml = true;
    ParseTable(t.block);
    return t.html.statements;
}

// A cell of a hand-built row: one line of text unless it is empty or says otherwise.
TableCell Cell(std::string_view text, int align = kAlignLeft, int lines = 1, int span = 1) {
    TableCell cell;
    cell.text.Assign(text);
    cell.lines = text.empty() ? 0 : lines;
    cell.align = align;
    cell.colSpan = span;
    return cell;
}

TableRow Row(std::vector<TableCell> cells, bool header = false, int valign = kVAlignNone) {
    TableRow row;
    row.cells = std::move(cells);
    row.header = header;
    row.valign = valign;
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

const std::string kPlainTag = "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=4>";

TEST(HtmlTableTest, DelimitedTablesWithTheirPolicies) {
    BlockFixture plain;
    EXPECT_EQ(WriteDelimited(plain, {"Name,Qty", "apple,12", "pear,3"}),
              (Texts{"<!-- User-specified DELIMITED TABLE structure -->", kPlainTag,
                     "  <TR>", "    <TD>Name<BR></TD>", "    <TD>Qty<BR></TD>", "  </TR>",
                     "  <TR>", "    <TD>apple<BR></TD>", "    <TD ALIGN=\"RIGHT\">12<BR></TD>",
                     "  </TR>", "  <TR>", "    <TD>pear<BR></TD>",
                     "    <TD ALIGN=\"RIGHT\">3<BR></TD>", "  </TR>", "</TABLE>",
                     "<!-- end of DELIMITED TABLE structure -->"}));
    EXPECT_TRUE(plain.Messages().empty());

    BlockFixture header;  // a header row from the policy: header cells and a border
    header.fc.BaseConfig().SetValue(P::DefaultTableHeaderRows, 1);
    EXPECT_EQ(WriteDelimited(header, {"Item,Price", "tea,1.50", "milk,0.99", "bread,2.10"}),
              (Texts{"<!-- User-specified DELIMITED TABLE structure -->",
                     "<TABLE BORDER=2 CELLSPACING=0 CELLPADDING=2>", "  <TR>",
                     "    <TH ALIGN=\"LEFT\">Item<BR></TH>", "    <TH ALIGN=\"LEFT\">Price<BR></TH>",
                     "  </TR>", "  <TR>", "    <TD>tea<BR></TD>",
                     "    <TD ALIGN=\"RIGHT\">1.50<BR></TD>", "  </TR>", "  <TR>",
                     "    <TD>milk<BR></TD>", "    <TD ALIGN=\"RIGHT\">0.99<BR></TD>", "  </TR>",
                     "  <TR>", "    <TD>bread<BR></TD>", "    <TD ALIGN=\"RIGHT\">2.10<BR></TD>",
                     "  </TR>", "</TABLE>", "<!-- end of DELIMITED TABLE structure -->"}));

    BlockFixture every;
    for (auto [policy, value] :
         {std::pair{P::DefaultTableBorderSize, 3}, {P::DefaultTableCellSpacing, 5},
          {P::DefaultTableCellPadding, 6}, {P::DefaultTableAlignment, kAlignRight},
          {P::DefaultTableCellAlignment, kAlignCentre}, {P::DefaultTableHeaderCols, 1}})
        every.fc.BaseConfig().SetValue(policy, value);
    for (auto [policy, text] :
         {std::pair{P::DefaultTableWidth, "75%"}, {P::DefaultTableCaption, "Prices"},
          {P::DefaultTableColour, "FFFFCC"}, {P::DefaultTableBorderColour, "000080"}})
        every.fc.BaseConfig().SetText(policy, text);
    EXPECT_EQ(WriteDelimited(every, {"a,1", "b,2"}),
              (Texts{"<!-- User-specified DELIMITED TABLE structure -->",
                     "<DIV ALIGN=\"RIGHT\"><TABLE BORDER=3 WIDTH=\"75%\" CELLSPACING=5 "
                     "CELLPADDING=6 BGCOLOR=\"FFFFCC\" BORDERCOLOR=\"000080\">",
                     "<CAPTION>Prices</CAPTION>", "  <TR>",
                     "    <TD ALIGN=\"CENTER\"><STRONG>a</STRONG><BR></TD>",
                     "    <TD ALIGN=\"CENTER\">1<BR></TD>", "  </TR>", "  <TR>",
                     "    <TD ALIGN=\"CENTER\"><STRONG>b</STRONG><BR></TD>",
                     "    <TD ALIGN=\"CENTER\">2<BR></TD>", "  </TR>", "</TABLE></DIV>",
                     "<!-- end of DELIMITED TABLE structure -->"}));
}

TEST(HtmlTableTest, TheBorderStatedAsZeroOrFollowingTheShapeOfTheTable) {
    BlockFixture zero;
    TabConfig& config = zero.fc.BaseConfig();
    config.SetValue(P::DefaultTableBorderSize, 0);
    config.SetValue(P::DefaultTableCellPadding, 0);
    config.SetValue(P::DefaultTableCellSpacing, 0);
    config.SetValue(P::DefaultTableHeaderCols, 1);
    config.SetText(P::DefaultTableColour, "FFFFCC");
    zero.fc.SetValue(P::UseEmAndStrongMarkup, 0);
    zero.fc.SetValue(P::SuppressAllColourMarkup, 1);
    const Texts out = WriteDelimited(zero, {"a,1"});
    ASSERT_GE(out.size(), 4u);
    EXPECT_EQ(out[1], "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0>");
    EXPECT_EQ(out[3], "    <TD><B>a</B><BR></TD>");

    // Four data lines and no rule line: a border, and the padding that goes with it; two
    // rule lines: no border even with enough data lines.
    BlockFixture four, ruled, indented;
    EXPECT_EQ(WriteDelimited(four, {"a,b", "c,d", "e,f", "g,h"})[1],
              "<TABLE BORDER=2 CELLSPACING=0 CELLPADDING=2>");
    EXPECT_EQ(WriteDelimited(ruled, {"a,b", "====", "c,d", "e,f", "====", "g,h", "i,j"})[1],
              kPlainTag);
    // Two columns, the first an indent column: no border attribute at all.
    indented.Lines({"a,b", "c,d", "e,f", "g,h"});
    AnalyseDelimited(indented.block);
    indented.block.columns[0].mostlyEmpty = true;
    EXPECT_EQ(WriteRows(indented, {Row({Cell("x"), Cell("y")})})[1],
              "<TABLE CELLSPACING=0 CELLPADDING=4>");
}

TEST(HtmlTableTest, MultiLineCellsAndMinimisedTables) {
    BlockFixture t;
    EXPECT_EQ(WriteRows(t, {Row({Cell("a<BR>b<BR>c", kAlignRight, 3)})}),
              (Texts{"<!-- User-specified DELIMITED TABLE structure -->", kPlainTag,
                     "  <TR VALIGN=\"TOP\">", "    <TD ALIGN=\"RIGHT\">a<BR>", "      b<BR>",
                     "      c<BR></TD>", "  </TR>", "</TABLE>",
                     "<!-- end of DELIMITED TABLE structure -->"}));

    // No indentation at all; empty cells do not make a one-line row ragged.
    BlockFixture minimised;
    minimised.fc.SetValue(P::MinimiseHtmlFileSize, 1);
    EXPECT_EQ(WriteRows(minimised, {Row({Cell("one<BR>two", kAlignLeft, 2), Cell("x")}, true),
                                    Row({Cell("a"), Cell("")})}),
              (Texts{"<!-- User-specified DELIMITED TABLE structure -->", kPlainTag,
                     "<TR VALIGN=\"TOP\">", "<TH ALIGN=\"LEFT\">one<BR>", "two<BR></TH>",
                     "<TH ALIGN=\"LEFT\">x<BR></TH>", "</TR>", "<TR>", "<TD>a<BR></TD>",
                     "<TD>&nbsp;<BR></TD>", "</TR>", "</TABLE>",
                     "<!-- end of DELIMITED TABLE structure -->"}));

    BlockFixture blankSeparated;  // rows of lines joined from the input
    blankSeparated.Lines({"a,1", "b,2", "c,3", "", "d,4"});
    AnalyseDelimited(blankSeparated.block);
    blankSeparated.block.blankLineSeparated = true;
    ParseTable(blankSeparated.block);
    const Texts& out = blankSeparated.html.statements;
    ASSERT_EQ(out.size(), 16u);
    EXPECT_EQ(Texts(out.begin() + 2, out.begin() + 11),
              (Texts{"  <TR VALIGN=\"TOP\">", "    <TD>a<BR>", "      b<BR>", "      c<BR></TD>",
                     "    <TD ALIGN=\"RIGHT\">1<BR>", "      2<BR>", "      3<BR></TD>", "  </TR>",
                     "  <TR>"}));
}

TEST(HtmlTableTest, ColouredDataRowsAlternateAndRestartAfterAHeaderRow) {
    const std::vector<TableRow> rows = {Row({Cell("h")}, true), Row({Cell("1")}), Row({Cell("2")}),
                                        Row({Cell("3")}),       Row({Cell("h")}, true),
                                        Row({Cell("4")})};
    BlockFixture t, suppressed;
    suppressed.fc.SetValue(P::SuppressAllColourMarkup, 1);
    for (BlockFixture* f : {&t, &suppressed}) {
        f->fc.BaseConfig().SetValue(P::ColourDataRows, 1);
        Texts tags;
        for (const std::string& s : WriteRows(*f, rows))
            if (s.find("<TR") != std::string::npos) tags.push_back(s);
        EXPECT_EQ(tags, (f == &suppressed ? Texts(6, "  <TR>")
                                          : Texts{"  <TR>", "  <TR BGCOLOR=\"F0F0F0\">",
                                                  "  <TR BGCOLOR=\"E0F0E0\">",
                                                  "  <TR BGCOLOR=\"F0F0F0\">", "  <TR>",
                                                  "  <TR BGCOLOR=\"F0F0F0\">"}));
    }
}

TEST(HtmlTableTest, CellsOfRulesDashesAlignmentsAndNoText) {
    BlockFixture t;
    const Texts out = WriteDelimited(t, {"a,b", "====", "====", "c,d"});
    EXPECT_EQ(out[7], "    <TD><HR SIZE=5 NOSHADE></TD>");
    EXPECT_EQ(out[8], "    <TD><HR SIZE=5 NOSHADE></TD>");
    EXPECT_EQ(out.size(), 16u);

    // A row without text is left out; header cells say LEFT, data cells do not.
    BlockFixture cells;
    EXPECT_EQ(WriteRows(cells, {Row({Cell("-----"), Cell("---")}), Row({Cell(""), Cell("")}),
                                Row({Cell("h"), Cell("j", kAlignJustify)}, true),
                                Row({Cell("d"), Cell("c", kAlignCentre)})}),
              (Texts{"<!-- User-specified DELIMITED TABLE structure -->", kPlainTag, "  <TR>",
                     "    <TD><HR></TD>", "    <TD>---<BR></TD>", "  </TR>", "  <TR>",
                     "    <TH ALIGN=\"LEFT\">h<BR></TH>", "    <TH ALIGN=\"LEFT\">j<BR></TH>",
                     "  </TR>", "  <TR>", "    <TD>d<BR></TD>",
                     "    <TD ALIGN=\"CENTER\">c<BR></TD>", "  </TR>", "</TABLE>",
                     "<!-- end of DELIMITED TABLE structure -->"}));

    BlockFixture empty, blanks;  // tables without rows write nothing
    EXPECT_TRUE(WriteDelimited(empty, {}).empty());
    EXPECT_TRUE(WriteDelimited(blanks, {"", "", ""}).empty());
}

TEST(HtmlTableTest, IndentColumnGetsAWidthInProportionToThePage) {
    const std::vector<TableRow> rows = {Row({Cell("x"), Cell("y")}),
                                        Row({Cell("w", kAlignLeft, 1, 2), Cell("")})};
    const struct {
        int pageWidth;  // -1: the default
        const char* cell;
    } cases[] = {{-1, "    <TD WIDTH=90>x<BR></TD>"},   // 800 * 9 / 80
                 {5, "    <TD WIDTH=10>x<BR></TD>"},    // 120 * 9 / 100
                 {0, "    <TD WIDTH=10>x<BR></TD>"}};
    for (const auto& c : cases) {
        BlockFixture t;
        t.block.columns.resize(2);
        t.block.columns[0].mostlyEmpty = true;
        t.block.columns[0].boundary = 9;
        if (c.pageWidth >= 0) t.fc.SetValue(P::PageWidth, c.pageWidth);
        const Texts out = WriteRows(t, rows);
        EXPECT_EQ(out[3], c.cell);
        EXPECT_EQ(out[7], "    <TD COLSPAN=2>w<BR></TD>");
    }
}

TEST(HtmlTableTest, DeeplyIndentedTableIsCentredUnlessItMatchesAnIndentPosition) {
    BlockFixture t, shallow, known;
    t.block.commonIndent = 18;
    Texts out = WriteRows(t, {Row({Cell("x")})});
    EXPECT_EQ(out[1], "<DIV ALIGN=\"CENTER\">" + kPlainTag);
    EXPECT_EQ(out[out.size() - 2], "</TABLE></DIV>");
    shallow.block.commonIndent = 17;
    EXPECT_EQ(WriteRows(shallow, {Row({Cell("x")})})[1], kPlainTag);
    known.block.commonIndent = 24;
    known.fc.GetExtras().indentPositions = {8, 24};
    EXPECT_EQ(WriteRows(known, {Row({Cell("x")})})[1], kPlainTag);
    // The next table of the same configuration is judged on its own indent.
    t.html.statements.clear();
    t.block.commonIndent = 0;
    EXPECT_EQ(WriteRows(t, {Row({Cell("x")})})[1], kPlainTag);
}

TEST(HtmlTableTest, CommentsFollowTheKindOfBlock) {
    const struct {
        BlockKind kind;
        const char *open, *close;
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
    TableCell low = Cell("d"), high = Cell("e");
    low.valign = kVAlignBottom;
    high.valign = kVAlignTop;
    EXPECT_EQ(WriteRows(t, {Row({Cell("h")}, true), Row({low, high}),
                            Row({Cell("b")}, false, kVAlignBottom),
                            Row({Cell("c")}, false, kVAlignCentre)}, true),
              (Texts{"<!-- User-specified TAGGED TABLE -->",
                     "<TABLE BORDER=0 CELLSPACING=0 CELLPADDING=0>", "  <TR VALIGN=\"BOTTOM\">",
                     "    <TH ALIGN=\"LEFT\">h<BR></TH>", "  </TR>",
                     "  <TR CLASS=\"OddRow\" VALIGN=\"TOP\">", "    <TD VALIGN=\"BOTTOM\">d<BR></TD>",
                     "    <TD>e<BR></TD>", "  </TR>", "  <TR CLASS=\"EvenRow\" VALIGN=\"BOTTOM\">",
                     "    <TD>b<BR></TD>", "  </TR>", "  <TR CLASS=\"OddRow\">", "    <TD>c<BR></TD>",
                     "  </TR>", "</TABLE>", "<!-- end of user-specified TAGGED TABLE -->"}));

    BlockFixture bordered;
    bordered.fc.BaseConfig().SetValue(P::DefaultTableBorderSize, 1);
    bordered.fc.BaseConfig().SetValue(P::ColourDataRows, 1);
    bordered.fc.SetValue(P::LabelStyleClasses, 1);
    const Texts out = WriteRows(bordered, {Row({Cell("x")})}, true);
    EXPECT_EQ(out[1], "<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=4>");
    EXPECT_EQ(out[2], "  <TR BGCOLOR=\"F0F0F0\" VALIGN=\"TOP\">");

    BlockFixture odd;  // a row alignment code out of range
    EXPECT_EQ(WriteRows(odd, {Row({Cell("x")}, false, 7)}, true)[2], "  <TR>");
    EXPECT_EQ(odd.Messages(), (Texts{"UNSUPPORTED CASE: Vertical alignment code 7"}));
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
    const Texts out = WriteRows(t, {Row({Cell("a"), Cell("secret"), Cell("c")}),
                                    Row({Cell("w", kAlignLeft, 1, 3), Cell(""), Cell("")})});
    EXPECT_EQ(Texts(out.begin() + 3, out.begin() + 8),
              (Texts{"    <TD>a<BR></TD>", "    <TD ALIGN=\"RIGHT\">c<BR></TD>", "  </TR>",
                     "  <TR>", "    <TD COLSPAN=2>w<BR></TD>"}));
}

TEST(HtmlTableTest, CellTextIsEscapedOnceAndEveryByteOrTenThousandFieldsAreSafe) {
    BlockFixture t;
    EXPECT_EQ(WriteDelimited(t, {"<script>,a&b"})[3], "    <TD>&lt;script&gt;<BR></TD>");
    EXPECT_EQ(t.html.statements[4], "    <TD>a&amp;b<BR></TD>");

    std::string bytes;
    for (int b = 1; b <= 255; ++b)
        if (b != '\t') bytes.push_back(static_cast<char>(b));
    BlockFixture tab(kFormatTab);
    const Texts out = WriteDelimited(tab, {"x\t" + bytes + "\ty"});
    ASSERT_EQ(out.size(), 9u);
    const std::string& cell = out[4];
    ASSERT_TRUE(cell.starts_with("    <TD>"));
    ASSERT_TRUE(cell.ends_with("<BR></TD>"));
    EXPECT_EQ(cell.substr(8, cell.size() - 8 - 9).find_first_of("<>"), std::string::npos);
    EXPECT_EQ(out[5], "    <TD>y<BR></TD>");

    std::string line;
    for (int i = 0; i < 10000; ++i) line += (i ? ",v" : "v") + std::to_string(i);
    BlockFixture wide;
    const Texts cells = WriteDelimited(wide, {line});
    ASSERT_EQ(cells.size(), 10000u + 6u);
    EXPECT_EQ(cells[3], "    <TD>v0<BR></TD>");
    EXPECT_EQ(cells[10002], "    <TD>v9999<BR></TD>");
}

TEST(HtmlTableTest, DirectiveValuesCannotOpenMarkupAndHiddenOnlyRowsVanish) {
    BlockFixture t;
    TabConfig& config = t.fc.BaseConfig();
    config.SetText(P::DefaultTableCaption, "<script>x</script>");
    config.SetText(P::DefaultTableWidth, "50\"><b");
    config.SetText(P::DefaultTableColour, "red\"><i");
    const Texts out = WriteDelimited(t, {"a"});
    EXPECT_EQ(Texts(out.begin() + 1, out.begin() + 3),
              (Texts{"<TABLE BORDER=0 WIDTH=\"50&quot;&gt;&lt;b\" CELLSPACING=0 CELLPADDING=4 "
                     "BGCOLOR=\"red&quot;&gt;&lt;i\">",
                     "<CAPTION>&lt;script&gt;x&lt;/script&gt;</CAPTION>"}));

    BlockFixture hidden;
    hidden.fc.BaseConfig().columnSpecs.resize(2);
    hidden.fc.BaseConfig().columnSpecs[1].hidden = true;
    const Texts rows = WriteRows(hidden, {Row({Cell("a"), Cell("b")}), Row({Cell(""), Cell("only")})});
    EXPECT_EQ(std::count(rows.begin(), rows.end(), "  <TR>"), 1) << "a row that would show nothing";
}

TEST(ParseTableTest, MissingOutputDocumentIsAProgramError) {
    for (bool rtf : {false, true}) {
        BlockFixture t;
        t.Lines({"a,b"});
        AnalyseDelimited(t.block);
        t.block.htmlFile = nullptr;
        t.block.writeHtml = !rtf;
        t.block.writeRtf = rtf;
        ParseTable(t.block);
        EXPECT_EQ(t.Messages(), (Texts{rtf ? "PROGRAM ERROR : No RTFFile inside ParseTable"
                                           : "PROGRAM ERROR : No HTMLFile inside ParseTable"}));
        EXPECT_TRUE(t.html.statements.empty());
    }
}

}  // namespace
}  // namespace tabulyst
