// Consolidation: derived values, rule sets, target fonts, encodings and extensions.
#include <gtest/gtest.h>

#include "policy/fc.h"
#include "policy/policy_test_support.h"

using namespace tabulyst;
using tabulyst::testing::CapturedFC;

namespace {

// Applies lines as a command line or in-document policy would, then consolidates.
void Apply(FC& fc, std::initializer_list<const char*> lines) {
    int group = 0;
    for (const char* line : lines) fc.ParsePolicyLine(line, group, true);
    fc.Consolidate(false);
}

}  // namespace

TEST(Consolidate, LowerLimits) {
    FC fc;
    Apply(fc, {"TAB size : 1", "Automatic centring tolerance : 0"});
    EXPECT_EQ(fc.Value(P::TabSize), 4);
    EXPECT_EQ(fc.Value(P::AutomaticCentringTolerance), 2);
    FC two;
    Apply(two, {"TAB size : 2"});
    EXPECT_EQ(two.Value(P::TabSize), 2);
}

TEST(Consolidate, TitleUsesTheTagDelimiters) {
    FC fc;
    EXPECT_EQ(fc.Text(P::DocumentTitle).View(), "Converted from \"[[FILENAME]]\"");
    EXPECT_FALSE(fc.IsSet(P::DocumentTitle));
    Apply(fc, {"Start tag delimiter : {{", "End tag delimiter : }}"});
    EXPECT_EQ(fc.Text(P::DocumentTitle).View(), "Converted from \"{{FILENAME}}\"");
    FC stated;
    Apply(stated, {"Document Title : Prices", "Start tag delimiter : {{"});
    EXPECT_EQ(stated.Text(P::DocumentTitle).View(), "Prices");
}

TEST(Consolidate, OutputExtensionInItsOrder) {
    FC plain;
    EXPECT_EQ(plain.OutputExtension().View(), ".html");
    FC own;
    Apply(own, {"Output file extension : .xhtml"});
    EXPECT_EQ(own.OutputExtension().View(), ".xhtml");
    FC htm;
    Apply(htm, {"Output file extension : .xhtml", "Use .HTM extension : Yes"});
    EXPECT_EQ(htm.OutputExtension().View(), ".htm");
    FC dos;
    Apply(dos, {"Output file extension : .xhtml", "Use DOS filenames : Yes"});
    EXPECT_EQ(dos.OutputExtension().View(), ".HTM");
    EXPECT_EQ(dos.Value(P::UseHtmExtension), 1);

    ProgramSettings rtf;
    rtf.targetFormat = 1;
    dos.LinkSettings(&rtf);
    EXPECT_EQ(dos.OutputExtension().View(), ".rtf");
    ProgramSettings detag;
    detag.targetFormat = 2;
    dos.LinkSettings(&detag);
    EXPECT_EQ(dos.OutputExtension().View(), ".detag");
}

TEST(Consolidate, KeepItSimpleStatedTurnsTablesOff) {
    FC fc;
    Apply(fc, {"Keep it simple : Yes", "Expect Numbered bullets : Yes", "Expect Numbered Headings : Yes"});
    EXPECT_EQ(fc.Value(P::AttemptTableGeneration), 0);
    EXPECT_FALSE(fc.IsSet(P::AttemptTableGeneration));
    EXPECT_EQ(fc.Value(P::ExpectNumberedBullets), 1) << "stated values stay";
    EXPECT_EQ(fc.Value(P::ExpectAlphabeticBullets), 0);
    EXPECT_EQ(fc.Value(P::ExpectNumberedHeadings), 0) << "off even when stated";
    EXPECT_EQ(fc.Value(P::UseDlMarkupForDefnParas), 0);
    EXPECT_EQ(fc.Value(P::ExpectContentsList), 0);

    FC implied;
    implied.SetValue(P::KeepItSimple, 1, false);
    implied.Consolidate(false);
    EXPECT_EQ(implied.Value(P::AttemptTableGeneration), 1)
        << "only a stated Keep it simple stops tables";
    EXPECT_EQ(implied.Value(P::ExpectCapitalisedHeadings), 0);
}

