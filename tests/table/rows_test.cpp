#include "table/rows.h"

#include <gtest/gtest.h>

#include "table/analysis.h"
#include "table/table_capture.h"

namespace tabulyst {
namespace {

using test::BlockFixture;
using test::Ints;
using test::Texts;

// A row as seen by a writer: its texts, the lines of each cell, and "first-last" lines
// with "H" for a header row and "R" for a rule row.
struct SeenRow {
    Texts texts;
    Ints lines;
    std::string where;
};

std::vector<SeenRow> Rows(TableBlock& block, int target) {
    std::vector<SeenRow> rows;
    ForEachRow(block, target, [&rows](const TableRow& row) {
        SeenRow seen{{}, {}, std::to_string(row.firstLine) + "-" + std::to_string(row.lastLine)};
        if (row.header) seen.where += "H";
        if (row.ruleRow) seen.where += "R";
        for (const TableCell& cell : row.cells) {
            seen.texts.push_back(cell.text.Str());
            seen.lines.push_back(cell.lines);
        }
        rows.push_back(seen);
    });
    return rows;
}

// A delimited block read from the given lines, given the header the test asks for.
void Prepare(BlockFixture& t, std::initializer_list<std::string_view> lines, int headerRows = 0) {
    t.Lines(lines);
    AnalyseDelimited(t.block);
    t.block.hasHeader = headerRows > 0;
    t.block.headerRows = headerRows;
}

TEST(ForEachRowTest, RuleLinesAfterTheHeaderBecomeRowsOfRulesForHtmlOnly) {
    BlockFixture t;
    Prepare(t, {"Name,Qty", "--------", "apple,12"}, 1);
    const auto html = Rows(t.block, kCellsHtml);
    ASSERT_EQ(html.size(), 3u);
    EXPECT_EQ(html[0].texts, (Texts{"Name", "Qty"}));
    EXPECT_EQ(html[1].texts, (Texts{"<HR>", "<HR>"}));
    EXPECT_EQ(html[2].texts, (Texts{"apple", "12"}));
    EXPECT_EQ((Texts{html[0].where, html[1].where, html[2].where}), (Texts{"0-0H", "1-1R", "2-2"}));
    // RTF rule rows have no text and are not handed on.
    const auto rtf = Rows(t.block, kCellsRtf);
    ASSERT_EQ(rtf.size(), 2u);
    EXPECT_EQ((Texts{rtf[0].where, rtf[1].where}), (Texts{"0-0H", "2-2"}));
    EXPECT_EQ(rtf[1].texts, (Texts{"apple", "12"}));

    BlockFixture among;  // rule lines among the header rows only end the row
    Prepare(among, {"====", "Name,Qty", "====", "x,1"}, 2);
    const auto rows = Rows(among.block, kCellsHtml);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].texts, (Texts{"Name", "Qty"}));
    EXPECT_EQ(rows[0].where.substr(0, 2), "1-");
    EXPECT_EQ(rows[0].where.back(), 'H');
    EXPECT_EQ(rows[1].where.back(), 'R');
    EXPECT_EQ(rows[1].texts, (Texts{"<HR>", "<HR>"}));
    EXPECT_EQ(rows[2].texts, (Texts{"x", "1"}));
}

TEST(ForEachRowTest, BlankLineSeparatedRowsJoinTheirLines) {
    BlockFixture t;
    Prepare(t, {"a,1", "b,", "c,3", "", "d,4", "-----", "e,5"});
    t.block.blankLineSeparated = true;
    const auto html = Rows(t.block, kCellsHtml);
    ASSERT_EQ(html.size(), 3u);
    EXPECT_EQ(html[0].texts, (Texts{"a<BR>b<BR>c", "1<BR>3"}));
    EXPECT_EQ(html[0].lines, (Ints{3, 2}));
    EXPECT_EQ(html[0].where, "0-2");
    // A rule line only ends the row in such a table.
    EXPECT_EQ(html[1].texts, (Texts{"d", "4"}));
    EXPECT_EQ(html[2].texts, (Texts{"e", "5"}));
    const auto rtf = Rows(t.block, kCellsRtf);
    ASSERT_EQ(rtf.size(), 3u);
    EXPECT_EQ(rtf[0].texts, (Texts{"a\\par b\\par c", "1\\par 3"}));
}

TEST(ForEachRowTest, EveryLineIsARowAndRowsWithoutTextOrPolicyLinesAreDropped) {
    BlockFixture t;
    Prepare(t, {"a,b", "", ",", "c,d"});
    const auto rows = Rows(t.block, kCellsHtml);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].texts, (Texts{"a", "b"}));
    EXPECT_EQ(rows[1].texts, (Texts{"c", "d"}));
    EXPECT_EQ(rows[1].where, "3-3");

    // Policy lines are only expected while writing.
    BlockFixture policy;
    policy.Lines({"a,b"});
    test::AddRawLine(policy.block, "x,y", kTableLinePolicy);
    Prepare(policy, {"c,d"});
    policy.fc.passHtml = true;
    EXPECT_EQ(Rows(policy.block, kCellsHtml).size(), 2u);
    EXPECT_TRUE(policy.Messages().empty());
    policy.fc.passHtml = false;
    EXPECT_EQ(Rows(policy.block, kCellsHtml).size(), 2u);
    EXPECT_EQ(policy.Messages(), (Texts{"UNSUPPORTED CASE: Policy line inside ParseTable"}));
}

TEST(ForEachRowTest, ChangedColumnSpanInABlankLineSeparatedRowStartsANewRow) {
    BlockFixture t(kFormatUser);
    t.Lines({"ab    cd", "abcdefgh"});
    ClassifyLines(t.block);
    t.block.widest = 8;
    t.block.columns.resize(2);
    t.block.columns[0].gapStart = 4;
    t.block.columns[0].gapEnd = 5;
    t.block.columns[0].boundary = 5;
    t.block.columns[1].gapStart = 6;
    t.block.columns[1].gapEnd = 7;
    t.block.columns[1].boundary = 7;
    t.block.blankLineSeparated = true;
    const auto rows = Rows(t.block, kCellsHtml);
    EXPECT_EQ(t.Messages(), (Texts{"WARNING: Ambiguous ColSpan Creating new row at (1,0) was 1 now 2"}));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].texts, (Texts{"ab", "cd"}));
    EXPECT_EQ(rows[1].texts[0], "abcdefgh");
    EXPECT_EQ(rows[1].where.substr(0, 2), "1-");
}

}  // namespace
}  // namespace tabulyst
