#include <gtest/gtest.h>

#include "table/analysis.h"
#include "table/column_analysis.h"
#include "table/table_fixture.h"

namespace tabulyst {
namespace {

using test::Ints;
using test::PlainFixture;
using test::Texts;

// Prepares the block as the analysis does, up to the position statistics.
std::vector<PositionStats> Prepare(PlainFixture& t) {
    RemoveCommonIndent(t.block);
    ClassifyLines(t.block);
    return GatherPositionStats(t.block);
}

TEST(GatherPositionStatsTest, AGapNeedsMoreThanHalfTheLinesBlankOrFourFifthsWhenSparse) {
    // Lines blank and not blank at position 2: 3 of 5 is a gap, 2 of 4 is not; 7 of 10 is
    // a majority, but not above 0.8 for sparse tables.
    const int cases[][4] = {{0, 3, 2, 1}, {0, 2, 2, 0}, {0, 7, 3, 1}, {1, 7, 3, 0}, {1, 9, 1, 1}};
    for (auto [sparse, blank, filled, gap] : cases) {
        PlainFixture t;
        t.Config().SetValue(P::ExpectSparseTables, sparse);
        t.Repeat("ab cd", blank);
        t.Repeat("abxcd", filled);
        const PositionStats stats = Prepare(t)[2];
        EXPECT_EQ(stats.gap, gap == 1) << blank << " of " << blank + filled << " sparse " << sparse;
        EXPECT_EQ(stats.blankLines, blank);
    }
    PlainFixture shortLines;  // positions beyond a short line are blank
    shortLines.Lines({"abcdef", "ab", "ab"});
    const PositionStats beyond = Prepare(shortLines)[4];
    EXPECT_EQ(beyond.blankLines, 2);
    EXPECT_TRUE(beyond.gap);
}

TEST(GatherPositionStatsTest, CountsTakenWhileReadingAgreeWithAPassOverTheLines) {
    // Blank lines, short and long lines, separators, a rule: the counts made as the lines
    // were added must give what a pass over the lines gives, position by position.
    const Texts lines = {"Name    Qty | Price",         "",           "------------+-----",
                         "apple     3 |  1.20",         "pear",       "   ",
                         "fig     100 |  0.05  extra*", "kiwi      7"};
    auto stats = [&](bool counted) {
        PlainFixture t;
        t.Lines(lines);
        if (!counted) t.block.tally.positions.valid = false;
        return Prepare(t);
    };
    const std::vector<PositionStats> read = stats(true);
    const std::vector<PositionStats> passed = stats(false);
    ASSERT_EQ(read.size(), passed.size());
    for (size_t p = 0; p < read.size(); ++p) {
        EXPECT_EQ(read[p].samples, passed[p].samples) << p;
        EXPECT_EQ(read[p].gap, passed[p].gap) << p;
        EXPECT_EQ(read[p].separatorFlag, passed[p].separatorFlag) << p;
        EXPECT_EQ(read[p].blankLines, passed[p].blankLines) << p;
        EXPECT_EQ(read[p].separatorLines, passed[p].separatorLines) << p;
    }
    // By hand: six non-blank lines; position 12 holds "|" or "+" in four of them, and
    // position 6 is blank (or beyond the end) in all but the rule.
    EXPECT_EQ(read[12].samples, 6);
    EXPECT_EQ(read[12].separatorLines, 4);
    EXPECT_EQ(read[6].blankLines, 5);
}

TEST(FindColumnsTest, GapsOfTheSeparationAndEqualScores) {
    PlainFixture t, equal;
    t.Repeat("aa  bb cc", 6);
    const auto stats = Prepare(t);
    // A gap of m positions counts, and of m - 1 does not.
    FindColumns(t.block, stats, 2);
    EXPECT_EQ(t.Boundaries(), (Ints{3, 8}));
    EXPECT_EQ(t.Cells(0), (Texts{"aa", "bb cc"}));
    FindColumns(t.block, stats, 1);
    EXPECT_EQ(t.Boundaries(), (Ints{3, 6, 8}));
    EXPECT_EQ(t.Cells(0), (Texts{"aa", "bb", "cc"}));
    EXPECT_FALSE(t.block.separatorColumns);

    // The last of equal scores is the boundary, and a weak run is no column.
    equal.Repeat("aaa   bbb", 6);
    equal.Repeat("aaa    bb", 1);
    FindColumns(equal.block, Prepare(equal), 1);
    EXPECT_EQ(equal.Boundaries(), (Ints{5, 8}));
    const TableColumn& c = equal.block.columns[0];
    EXPECT_EQ((Ints{c.gapStart, c.gapEnd, c.score, equal.block.columns[1].score}),
              (Ints{3, 5, 7, -1}));
}

TEST(TakeUserLayoutTest, OverlappingLayoutColumnsAreReportedAndTakenAsGiven) {
    PlainFixture bad;
    bad.Lines({"a b c d e f g h i j k l"});
    bad.Layout({10, 5, 20});
    TakeUserLayout(bad.block);
    EXPECT_EQ(bad.Messages(), (Texts{"TAG_ERROR: TABLE_LAYOUT columns 1 and 2 overlap"}));
    EXPECT_EQ(bad.Boundaries(), (Ints{9, 4, 22}));
}

}  // namespace
}  // namespace tabulyst
