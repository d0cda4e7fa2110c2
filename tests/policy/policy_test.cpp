// Policy records: matching, the repeat rule, taking values by kind, writing, rule sets.
#include "policy/policy.h"

#include <gtest/gtest.h>

#include "policy/policy_test_support.h"

using namespace tabulyst;
using namespace tabulyst::testing;

namespace {

ValuePolicy& ValueRecord(FC& fc, P id) { return static_cast<ValuePolicy&>(fc.Record(id)); }

}  // namespace

TEST(PolicyMatch, KeyAtLineStartAnyCaseAndCollapsedBlanks) {
    CapturedFC c;
    c.Offer({{"My TAB size : 6", kUnclaimed},  // a key is never matched inside a line
             {"TAB-size : 6", kUnclaimed},
             {"tab   SIZE : 6", kParsed},
             {"Expect sparse tables in this file : Yes", kParsed}});  // only the start counts
    ExpectValues(c.fc, {{P::TabSize, 6}, {P::ExpectSparseTables, 1}});
}

TEST(PolicyRepeat, FirstValueWinsWithReportingOn) {
    CapturedFC c;
    c.Offer({{"TAB size : 4", kParsed}, {"TAB size : 6", kRejected}});
    EXPECT_TRUE(c.Said("POLICY: Ignoring repeated policy \\TAB size\\"));
    EXPECT_EQ(c.fc.Value(P::TabSize), 4);
    int group = 0;
    EXPECT_EQ(c.fc.ParsePolicyLine("TAB size : 6", group, false), kParsed);
    EXPECT_EQ(c.fc.Value(P::TabSize), 6) << "with reporting off a repeat replaces the value";
    EXPECT_EQ(group, 2);
}

TEST(PolicyValue, BooleanIntegerAndAlignment) {
    CapturedFC c;
    c.Offer({{"Expect sparse tables : 1", kRejected},
             {"Expect sparse tables : (none)", kRejected},  // (none) is no Boolean
             {"Break up long HTML lines : FALSE", kParsed},
             {"Default TABLE header rows : (none)", kParsed},
             {"List markup code : 5", kRejected},
             {"List markup code : 2", kParsed},
             {"Default TABLE alignment : middle", kRejected},
             {"Default TABLE cell alignment : (none)", kParsed}});
    EXPECT_TRUE(c.Said("ERROR: Don't understand policy value : 1"));
    EXPECT_TRUE(c.Said("POLICY: Ignored - Value 5 is outside allowed range (0:2)"));
    EXPECT_FALSE(c.fc.IsSet(P::ExpectSparseTables) || c.fc.IsSet(P::DefaultTableAlignment));
    EXPECT_FALSE(c.fc.IsSet(P::DefaultTableCellAlignment)) << "(none) leaves the set flag";
    EXPECT_TRUE(c.fc.IsSet(P::DefaultTableHeaderRows));
    ExpectValues(c.fc, {{P::BreakUpLongHtmlLines, 0},
                        {P::DefaultTableHeaderRows, -1},
                        {P::ListMarkupCode, 2},
                        {P::DefaultTableAlignment, 0}});
    for (const char* yes : {"YES", "true", "Yes"}) {
        CapturedFC y;
        EXPECT_EQ(y.Line(std::string("Expect sparse tables : ") + yes), kParsed);
        EXPECT_EQ(y.fc.Value(P::ExpectSparseTables), 1) << yes;
    }

    c.messages.clear();
    EXPECT_EQ(c.Line("TAB size : 8 spaces"), kRejected);
    EXPECT_TRUE(c.messages.empty()) << "a non-number is rejected without a message of its own";
    c.Offer({{"TAB size : 8 : 4", kRejected},  // everything after the first colon
             {"Page Width : " + std::string(2000, '7'), kRejected}});
    ExpectValues(c.fc, {{P::TabSize, 8}, {P::PageWidth, 80}});
    c.Offer({{"Page Width : -3", kParsed}, {"Default TABLE alignment : Centre", kParsed}});
    ExpectValues(c.fc, {{P::PageWidth, -3}, {P::DefaultTableAlignment, 2}});
    Apply(c.fc, {"Text justification : Right", "Text justification : middle"});
    EXPECT_EQ(c.fc.Value(P::TextJustification), 3) << "a rejected word keeps the earlier value";
}

TEST(PolicyValue, ColourFontAndText) {
    CapturedFC c;
    c.Offer({{"Default TABLE colour : Orange", kRejected},
             {"Text Colour : none", kParsed},
             {"Table font : Arial, Heavy, 12", kRejected},
             {"Output log filename : NONE", kParsed}});
    EXPECT_TRUE(c.Said("WARNING: \"Orange\" is not a standard HTML colour"));
    EXPECT_TRUE(c.Said("WARNING: \"Arial, Heavy, 12\" is not a valid font specification"));
    // A rejected colour stays stored, upper-cased as six letters are.
    ExpectTexts(c.fc, {{P::DefaultTableColour, "ORANGE"},
                       {P::TextColour, ""},
                       {P::TableFont, "Times New Roman, Regular, 12"},
                       {P::OutputLogFilename, ""}});
    EXPECT_FALSE(c.fc.IsSet(P::DefaultTableColour));
    EXPECT_TRUE(c.fc.IsSet(P::TextColour));
    c.Offer({{"Table font : Arial, Bold, 9", kParsed}, {"Document Keywords : a: b, c", kParsed}});
    ExpectTexts(c.fc, {{P::TableFont, "Arial, Bold, 9"}, {P::DocumentKeywords, "a: b, c"}});
}

TEST(PolicyValue, ChoiceFindAndTextOfEntries) {
    CapturedFC c;
    c.Offer({{"Paper size : A5", kRejected},
             {"Language (for proofing) : Spanish (Peurto Rico)", kParsed}});
    EXPECT_FALSE(c.fc.IsSet(P::PaperSize));
    ExpectValues(c.fc, {{P::PaperSize, 1}, {P::LanguageForProofing, 72}});
    c.Offer({{"Paper size : letter", kParsed}});
    EXPECT_EQ(c.fc.Value(P::PaperSize), 2);

    CapturedFC d;
    d.Offer({{"Paper size : (none)", kParsed},
             {"Language (for proofing) : none", kParsed},
             {"Language (for proofing) : (none)", kRejected}});             // a repeat
    ExpectValues(d.fc, {{P::PaperSize, -1}, {P::LanguageForProofing, 1}});  // None is an entry
    Apply(d.fc, {"Language (for proofing) : (none)"});
    EXPECT_EQ(d.fc.Value(P::LanguageForProofing), -1);

    int strict = 0;  // blanks and case do not matter
    EXPECT_TRUE(static_cast<ChoicePolicy&>(d.fc.Record(P::HtmlVersionToBeTargeted))
                    .FindChoice("  html   4.0  STRICT ", strict));
    EXPECT_EQ(strict, 3);
}

TEST(PolicyRuleSetValue, APolicyLineReplacesARuleSetValueAndSaysSo) {
    CapturedFC c;
    ValueRecord(c.fc, P::PageWidth).ApplyRuleSetValue(c.fc, 80, false);
    EXPECT_TRUE(c.fc.Record(P::PageWidth).IsSetByRuleSet());
    EXPECT_EQ(c.Line("Page  Width : 72"), kParsed);
    EXPECT_TRUE(c.Said("INFO: Ruleset overrided : Page Width : 72"));
    EXPECT_EQ(c.fc.Value(P::PageWidth), 72);
}
