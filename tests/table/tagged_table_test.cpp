#include "table/tagged_table.h"

#include <gtest/gtest.h>

#include "table/analysis.h"
#include "table/directives.h"
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
    CutTaggedLine(t.block, t.Text(1), CutFor::Writing, cells);
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
    CutTaggedLine(t.block, t.Text(1), CutFor::Analysis, cells);  // no second report
    EXPECT_EQ(t.Messages().size(), 1u);
}

}  // namespace
}  // namespace tabulyst
