#include <gtest/gtest.h>

#include "table/analysis.h"
#include "table/table_capture.h"

namespace tabulyst {
namespace {

TEST(GuessAlignmentTest, FiguresBlanksRuleSetsAndColumnWidths) {
    const struct {
        int format, ruleSet;
        const char* text;
        int width, expected;
    } cases[] = {
        // Figures go right and words left.
        {kFormatComma, kNoRuleSet, "12.50", -1, kAlignRight},
        {kFormatComma, kNoRuleSet, "1,234", -1, kAlignRight},
        {kFormatComma, kNoRuleSet, "10:30", -1, kAlignRight},
        {kFormatComma, kNoRuleSet, "45%", -1, kAlignRight},
        {kFormatComma, kNoRuleSet, " 7 ", -1, kAlignRight},
        {kFormatComma, kNoRuleSet, "abc", -1, kAlignLeft},
        {kFormatComma, kNoRuleSet, "", -1, kAlignLeft},
        // Currency, brackets and signs are figures only under a rule set.
        {kFormatComma, kNoRuleSet, "($1,234)", -1, kAlignLeft},
        {kFormatComma, kNoRuleSet, "-5", -1, kAlignLeft},
        {kFormatComma, kSec, "($1,234)", -1, kAlignRight},
        {kFormatComma, kSec, "-5", -1, kAlignRight},
        {kFormatComma, kMerrill, "\xA3" "12", -1, kAlignRight},
        {kFormatComma, kMerrill, "+3.5", -1, kAlignRight},
        // The blanks around the text decide.
        {kFormatComma, kNoRuleSet, "abc   ", -1, kAlignLeft},     // nothing in front
        {kFormatComma, kNoRuleSet, "   abc", -1, kAlignRight},    // only in front
        {kFormatComma, kNoRuleSet, "  abc  ", -1, kAlignCentre},  // balanced
        {kFormatComma, kNoRuleSet, " abc", -1, kAlignLeft},       // one blank is no indent
        {kFormatComma, kNoRuleSet, "    ", -1, kAlignLeft},       // blanks only
        {kFormatComma, kNoRuleSet, "   ab ", -1, kAlignRight},    // more in front
        // Plain-text cells count the rest of their column as trailing blanks.
        {kFormatUser, kNoRuleSet, "     abc", 10, kAlignRight},  // 5 in front, 2 after
        {kFormatUser, kNoRuleSet, "   abc  ", 9, kAlignCentre},  // 3 and 3
        {kFormatUser, kNoRuleSet, "  ab", 6, kAlignLeft},        // blanks as long as the text
        // Mostly blank across the column width: left, even for a figure; but delimited
        // cells never use the column width.
        {kFormatUser, kNoRuleSet, "   12   ", 5, kAlignLeft},
        {kFormatUser, kNoRuleSet, "   12   ", -1, kAlignRight},
        {kFormatComma, kNoRuleSet, "   12   ", 5, kAlignRight},
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
