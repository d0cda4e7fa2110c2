#include <gtest/gtest.h>

#include "table/analysis.h"
#include "table/table_capture.h"

namespace tabulyst {
namespace {

using test::BlockFixture;

TEST(GuessAlignmentTest, FiguresGoRightAndWordsLeft) {
    BlockFixture t;
    t.block.kind = BlockKind::Delimited;
    EXPECT_EQ(GuessAlignment(t.block, "12.50", -1), kAlignRight);
    EXPECT_EQ(GuessAlignment(t.block, "1,234", -1), kAlignRight);
    EXPECT_EQ(GuessAlignment(t.block, "10:30", -1), kAlignRight);
    EXPECT_EQ(GuessAlignment(t.block, "45%", -1), kAlignRight);
    EXPECT_EQ(GuessAlignment(t.block, " 7 ", -1), kAlignRight);
    EXPECT_EQ(GuessAlignment(t.block, "abc", -1), kAlignLeft);
    EXPECT_EQ(GuessAlignment(t.block, "", -1), kAlignLeft);
}

TEST(GuessAlignmentTest, CurrencyBracketsAndSignsAreFiguresOnlyUnderARuleSet) {
    BlockFixture t;
    t.block.kind = BlockKind::Delimited;
    EXPECT_EQ(GuessAlignment(t.block, "($1,234)", -1), kAlignLeft);
    EXPECT_EQ(GuessAlignment(t.block, "-5", -1), kAlignLeft);
    t.fc.SetRuleSet(kSec, true);
    EXPECT_EQ(GuessAlignment(t.block, "($1,234)", -1), kAlignRight);
    EXPECT_EQ(GuessAlignment(t.block, "-5", -1), kAlignRight);
    t.fc.SetRuleSet(kMerrill, true);
    EXPECT_EQ(GuessAlignment(t.block, "\xA3" "12", -1), kAlignRight);
    EXPECT_EQ(GuessAlignment(t.block, "+3.5", -1), kAlignRight);
}

TEST(GuessAlignmentTest, TheCellAlignmentPolicyDecidesEveryCell) {
    BlockFixture t;
    t.fc.BaseConfig().SetValue(P::DefaultTableCellAlignment, kAlignCentre);
    EXPECT_EQ(GuessAlignment(t.block, "12", -1), kAlignCentre);
    EXPECT_EQ(GuessAlignment(t.block, "", -1), kAlignCentre);
}

TEST(GuessAlignmentTest, BlanksAroundTheTextDecide) {
    BlockFixture t;
    t.block.kind = BlockKind::Delimited;
    EXPECT_EQ(GuessAlignment(t.block, "abc   ", -1), kAlignLeft);    // nothing in front
    EXPECT_EQ(GuessAlignment(t.block, "   abc", -1), kAlignRight);   // only in front
    EXPECT_EQ(GuessAlignment(t.block, "  abc  ", -1), kAlignCentre); // balanced
    EXPECT_EQ(GuessAlignment(t.block, " abc", -1), kAlignLeft);      // one blank is no indent
    EXPECT_EQ(GuessAlignment(t.block, "    ", -1), kAlignLeft);      // blanks only
    EXPECT_EQ(GuessAlignment(t.block, "   ab ", -1), kAlignRight);   // more in front
}

TEST(GuessAlignmentTest, PlainTextCellsCountTheRestOfTheirColumnAsTrailingBlanks) {
    BlockFixture t(kFormatUser);
    t.block.kind = BlockKind::UserTable;
    EXPECT_EQ(GuessAlignment(t.block, "     abc", 10), kAlignRight);  // 5 in front, 2 after
    EXPECT_EQ(GuessAlignment(t.block, "   abc  ", 9), kAlignCentre);  // 3 and 3
    EXPECT_EQ(GuessAlignment(t.block, "  ab", 6), kAlignLeft);        // blanks as long as the text
    // Mostly blank across the column width: left, even for a figure.
    EXPECT_EQ(GuessAlignment(t.block, "   12   ", 5), kAlignLeft);
    EXPECT_EQ(GuessAlignment(t.block, "   12   ", -1), kAlignRight);
}

TEST(GuessAlignmentTest, DelimitedCellsNeverUseTheColumnWidthRule) {
    BlockFixture t;
    t.block.kind = BlockKind::Delimited;
    EXPECT_EQ(GuessAlignment(t.block, "   12   ", 5), kAlignRight);
}

}  // namespace
}  // namespace tabulyst
