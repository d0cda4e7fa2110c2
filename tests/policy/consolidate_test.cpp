// Consolidation: derived values, rule sets, target fonts, encodings and extensions.
#include <gtest/gtest.h>

#include "policy/fc.h"
#include "policy/policy_test_support.h"

using namespace tabulyst;
using namespace tabulyst::testing;

namespace {

// Applies lines as a command line or in-document policy would, then consolidates.
void Consolidated(FC& fc, std::initializer_list<std::string_view> lines) {
    Apply(fc, lines, true);
    fc.Consolidate(false);
}

}  // namespace

TEST(Consolidate, LowerLimitsAndTitleDelimiters) {
    FC fc;
    EXPECT_EQ(fc.Text(P::DocumentTitle).View(), "Converted from \"[[FILENAME]]\"");
    EXPECT_FALSE(fc.IsSet(P::DocumentTitle));
    Consolidated(fc, {"TAB size : 1", "Automatic centring tolerance : 0",
                      "Start tag delimiter : {{", "End tag delimiter : }}"});
    ExpectValues(fc, {{P::TabSize, 4}, {P::AutomaticCentringTolerance, 2}});
    EXPECT_EQ(fc.Text(P::DocumentTitle).View(), "Converted from \"{{FILENAME}}\"");
    FC stated;
    Consolidated(stated, {"TAB size : 2", "Document Title : Prices", "Start tag delimiter : {{"});
    EXPECT_EQ(stated.Value(P::TabSize), 2);
    EXPECT_EQ(stated.Text(P::DocumentTitle).View(), "Prices");
}

TEST(Consolidate, OutputExtensionInItsOrder) {
    FC plain, own, htm, dos;
    Consolidated(own, {"Output file extension : .xhtml"});
    Consolidated(htm, {"Output file extension : .xhtml", "Use .HTM extension : Yes"});
    Consolidated(dos, {"Output file extension : .xhtml", "Use DOS filenames : Yes"});
    EXPECT_EQ(plain.OutputExtension().View(), ".html");
    EXPECT_EQ(own.OutputExtension().View(), ".xhtml");
    EXPECT_EQ(htm.OutputExtension().View(), ".htm");
    EXPECT_EQ(dos.OutputExtension().View(), ".HTM");
    EXPECT_EQ(dos.Value(P::UseHtmExtension), 1);
    ProgramSettings rtf;
    rtf.target = OutputFormat::Rtf;
    dos.LinkSettings(&rtf);
    EXPECT_EQ(dos.OutputExtension().View(), ".rtf");
}

TEST(Consolidate, KeepItSimpleStatedTurnsTablesOff) {
    FC fc;
    Consolidated(fc, {"Keep it simple : Yes", "Expect Numbered bullets : Yes",
                      "Expect Numbered Headings : Yes"});
    EXPECT_FALSE(fc.IsSet(P::AttemptTableGeneration));
    EXPECT_EQ(fc.Value(P::ExpectNumberedBullets), 1) << "stated values stay";
    EXPECT_EQ(fc.Value(P::ExpectNumberedHeadings), 0) << "off even when stated";
    EXPECT_EQ(fc.Value(P::AttemptTableGeneration), 0);

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
    Consolidated(fc, {"Character encoding : iso-8859-8", "Input file contains DOS characters : Yes",
                      "Preserve line structure : No"});
    EXPECT_FALSE(settings.dosCharacters);
    EXPECT_EQ(fc.Value(P::PreserveLineStructure), 0) << "stated values stay";
    ExpectValues(fc, {{P::InputFileContainsDosCharacters, 0}, {P::LookForDiagrams, 0}});

    FC arabic, utf8, western;
    Consolidated(arabic, {"Character encoding : Windows-1256"});
    EXPECT_EQ(arabic.Value(P::PreserveLineStructure), 1);
    Consolidated(utf8, {"Character encoding : utf-8"});
    ExpectValues(utf8, {{P::LookForDiagrams, 0}, {P::PreserveLineStructure, 0}});
    Consolidated(western,
                 {"Character encoding : ISO-8859-1", "Input file contains DOS characters : Yes"});
    ExpectValues(western, {{P::InputFileContainsDosCharacters, 1}, {P::LookForDiagrams, 1}});
}

