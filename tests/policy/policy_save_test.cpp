// Saving a policy set: the layout to the column, sections and their order, the fixed
// lines, and reading a saved file back.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

#include "policy/fc.h"
#include "policy/policy_test_support.h"

using namespace tabulyst;
using namespace tabulyst::testing;

namespace {

Messages Save(const FC& fc, bool writeAll) {
    KeptLines out;
    fc.SavePolicyFile(out, writeAll);
    return out.lines;
}

// Expects every line among the saved ones.
void ExpectLines(const Messages& saved, std::initializer_list<std::string_view> lines) {
    for (std::string_view line : lines)
        EXPECT_NE(std::find(saved.begin(), saved.end(), line), saved.end()) << line;
}

std::string WriteFile(const std::string& name, const Messages& lines) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream file(path);
    for (const std::string& line : lines) file << line << '\n';
    return path;
}

}  // namespace

TEST(PolicySave, ChangedOnlyWritesSetPoliciesInTheirSectionsRuleSetFirst) {
    CapturedFC c;
    EXPECT_TRUE(Save(c.fc, false).empty()) << "no section without a set policy";
    Apply(c.fc, {"Default TABLE border size : 2", "TAB size : 6"});
    EXPECT_EQ(Save(c.fc, false),
              (Messages{"", "[General Analysis]", "", "TAB size                          : 6", "",
                        "[Table generation]", "", "Default TABLE border size         : 2"}));
    CapturedFC merrill;
    Apply(merrill.fc, {"Rule set to be used : Merrill"});
    EXPECT_EQ(Save(merrill.fc, false),
              (Messages{"", "[Rule Set]", "", "Rule set to be used              : Merrill"}));
    merrill.fc.SetRuleSet(7, true);
    EXPECT_EQ(Save(merrill.fc, false), (Messages{"", "[Rule Set]", ""}));
    EXPECT_TRUE(merrill.Said("UNSUPPORTED CASE: Unexpected Rule Set"));
}

TEST(PolicySave, FixedLinesWithValues) {
    FC fc, weak;
    Apply(fc, {"Definition Char : '-' strong", "Bullet Char : '*'", "Bullet Char : '+'",
               "Indent position(s) : 0 4", "Recognised USENET groups : comp.lang.c alt.test",
               "Link definition: \"IBM\" = \"http://www.ibm.com\" + \"\"",
               "Text command: \"DELETE 3\""});
    const Messages lines = Save(fc, false);
    ExpectLines(
        lines,
        {"Definition Char                  : '-' (strong) ",
         "Bullet Char                      : '*' '+'", "Indent position(s)               : 0 4",
         "Recognised USENET groups         : comp.lang.c alt.test",
         "Link definition: \"IBM\" = \"http://www.ibm.com\" + \"\"", "Text command: \"DELETE 3\""});
    const std::string hanging = "Hanging paragraph position(s)    : (none)";
    EXPECT_EQ(std::count(lines.begin(), lines.end(), hanging), 0) << "not stated";
    Apply(weak, {"Definition Char : ':' '-'"});
    ExpectLines(Save(weak, false), {"Definition Char                  : '-' (weak)",
                                    "Definition Char                  : ':' (weak) "});
}

TEST(PolicySave, WriteAllReadsBackIntoAFreshSet) {
    CapturedFC quiet;
    FC& source = quiet.fc;
    Apply(source,
          {"TAB size : 6", "Default TABLE header rows : 0", "Default TABLE alignment : right",
           "Paper size : Legal", "Document Title : Prices: 2024", "Table font : Arial, Bold, 9",
           "Use of Microsoft entities code : -1", "Default TABLE colour : Cyan",
           "Character encoding : utf-8", "Expect sparse tables : yes"});
    source.Consolidate(false);
    const std::string path = WriteFile("tabulyst_write_all.pol", Save(source, true));

    CapturedFC target;
    EXPECT_FALSE(LoadPolicyFile(target.fc, path)) << "the rejected colour is reported as ignored";
    EXPECT_EQ(target.WithoutPlace(),
              (Messages{"WARNING: \"Cyan\" is not a standard HTML colour",
                        "POLICY: Ignored - \\Default TABLE colour : Cyan\\"}))
        << "a colour that failed the check draws the warning again";

    // Differences that follow from the value rules themselves.
    const std::set<P> notSet = {P::DefaultTableCellAlignment, P::DefaultTableColour,
                                P::LinkDictionaryFile};
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
    rtf.target = OutputFormat::Rtf;
    FC source, rtfTarget;
    source.LinkSettings(&rtf);
    const Messages lines = Save(source, true);
    ExpectLines(lines, {"Fixed-pitch font                  : Courier New, Regular, 8",
                        "Base FONT Size in pts             : 10"});
    const std::string path = WriteFile("tabulyst_rtf_fonts.pol", lines);
    rtfTarget.LinkSettings(&rtf);
    EXPECT_TRUE(LoadPolicyFile(rtfTarget, path));
    EXPECT_TRUE(rtfTarget.IsSet(P::FixedFont));

    CapturedFC htmlTarget;
    EXPECT_FALSE(LoadPolicyFile(htmlTarget.fc, path));
    EXPECT_EQ(htmlTarget.WithoutPlace(),
              Messages{"POLICY: Ignored - \\Fixed-pitch font : Courier New, Regular, 8\\"});
    EXPECT_FALSE(htmlTarget.fc.IsSet(P::FixedFont));
}
