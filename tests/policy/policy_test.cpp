// Policy records: matching, the repeat rule, taking values by kind, writing, rule sets.
#include "policy/policy.h"

#include <gtest/gtest.h>

#include "policy/policy_test_support.h"

using namespace tabulyst;
using tabulyst::testing::CapturedFC;
using tabulyst::testing::Lines;

TEST(PolicyMatch, KeyAtLineStartAnyCaseAndCollapsedBlanks) {
    CapturedFC c;
    EXPECT_EQ(c.Line("tab   SIZE : 6"), kParsed);
    EXPECT_EQ(c.fc.Value(P::TabSize), 6);
    CapturedFC d;
    EXPECT_EQ(d.Line("Expect sparse tables in this file : Yes"), kParsed)
        << "only the start of the line is compared";
    EXPECT_EQ(d.fc.Value(P::ExpectSparseTables), 1);
    CapturedFC e;
    EXPECT_EQ(e.Line("My TAB size : 6"), kUnclaimed) << "a key is never matched inside a line";
    EXPECT_EQ(e.Line("TAB-size : 6"), kUnclaimed);
    EXPECT_EQ(e.fc.Value(P::TabSize), 8);
}

TEST(PolicyMatch, EmptyKeyIsAProgramError) {
    CapturedFC c;
    c.fc.Record(P::PageWidth).SetKey("");
    c.Line("Page Width : 60");
    EXPECT_TRUE(c.Said("PROGRAM ERROR: Missing Int policy text"));
    EXPECT_EQ(c.fc.Value(P::PageWidth), 80);
}

TEST(PolicyRepeat, FirstValueWinsWithReportingOn) {
    CapturedFC c;
    EXPECT_EQ(c.Line("TAB size : 4"), kParsed);
    EXPECT_EQ(c.Line("TAB size : 6"), kRejected);
    EXPECT_TRUE(c.Said("POLICY: Ignoring repeated policy \\TAB size\\"));
    EXPECT_EQ(c.fc.Value(P::TabSize), 4);

    int group = 0;
    EXPECT_EQ(c.fc.ParsePolicyLine("TAB size : 6", group, false), kParsed);
    EXPECT_EQ(c.fc.Value(P::TabSize), 6) << "with reporting off a repeat replaces the value";
    EXPECT_EQ(group, 2);
}

TEST(PolicyRepeat, ThreeKeysRepeatSilently) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Use .HTM extension : Yes"), kParsed);
    EXPECT_EQ(c.Line("Use .HTM extension : No"), kParsed);
    EXPECT_EQ(c.Line("Make Directory : Yes"), kParsed);
    EXPECT_EQ(c.Line("Make Directory : No"), kParsed);
    EXPECT_TRUE(c.messages.empty());
    EXPECT_EQ(c.fc.Value(P::UseHtmExtension), 1);
    EXPECT_EQ(c.fc.Value(P::MakeDirectory), 1);
}

TEST(PolicyRepeat, FileValueOverridesRuleSetValue) {
    CapturedFC c;
    auto& record = static_cast<ValuePolicy&>(c.fc.Record(P::PageWidth));
    record.ApplyRuleSetValue(c.fc, 80, false);
    EXPECT_EQ(c.Line("Page  Width : 72"), kParsed);
    EXPECT_TRUE(c.Said("INFO: Ruleset overrided : Page Width : 72"));
    EXPECT_EQ(c.fc.Value(P::PageWidth), 72);
}

TEST(PolicyBoolean, YesTrueNoFalseOnly) {
    for (const char* yes : {"YES", "true", "Yes"}) {
        CapturedFC c;
        EXPECT_EQ(c.Line(std::string("Expect sparse tables : ") + yes), kParsed);
        EXPECT_EQ(c.fc.Value(P::ExpectSparseTables), 1) << yes;
    }
    CapturedFC c;
    EXPECT_EQ(c.Line("Expect sparse tables : 1"), kRejected);
    EXPECT_TRUE(c.Said("ERROR: Don't understand policy value : 1"));
    EXPECT_EQ(c.Line("Expect sparse tables : (none)"), kRejected) << "(none) is no Boolean";
    EXPECT_FALSE(c.fc.IsSet(P::ExpectSparseTables));
    EXPECT_EQ(c.Line("Break up long HTML lines : FALSE"), kParsed);
    EXPECT_EQ(c.fc.Value(P::BreakUpLongHtmlLines), 0);
}

