#include "table/classify.h"

#include <gtest/gtest.h>

#include <utility>

#include "table/analysis.h"
#include "table/table_fixture.h"

namespace tabulyst {
namespace {

using test::PlainFixture;
using Case = std::pair<const char*, bool>;

TEST(ClassifyTest, LinePredicates) {
    // 95% of rule characters and blanks make a rule: one other character in 20 is exactly
    // 95%, not a rule; in 21 it is one. A markdown delimiter row is one, whatever its bars
    // and colons; bars and colons without a dash are not.
    for (auto [text, rule] : {Case{"----- -----", true},
                              {"+----+----+", true},
                              {"|----|", true},
                              {"| :---: | ---: |", true},
                              {"| : | |", false},
                              {"---------x----------", false},
                              {"---------x-----------", true}})
        EXPECT_EQ(IsRuleLine(text), rule) << text;
    for (auto [text, code] : {Case{"int main(void) {", true},
                              {"    static int count = 0;", true},
                              {"for (i = 0; i < n; i++)", true},
                              {"}", true},
                              {"Total interest       45.00", false},
                              {"Printed 12 items (approx)", false},
                              // The first and the last code words by letter; longer words
                              // and capitals are none.
                              {"break (x)", true},
                              {"while (n-- > 0) x = 1", true},
                              {"registers (a, b)", false},
                              {"Int (x)", false}})
        EXPECT_EQ(LooksLikeCode(text), code) << text;
    // Digits with marks of numbers, a sign in front and a percent behind; money marks only
    // under a financial rule set.
    struct Number {
        std::string_view text;
        int ruleSet;
        bool number;
    };
    for (auto [text, ruleSet, number] :
         {Number{"1,234.50", kNoRuleSet, true}, Number{" -12% ", kNoRuleSet, true},
          Number{"+.", kNoRuleSet, false}, Number{"12a", kNoRuleSet, false},
          Number{"$(1 234)", kNoRuleSet, false}, Number{"$(1 234)", kSec, true},
          Number{"\xa3"
                 "5-",
                 kMerrill, true},
          Number{"()", kSec, false}})
        EXPECT_EQ(IsPlainNumber(text, ruleSet), number) << text << " " << ruleSet;
    // Few letters and digits make a symbol cell.
    for (auto [text, symbol] :
         {Case{"|  /  \\  |", true}, {"a-+*", true}, {"a b c d e", false}, {"", false}})
        EXPECT_EQ(IsSymbolText(text), symbol) << text;
    // Known header names and X- names, followed by a blank.
    for (auto [text, mail] : {Case{"From: someone@example.org", true},
                              {"X-Mailer: anything", true},
                              {"Total: 45", false},
                              {"From:x", false},
                              {" From: indented", false}})
        EXPECT_EQ(LooksLikeMailHeader(text), mail) << text;
}

TEST(ClassifyLinesTest, CountsFromTheFirstAnalysedLineButRecordsEveryRuleIndex) {
    PlainFixture t;
    t.Lines({"a b", "", "---", "x y", "===", "  "});
    t.block.firstAnalysedLine = 3;
    ClassifyLines(t.block);
    // Blank lines: line 5 only; rule lines: line 4 only.
    const TableBlock& b = t.block;
    EXPECT_EQ((test::Ints{b.blankLines, b.ruleLines, b.firstRule, b.secondRule, b.lastRule}),
              (test::Ints{1, 1, 2, 4, 4}));
    EXPECT_EQ(t.BlankFlags(), (std::vector<bool>{false, true, false, false, false, true}));
}

TEST(RecogniseHeaderTest, RuleLinePositions) {
    const struct {
        int lines;
        std::vector<int> rules;
        bool hasHeader;
        int headerRows;  // -1: not looked at
    } cases[] = {
        {3, {1}, true, 1},        // three lines with a rule second
        {6, {3}, true, 3},        // one rule must leave two lines below it...
        {4, {2}, false, -1},      // ...2 < 4 - 2 fails
        {8, {4}, false, -1},      // the rule must be among the first four lines
        {8, {0, 2}, false, 0},    // two rule lines never mark a header
        {8, {0, 2, 7}, true, 2},  // a boxed header takes the second rule
        {8, {1, 3, 6}, true, 3},  // the last rule among lines 2 to 4, when it is second-last
        {5, {0, 1, 3}, true, 0},  // 3 header rows would be more than 5 / 2
        {4, {0}, true, 0},        // a lone rule on top
    };
    for (const auto& c : cases) {
        PlainFixture t;
        for (int i = 0; i < c.lines; ++i) {
            const bool rule = std::find(c.rules.begin(), c.rules.end(), i) != c.rules.end();
            t.Lines({rule ? "--------" : "ab  cd"});
        }
        ClassifyLines(t.block);
        RecogniseHeader(t.block);
        SCOPED_TRACE(::testing::Message() << c.lines << " lines, first rule " << c.rules[0]);
        EXPECT_EQ(t.block.hasHeader, c.hasHeader);
        if (c.headerRows >= 0) {
            EXPECT_EQ(t.block.headerRows, c.headerRows);
        }
    }
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

    // Under a rule line the blanks above the header line count once (lines 0 to 2).
    PlainFixture ruled;
    ruled.Lines({"", "", "Name  Age", "----  ---", "Ann   34", "Bob   27"});
    ClassifyLines(ruled.block);
    RecogniseHeader(ruled.block);
    EXPECT_TRUE(ruled.block.hasHeader);
    EXPECT_EQ(ruled.block.headerRows, 3);
}

}  // namespace
}  // namespace tabulyst
