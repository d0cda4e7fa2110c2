// Offering one line to a policy set: results, headers, aliases and the special keys.
#include <gtest/gtest.h>

#include "policy/fc.h"
#include "policy/policy_test_support.h"

using namespace tabulyst;
using tabulyst::testing::CapturedFC;

TEST(PolicyLine, CommentsBlankLinesAndHeaders) {
    CapturedFC c;
    for (const char* line : {"", "   ", "! TAB size : 3", "  # TAB size : 3", "[Table generation]",
                             "  [table GENERATION] ", "------ Tables ------", "[Debug]"})
        EXPECT_EQ(c.Line(line), kParsed) << line;
    EXPECT_EQ(c.fc.Value(P::TabSize), 8);
    EXPECT_TRUE(c.messages.empty());

    EXPECT_EQ(c.Line("[Nonsense]"), kUnclaimed);
    EXPECT_TRUE(c.Said("POLICY: Ignored - Missing colon in \"[Nonsense]\""));
}

TEST(PolicyLine, GroupOfTheClaimingRecord) {
    CapturedFC c;
    int group = -1;
    EXPECT_EQ(c.fc.ParsePolicyLine("Default TABLE border size : 2", group, true), kParsed);
    EXPECT_EQ(group, 4);
    EXPECT_EQ(c.fc.ParsePolicyLine("Character encoding : big5", group, true), kParsed);
    EXPECT_EQ(group, 1);
    EXPECT_EQ(c.fc.ParsePolicyLine("Unknown key : 1", group, true), kUnclaimed);
    EXPECT_EQ(group, 0);
}

TEST(PolicyLine, LongerKeyBeforeItsPrefix) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Output policy filename : out.pol"), kParsed);
    EXPECT_EQ(c.fc.Text(P::OutputPolicyFilename).View(), "out.pol");
    EXPECT_FALSE(c.fc.IsSet(P::OutputPolicyFile));
    EXPECT_EQ(c.Line("Output policy file : yes"), kParsed);
    EXPECT_EQ(c.fc.Value(P::OutputPolicyFile), 1);
}

TEST(PolicyLine, AliasesAndTheirOrder) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Default TABLE color : ff0000"), kParsed);
    EXPECT_EQ(c.fc.Text(P::DefaultTableColour).View(), "Red");
    EXPECT_EQ(c.Line("Header frame text color : Navy"), kParsed);
    EXPECT_EQ(c.fc.Text(P::HeaderFrameTextColour).View(), "Navy");
    EXPECT_FALSE(c.fc.IsSet(P::TextColour)) << "the frame colour is tried before \"Text color\"";
    EXPECT_EQ(c.Line("Footer frame background color : Teal"), kParsed);
    EXPECT_FALSE(c.fc.IsSet(P::BackgroundColour));
    EXPECT_EQ(c.Line("Body Background color : white"), kParsed) << "an alias matches anywhere";
    EXPECT_EQ(c.fc.Text(P::BackgroundColour).View(), "white");
    EXPECT_EQ(c.Line("Allow email begining with numbers : yes"), kParsed);
    EXPECT_EQ(c.fc.Value(P::AllowEmailBeginningWithNumbers), 1);
    EXPECT_EQ(c.Line("Scope COLOR tags globally : no"), kParsed);
    EXPECT_EQ(c.fc.Value(P::ScopeColourTagsGlobally), 0);
    EXPECT_EQ(c.Line("HTML Header : top.html"), kParsed);
    EXPECT_EQ(c.fc.Text(P::HtmlHeaderFile).View(), "top.html");
}

TEST(PolicyLine, RuleSetKey) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Rule set to be used : Merrill"), kParsed);
    EXPECT_EQ(c.fc.RuleSet(), kMerrill);
    EXPECT_TRUE(c.fc.RuleSetStated());
    EXPECT_EQ(c.Line("Rule set to be used : sec"), kParsed);
    EXPECT_TRUE(c.Said("WARNING: Changing rule set - Rule set to be used : sec"));
    EXPECT_EQ(c.fc.RuleSet(), kSec);
    EXPECT_EQ(c.Line("Rule set to be used : fancy"), kRejected);
    EXPECT_FALSE(c.fc.RuleSetStated());
    EXPECT_EQ(c.fc.RuleSet(), kSec);

    ProgramSettings settings;
    CapturedFC linked;
    linked.fc.LinkSettings(&settings);
    EXPECT_EQ(linked.Line("Rule set to be used : (none)"), kParsed);
    EXPECT_TRUE(linked.messages.empty());
    EXPECT_EQ(linked.Line("Rule set to be used : SEC"), kParsed);
    EXPECT_EQ(settings.ruleSet, kSec) << "the front end's settings learn the rule set";
}

