#include "table/tagged_table.h"

#include <gtest/gtest.h>

#include "table/analysis.h"
#include "table/directives.h"
#include "table/rows.h"
#include "table/table_fixture.h"

namespace tabulyst {
namespace {

using test::Ints;
using test::PlainFixture;
using test::Texts;

// A tagged table opened by its directive, with the given lines, analysed.
void Tagged(PlainFixture& t, std::initializer_list<std::string_view> lines) {
    t.block.NoteDirective(DirectiveCode::BeginTaggedTable);
    t.Lines(lines);
    AnalysePlainText(t.block);
}

TEST(IsTaggedBlockTest, ABeginDirectiveOrALeadingCellTag) {
    PlainFixture directive, leading, later;
    Tagged(directive, {"plain text"});
    EXPECT_TRUE(IsTaggedBlock(directive.block));
    leading.Lines({"", "  [[DATA_CELL]]a [[DATA_CELL]]b"});
    EXPECT_TRUE(IsTaggedBlock(leading.block));
    later.Lines({"Name   Age", "[[DATA_CELL]]a"});
    EXPECT_FALSE(IsTaggedBlock(later.block));
}

TEST(AnalyseTaggedTableTest, ColumnsHeaderRowsAndColumnAlignment) {
    PlainFixture t;
    Tagged(t, {"[[COLUMN_DETAILS 2 ALIGN=right]]", "[[HEAD_CELL]]Name [[HEAD_CELL]]Age",
               "[[DATA_CELL]]Ann [[DATA_CELL COLSPAN=3]]gone", "[[HEAD_CELL]]Late"});
    const TableBlock& b = t.block;
    EXPECT_EQ(std::tuple(b.kind, b.isTable, b.columns.size()),
              std::tuple(BlockKind::Tagged, true, 4u));
    EXPECT_EQ((Ints{b.columns[0].align, b.columns[1].align}), (Ints{kAlignNone, kAlignRight}));
    // Header rows: the details and the head row (the directive takes no line).
    EXPECT_EQ(std::tuple(b.hasHeader, b.headerRows), std::tuple(true, 2));
}

TEST(CutTaggedLineTest, CellsSpansAlignmentsAndOtherTags) {
    PlainFixture t;
    Tagged(t, {"[[COLUMN_DETAILS 2 ALIGN=right]]",
               "[[DATA_CELL]] A & B [[DATA_CELL]]7[[NEW_CELL COLSPAN=2 ALIGN=centre "
               "VALIGN=bottom]][[B]]x[[/B]]"});
    std::vector<TableCell> cells;
    CutTaggedLine(t.block, -1, t.Text(1), CutFor::Writing, cells);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ((Texts{cells[0].text, cells[1].text, cells[2].text}),
              (Texts{"A & B", "7", "[[B]]x[[/B]]"}));
    EXPECT_EQ((Ints{cells[1].align, cells[2].colSpan, cells[2].align, cells[2].valignOverride}),
              (Ints{kAlignRight, 2, kAlignCentre, kVAlignBottom}));
    EXPECT_TRUE(t.Messages().empty());
}

TEST(CutTaggedLineTest, TextOutsideAnyCellIsReportedOnceAndKept) {
    PlainFixture t;
    Tagged(t, {"[[DATA_CELL]]a [[DATA_CELL]]b", "loose words [[DATA_CELL]]c"});
    EXPECT_EQ(t.Cells(1), (Texts{"loose words", "c"}));
    EXPECT_EQ(t.Messages(), (Texts{"TAG ERROR: No NEW_CELL definition for \"loose words\""}));
    std::vector<TableCell> cells;
    CutTaggedLine(t.block, -1, t.Text(1), CutFor::Analysis, cells);  // no second report
    EXPECT_EQ(t.Messages().size(), 1u);
}

TEST(CutTaggedLineTest, CellTagsSetPropertiesAndAreNoText) {
    PlainFixture t;
    Tagged(t, {"[[VALIGN b]][[DATA_CELL]][[STUB_INDENT 2]]Net [[FONT Arial, Bold, 9]][[COLOUR "
               "ff0000]][[DATA_CELL]][[CURRENCY]]1,200[[DOT_LEADERS]][[TOCLINK]]"});
    std::vector<TableCell> cells;
    CutTaggedLine(t.block, 0, t.Text(0), CutFor::Writing, cells);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ((Texts{cells[0].text, cells[1].text}), (Texts{"Net", "1,200"}));
    const CellTags& net = cells[0].Tags();
    EXPECT_EQ((Texts{net.font, net.colour}), (Texts{"Arial, Bold, 9", "Red"}));
    EXPECT_EQ(std::tuple(net.stubIndent, net.leaders), std::tuple(2, false));
    const CellTags& figure = cells[1].Tags();
    EXPECT_EQ(std::tuple(figure.currency, figure.leaders, figure.stubIndent),
              std::tuple(std::string("$"), true, 0));
    EXPECT_EQ(t.block.spans.rowValign, kVAlignBottom) << "a VALIGN before the first cell";
    EXPECT_TRUE(t.Messages().empty());
}

TEST(CutTaggedLineTest, MisplacedDoubledAndBadTagsAreReported) {
    const struct {
        const char* line;
        const char* message;
    } cases[] = {
        {"[[HEAD_CELL]][[STUB_INDENT]]Year",
         "TAG ERROR: STUB_INDENT tag only allowed in data cells"},
        {"[[DATA_CELL]][[STUB_INDENT 1]][[STUB_INDENT 2]]x",
         "WARNING: STUB_INDENT multiply defined"},
        {"[[DATA_CELL]][[TOCLINK]]a[[DATA_CELL]][[TOCLINK]]b",
         "TAG_ERROR: Ambiguous TOCLINK tags in row 1"},
        {"[[COLUMN_DETAILS 1 ALIGN=r]][[VERTICAL_ALIGNMENT top]]",
         "TAG ERROR: VERTICAL_ALIGNMENT tag only valid inside tables"},
        {"[[DATA_CELL]][[FONT Arial, Heavy]]x",
         "TAG ERROR: Failed to parse FONT tag \"Arial, Heavy\""},
        {"[[DATA_CELL]][[COLOUR cyan]]x", "WARNING: \"cyan\" is not a standard HTML colour"},
    };
    for (const auto& c : cases) {
        PlainFixture t;
        Tagged(t, {c.line});
        std::vector<TableCell> cells;
        CutTaggedLine(t.block, 0, t.Text(0), CutFor::Writing, cells);
        EXPECT_EQ(t.Messages(), Texts{c.message}) << c.line;
    }
}

TEST(TaggedRowsTest, RowSpansTakeTheirColumnsInTheRowsBelow) {
    PlainFixture t;
    Tagged(t, {"[[HEAD_CELL]]A[[HEAD_CELL]]B[[HEAD_CELL]]C",
               "[[DATA_CELL ROWSPAN=2]]a[[DATA_CELL]]b[[DATA_CELL ROWSPAN=9]]c", "[[DATA_CELL]]d",
               "[[DATA_CELL COLSPAN=3]]e", "", "[[COLUMN_DETAILS 1 ALIGN=left]]",
               "[[DATA_CELL]]f[[DATA_CELL]]g"});
    // A cell reads "text{columns}{rows}"; a position covered from above reads "^".
    Texts rows;
    ForEachRow(t.block, [&rows](const TableRow& row) {
        std::string text;
        for (size_t c = 0; c < row.cells.size(); c += std::max(row.cells[c].colSpan, 1)) {
            const TableCell& cell = row.cells[c];
            text += c > 0 ? " | " : "";
            text += cell.rowSpanned ? "^" : cell.text;
            if (cell.colSpan > 1) text += "{c" + std::to_string(cell.colSpan) + "}";
            if (cell.rowSpan > 1) text += "{r" + std::to_string(cell.rowSpan) + "}";
        }
        rows.push_back(text);
    });
    // The last span is held to the rows there are; the row that runs into it is cut short.
    EXPECT_EQ(rows,
              (Texts{"A | B | C", "a{r2} | b | c{r4}", "^ | d | ^", "e{c2} | ^", "f | g | ^"}));
    EXPECT_EQ(t.Messages(), Texts{"ERROR: Cell overlap detected at (3,2)"});
    EXPECT_EQ(std::tuple(t.block.columns.size(), t.block.taggedRows), std::tuple(3u, 5));
}

TEST(TaggedRowsTest, HugeSpansAndColumnNumbersAreHeldToAThousandColumns) {
    const struct {
        std::string line;
        const char* message;
        size_t columns;
    } cases[] = {
        {"[[DATA_CELL COLSPAN=2000000000]]x", "TAG ERROR: COLSPAN=2000000000 held to 1000 columns",
         1000},
        {"[[COLUMN_DETAILS 2000000000 ALIGN=right]][[DATA_CELL]]x",
         "TAG ERROR: COLUMN_DETAILS for column 2000000000 ignored: a table has at most 1000 "
         "columns",
         1},
        {"[[DATA_CELL COLSPAN=900]]a[[DATA_CELL COLSPAN=900]]b[[DATA_CELL]]c",
         "TAG ERROR: Cells beyond column 1000 of a tagged table are left out", 1000},
    };
    for (const auto& c : cases) {
        PlainFixture t;
        Tagged(t, {c.line});
        Texts rows;
        ForEachRow(t.block, [&rows](const TableRow& row) { rows.push_back(row.cells[0].text); });
        EXPECT_EQ(t.Messages(), Texts{c.message}) << c.line;
        EXPECT_EQ(t.block.columns.size(), c.columns) << c.line;
    }
}

}  // namespace
}  // namespace tabulyst
