#include <gtest/gtest.h>

#include "plain_block.h"
#include "table/analysis.h"
#include "table/column_analysis.h"

namespace tabulyst {
namespace {

using test::PlainFixture;

// Classifies the block and gives it columns ending at the given boundaries (each gap one
// position wide) plus a last column at the widest line.
void Columns(PlainFixture& t, std::initializer_list<int> boundaries) {
    RemoveCommonIndent(t.block);
    ClassifyLines(t.block);
    t.block.columns.clear();
    for (int b : boundaries) {
        TableColumn column;
        column.gapStart = column.gapEnd = column.boundary = b;
        t.block.columns.push_back(column);
    }
    TableColumn last;
    last.gapStart = last.gapEnd = last.boundary = t.block.widest - 1;
    t.block.columns.push_back(last);
    BuildColumnStatistics(t.block);
}

TEST(BuildColumnStatisticsTest, MostlyEmptyNeedsMoreThanThreeQuarters) {
    PlainFixture four;  // empty in 4 of 5 lines
    four.Lines({"aa bb cc", "aa bb", "aa bb", "aa bb", "aa bb"});
    Columns(four, {2, 5});
    EXPECT_TRUE(four.block.columns[2].mostlyEmpty);
    EXPECT_FALSE(four.block.columns[2].entirelyEmpty);
    PlainFixture three;  // empty in 3 of 4 lines
    three.Lines({"aa bb cc", "aa bb", "aa bb", "aa bb"});
    Columns(three, {2, 5});
    EXPECT_FALSE(three.block.columns[2].mostlyEmpty);
    PlainFixture all;
    all.Lines({"   bb cc", "   bb", "   bb", "   bb"});
    all.block.commonIndent = 0;  // kept, so that the first column stays empty
    Columns(all, {2, 5});
    EXPECT_TRUE(all.block.columns[0].entirelyEmpty);
}

TEST(BuildColumnStatisticsTest, SpanCountTwoWhenFewerThanFourFifthsCoverOneColumn) {
    PlainFixture one;  // one crossing line of five: 4 of 5 cover one column
    one.Lines({"aaaaa cc", "aa bb cc", "aa bb cc", "aa bb cc", "aa bb cc"});
    Columns(one, {2, 5});
    EXPECT_EQ(one.block.columns[0].span, 1);
    EXPECT_EQ(one.block.crossingTotal, 1);
    EXPECT_EQ(one.block.crossingCells, 1);
    EXPECT_EQ(one.block.crossingLines, 1);
    PlainFixture two;
    two.Lines({"aaaaa cc", "aaaaaaaa", "aa bb cc", "aa bb cc", "aa bb cc"});
    Columns(two, {2, 5});
    EXPECT_EQ(two.block.columns[0].span, 2);
    // "aaaaaaaa" covers all three columns: two extra columns, one crossing cell.
    EXPECT_EQ(two.block.crossingTotal, 3);
    EXPECT_EQ(two.block.crossingCells, 2);
    EXPECT_EQ(two.block.crossingLines, 2);
}

TEST(BuildColumnStatisticsTest, TextNumericAndSymbolColumns) {
    PlainFixture t;
    t.Lines({"Apple  12    ->", "Pear   3.5   <-", "------------", "", "Fig    1,200 ==",
             "Plum         ->"});
    Columns(t, {6, 12});
    const auto& c = t.block.columns;
    EXPECT_TRUE(c[0].textColumn);
    EXPECT_FALSE(c[0].numericColumn);
    EXPECT_TRUE(c[1].numericColumn);  // the empty cell counts as a number
    EXPECT_FALSE(c[1].textColumn);    // only 3 of 4 cells are text
    EXPECT_TRUE(c[2].symbolColumn);
    EXPECT_FALSE(c[2].textColumn);
    // The rule line and the blank line are not sampled, but their cells are recorded.
    EXPECT_EQ(t.block.lines[5].nonEmptyCells, 2);
    EXPECT_EQ(t.block.lines[5].firstNonEmptyCell, 0);
    EXPECT_EQ(t.block.lines[3].firstNonEmptyCell, -1);
}

TEST(MergeColumnsTest, TheLeftColumnTakesTheGapOfTheRightAndTheirWidths) {
    PlainFixture t;
    t.Lines({"aa bb cc dd"});
    Columns(t, {2, 5, 8});
    SetColumnWidths(t.block);
    EXPECT_EQ(t.block.columns[0].width, 2);
    EXPECT_EQ(t.block.columns[1].width, 2);
    EXPECT_EQ(t.block.columns[3].width, 2);  // up to the widest line
    t.block.columns[0].span = 3;
    t.block.columns[2].gapStart = 7;
    MergeColumns(t.block, 0, 2);
    ASSERT_EQ(t.block.columns.size(), 2u);
    EXPECT_EQ(t.block.columns[0].gapStart, 7);
    EXPECT_EQ(t.block.columns[0].boundary, 8);
    EXPECT_EQ(t.block.columns[0].width, 6);
    EXPECT_EQ(t.block.columns[0].span, 1);
    MergeColumns(t.block, 1, 1);  // no such merge
    EXPECT_EQ(t.block.columns.size(), 2u);
}

}  // namespace
}  // namespace tabulyst