TEST(Consolidate, EncodingsSwitchOffByteLevelAnalysis) {
    ProgramSettings settings;
    settings.dosCharacters = true;
    FC fc;
    fc.LinkSettings(&settings);
    Apply(fc, {"Character encoding : iso-8859-8", "Input file contains DOS characters : Yes",
               "Preserve line structure : No"});
    EXPECT_EQ(fc.Value(P::InputFileContainsDosCharacters), 0);
    EXPECT_EQ(fc.Value(P::InputFileContainsPclCodes), 0);
    EXPECT_FALSE(settings.dosCharacters);
    EXPECT_EQ(fc.Value(P::LookForDiagrams), 0);
    EXPECT_EQ(fc.Value(P::LookForIndentation), 0);
    EXPECT_EQ(fc.Value(P::PreserveLineStructure), 0) << "stated values stay";

    FC arabic;
    Apply(arabic, {"Character encoding : Windows-1256"});
    EXPECT_EQ(arabic.Value(P::PreserveLineStructure), 1);

    FC utf8;
    Apply(utf8, {"Character encoding : utf-8"});
    EXPECT_EQ(utf8.Value(P::LookForDiagrams), 0);
    EXPECT_EQ(utf8.Value(P::PreserveLineStructure), 0);

    FC western;
    Apply(western, {"Character encoding : ISO-8859-1", "Input file contains DOS characters : Yes"});
    EXPECT_EQ(western.Value(P::InputFileContainsDosCharacters), 1);
    EXPECT_EQ(western.Value(P::LookForDiagrams), 1);
}

TEST(Consolidate, RtfTargetFontsAndFixedPitchKey) {
    ProgramSettings settings;
    settings.targetFormat = 1;
    FC fc;
    Apply(fc, {"Table font : Arial, Bold, 9"});
    fc.LinkSettings(&settings);
    EXPECT_EQ(fc.Text(P::DefaultFont).View(), "Times New Roman, Regular, 10");
    EXPECT_EQ(fc.Text(P::HeadingFont).View(), "Arial, Regular, 10");
    EXPECT_EQ(fc.Text(P::TableOfContentsFont).View(), "Arial, Regular, 10");
    EXPECT_EQ(fc.Text(P::TableFont).View(), "Arial, Bold, 9") << "a stated font stays";
    EXPECT_EQ(fc.Text(P::FixedFont).View(), "Courier New, Regular, 8");
    EXPECT_EQ(fc.Record(P::FixedFont).Key().View(), "Fixed-pitch font");
    EXPECT_FALSE(fc.IsSet(P::FixedFont));
    EXPECT_EQ(fc.Value(P::BaseFontSizeInPts), 10);
    EXPECT_EQ(fc.Value(P::TextJustification), 4);
    EXPECT_EQ(fc.Value(P::SearchForDefinitions), 0);
    EXPECT_EQ(fc.Value(P::AddContentsList), 0);

    settings.targetFormat = 0;
    fc.Consolidate(false);
    EXPECT_EQ(fc.Record(P::FixedFont).Key().View(), "Fixed font");
    EXPECT_EQ(fc.Text(P::FixedFont).View(), "Courier New, Regular, 10");
    EXPECT_EQ(fc.Value(P::BaseFontSizeInPts), 12);
}

TEST(Consolidate, SecRuleSetKeepsExplicitValues) {
    CapturedFC c;
    Apply(c.fc, {"Rule set to be used : SEC", "Create hyperlinks : Yes", "Default TABLE cell padding : 4"});
    EXPECT_TRUE(c.Said("INFO: Ruleset overrided - Create hyperlinks : Yes"));
    EXPECT_TRUE(c.Said("INFO: Ruleset overrided - Default TABLE cell padding : 4"));
    const FC& fc = c.fc;
    EXPECT_EQ(fc.Value(P::CreateHyperlinks), 1);
    EXPECT_EQ(fc.Value(P::DefaultTableCellPadding), 4);
    EXPECT_EQ(fc.Value(P::DefaultTableCellSpacing), 0);
    EXPECT_TRUE(fc.Record(P::DefaultTableCellSpacing).IsSetByRuleSet());
    EXPECT_EQ(fc.Value(P::CreateMailtoLinks), 0);
    EXPECT_EQ(fc.Value(P::HtmlVersionToBeTargeted), 1);
    EXPECT_EQ(fc.Value(P::AttemptTableGeneration), 0);
    EXPECT_EQ(fc.Value(P::UseOfHtml40EntitiesCode), 0);
    EXPECT_EQ(fc.Value(P::BaseFontSizeInPts), 10);
    EXPECT_EQ(fc.Text(P::StartTagDelimiter).View(), "[_[");
    EXPECT_EQ(fc.Text(P::DocumentTitle).View(), "Converted from \"[_[FILENAME]_]\"");
    EXPECT_EQ(fc.GetExtras().indentPositions, std::vector<int>{0});

    const size_t said = c.messages.size();
    c.fc.Consolidate(false);
    EXPECT_EQ(c.messages.size(), said) << "a rule set applies once";
}

