#include "table/classify.h"

#include <gtest/gtest.h>

#include "plain_block.h"
#include "table/analysis.h"

namespace tabulyst {
namespace {

using test::PlainFixture;

TEST(IsRuleLineTest, NinetyFivePercentOfRuleCharactersAndBlanksMakesARule) {
    EXPECT_TRUE(IsRuleLine("----- -----"));
    EXPECT_TRUE(IsRuleLine("+----+----+"));
    EXPECT_TRUE(IsRuleLine("~~~~ ==== ____"));
    EXPECT_FALSE(IsRuleLine("|----|"));
    EXPECT_FALSE(IsRuleLine("     "));
    // One other character in 20 is exactly 95%: not a rule; in 21 it is one.
    EXPECT_FALSE(IsRuleLine("---------x---------"  "-"));
    EXPECT_TRUE(IsRuleLine("---------x----------" "-"));
}

TEST(ClassifyLinesTest, CountsFromTheFirstAnalysedLineButRecordsEveryRuleIndex) {
    PlainFixture t;
    t.Lines({"a b", "", "---", "x y", "===", "  "});
    t.DirectiveLine("----");
    t.block.firstAnalysedLine = 3;
    ClassifyLines(t.block);
    EXPECT_EQ(t.block.blankLines, 1);  // line 5 only
    EXPECT_EQ(t.block.ruleLines, 1);   // line 4 only
    EXPECT_EQ(t.block.firstRule, 2);
    EXPECT_EQ(t.block.secondRule, 4);
    EXPECT_EQ(t.block.lastRule, 4);  // the directive line is no rule
    EXPECT_TRUE(t.block.lines[1].blank);
    EXPECT_FALSE(t.block.lines[6].rule);
}

TEST(LooksLikeCodeTest, RecognisesCLikeLinesOnly) {
    EXPECT_TRUE(LooksLikeCode("int main(void) {"));
    EXPECT_TRUE(LooksLikeCode("    static int count = 0;"));
    EXPECT_TRUE(LooksLikeCode("#include <stdio.h>"));
    EXPECT_TRUE(LooksLikeCode("for (i = 0; i < n; i++)"));
    EXPECT_TRUE(LooksLikeCode("}"));
    EXPECT_FALSE(LooksLikeCode("Total interest       45.00"));
    EXPECT_FALSE(LooksLikeCode("int"));
    EXPECT_FALSE(LooksLikeCode("Printed 12 items (approx)"));
}

TEST(IsPlainNumberTest, CurrencyAndBracketsOnlyUnderARuleSet) {
    EXPECT_TRUE(IsPlainNumber(" 1,234.50 ", kNoRuleSet));
    EXPECT_TRUE(IsPlainNumber("-12", kNoRuleSet));
    EXPECT_TRUE(IsPlainNumber("45%", kNoRuleSet));
    EXPECT_FALSE(IsPlainNumber("$1,234", kNoRuleSet));
    EXPECT_FALSE(IsPlainNumber("(1,234)", kNoRuleSet));
    EXPECT_TRUE(IsPlainNumber("$1,234", kSec));
    EXPECT_TRUE(IsPlainNumber("($1,234)", kMerrill));
    EXPECT_FALSE(IsPlainNumber("12a", kSec));
    EXPECT_FALSE(IsPlainNumber(".", kNoRuleSet));
    EXPECT_FALSE(IsPlainNumber("", kNoRuleSet));
}

TEST(IsSymbolTextTest, FewLettersAndDigitsMakeASymbolCell) {
    EXPECT_TRUE(IsSymbolText("|  /  \\  |"));
    EXPECT_TRUE(IsSymbolText("a-+*"));       // one letter, three others
    EXPECT_TRUE(IsSymbolText("x         "));  // one letter in ten characters
    EXPECT_FALSE(IsSymbolText("a b c d e"));
    EXPECT_FALSE(IsSymbolText("12.50"));
    EXPECT_FALSE(IsSymbolText(""));
}

TEST(LooksLikeMailHeaderTest, KnownHeaderNamesAndXNamesFollowedByABlank) {
    EXPECT_TRUE(LooksLikeMailHeader("From: someone@example.org"));
    EXPECT_TRUE(LooksLikeMailHeader("Subject:"));
    EXPECT_TRUE(LooksLikeMailHeader("message-id: <1@x>"));
    EXPECT_TRUE(LooksLikeMailHeader("X-Mailer: anything"));
    EXPECT_FALSE(LooksLikeMailHeader("Total: 45"));
    EXPECT_FALSE(LooksLikeMailHeader("From:x"));
    EXPECT_FALSE(LooksLikeMailHeader(" From: indented"));
}

// Builds a block whose rule lines are at the given indexes, classifies it and recognises
// its header.
void Header(PlainFixture& t, int lines, std::initializer_list<int> rules) {
    for (int i = 0; i < lines; ++i) {
        const bool rule = std::find(rules.begin(), rules.end(), i) != rules.end();
        t.Lines({rule ? std::string_view("--------") : std::string_view("ab  cd")});
    }
    ClassifyLines(t.block);
    RecogniseHeader(t.block);
}

TEST(RecogniseHeaderTest, ThreeLinesWithARuleSecondHaveOneHeaderRow) {
    PlainFixture t;
    Header(t, 3, {1});
    EXPECT_TRUE(t.block.hasHeader);
    EXPECT_EQ(t.block.headerRows, 1);
}

TEST(RecogniseHeaderTest, OneRuleMustLeaveTwoLinesBelowIt) {
    PlainFixture a;
    Header(a, 6, {3});
    EXPECT_TRUE(a.block.hasHeader);
    EXPECT_EQ(a.block.headerRows, 3);
    PlainFixture b;
    Header(b, 4, {2});  // 2 < 4 - 2 fails
    EXPECT_FALSE(b.block.hasHeader);
    PlainFixture c;
    Header(c, 8, {4});  // the rule must be among the first four lines
    EXPECT_FALSE(c.block.hasHeader);
}

TEST(RecogniseHeaderTest, TwoRuleLinesNeverMarkAHeader) {
    PlainFixture t;
    Header(t, 8, {0, 2});
    EXPECT_FALSE(t.block.hasHeader);
    EXPECT_EQ(t.block.headerRows, 0);
}

TEST(RecogniseHeaderTest, BoxedHeaderTakesTheSecondRule) {
    PlainFixture t;
    Header(t, 8, {0, 2, 7});
    EXPECT_TRUE(t.block.hasHeader);
    EXPECT_EQ(t.block.headerRows, 2);
}

TEST(RecogniseHeaderTest, ThreeRulesAroundTheHeaderUseTheLastRuleAmongLinesTwoToFour) {
    PlainFixture t;
    Header(t, 8, {1, 3, 6});  // the last rule is the second-last line
    EXPECT_TRUE(t.block.hasHeader);
    EXPECT_EQ(t.block.headerRows, 3);
}

TEST(RecogniseHeaderTest, MoreHeaderRowsThanHalfTheLinesGiveNone) {
    PlainFixture t;
    Header(t, 5, {0, 1, 3});  // header rows would be 3, more than 5 / 2
    EXPECT_TRUE(t.block.hasHeader);
    EXPECT_EQ(t.block.headerRows, 0);
}

TEST(RecogniseHeaderTest, ALoneRuleOnTopGivesNoHeaderRows) {
    PlainFixture t;
    Header(t, 4, {0});
    EXPECT_TRUE(t.block.hasHeader);
    EXPECT_EQ(t.block.headerRows, 0);
}

TEST(RecogniseHeaderTest, PolicyRowsAndLeadingBlankLines) {
    PlainFixture t;
    t.Config().SetValue(P::DefaultTableHeaderRows, 2);
    t.Config().SetValue(P::DefaultTableHeaderCols, 1);
    t.Lines({"", "   ", "a  b", "c  d"});
    ClassifyLines(t.block);
    RecogniseHeader(t.block);
    EXPECT_TRUE(t.block.hasHeader);
    EXPECT_EQ(t.block.headerRows, 4);
    EXPECT_EQ(t.block.headerCols, 1);
}

TEST(RecogniseHeaderTest, LeadingBlankLinesAreNotCountedTwiceUnderARule) {
    PlainFixture t;
    t.Lines({"", "", "Name  Age", "----  ---", "Ann   34", "Bob   27"});
    ClassifyLines(t.block);
    RecogniseHeader(t.block);
    EXPECT_TRUE(t.block.hasHeader);
    EXPECT_EQ(t.block.headerRows, 3);  // lines 0 to 2: the header line and the blanks above it
}

}  // namespace
}  // namespace tabulyst
