#include "table/cell_cutting.h"

#include <gtest/gtest.h>

#include "table/column_analysis.h"
#include "table/table_fixture.h"

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

TEST(CutPlainLineTest, CellsOfEachLine) {
    const struct {
        std::initializer_list<std::string_view> lines;
        std::initializer_list<Gap> gaps;
        bool zeroWidth;
        std::vector<Texts> cells;  // of each line
    } cases[] = {
        // Text running through a boundary covers two columns, unless boundaries have no width.
        {{"abcdefgh  xyz", "ab   fg   xyz"},
         {{3, 4, 4}, {8, 9, 9}},
         false,
         {{"abcdefgh{2}", "xyz"}, {"ab", "fg", "xyz"}}},
        {{"abcdefgh  xyz"}, {{3, 4, 4}, {8, 9, 9}}, true, {{"abcd", "efgh", "xyz"}}},
        // Bars at the edges of a cell are dropped.
        {{"| ab | cd |", "||x|| | y"}, {{5, 5, 5}}, false, {{"ab", "cd"}, {"x", "y"}}},
        // Rule characters in the gap are skipped after a cut.
        {{"abc - -def"}, {{3, 6, 3}}, false, {{"abc", "def"}}},
        // Short lines leave their last cells empty.
        {{"aa   bb   cc", "aa"},
         {{2, 4, 4}, {7, 9, 9}},
         false,
         {{"aa", "bb", "cc"}, {"aa", "", ""}}},
        // In-line tags are never cut apart.
        {{"ab[[X Y]]cd  ef"}, {{5, 5, 5}, {11, 12, 11}}, false, {{"ab[[X Y]]cd{2}", "ef"}}},
    };
    for (const auto& c : cases) {
        PlainFixture t;
        t.Config().SetValue(P::ColumnBoundariesHaveZeroWidth, c.zeroWidth ? 1 : 0);
        t.Lines(c.lines);
        Columns(t, c.gaps);
        for (size_t line = 0; line < c.cells.size(); ++line)
            EXPECT_EQ(t.Cells(static_cast<int>(line)), c.cells[line]) << *c.lines.begin();
    }
}

TEST(CutPlainLineTest, AnEndDelimiterWithoutAStartIsReportedWhileWriting) {
    PlainFixture t;
    t.Lines({"ab]]cd  ef"});
    Columns(t, {{6, 7, 7}});
    std::vector<TableCell> cells;
    CutPlainLine(t.block, t.Text(0), CutFor::Analysis, cells);
    EXPECT_TRUE(t.Messages().empty());
    EXPECT_EQ(t.Cells(0), (Texts{"ab]]cd", "ef"}));
    EXPECT_EQ(t.Messages(), (Texts{"INFO: Unbalanced tag delimiter inside table cell :\"]]\""}));
}

}  // namespace
}  // namespace tabulyst