TEST(Consolidate, MerrillRuleSetAndRuleSetFromSettings) {
    FC merrill;
    Apply(merrill, {"Rule set to be used : merrill"});
    EXPECT_EQ(merrill.Value(P::HtmlVersionToBeTargeted), 2);
    EXPECT_EQ(merrill.Value(P::IndentationMarkupCode), 2);
    EXPECT_EQ(merrill.Value(P::UseIncrementalIndentationMarkup), 1);
    EXPECT_EQ(merrill.Value(P::CreateEmbeddedStyleSheet), 1);
    EXPECT_EQ(merrill.Value(P::UseOfMicrosoftEntitiesCode), -1);
    EXPECT_EQ(merrill.Value(P::CreateHyperlinks), 1);

    ProgramSettings settings;
    settings.ruleSet = 2;
    FC fromSettings;
    fromSettings.LinkSettings(&settings);
    EXPECT_EQ(fromSettings.RuleSet(), 2);
    EXPECT_EQ(fromSettings.Value(P::CreateHyperlinks), 0);

    CapturedFC unknown;
    unknown.fc.SetRuleSet(5, true);
    unknown.fc.Consolidate(false);
    EXPECT_TRUE(unknown.Said("UNSUPPORTED CASE: Unexpected Rule Set"));
    EXPECT_EQ(unknown.fc.Value(P::PageWidth), 80);
}

TEST(Consolidate, NavigationHeadingsAndHtml32) {
    FC fc;
    Apply(fc, {"Split level : 3"});
    EXPECT_EQ(fc.Value(P::AddNavigationBar), 1);
    EXPECT_EQ(fc.Value(P::ContentsAnchorsLevel), 3);
    FC stated;
    Apply(stated, {"Split level : 3", "Add navigation bar : No", "Contents anchors level : 1"});
    EXPECT_EQ(stated.Value(P::AddNavigationBar), 0);
    EXPECT_EQ(stated.Value(P::ContentsAnchorsLevel), 1);

    FC headings;
    Apply(headings, {"Smallest allowed <Hn> tag : 9", "Largest allowed <Hn> tag : 0"});
    EXPECT_EQ(headings.Value(P::SmallestAllowedHnTag), 6);
    EXPECT_EQ(headings.Value(P::LargestAllowedHnTag), 1);
    FC crossed;
    Apply(crossed, {"Smallest allowed <Hn> tag : 2", "Largest allowed <Hn> tag : 5"});
    EXPECT_EQ(crossed.Value(P::SmallestAllowedHnTag), 3);
    EXPECT_EQ(crossed.Value(P::LargestAllowedHnTag), 3);

    CapturedFC html32;
    Apply(html32.fc, {"HTML version to be targeted : HTML 3.2", "Indentation markup code : 2",
                      "Use incremental indentation markup : Yes", "Use of HTML 4.0 entities code : 1"});
    EXPECT_TRUE(html32.Said(
        "WARNING: Indentation pattern 2 not supported in HTML 3.2.  Switching to BLOCKQUOTEs"));
    EXPECT_EQ(html32.fc.Value(P::UseIncrementalIndentationMarkup), 0);
    EXPECT_EQ(html32.fc.Value(P::UseOfHtml40EntitiesCode), 0);
}