TEST(PolicyInteger, NoneRangeAndNonNumbers) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Default TABLE header rows : (none)"), kParsed);
    EXPECT_EQ(c.fc.Value(P::DefaultTableHeaderRows), -1);
    EXPECT_TRUE(c.fc.IsSet(P::DefaultTableHeaderRows));

    EXPECT_EQ(c.Line("List markup code : 5"), kRejected);
    EXPECT_TRUE(c.Said("POLICY: Ignored - Value 5 is outside allowed range (0:2)"));
    EXPECT_EQ(c.fc.Value(P::ListMarkupCode), 0);
    EXPECT_EQ(c.Line("List markup code : 2"), kParsed);

    c.messages.clear();
    EXPECT_EQ(c.Line("TAB size : 8 spaces"), kRejected);
    EXPECT_TRUE(c.messages.empty()) << "a non-number is rejected without a message of its own";
    EXPECT_EQ(c.fc.Value(P::TabSize), 8);
    EXPECT_EQ(c.Line("TAB size : 8 : 4"), kRejected) << "everything after the first colon";
    EXPECT_EQ(c.Line("Page Width : " + std::string(2000, '7')), kRejected);
    EXPECT_EQ(c.fc.Value(P::PageWidth), 80);
    EXPECT_EQ(c.Line("Page Width : -3"), kParsed);
    EXPECT_EQ(c.fc.Value(P::PageWidth), -3);
}

TEST(PolicyAlignment, FirstLetterDecides) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Default TABLE alignment : Centre"), kParsed);
    EXPECT_EQ(c.fc.Value(P::DefaultTableAlignment), 2);
    CapturedFC d;
    EXPECT_EQ(d.Line("Default TABLE alignment : middle"), kRejected);
    EXPECT_EQ(d.fc.Value(P::DefaultTableAlignment), 0);
    EXPECT_FALSE(d.fc.IsSet(P::DefaultTableAlignment));
    EXPECT_EQ(d.Line("Default TABLE cell alignment : (none)"), kParsed);
    EXPECT_FALSE(d.fc.IsSet(P::DefaultTableCellAlignment)) << "(none) leaves the set flag";

    int group = 0;
    d.fc.ParsePolicyLine("Text justification : Right", group, false);
    d.fc.ParsePolicyLine("Text justification : middle", group, false);
    EXPECT_EQ(d.fc.Value(P::TextJustification), 3) << "a rejected word keeps the earlier value";
}

TEST(PolicyColour, NormalisedOrWarnedAndKept) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Default TABLE colour : ff0000"), kParsed);
    EXPECT_EQ(c.fc.BaseConfig().Text(P::DefaultTableColour).View(), "Red");
    CapturedFC d;
    EXPECT_EQ(d.Line("Default TABLE colour : Orange"), kRejected);
    EXPECT_TRUE(d.Said("WARNING: \"Orange\" is not a standard HTML colour"));
    EXPECT_EQ(d.fc.Text(P::DefaultTableColour).View(), "ORANGE")
        << "the text stays stored, upper-cased as six letters are";
    EXPECT_FALSE(d.fc.IsSet(P::DefaultTableColour));
    EXPECT_EQ(d.Line("Text Colour : none"), kParsed);
    EXPECT_TRUE(d.fc.Text(P::TextColour).Empty());
    EXPECT_TRUE(d.fc.IsSet(P::TextColour));
}

TEST(PolicyFont, InvalidSpecificationKeepsValue) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Table font : Arial, Heavy, 12"), kRejected);
    EXPECT_TRUE(c.Said("WARNING: \"Arial, Heavy, 12\" is not a valid font specification"));
    EXPECT_EQ(c.fc.Text(P::TableFont).View(), "Times New Roman, Regular, 12");
    EXPECT_EQ(c.Line("Table font : Arial, Bold, 9"), kParsed);
    EXPECT_EQ(c.fc.Text(P::TableFont).View(), "Arial, Bold, 9");
}

TEST(PolicyText, NoneEmptiesAndAnythingElseIsTaken) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Document Keywords : a: b, c"), kParsed);
    EXPECT_EQ(c.fc.Text(P::DocumentKeywords).View(), "a: b, c");
    EXPECT_EQ(c.Line("Output log filename : NONE"), kParsed);
    EXPECT_TRUE(c.fc.Text(P::OutputLogFilename).Empty());
}