TEST(Consolidate, RtfTargetFontsAndFixedPitchKey) {
    ProgramSettings settings;
    settings.target = OutputFormat::Rtf;
    FC fc;
    Consolidated(fc, {"Table font : Arial, Bold, 9"});
    fc.LinkSettings(&settings);
    EXPECT_EQ(fc.Text(P::TableFont).View(), "Arial, Bold, 9") << "a stated font stays";
    ExpectTexts(fc, {{P::DefaultFont, "Times New Roman, Regular, 10"},
                     {P::FixedFont, "Courier New, Regular, 8"}});
    EXPECT_EQ(fc.Record(P::FixedFont).Key().View(), "Fixed-pitch font");
    EXPECT_FALSE(fc.IsSet(P::FixedFont));
    ExpectValues(fc, {{P::BaseFontSizeInPts, 10}, {P::TextJustification, 4}});
}

TEST(Consolidate, RuleSetsKeepExplicitValuesAndApplyOnce) {
    CapturedFC c;
    Consolidated(c.fc, {"Rule set to be used : SEC", "Create hyperlinks : Yes",
                        "Default TABLE cell padding : 4"});
    EXPECT_TRUE(c.Said("INFO: Ruleset overrided - Create hyperlinks : Yes"));
    ExpectValues(c.fc, {{P::CreateHyperlinks, 1},
                        {P::DefaultTableCellPadding, 4},
                        {P::DefaultTableCellSpacing, 0}});
    EXPECT_TRUE(c.fc.Record(P::DefaultTableCellSpacing).IsSetByRuleSet());
    // Values that follow from others are derived again from the rule set's.
    EXPECT_EQ(c.fc.Text(P::DocumentTitle).View(), "Converted from \"[_[FILENAME]_]\"");
    const size_t said = c.messages.size();
    c.fc.Consolidate(false);
    EXPECT_EQ(c.messages.size(), said) << "a rule set applies once";

    ProgramSettings settings;  // the front end's rule set
    settings.ruleSet = kSec;
    FC fromSettings;
    fromSettings.LinkSettings(&settings);
    EXPECT_EQ(fromSettings.RuleSet(), kSec);
    EXPECT_EQ(fromSettings.Value(P::CreateHyperlinks), 0);
}

TEST(Consolidate, NavigationHeadingsAndHtml32) {
    FC fc, stated, headings, crossed;
    Consolidated(fc, {"Split level : 3"});
    ExpectValues(fc, {{P::AddNavigationBar, 1}, {P::ContentsAnchorsLevel, 3}});
    Consolidated(stated,
                 {"Split level : 3", "Add navigation bar : No", "Contents anchors level : 1"});
    ExpectValues(stated, {{P::AddNavigationBar, 0}, {P::ContentsAnchorsLevel, 1}});
    Consolidated(headings, {"Smallest allowed <Hn> tag : 9", "Largest allowed <Hn> tag : 0"});
    ExpectValues(headings, {{P::SmallestAllowedHnTag, 6}, {P::LargestAllowedHnTag, 1}});
    Consolidated(crossed, {"Smallest allowed <Hn> tag : 2", "Largest allowed <Hn> tag : 5"});
    ExpectValues(crossed, {{P::SmallestAllowedHnTag, 3}, {P::LargestAllowedHnTag, 3}});

    CapturedFC html32;
    Consolidated(html32.fc,
                 {"HTML version to be targeted : HTML 3.2", "Indentation markup code : 2",
                  "Use incremental indentation markup : Yes", "Use of HTML 4.0 entities code : 1"});
    EXPECT_TRUE(html32.Said(
        "WARNING: Indentation pattern 2 not supported in HTML 3.2.  Switching to BLOCKQUOTEs"));
    ExpectValues(html32.fc,
                 {{P::UseIncrementalIndentationMarkup, 0}, {P::UseOfHtml40EntitiesCode, 0}});
}
