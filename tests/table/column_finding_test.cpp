#include <gtest/gtest.h>

#include "plain_block.h"
#include "table/analysis.h"
#include "table/column_analysis.h"

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

void Repeat(PlainFixture& t, std::string_view line, int times) {
    for (int i = 0; i < times; ++i) t.Lines({line});
}

TEST(RemoveCommonIndentTest, RemovesTheSmallestIndentOfTextLines) {
    PlainFixture t;
    t.Lines({"    a  b", "  ----------", "      c  d"});
    EXPECT_EQ(t.block.commonIndent, 4);  // the rule line does not count
    RemoveCommonIndent(t.block);
    EXPECT_EQ(t.block.lines[0].text, "a  b");
    EXPECT_EQ(t.block.lines[1].text, "--------");
    EXPECT_EQ(t.block.lines[2].text, "  c  d");
    EXPECT_EQ(t.block.widest, 8);
    EXPECT_EQ(t.block.narrowest, 4);
}

TEST(RemoveCommonIndentTest, AnIndentOfEightyIsKept) {
    PlainFixture t;
    const std::string line = std::string(80, ' ') + "x  y";
    t.Lines({line});
    RemoveCommonIndent(t.block);
    EXPECT_EQ(t.block.lines[0].text, line);
    EXPECT_EQ(t.block.widest, 84);
}

TEST(StartingSeparationTest, FewerThanSixLinesStartAtTwo) {
    PlainFixture five;
    Repeat(five, "a b", 5);
    EXPECT_EQ(StartingSeparation(five.block), 2);
    PlainFixture six;
    Repeat(six, "a b", 6);
    EXPECT_EQ(StartingSeparation(six.block), 1);
    PlainFixture wide;
    wide.Config().SetValue(P::MinimumTableColumnSeparation, 3);
    Repeat(wide, "a b", 5);
    EXPECT_EQ(StartingSeparation(wide.block), 3);
}

TEST(GatherPositionStatsTest, ExactlyHalfTheLinesBlankIsNoGap) {
    PlainFixture t;
    t.Lines({"ab cd", "ab cd", "abxcd", "abxcd", "ab cd"});
    auto stats = Prepare(t);
    EXPECT_TRUE(stats[2].gap);  // 3 of 5
    PlainFixture half;
    half.Lines({"ab cd", "ab cd", "abxcd", "abxcd"});
    stats = Prepare(half);
    EXPECT_FALSE(stats[2].gap);  // 2 of 4
    EXPECT_EQ(stats[2].blankLines, 2);
}

TEST(GatherPositionStatsTest, PositionsBeyondAShortLineAreBlank) {
    PlainFixture t;
    t.Lines({"abcdef", "ab", "ab"});
    auto stats = Prepare(t);
    EXPECT_EQ(stats[4].blankLines, 2);
    EXPECT_TRUE(stats[4].gap);
}

TEST(GatherPositionStatsTest, SparseTablesNeedALargerShareOfBlankLines) {
    // 7 of 10 lines blank at position 2: a majority, but not above 0.8.
    PlainFixture plain, sparse;
    sparse.Config().SetValue(P::ExpectSparseTables, 1);
    for (PlainFixture* t : {&plain, &sparse}) {
        Repeat(*t, "ab cd", 7);
        Repeat(*t, "abxcd", 3);
    }
    EXPECT_TRUE(Prepare(plain)[2].gap);
    EXPECT_FALSE(Prepare(sparse)[2].gap);
    PlainFixture nine;
    nine.Config().SetValue(P::ExpectSparseTables, 1);
    Repeat(nine, "ab cd", 9);
    Repeat(nine, "abxcd", 1);
    EXPECT_TRUE(Prepare(nine)[2].gap);
}

TEST(FindColumnsTest, AGapOfMPositionsCountsAndOfMMinusOneDoesNot) {
    PlainFixture t;
    Repeat(t, "aa  bb cc", 6);
    const auto stats = Prepare(t);
    FindColumns(t.block, stats, 2);
    EXPECT_EQ(t.Boundaries(), (Ints{3, 8}));
    EXPECT_EQ(t.Cells(0), (Texts{"aa", "bb cc"}));
    FindColumns(t.block, stats, 1);
    EXPECT_EQ(t.Boundaries(), (Ints{3, 6, 8}));
    EXPECT_EQ(t.Cells(0), (Texts{"aa", "bb", "cc"}));
    EXPECT_FALSE(t.block.separatorColumns);
}

