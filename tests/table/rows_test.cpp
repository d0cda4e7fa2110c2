#include "table/rows.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "table/analysis.h"
#include "table/table_fixture.h"

namespace tabulyst {
namespace {

using test::BlockFixture;
using test::Ints;
using test::PlainFixture;
using test::Texts;

// A row as seen by a writer: its texts, the lines of each cell, and "first-last" lines
// with "H" for a header row, "R" for a single rule and "D" for a double one.
struct SeenRow {
    Texts texts;
    Ints lines;
    std::string where;
};

std::vector<SeenRow> Rows(TableBlock& block) {
    std::vector<SeenRow> rows;
    ForEachRow(block, [&rows](const TableRow& row) {
        SeenRow seen{{}, {}, std::to_string(row.firstLine) + "-" + std::to_string(row.lastLine)};
        if (row.header) seen.where += "H";
        if (row.rule == RuleKind::Single) seen.where += "R";
        if (row.rule == RuleKind::Double) seen.where += "D";
        for (const TableCell& cell : row.cells) {
            seen.texts.push_back(cell.text);
            seen.lines.push_back(cell.lines);
        }
        rows.push_back(seen);
    });
    return rows;
}

std::vector<std::string> Where(const std::vector<SeenRow>& rows) {
    std::vector<std::string> where;
    for (const SeenRow& row : rows) where.push_back(row.where);
    return where;
}

// A delimited block read from the given lines, given the header the test asks for.
void Prepare(BlockFixture& t, std::initializer_list<std::string_view> lines, int headerRows = 0) {
    t.Lines(lines);
    t.Analyse();
    t.block.hasHeader = headerRows > 0;
    t.block.headerRows = headerRows;
}

TEST(ForEachRowTest, RuleLinesAfterTheHeaderBecomeRuleRowsAndTwoInARowOneDoubleRule) {
    BlockFixture t;
    Prepare(t, {"Name,Qty", "--------", "apple,12", "====", "====", "pear,3"}, 1);
    const auto rows = Rows(t.block);
    EXPECT_EQ(Where(rows), (Texts{"0-0H", "1-1R", "2-2", "3-3D", "5-5"}));
    EXPECT_EQ(rows[0].texts, (Texts{"Name", "Qty"}));
    EXPECT_EQ(rows[2].texts, (Texts{"apple", "12"}));
    EXPECT_EQ(rows[1].lines, (Ints{1, 1})) << "a rule row has its rule in every cell";

    BlockFixture among;  // rule lines among the header rows only end the row
    Prepare(among, {"====", "Name,Qty", "====", "x,1"}, 2);
    const auto header = Rows(among.block);
    EXPECT_EQ(Where(header), (Texts{"1-1H", "2-2R", "3-3"}));
    EXPECT_EQ(header[0].texts, (Texts{"Name", "Qty"}));
}

TEST(ForEachRowTest, BlankLineSeparatedRowsJoinTheirLines) {
    BlockFixture t;
    Prepare(t, {"a,1", "b,", "c,3", "", "d,4", "-----", "e,5"});
    t.block.blankLineSeparated = true;
    const auto rows = Rows(t.block);
    // A rule line only ends the row in such a table.
    EXPECT_EQ(Where(rows), (Texts{"0-2", "4-4", "6-6"}));
    EXPECT_EQ(rows[0].texts, (Texts{"a\nb\nc", "1\n3"}));
    EXPECT_EQ(rows[0].lines, (Ints{3, 2}));
    EXPECT_EQ(rows[2].texts, (Texts{"e", "5"}));
}

TEST(ForEachRowTest, ChangedColumnSpanInABlankLineSeparatedRowStartsANewRow) {
    BlockFixture t(TableFormat::User);
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
    const auto rows = Rows(t.block);
    EXPECT_EQ(t.Messages(),
              (Texts{"WARNING: Ambiguous ColSpan Creating new row at (1,0) was 1 now 2"}));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].texts, (Texts{"ab", "cd"}));
    EXPECT_EQ(rows[1].texts[0], "abcdefgh");
    EXPECT_EQ(rows[1].where.substr(0, 2), "1-");
}

TEST(ForEachRowTest, ALongDelimitedTableBuiltAheadKeepsItsRowsInOrderAndStopsWithItsWriter) {
    // Long enough for its rows to be built on a second thread, with a rule and a blank line
    // inside; every row arrives once, in order, whole.
    Texts lines;
    for (int i = 0; i < 20000; ++i) lines.push_back(std::to_string(i) + ",x" + std::to_string(i));
    lines[100] = "----";
    lines[101] = "";
    BlockFixture t;
    t.Analysed(lines);
    int expected = 0;
    int seen = 0;
    int rules = 0;
    ForEachRow(t.block, [&](const TableRow& row) {
        if (row.rule != RuleKind::None) {
            EXPECT_EQ(expected, 100) << "the rule row stands where the rule line stood";
            ++rules;
            return;
        }
        if (expected == 100) expected = 102;
        ASSERT_EQ(row.cells.size(), 2u);
        EXPECT_EQ(row.cells[0].text, std::to_string(expected));
        EXPECT_EQ(row.cells[1].text, "x" + std::to_string(expected));
        ++expected;
        ++seen;
    });
    EXPECT_EQ(seen, 19998);
    EXPECT_EQ(rules, 1);

    // A writer that fails stops the building: the failure reaches the caller, nothing hangs.
    int written = 0;
    EXPECT_THROW(ForEachRow(t.block,
                            [&](const TableRow&) {
                                if (++written == 1000) throw std::runtime_error("disk full");
                            }),
                 std::runtime_error);
    EXPECT_EQ(written, 1000);
}

TEST(ForEachRowTest, ALongPlainTextTableBuiltAheadReportsEachLinesFaultBeforeItsRow) {
    // Long enough for its analysis passes and its rows to be shared between two threads.
    Texts lines;
    for (int i = 0; i < 12000; ++i)
        lines.push_back("k" + std::to_string(100000 + i) + "   north   " + std::to_string(i % 97));
    lines[7000] = "k107000]]   north   6";
    PlainFixture t;
    t.Analysed(lines);
    ASSERT_EQ(t.block.columns.size(), 3u);
    EXPECT_TRUE(t.block.columns[2].numericColumn);
    EXPECT_FALSE(t.block.columns[1].numericColumn);
    const size_t before = t.Messages().size();
    int expected = 0;
    ForEachRow(t.block, [&](const TableRow& row) {
        ASSERT_EQ(row.cells.size(), 3u);
        const std::string code =
            expected == 7000 ? "k107000]]" : "k" + std::to_string(100000 + expected);
        EXPECT_EQ(row.cells[0].text, code);
        EXPECT_EQ(row.cells[2].align, kAlignRight);
        // The line's message comes with its own row, neither before nor after.
        EXPECT_EQ(t.Messages().size() - before, expected >= 7000 ? 1u : 0u) << expected;
        ++expected;
    });
    EXPECT_EQ(expected, 12000);
    ASSERT_EQ(t.Messages().size(), before + 1);
    EXPECT_EQ(t.Messages().back(), "INFO: Unbalanced tag delimiter inside table cell :\"]]\"");
}

}  // namespace
}  // namespace tabulyst
