// Saving a policy set: the layout to the column, sections and their order, the fixed
// lines, and reading a saved file back.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "policy/fc.h"
#include "policy/policy_test_support.h"

using namespace tabulyst;
using tabulyst::testing::CapturedFC;
using tabulyst::testing::Lines;

namespace {

std::vector<std::string> Save(const FC& fc, bool writeAll) {
    Lines out;
    fc.SavePolicyFile(out, writeAll);
    return out.lines;
}

void Apply(FC& fc, std::initializer_list<const char*> lines) {
    int group = 0;
    for (const char* line : lines) fc.ParsePolicyLine(line, group, false);
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string WriteFile(const std::string& name, const std::vector<std::string>& lines) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream file(path);
    for (const std::string& line : lines) file << line << '\n';
    return path;
}

}  // namespace

TEST(PolicySave, ChangedOnlyWritesSetPoliciesInTheirSections) {
    FC fc;
    EXPECT_TRUE(Save(fc, false).empty()) << "no section without a set policy";
    Apply(fc, {"Default TABLE border size : 2", "TAB size : 6"});
    EXPECT_EQ(Save(fc, false), (std::vector<std::string>{
                                   "",
                                   "[General Analysis]",
                                   "",
                                   "TAB size                          : 6",
                                   "",
                                   "[Table generation]",
                                   "",
                                   "Default TABLE border size         : 2",
                               }));
}

TEST(PolicySave, RuleSetLineComesFirst) {
    CapturedFC c;
    Apply(c.fc, {"Rule set to be used : Merrill"});
    EXPECT_EQ(Save(c.fc, false), (std::vector<std::string>{
                                     "", "[Rule Set]", "", "Rule set to be used              : Merrill"}));
    c.fc.SetRuleSet(7, true);
    EXPECT_EQ(Save(c.fc, false), (std::vector<std::string>{"", "[Rule Set]", ""}));
    EXPECT_TRUE(c.Said("UNSUPPORTED CASE: Unexpected Rule Set"));
}

TEST(PolicySave, WriteAllSectionsInOrderWithFixedLines) {
    FC fc;
    const std::vector<std::string> lines = Save(fc, true);
    std::vector<std::string> headers;
    for (const std::string& line : lines)
        if (!line.empty() && line.front() == '[') headers.push_back(line);
    EXPECT_EQ(headers, (std::vector<std::string>{
                           "[Rule Set]", "[Messages]", "[Merrill]", "[Tagging]", "[General Analysis]",
                           "[Bullets]", "[Headings]", "[Pre-formatted text]", "[Added HTML]",
                           "[Added RTF]", "[Composition Units]", "[Frames]", "[Hyperlinks]",
                           "[File generation]", "[Contents]", "[Directory Page]", "[Preprocessor]",
                           "[Style]", "[Page Formatting]", "[Table generation]", "[Link Dictionary]",
                           "[Text Substitution]"}));
    for (const char* fixed : {"Rule set to be used              : (none)",
                              "Bullet Char                      : (none)",
                              "Hanging paragraph position(s)    : (none)",
                              "Definition Char                  : (none)",
                              "Recognised USENET groups         : (none)",
                              "Include document section(s)      : (none)"})
        EXPECT_TRUE(Has(lines, fixed)) << fixed;
    EXPECT_TRUE(Has(lines, "Default TABLE odd row colour      : F0F0F0"));
    EXPECT_TRUE(Has(lines, "Link Dictionary file              : (none)"));
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find("Input directory"), std::string::npos);
        EXPECT_EQ(line.find("Default TABLE caption"), std::string::npos);
        EXPECT_EQ(line.find("Display messages"), std::string::npos);
    }
}