TEST(PolicyLine, ListKeysAreRecorded) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Indent position(s) : 0 4 8"), kParsed);
    EXPECT_EQ(c.fc.GetExtras().indentPositions, (std::vector<int>{0, 4, 8}));
    EXPECT_EQ(c.Line("Indent position(s) : 1 2 3 4 5 6"), kRejected) << "at most five";
    EXPECT_EQ(c.Line("Hanging paragraph position(s) : 5 x"), kRejected);
    EXPECT_EQ(c.Line("Hanging paragraph position(s) : none"), kParsed);
    EXPECT_TRUE(c.fc.GetExtras().hangingStated);
    EXPECT_EQ(c.Line("Recognised USENET groups : comp.lang.c, alt.test"), kParsed);
    ASSERT_EQ(c.fc.GetExtras().newsGroups.size(), 2u);
    EXPECT_EQ(c.fc.GetExtras().newsGroups[1].View(), "alt.test");
    EXPECT_EQ(c.Line("Include document section(s) : Intro Summary"), kParsed);
    EXPECT_EQ(c.fc.GetExtras().documentSections.size(), 2u);
    EXPECT_EQ(c.Line("Link definition: \"IBM\" = \"http://www.ibm.com\" + \"\""), kParsed);
    EXPECT_EQ(c.fc.GetExtras().linkDefinitions.at(0).View(), "\"IBM\" = \"http://www.ibm.com\" + \"\"");
    EXPECT_EQ(c.Line("Text command: \"DELETE 3\""), kParsed);
    EXPECT_EQ(c.fc.GetExtras().textCommands.at(0).View(), "DELETE 3");
    EXPECT_EQ(c.Line("Heading level 1 = CHAPTER"), kParsed);
    EXPECT_TRUE(c.fc.GetExtras().headingStated);
    EXPECT_TRUE(c.messages.empty()) << "heading definitions need no colon";
}

TEST(PolicyLine, DefinitionAndBulletChars) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Definition Char : ':' (strong) '-' (weak)"), kParsed);
    EXPECT_EQ(c.fc.GetExtras().definitionChars, 1 | 4 | 2);
    EXPECT_EQ(c.Line("Definition Char : (none)"), kParsed);
    EXPECT_EQ(c.fc.GetExtras().definitionChars, 0);
    EXPECT_EQ(c.Line("Definition Char : '='"), kRejected);

    EXPECT_EQ(c.Line("Bullet Char : 'o'"), kParsed);
    EXPECT_TRUE(c.fc.IsSet(P::RecogniseOAsABullet));
    EXPECT_TRUE(c.fc.GetExtras().bulletChars.empty());
    for (char bullet : std::string("*+#@%&~")) {
        std::string line = "Bullet Char : '";
        line += bullet;
        line += "'";
        EXPECT_EQ(c.Line(line), kParsed);
    }
    EXPECT_EQ(c.Line("Bullet Char : '='"), kRejected) << "an eighth character is refused";
    EXPECT_EQ(c.fc.GetExtras().bulletChars.size(), 7u);
    EXPECT_EQ(c.Line("Bullet Char : none"), kParsed);
    EXPECT_TRUE(c.fc.GetExtras().bulletChars.empty());
}

TEST(PolicyLine, SpecialKeyInAValueDoesNotStealTheLine) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Document Title : Text command reference"), kParsed);
    EXPECT_EQ(c.fc.Text(P::DocumentTitle).View(), "Text command reference");
    EXPECT_TRUE(c.fc.GetExtras().textCommands.empty());
    EXPECT_EQ(c.Line("Document Keywords : Link definition, bullet char"), kParsed);
    EXPECT_EQ(c.fc.Text(P::DocumentKeywords).View(), "Link definition, bullet char");
}

TEST(PolicyLine, CommandLineRuleSet) {
    CapturedFC c;
    c.fc.ApplyCommandLineRuleSet("sec");
    EXPECT_EQ(c.fc.RuleSet(), kSec);
    EXPECT_EQ(c.fc.Value(P::CreateHyperlinks), 0) << "consolidated at once";
    EXPECT_TRUE(c.messages.empty());
    c.fc.ApplyCommandLineRuleSet("fancy");
    EXPECT_TRUE(c.Said("CTX.Command ERROR: Unrecognised RuleSet \"fancy\""));
}
