#include "table/rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/analysis.h"
#include "table/table_capture.h"

namespace tabulyst {
namespace {

using test::BlockFixture;
using Texts = std::vector<std::string>;

struct SeenRow {
    Texts texts;
    std::vector<int> lines;
    int firstLine;
    int lastLine;
    bool header;
    bool ruleRow;
};

std::vector<SeenRow> Rows(TableBlock& block, int target) {
    std::vector<SeenRow> rows;
    ForEachRow(block, target, [&rows](const TableRow& row) {
        SeenRow seen{{}, {}, row.firstLine, row.lastLine, row.header, row.ruleRow};
        for (const TableCell& cell : row.cells) {
            seen.texts.push_back(cell.text.Str());
            seen.lines.push_back(cell.lines);
        }
        rows.push_back(seen);
    });
    return rows;
}

// A delimited block analysed as usual, then given the header the test asks for.
void Prepare(BlockFixture& t, bool hasHeader, int headerRows) {
    AnalyseDelimited(t.block);
    t.block.hasHeader = hasHeader;
    t.block.headerRows = headerRows;
}

TEST(ForEachRowTest, RuleLineAfterTheHeaderBecomesARowOfRules) {
    BlockFixture t;
    t.Lines({"Name,Qty", "--------", "apple,12"});
    Prepare(t, true, 1);
    const auto rows = Rows(t.block, kCellsHtml);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].texts, (Texts{"Name", "Qty"}));
    EXPECT_TRUE(rows[0].header);
    EXPECT_EQ(rows[1].texts, (Texts{"<HR>", "<HR>"}));
    EXPECT_TRUE(rows[1].ruleRow);
    EXPECT_FALSE(rows[1].header);
    EXPECT_EQ(rows[1].firstLine, 1);
    EXPECT_EQ(rows[2].texts, (Texts{"apple", "12"}));
    EXPECT_FALSE(rows[2].header);
}

TEST(ForEachRowTest, TwoAdjacentRuleLinesGiveOneHeavyRuleRow) {
    BlockFixture t;
    t.Lines({"a,b", "====", "====", "c,d"});
    Prepare(t, false, 0);
    const auto rows = Rows(t.block, kCellsHtml);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].texts, (Texts{"<HR SIZE=5 NOSHADE>", "<HR SIZE=5 NOSHADE>"}));
    EXPECT_EQ(rows[2].texts, (Texts{"c", "d"}));
}

TEST(ForEachRowTest, RuleLinesAmongTheHeaderRowsOnlyEndTheRow) {
    BlockFixture t;
    t.Lines({"====", "Name,Qty", "====", "x,1"});
    Prepare(t, true, 2);
    const auto rows = Rows(t.block, kCellsHtml);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].texts, (Texts{"Name", "Qty"}));
    EXPECT_TRUE(rows[0].header);
    EXPECT_EQ(rows[0].firstLine, 1);
    EXPECT_TRUE(rows[1].ruleRow);
    EXPECT_EQ(rows[1].texts, (Texts{"<HR>", "<HR>"}));
    EXPECT_EQ(rows[2].texts, (Texts{"x", "1"}));
}

TEST(ForEachRowTest, RtfRuleRowsHaveNoTextAndAreNotHandedOn) {
    BlockFixture t;
    t.Lines({"Name,Qty", "--------", "apple,12"});
    Prepare(t, true, 1);
    const auto rows = Rows(t.block, kCellsRtf);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].lastLine, 0);
    EXPECT_EQ(rows[1].firstLine, 2);
    EXPECT_EQ(rows[1].texts, (Texts{"apple", "12"}));
}

TEST(ForEachRowTest, BlankLineSeparatedRowsJoinTheirLines) {
    BlockFixture t;
    t.Lines({"a,1", "b,", "c,3", "", "d,4", "-----", "e,5"});
    Prepare(t, false, 0);
    t.block.blankLineSeparated = true;

    const auto html = Rows(t.block, kCellsHtml);
    ASSERT_EQ(html.size(), 3u);
    EXPECT_EQ(html[0].texts, (Texts{"a<BR>b<BR>c", "1<BR>3"}));
    EXPECT_EQ(html[0].lines, (std::vector<int>{3, 2}));
    EXPECT_EQ(html[0].firstLine, 0);
    EXPECT_EQ(html[0].lastLine, 2);
    // A rule line only ends the row in such a table.
    EXPECT_EQ(html[1].texts, (Texts{"d", "4"}));
    EXPECT_EQ(html[2].texts, (Texts{"e", "5"}));

    const auto rtf = Rows(t.block, kCellsRtf);
    ASSERT_EQ(rtf.size(), 3u);
    EXPECT_EQ(rtf[0].texts, (Texts{"a\\par b\\par c", "1\\par 3"}));
}

TEST(ForEachRowTest, EveryLineIsARowAndRowsWithoutTextAreDropped) {
    BlockFixture t;
    t.Lines({"a,b", "", ",", "c,d"});
    Prepare(t, false, 0);
    const auto rows = Rows(t.block, kCellsHtml);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].texts, (Texts{"a", "b"}));
    EXPECT_EQ(rows[1].texts, (Texts{"c", "d"}));
    EXPECT_EQ(rows[1].firstLine, 3);
}

TEST(ForEachRowTest, PolicyLinesMakeNoRowAndAreOnlyExpectedWhileWriting) {
    BlockFixture t;
    t.Lines({"a,b"});
    test::AddRawLine(t.block, "x,y", kTableLinePolicy);
    t.Lines({"c,d"});
    Prepare(t, false, 0);

    t.fc.passHtml = true;
    EXPECT_EQ(Rows(t.block, kCellsHtml).size(), 2u);
    EXPECT_TRUE(t.Messages().empty());

    t.fc.passHtml = false;
    EXPECT_EQ(Rows(t.block, kCellsHtml).size(), 2u);
    EXPECT_EQ(t.Messages(), (Texts{"UNSUPPORTED CASE: Policy line inside ParseTable"}));
}

TEST(ForEachRowTest, ChangedColumnSpanInABlankLineSeparatedRowStartsANewRow) {
    BlockFixture t(kFormatUser);
    t.block.kind = BlockKind::UserTable;
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
    EXPECT_EQ(rows[1].firstLine, 1);
}

}  // namespace
}  // namespace tabulyst
