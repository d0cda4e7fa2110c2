// The policy set: copying whole sets and single records, resetting and the table setters.
#include "policy/fc.h"

#include <gtest/gtest.h>

#include "policy/policy_test_support.h"

using namespace tabulyst;
using namespace tabulyst::testing;

TEST(FCCopy, SetValuesRuleSetAndIndentation) {
    FC from, to, flags, none;
    Apply(from,
          {"Rule set to be used : SEC", "TAB size : 3", "Default TABLE border size : 2",
           "Indent position(s) : 4 8"},
          true);
    Apply(to, {"Page Width : 60"});
    to.CopyFrom(from, false);
    EXPECT_EQ(to.RuleSet(), kSec);
    EXPECT_FALSE(to.RuleSetStated() || to.IsSet(P::TabSize)) << "flags travel only when asked";
    ExpectValues(to, {{P::TabSize, 3}, {P::DefaultTableBorderSize, 2}, {P::PageWidth, 60}});
    EXPECT_EQ(to.GetExtras().indentPositions, (std::vector<int>{4, 8}));

    flags.CopyFrom(from, true);
    EXPECT_TRUE(flags.RuleSetStated() && flags.IsSet(P::DefaultTableBorderSize));
    flags.CopyFrom(none, true);
    EXPECT_EQ(flags.RuleSet(), kSec) << "a set without a rule set leaves it";
    EXPECT_EQ(flags.Value(P::TabSize), 3) << "an unset value never overwrites";

    to.Record(P::TabSize).CopyFrom(from.Record(P::TabSize), true);  // one record
    EXPECT_TRUE(to.IsSet(P::TabSize));
}

TEST(FCReset, BackToDefaultsAndKeys) {
    ProgramSettings rtf;
    rtf.target = OutputFormat::Rtf;
    FC fc;
    Apply(fc, {"TAB size : 3", "Rule set to be used : SEC", "Bullet Char : '*'"}, true);
    fc.LinkSettings(&rtf);
    fc.ResetToDefaults();
    EXPECT_EQ(fc.Value(P::TabSize), 8);
    EXPECT_FALSE(fc.IsSet(P::TabSize));
    EXPECT_EQ(fc.RuleSet(), kNoRuleSet);
    EXPECT_TRUE(fc.GetExtras().bulletChars.empty());
    EXPECT_EQ(fc.Record(P::FixedFont).Key().View(), "Fixed-pitch font") << "still linked to RTF";
    EXPECT_EQ(fc.Text(P::FixedFont).View(), "Courier New, Regular, 8");
}
