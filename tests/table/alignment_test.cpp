#include <gtest/gtest.h>

#include "table/analysis.h"
#include "table/table_fixture.h"

namespace tabulyst {
namespace {

TEST(GuessAlignmentTest, FiguresBlanksRuleSetsAndColumnWidths) {
    using F = TableFormat;
    const struct {
        TableFormat format;
        int ruleSet;
        const char* text;
        int width, expected;
    } cases[] = {
        // Figures go right and words left.
        {F::Comma, kNoRuleSet, "12.50", -1, kAlignRight},
        {F::Comma, kNoRuleSet, "10:30", -1, kAlignRight},
        {F::Comma, kNoRuleSet, "45%", -1, kAlignRight},
        {F::Comma, kNoRuleSet, " 7 ", -1, kAlignRight},
        {F::Comma, kNoRuleSet, "", -1, kAlignLeft},
        // Currency, brackets and signs are figures only under a rule set.
        {F::Comma, kNoRuleSet, "($1,234)", -1, kAlignLeft},
        {F::Comma, kSec, "($1,234)", -1, kAlignRight},
        {F::Comma, kMerrill,
         "\xA3"
         "12",
         -1, kAlignRight},
        {F::Comma, kMerrill, "+3.5", -1, kAlignRight},
        // The blanks around the text decide.
        {F::Comma, kNoRuleSet, "abc   ", -1, kAlignLeft},     // nothing in front
        {F::Comma, kNoRuleSet, "   abc", -1, kAlignRight},    // only in front
        {F::Comma, kNoRuleSet, "  abc  ", -1, kAlignCentre},  // balanced
        {F::Comma, kNoRuleSet, " abc", -1, kAlignLeft},       // one blank is no indent
        {F::Comma, kNoRuleSet, "   ab ", -1, kAlignRight},    // more in front
        // Plain-text cells count the rest of their column as trailing blanks.
        {F::User, kNoRuleSet, "     abc", 10, kAlignRight},  // 5 in front, 2 after
        {F::User, kNoRuleSet, "   abc  ", 9, kAlignCentre},  // 3 and 3
        {F::User, kNoRuleSet, "  ab", 6, kAlignLeft},        // blanks as long as the text
        // Mostly blank across the column width: left, even for a figure; but delimited
        // cells never use the column width.
        {F::User, kNoRuleSet, "   12   ", 5, kAlignLeft},
        {F::User, kNoRuleSet, "   12   ", -1, kAlignRight},
        {F::Comma, kNoRuleSet, "   12   ", 5, kAlignRight},
    };
    for (const auto& c : cases) {
        test::BlockFixture t(c.format);
        if (c.ruleSet != kNoRuleSet) t.fc.SetRuleSet(c.ruleSet, true);
        EXPECT_EQ(GuessAlignment(t.block, c.text, c.width), c.expected)
            << "\"" << c.text << "\" width " << c.width;
    }
}

TEST(GuessAlignmentTest, TheCellAlignmentPolicyDecidesEveryCell) {
    test::BlockFixture t;
    t.fc.BaseConfig().SetValue(P::DefaultTableCellAlignment, kAlignCentre);
    EXPECT_EQ(GuessAlignment(t.block, "12", -1), kAlignCentre);
    EXPECT_EQ(GuessAlignment(t.block, "", -1), kAlignCentre);
}

}  // namespace
}  // namespace tabulyst
