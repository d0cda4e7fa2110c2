#include "table/cell_cutting.h"

#include <gtest/gtest.h>

#include "plain_block.h"
#include "table/column_analysis.h"

namespace tabulyst {
namespace {

using test::PlainFixture;
using test::Texts;

struct Gap {
    int start, end, boundary;
};

// Columns ending at the given gaps, plus a last column at the widest line.
void Columns(PlainFixture& t, std::initializer_list<Gap> gaps) {
    RemoveCommonIndent(t.block);
    t.block.columns.clear();
    for (const Gap& g : gaps) {
        TableColumn column;
        column.gapStart = g.start;
        column.gapEnd = g.end;
        column.boundary = g.boundary;
        t.block.columns.push_back(column);
    }
    TableColumn last;
    last.gapStart = last.gapEnd = last.boundary = t.block.widest - 1;
    t.block.columns.push_back(last);
}

TEST(CutPlainLineTest, TextRunningThroughABoundaryCoversTwoColumns) {
    PlainFixture t;
    t.Lines({"abcdefgh  xyz", "ab   fg   xyz"});
    Columns(t, {{3, 4, 4}, {8, 9, 9}});
    EXPECT_EQ(t.Cells(0), (Texts{"abcdefgh{2}", "xyz"}));
    EXPECT_EQ(t.Cells(1), (Texts{"ab", "fg", "xyz"}));
}

TEST(CutPlainLineTest, ZeroWidthBoundariesAlwaysCut) {
    PlainFixture t;
    t.Config().SetValue(P::ColumnBoundariesHaveZeroWidth, 1);
    t.Lines({"abcdefgh  xyz"});
    Columns(t, {{3, 4, 4}, {8, 9, 9}});
    EXPECT_EQ(t.Cells(0), (Texts{"abcd", "efgh", "xyz"}));
}

TEST(CutPlainLineTest, BarsAtTheEdgesOfACellAreDropped) {
    PlainFixture t;
    t.Lines({"| ab | cd |", "||x|| | y"});
    Columns(t, {{5, 5, 5}});
    EXPECT_EQ(t.Cells(0), (Texts{"ab", "cd"}));
    EXPECT_EQ(t.Cells(1), (Texts{"x", "y"}));
}

TEST(CutPlainLineTest, RuleCharactersInTheGapAreSkippedAfterACut) {
    PlainFixture t;
    t.Lines({"abc - -def"});
    Columns(t, {{3, 6, 3}});
    EXPECT_EQ(t.Cells(0), (Texts{"abc", "def"}));
}

TEST(CutPlainLineTest, ShortLinesLeaveTheirLastCellsEmpty) {
    PlainFixture t;
    t.Lines({"aa   bb   cc", "aa"});
    Columns(t, {{2, 4, 4}, {7, 9, 9}});
    EXPECT_EQ(t.Cells(1), (Texts{"aa", "", ""}));
}

TEST(CutPlainLineTest, InLineTagsAreNeverCutApart) {
    PlainFixture t;
    t.Lines({"ab[[X Y]]cd  ef"});
    Columns(t, {{5, 5, 5}, {11, 12, 11}});
    EXPECT_EQ(t.Cells(0), (Texts{"ab[[X Y]]cd{2}", "ef"}));
}

TEST(CutPlainLineTest, AnEndDelimiterWithoutAStartIsReportedWhileWriting) {
    PlainFixture t;
    t.Lines({"ab]]cd  ef"});
    Columns(t, {{6, 7, 7}});
    std::vector<TableCell> cells;
    CutPlainLine(t.block, 0, kCellsAnalysis, cells);
    EXPECT_TRUE(t.Messages().empty());
    EXPECT_EQ(t.Cells(0), (Texts{"ab]]cd", "ef"}));
    EXPECT_EQ(t.Messages(), (Texts{"INFO: Unbalanced tag delimiter inside table cell :\"]]\""}));
}

TEST(CutPlainLineTest, CellTextsAreEscapedForTheTargetOnly) {
    PlainFixture t;
    t.Lines({"a<b   c&d"});
    Columns(t, {{3, 5, 5}});
    EXPECT_EQ(t.Cells(0), (Texts{"a&lt;b", "c&amp;d"}));
    std::vector<TableCell> cells;
    CutPlainLine(t.block, 0, kCellsAnalysis, cells);
    EXPECT_EQ(cells[0].text.Str(), "a<b");
    PlainFixture r;
    r.Lines({"x{y   z\\w"});
    Columns(r, {{3, 5, 5}});
    EXPECT_EQ(r.Cells(0, kCellsRtf), (Texts{"x\\'7by", "z\\\\w"}));
}

TEST(CutPlainLineTest, DirectiveLinesGiveNoCells) {
    PlainFixture t;
    t.Lines({"aa   bb"});
    t.DirectiveLine("$_$_TABLE_BORDER 1");
    Columns(t, {{2, 4, 4}});
    EXPECT_EQ(t.Cells(1), (Texts{"", ""}));
}

}  // namespace
}  // namespace tabulyst