TEST(PolicySave, FixedLinesWithValues) {
    FC fc;
    Apply(fc, {"Definition Char : '-' strong", "Bullet Char : '*'", "Bullet Char : '+'",
               "Indent position(s) : 0 4", "Recognised USENET groups : comp.lang.c alt.test",
               "Link definition: \"IBM\" = \"http://www.ibm.com\" + \"\"",
               "Text command: \"DELETE 3\""});
    const std::vector<std::string> lines = Save(fc, false);
    EXPECT_TRUE(Has(lines, "Definition Char                  : '-' (strong) "));
    EXPECT_TRUE(Has(lines, "Bullet Char                      : '*' '+'"));
    EXPECT_TRUE(Has(lines, "Indent position(s)               : 0 4"));
    EXPECT_TRUE(Has(lines, "Recognised USENET groups         : comp.lang.c alt.test"));
    EXPECT_TRUE(Has(lines, "Link definition: \"IBM\" = \"http://www.ibm.com\" + \"\""));
    EXPECT_TRUE(Has(lines, "Text command: \"DELETE 3\""));
    EXPECT_FALSE(Has(lines, "Hanging paragraph position(s)    : (none)")) << "not stated";

    FC weak;
    Apply(weak, {"Definition Char : ':' '-'"});
    const std::vector<std::string> both = Save(weak, false);
    EXPECT_TRUE(Has(both, "Definition Char                  : '-' (weak)"));
    EXPECT_TRUE(Has(both, "Definition Char                  : ':' (weak) "));
}

TEST(PolicySave, WriteAllReadsBackIntoAFreshSet) {
    CapturedFC quiet;
    FC& source = quiet.fc;
    Apply(source, {"TAB size : 6", "Default TABLE header rows : 0", "Default TABLE alignment : right",
                   "Paper size : Legal", "Document Title : Prices: 2024", "Table font : Arial, Bold, 9",
                   "Use of Microsoft entities code : -1", "Default TABLE colour : Cyan",
                   "Character encoding : utf-8", "Expect sparse tables : yes"});
    source.Consolidate(false);
    const std::string path = WriteFile("tabulyst_write_all.pol", Save(source, true));

    CapturedFC target;
    EXPECT_FALSE(LoadPolicyFile(target.fc, path)) << "the rejected colour is reported as ignored";
    EXPECT_EQ(target.messages, (std::vector<std::string>{
                                   "WARNING: \"Cyan\" is not a standard HTML colour",
                                   "POLICY: Ignored - \\Default TABLE colour : Cyan\\"}))
        << "a colour that failed the check draws the warning again";

    // Differences that follow from the value rules themselves.
    const std::set<P> notSet = {P::DefaultTableCellAlignment, P::DefaultTableColour, P::LinkDictionaryFile};
    const std::set<P> optionalZero = {P::DefaultTableBorderSize, P::DefaultTableHeaderRows,
                                      P::DefaultTableHeaderCols, P::MaximumLevelToShowInContents,
                                      P::CrossRefsAtLevel};
    for (const PolicyDef& def : Catalogue()) {
        if (!def.written()) continue;
        SCOPED_TRACE(def.key);
        EXPECT_EQ(target.fc.IsSet(def.id), !notSet.count(def.id));
        if (def.isTextKind()) {
            std::string expected = source.Text(def.id).Str();
            if (expected == "F0F0F0" || expected == "E0F0E0") expected = "#" + expected;
            EXPECT_EQ(target.fc.Text(def.id).View(), expected);
        } else if (optionalZero.count(def.id) && source.Value(def.id) == 0) {
            EXPECT_EQ(target.fc.Value(def.id), -1);
        } else {
            EXPECT_EQ(target.fc.Value(def.id), source.Value(def.id));
        }
    }
    EXPECT_EQ(target.fc.Value(P::DefaultTableHeaderRows), -1);
    EXPECT_EQ(target.fc.Text(P::DocumentTitle).View(), "Prices: 2024");
}

TEST(PolicySave, FixedPitchFontKeyFollowsTheTarget) {
    ProgramSettings rtf;
    rtf.targetFormat = 1;
    FC source;
    source.LinkSettings(&rtf);
    const std::vector<std::string> lines = Save(source, true);
    EXPECT_TRUE(Has(lines, "Fixed-pitch font                  : Courier New, Regular, 8"));
    EXPECT_TRUE(Has(lines, "Base FONT Size in pts             : 10"));
    const std::string path = WriteFile("tabulyst_rtf_fonts.pol", lines);

    FC rtfTarget;
    rtfTarget.LinkSettings(&rtf);
    EXPECT_TRUE(LoadPolicyFile(rtfTarget, path));
    EXPECT_TRUE(rtfTarget.IsSet(P::FixedFont));

    CapturedFC htmlTarget;
    EXPECT_FALSE(LoadPolicyFile(htmlTarget.fc, path));
    EXPECT_TRUE(htmlTarget.Said("POLICY: Ignored - \\Fixed-pitch font : Courier New, Regular, 8\\"));
    EXPECT_FALSE(htmlTarget.fc.IsSet(P::FixedFont));
}