TEST(FindColumnsTest, TheLastOfEqualScoresIsTheBoundaryAndAWeakRunIsNoColumn) {
    PlainFixture t;
    Repeat(t, "aaa   bbb", 6);
    Repeat(t, "aaa    bb", 1);
    const auto stats = Prepare(t);
    FindColumns(t.block, stats, 1);
    EXPECT_EQ(t.Boundaries(), (Ints{5, 8}));
    EXPECT_EQ(t.block.columns[0].gapStart, 3);
    EXPECT_EQ(t.block.columns[0].gapEnd, 5);
    EXPECT_EQ(t.block.columns[0].score, 7);
    EXPECT_EQ(t.block.columns[1].score, -1);
}

TEST(FindColumnsTest, BarColumnsMakeBoundariesWithoutBlanks) {
    PlainFixture t;
    Repeat(t, "aa|bb|cc", 6);
    const auto stats = Prepare(t);
    FindColumns(t.block, stats, 1);
    EXPECT_FALSE(t.block.separatorColumns);
    EXPECT_EQ(t.Boundaries(), (Ints{2, 5, 7}));
    EXPECT_EQ(t.Cells(0), (Texts{"aa", "bb", "cc"}));
}

TEST(FindColumnsTest, ThreeSeparatorRunsSwitchToSeparatorColumns) {
    PlainFixture t;
    t.Lines({"+-----+-----+-----+", "| a   | bb  | c   |", "+-----+-----+-----+",
             "| dd  | e   | fff |", "+-----+-----+-----+"});
    const auto stats = Prepare(t);
    FindColumns(t.block, stats, 2);
    EXPECT_TRUE(t.block.separatorColumns);
    // Separators at 6 and 12; 18 lies beyond widest - m - 1 and ends the last column.
    // Position 0 holds a '+' after nothing in three lines, so it is no separator.
    EXPECT_EQ(t.Boundaries(), (Ints{6, 12, 18}));
    EXPECT_EQ(t.block.columns[0].gapStart, 1);
    EXPECT_EQ(t.block.columns[0].score, 5);
    EXPECT_EQ(t.Cells(1), (Texts{"a", "bb", "c"}));
    EXPECT_EQ(t.Cells(3), (Texts{"dd", "e", "fff"}));
}

TEST(TakeUserLayoutTest, LayoutPositionsBecomeBoundaries) {
    PlainFixture t;
    t.Lines({"Name     Qty            Price          Note"});
    for (int last : {10, 25, 40}) {
        ColumnSpec spec;
        spec.parsed = true;
        spec.first = spec.last = last - 1;
        t.Config().columnSpecs.push_back(spec);
    }
    RemoveCommonIndent(t.block);
    TakeUserLayout(t.block);
    EXPECT_TRUE(t.block.userLayout);
    EXPECT_EQ(t.Boundaries(), (Ints{9, 24, 42}));
    EXPECT_EQ(t.block.columns[1].gapStart, 24);
    EXPECT_EQ(t.block.columns[1].gapEnd, 24);
    EXPECT_TRUE(t.Messages().empty());
}

TEST(TakeUserLayoutTest, DecreasingPositionsAreReportedAndStillUsed) {
    PlainFixture t;
    t.Lines({"a b c d e f g h i j k l"});
    for (int last : {10, 5, 20}) {
        ColumnSpec spec;
        spec.first = spec.last = last - 1;
        t.Config().columnSpecs.push_back(spec);
    }
    TakeUserLayout(t.block);
    EXPECT_EQ(t.Messages(), (Texts{"TAG_ERROR: TABLE_LAYOUT columns 1 and 2 overlap"}));
    EXPECT_EQ(t.Boundaries(), (Ints{9, 4, 22}));
}

}  // namespace
}  // namespace tabulyst
