// Offering one line to a policy set: results, headers, aliases and the special keys.
#include <gtest/gtest.h>

#include "policy/fc.h"
#include "policy/policy_test_support.h"

using namespace tabulyst;
using namespace tabulyst::testing;

TEST(PolicyLine, CommentsHeadersGroupsAndLongerKeys) {
    CapturedFC c;
    for (const char* line : {"", "   ", "! TAB size : 3", "  # TAB size : 3", "[Table generation]",
                             "  [table GENERATION] ", "------ Tables ------", "[Debug]"})
        EXPECT_EQ(c.Line(line), kParsed) << line;
    EXPECT_EQ(c.fc.Value(P::TabSize), 8);
    EXPECT_TRUE(c.messages.empty());
    EXPECT_EQ(c.Line("[Nonsense]"), kUnclaimed);
    EXPECT_TRUE(c.Said("POLICY: Ignored - Missing colon in \"[Nonsense]\""));

    EXPECT_EQ(c.Line("Output policy filename : out.pol"), kParsed);
    EXPECT_EQ(c.fc.Text(P::OutputPolicyFilename).View(), "out.pol");
    EXPECT_FALSE(c.fc.IsSet(P::OutputPolicyFile)) << "the longer key is tried first";
    EXPECT_EQ(c.Line("Output policy file : yes"), kParsed);
    EXPECT_EQ(c.fc.Value(P::OutputPolicyFile), 1);
}

TEST(PolicyLine, AliasesAndTheirOrder) {
    CapturedFC c;
    c.Offer(
        {{"Default TABLE color : ff0000", kParsed}, {"Header frame text color : Navy", kParsed}});
    EXPECT_FALSE(c.fc.IsSet(P::TextColour)) << "the frame colour is tried before \"Text color\"";
    EXPECT_EQ(c.Line("Footer frame background color : Teal"), kParsed);
    EXPECT_FALSE(c.fc.IsSet(P::BackgroundColour));
    c.Offer({{"Body Background color : white", kParsed},  // an alias matches anywhere
             {"Allow email begining with numbers : yes", kParsed},
             {"Scope COLOR tags globally : no", kParsed},
             {"HTML Header : top.html", kParsed}});
    ExpectTexts(c.fc, {{P::DefaultTableColour, "Red"},
                       {P::HeaderFrameTextColour, "Navy"},
                       {P::BackgroundColour, "white"},
                       {P::HtmlHeaderFile, "top.html"}});
    ExpectValues(c.fc, {{P::AllowEmailBeginningWithNumbers, 1}, {P::ScopeColourTagsGlobally, 0}});
}

TEST(PolicyLine, RuleSetKey) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Rule set to be used : Merrill"), kParsed);
    EXPECT_EQ(c.fc.RuleSet(), kMerrill);
    EXPECT_TRUE(c.fc.RuleSetStated());
    c.Offer({{"Rule set to be used : sec", kParsed}, {"Rule set to be used : fancy", kRejected}});
    EXPECT_TRUE(c.Said("WARNING: Changing rule set - Rule set to be used : sec"));
    EXPECT_EQ(c.fc.RuleSet(), kSec);
    EXPECT_FALSE(c.fc.RuleSetStated());

    CapturedFC command;
    command.fc.ApplyCommandLineRuleSet("sec");
    EXPECT_EQ(command.fc.RuleSet(), kSec);
    EXPECT_EQ(command.fc.Value(P::CreateHyperlinks), 0) << "consolidated at once";
    EXPECT_TRUE(command.messages.empty());
    command.fc.ApplyCommandLineRuleSet("fancy");
    EXPECT_TRUE(command.Said("CTX.Command ERROR: Unrecognised RuleSet \"fancy\""));
}

TEST(PolicyLine, SpecialKeyInAValueDoesNotStealTheLine) {
    CapturedFC c;
    c.Offer({{"Document Title : Text command reference", kParsed},
             {"Document Keywords : Link definition, bullet char", kParsed}});
    ExpectTexts(c.fc, {{P::DocumentTitle, "Text command reference"},
                       {P::DocumentKeywords, "Link definition, bullet char"}});
    EXPECT_TRUE(c.fc.GetExtras().textCommands.empty());
}
