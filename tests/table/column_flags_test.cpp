#include <gtest/gtest.h>

#include "table/analysis.h"
#include "table/column_analysis.h"
#include "table/table_fixture.h"

namespace tabulyst {
namespace {

using test::Ints;
using test::PlainFixture;

// A classified block with columns ending at the given boundaries (each gap one position
// wide) plus a last column at the widest line, and their statistics.
TableBlock& Columns(PlainFixture& t, std::initializer_list<std::string_view> lines,
                    std::initializer_list<int> boundaries = {2, 5}) {
    t.Lines(lines);
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
    return t.block;
}

Ints Crossings(const TableBlock& b) { return {b.crossingTotal, b.crossingCells, b.crossingLines}; }

TEST(BuildColumnStatisticsTest, EmptyColumnsAndSpans) {
    PlainFixture four, three, all, one, two;
    // Mostly empty needs more than three quarters: 4 of 5 lines, not 3 of 4.
    const TableBlock& f = Columns(four, {"aa bb cc", "aa bb", "aa bb", "aa bb", "aa bb"});
    EXPECT_TRUE(f.columns[2].mostlyEmpty);
    EXPECT_FALSE(f.columns[2].entirelyEmpty);
    EXPECT_FALSE(Columns(three, {"aa bb cc", "aa bb", "aa bb", "aa bb"}).columns[2].mostlyEmpty);
    all.block.commonIndent = 0;  // kept, so that the first column stays empty
    EXPECT_TRUE(Columns(all, {"   bb cc", "   bb", "   bb", "   bb"}).columns[0].entirelyEmpty);

    // The span count is two when fewer than four fifths of the lines cover one column.
    const TableBlock& o =
        Columns(one, {"aaaaa cc", "aa bb cc", "aa bb cc", "aa bb cc", "aa bb cc"});
    EXPECT_EQ(o.columns[0].span, 1);
    EXPECT_EQ(Crossings(o), (Ints{1, 1, 1}));
    const TableBlock& w =
        Columns(two, {"aaaaa cc", "aaaaaaaa", "aa bb cc", "aa bb cc", "aa bb cc"});
    EXPECT_EQ(w.columns[0].span, 2);
    // "aaaaaaaa" covers all three columns: two extra columns, one crossing cell.
    EXPECT_EQ(Crossings(w), (Ints{3, 2, 2}));
}

TEST(BuildColumnStatisticsTest, StatisticsBuiltAgainFromTheSameColumnsAndLinesComeOutTheSame) {
    // Two words and a figure in the last column: numeric only when the analysis leaves the
    // first two lines out, which only a fresh count can tell.
    PlainFixture t;
    TableBlock& b = Columns(t, {"ab cd total", "ab cd sum", "ab cd 7"}, {2, 5});
    EXPECT_FALSE(b.columns[2].numericColumn);
    // The same columns again, their flags lost on the way: the statistics are the same.
    for (TableColumn& column : b.columns) column.numericColumn = column.textColumn = false;
    BuildColumnStatistics(b);
    EXPECT_FALSE(b.columns[2].numericColumn);
    EXPECT_TRUE(b.columns[0].textColumn);
    // Other lines analysed, or other columns, are counted afresh: a boundary inside "cd"
    // makes the middle cell run over the last column.
    b.firstAnalysedLine = 2;
    BuildColumnStatistics(b);
    EXPECT_TRUE(b.columns[2].numericColumn);
    b.columns[1].boundary = b.columns[1].gapStart = b.columns[1].gapEnd = 4;
    BuildColumnStatistics(b);
    EXPECT_EQ(Crossings(b), (Ints{1, 1, 1}));
    EXPECT_FALSE(b.columns[2].numericColumn);
}

}  // namespace
}  // namespace tabulyst