TEST(PolicyChoice, FindAndTextOfEntries) {
    CapturedFC c;
    EXPECT_EQ(c.Line("Paper size : letter"), kParsed);
    EXPECT_EQ(c.fc.Value(P::PaperSize), 2);
    EXPECT_EQ(c.Line("Language (for proofing) : Spanish (Peurto Rico)"), kParsed);
    EXPECT_EQ(c.fc.Value(P::LanguageForProofing), 72);

    CapturedFC d;
    EXPECT_EQ(d.Line("Paper size : A5"), kRejected);
    EXPECT_EQ(d.fc.Value(P::PaperSize), 1);
    EXPECT_FALSE(d.fc.IsSet(P::PaperSize));
    EXPECT_EQ(d.Line("Paper size : (none)"), kParsed);
    EXPECT_EQ(d.fc.Value(P::PaperSize), -1);
    EXPECT_EQ(d.Line("Language (for proofing) : none"), kParsed);
    EXPECT_EQ(d.fc.Value(P::LanguageForProofing), 1) << "the entry None is a value of its own";
    EXPECT_EQ(d.Line("Language (for proofing) : (none)"), kRejected) << "a repeat";
    int group = 0;
    d.fc.ParsePolicyLine("Language (for proofing) : (none)", group, false);
    EXPECT_EQ(d.fc.Value(P::LanguageForProofing), -1);

    auto& version = static_cast<ChoicePolicy&>(d.fc.Record(P::HtmlVersionToBeTargeted));
    int index = 0;
    EXPECT_TRUE(version.FindChoice("  html   4.0  STRICT ", index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(version.FindChoice("HTML 5", index));
    EXPECT_EQ(index, -1);

    TextString text;
    version.SetValue(2);
    EXPECT_TRUE(version.ChoiceText(text));
    EXPECT_EQ(text.View(), "HTML 4.0 Transitional");
    version.SetValue(-1);
    EXPECT_TRUE(version.ChoiceText(text));
    EXPECT_EQ(text.View(), "(none)");
    for (int bad : {0, 4}) {
        version.SetValue(bad);
        EXPECT_FALSE(version.ChoiceText(text));
        EXPECT_EQ(text.View(), "(none)");
    }
}

TEST(PolicyWrite, KeyPaddedToColumn34) {
    CapturedFC c;
    Lines out;
    c.fc.Record(P::TabSize).Write(out, false);
    EXPECT_TRUE(out.lines.empty()) << "an unset record writes nothing unless all are written";
    c.fc.Record(P::TabSize).Write(out, true);
    c.fc.Record(P::DefaultTableDelimiterCharacter).Write(out, true);
    c.fc.Record(P::UseIncrementalIndentationMarkup).Write(out, true);
    c.fc.Record(P::InputFileContainsJapaneseCharacters).Write(out, true);
    ASSERT_EQ(out.lines.size(), 4u);
    EXPECT_EQ(out.lines[0], "TAB size" + std::string(26, ' ') + ": 8");
    EXPECT_EQ(out.lines[1], "Default TABLE delimiter character : (none)");
    EXPECT_EQ(out.lines[2], "Use incremental indentation markup  : No");
    EXPECT_EQ(out.lines[3], "Input file contains Japanese characters  : No");
}

TEST(PolicyWrite, ValueTextsByKind) {
    CapturedFC c;
    int group = 0;
    for (const char* line : {"Default TABLE border size : 0", "Use of Microsoft entities code : -1",
                             "Default TABLE alignment : right", "Paper size : Legal",
                             "Colour data rows : yes", "Default TABLE header rows : 3"})
        c.fc.ParsePolicyLine(line, group, false);
    auto text = [&](P id) { return c.fc.Record(id).ValueText().Str(); };
    EXPECT_EQ(text(P::DefaultTableBorderSize), "(none)") << "optional integers below 1";
    EXPECT_EQ(text(P::UseOfMicrosoftEntitiesCode), "-1");
    EXPECT_EQ(text(P::DefaultTableAlignment), "right");
    EXPECT_EQ(text(P::DefaultTableCellAlignment), "(none)");
    EXPECT_EQ(text(P::PaperSize), "Legal");
    EXPECT_EQ(text(P::ColourDataRows), "Yes");
    EXPECT_EQ(text(P::DefaultTableHeaderRows), "3");
    EXPECT_EQ(text(P::DefaultTableDelimiterCharacter), "(none)");
    static_cast<ValuePolicy&>(c.fc.Record(P::TextJustification)).SetValue(4);
    EXPECT_EQ(text(P::TextJustification), "justified");
    static_cast<ValuePolicy&>(c.fc.Record(P::TextJustification)).SetValue(9);
    EXPECT_EQ(text(P::TextJustification), "(none)");
}

TEST(PolicyRuleSetValue, ExplicitValuesStayAndSaySo) {
    CapturedFC c;
    int group = 0;
    for (const char* line : {"Create hyperlinks : Yes", "Page Width : 72", "Start tag delimiter : <<",
                             "HTML version to be targeted : HTML 3.2", "Text justification : right"})
        c.fc.ParsePolicyLine(line, group, false);
    static_cast<ValuePolicy&>(c.fc.Record(P::CreateHyperlinks)).ApplyRuleSetValue(c.fc, 0, false);
    static_cast<ValuePolicy&>(c.fc.Record(P::PageWidth)).ApplyRuleSetValue(c.fc, 80, false);
    static_cast<TextPolicy&>(c.fc.Record(P::StartTagDelimiter)).ApplyRuleSetValue(c.fc, "[_[", false);
    static_cast<ChoicePolicy&>(c.fc.Record(P::HtmlVersionToBeTargeted)).ApplyRuleSetValue(c.fc, 2, false);
    static_cast<ValuePolicy&>(c.fc.Record(P::TextJustification)).ApplyRuleSetValue(c.fc, 4, false);
    EXPECT_EQ(c.messages, (std::vector<std::string>{
                              "INFO: Ruleset overrided - Create hyperlinks : Yes",
                              "INFO: Ruleset overrided - Page Width : 72",
                              "INFO: Ruleset overrided - Start tag delimiter : \"<<\"",
                              "INFO: Ruleset overrided - HTML version to be targeted : \"1\"",
                              "INFO: Ruleset overrided - Text justification : \"3\"",
                          }));
    EXPECT_EQ(c.fc.Value(P::CreateHyperlinks), 1);
    EXPECT_TRUE(c.fc.Record(P::CreateHyperlinks).IsSetByRuleSet());

    c.messages.clear();
    static_cast<ValuePolicy&>(c.fc.Record(P::CreateHyperlinks)).ApplyRuleSetValue(c.fc, 0, false);
    EXPECT_TRUE(c.messages.empty()) << "a rule set speaks once per policy";
    static_cast<ValuePolicy&>(c.fc.Record(P::CreateHyperlinks)).ApplyRuleSetValue(c.fc, 0, true);
    EXPECT_EQ(c.fc.Value(P::CreateHyperlinks), 0) << "force replaces an explicit value";
}

TEST(PolicyRuleSetValue, QuietWithoutReportingAndTakenWhenUnset) {
    CapturedFC c;
    c.fc.reporting = false;
    int group = 0;
    c.fc.ParsePolicyLine("Page Width : 72", group, false);
    static_cast<ValuePolicy&>(c.fc.Record(P::PageWidth)).ApplyRuleSetValue(c.fc, 80, false);
    EXPECT_TRUE(c.messages.empty());
    EXPECT_EQ(c.fc.Value(P::PageWidth), 72);

    auto& spacing = static_cast<ValuePolicy&>(c.fc.Record(P::DefaultTableCellSpacing));
    spacing.ApplyRuleSetValue(c.fc, 0, false);
    EXPECT_EQ(spacing.Value(), 0);
    EXPECT_TRUE(spacing.IsSet());
    EXPECT_TRUE(spacing.IsSetByRuleSet());
}

TEST(PolicyCopy, OnlySetValuesTravel) {
    CapturedFC from, to;
    int group = 0;
    from.fc.ParsePolicyLine("TAB size : 3", group, false);
    to.fc.ParsePolicyLine("Page Width : 60", group, false);
    to.fc.Record(P::TabSize).CopyFrom(from.fc.Record(P::TabSize), false);
    to.fc.Record(P::PageWidth).CopyFrom(from.fc.Record(P::PageWidth), true);
    EXPECT_EQ(to.fc.Value(P::TabSize), 3);
    EXPECT_FALSE(to.fc.IsSet(P::TabSize)) << "flags travel only when asked";
    EXPECT_EQ(to.fc.Value(P::PageWidth), 60) << "an unset value never overwrites";
    to.fc.Record(P::TabSize).CopyFrom(from.fc.Record(P::TabSize), true);
    EXPECT_TRUE(to.fc.IsSet(P::TabSize));
}
