// The RTF document header: font table, style sheet, information group and page setup.
#include "output/rtf_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "output/document_state.h"
#include "output/rtf_test_support.h"
#include "policy/policy_test_support.h"

namespace tabulyst {
namespace {

using testing::Lines;

struct Frame : testing::RtfHarness {
    DocumentState state;
    std::vector<FontSpec> extraFonts;

    Frame() { state.inputFileName = "data.csv"; }

    // The header lines, written on 5 March 2024 at 14:07 local time.
    testing::Lines Header() {
        RtfStyles styles;
        SetUpRtfStyles(fc.get(), styles);
        std::tm time{};
        time.tm_year = 124;
        time.tm_mon = 2;
        time.tm_mday = 5;
        time.tm_hour = 14;
        time.tm_min = 7;
        return RtfHeaderLines(*fc, state, styles, extraFonts, time);
    }
    // The lines of the header from `first` to the next `last`.
    testing::Lines Between(std::string_view first, std::string_view last) {
        const testing::Lines lines = Header();
        auto from = std::find(lines.begin(), lines.end(), first);
        auto to = std::find(from, lines.end(), last);
        return from == lines.end() || to == lines.end() ? testing::Lines{}
                                                        : testing::Lines{from, to + 1};
    }
    testing::Lines FontTable() { return Between("{\\fonttbl", "}"); }
};

// Succeeds when every wanted line is among the lines.
::testing::AssertionResult Has(const Lines& lines, const Lines& wanted) {
    for (const std::string& line : wanted)
        if (std::find(lines.begin(), lines.end(), line) == lines.end())
            return ::testing::AssertionFailure() << "no line " << line;
    return ::testing::AssertionSuccess();
}

TEST(RtfHeader, DefaultsGiveTheWindowsCodePageAnA4PageAndTwoOpenContentGroups) {
    Frame f;
    Lines lines = f.Header();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "{\\rtf1\\ansi\\ansicpg1252\\uc1");
    EXPECT_EQ(lines[1], "\\deff0\\deflang1033\\deflangfe1033") << "no proofing language: 1033";
    EXPECT_TRUE(
        Has(lines,
            {"\\paperw11906\\paperh16838\\margl1800\\margr1800\\margt1440\\margb1440\\gutter0",
             "\\widowctrl\\ftnbj\\aenddoc\\formshade", "\\fet0\\sectd",
             "\\linex0\\headery709\\footery709\\colsx709\\endnhere",
             "{\\*\\pnseclvl9\\pnlcrm\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}"}));
    // An RTF run justifies body text, so the Body style ends in \qj.
    EXPECT_EQ(lines.back(), "{\\pard\\plain \\s1\\sb60\\sa60 \\f21\\fs20\\b0\\i0\\qj{");
    EXPECT_EQ(testing::OpenGroups(lines), 3) << "the document and its two content groups";
}

TEST(RtfHeader, FontTableHoldsOneEntryPerStyleThenFurtherFontsAndFontClasses) {
    Frame f;
    FontSpec verdana;
    verdana.SetFontFace("Verdana");
    f.extraFonts.push_back(verdana);
    f.state.fontClasses = {"1-Arial-1-2", "2-Times-0-0", "3-Odd-Face-x-1"};
    const Lines table = f.FontTable();
    ASSERT_EQ(table.size(), 1u + 4u + 23u + 1u + 3u + 1u);
    EXPECT_EQ(table[5 + kStyleCode], "{\\f30\\fmodern\\fprq1\\fcharset0 Courier New;}");
    EXPECT_EQ(Lines(table.begin() + 28, table.end() - 1),
              (Lines{"{\\f200\\fswiss\\fprq2\\fcharset0 Verdana;}",
                     "{\\f100\\fswiss\\fcharset0\\fprq2 Arial;{\\*\\falt Geneva;}}",
                     "{\\f101\\froman\\fcharset0\\fprq2 Times;{\\*\\falt Times;}}",
                     // A family that is not a number counts as serif.
                     "{\\f102\\froman\\fcharset0\\fprq2 Times;{\\*\\falt Times;}}"}));
}

TEST(RtfHeader, LinesThePoliciesGive) {
    const struct {
        const char* policies;  // the text of a policy file
        Lines lines;           // each somewhere in the header
    } cases[] = {
        {"",  // the style sheet: body text justified, quotes left-aligned
         {"{\\s0\\sb60\\sa60\\widctlpar \\f20\\fs20\\kerning28\\qj \\sbasedon0 Normal;}",
          "{\\s13\\widctlpar \\f24\\fs20\\kerning28 \\sbasedon1 Quotes;}",
          "{\\s3\\widctlpar \\f28\\fs16\\kerning28 \\sbasedon0 Preformatted;}",
          "{\\s61\\sb240\\sa120\\keepn\\widctlpar \\f32\\fs20\\kerning28 \\sbasedon6 Heading 1;}"}},
        {"Character encoding : windows-1251",
         {"{\\f28\\fmodern\\fprq1\\fcharset204 Courier New;}"}},
        {"Input file contains Japanese characters : Yes",  // left-aligned, in MS Gothic
         {"{\\rtf1\\ansi", "{\\f16\\fmodern\\fcharset128\\fprq1 MS Gothic;}",
          "{\\f20\\fmodern\\fprq1\\fcharset0 MS Gothic;}",
          "{\\pard\\plain \\s1\\sb60\\sa60 "
          "\\f21\\fs20\\b0\\i0\\loch\\af100\\hich\\af100\\dbch\\f16 {"}},
        {"Language (for proofing) : English (United Kingdom)",
         {"\\deff0\\deflang2057\\deflangfe1033",
          "{\\stylesheet{\\widctlpar \\f4\\fs20\\lang2057 \\snext0 Normal;}"}},
        // Windows Help keeps every keep-with-next style.
        {"Table font : Arial, Bold Italic, 9\nMake Windows Help source file : Yes",
         {"{\\f27\\fswiss\\fprq2\\fcharset0 Arial;}",
          "{\\s2\\keepn\\widctlpar \\b\\i\\f27\\fs18\\kerning28 \\sbasedon0 Table;}",
          "{\\s3\\keepn\\widctlpar \\f28\\fs16\\kerning28 \\sbasedon0 Preformatted;}"}},
        {"Text justification : centre",
         {"{\\s1\\sb60\\sa60\\widctlpar \\f21\\fs20\\kerning28\\qc \\sbasedon0 Body;}"}},
        {"Character encoding : windows-1256",
         {"{\\s0\\sb60\\sa60\\widctlpar \\ltrch \\af20 \\rltch \\f20\\fs20\\kerning28\\qr "
          "\\sbasedon0 Normal;}",
          "{\\f20\\fbidi \\froman\\fprq2\\fcharset178 Times New Roman;}",
          "{\\pard\\plain \\s1\\sb60\\sa60 \\ltrch \\af21 \\rltch \\f21\\fs20\\b0\\i0\\qr{"}},
        // 2 cm: 2 / 2.54 * 1440 = 1133.9 -> 1134; 1 cm -> 567; a text that is no number and a
        // margin never stated keep 1800 and 1440.
        {"Paper size : Letter\nUse Landscape mode : Yes\nMirror margins : Yes\nLeft margin (in cm) "
         ": 2\nTop margin (in cm) : 1\nRight margin (in cm) : wide",
         {"\\paperw15840\\paperh12240\\margl1134\\margr1800\\margt567\\margb1440\\gutter0",
          "\\widowctrl\\ftnbj\\aenddoc\\margmirror\\formshade",
          "\\lndscpsxn\\psz9\\linex0\\headery709\\footery709\\colsx709\\endnhere"}},
        // Texts are escaped; a stated subject wins over the description.
        {"Document Author : Ann {B} C:\\x\nDocument Subject : Stock\nDocument Description : "
         "Prices\nDocument Company name : Quillon",
         {"{\\info", "{\\title Converted from \"data.csv\"}", "{\\author Ann \\'7bB\\'7d C:\\\\x}",
          "{\\operator Richlyst auto-convert}", "{\\subject Stock}", "{\\company Quillon}",
          "{\\creatim\\yr2024\\mo3\\dy5\\hr14\\min7}", "{\\version1}{\\edmins0}{\\nofpages1}"}},
    };
    for (const auto& c : cases) {
        Frame f;
        testing::ApplyText(*f.fc, c.policies);
        EXPECT_TRUE(Has(f.Header(), c.lines)) << c.policies;
    }
}

TEST(RtfStyles, FaceNamesCannotBreakTheHeader) {
    Frame f;
    FontSpec odd;
    odd.face = "Odd}{Face;\\";
    EXPECT_EQ(RtfFontEntry(f.fc.get(), odd, 7), "{\\f7\\froman\\fprq2\\fcharset0 OddFace;}");
}

TEST(RtfStyles, NamedFontsOfAStylesFileByUseOfRtfStyles) {
    const auto named = [](const char* name, const char* specification) {
        FontSpec font;
        font.name = name;
        ApplyFontSpec(specification, font);
        return font;
    };
    const std::string timesTable = "{\\s2\\widctlpar \\f27\\fs20\\kerning28 \\sbasedon0 Table;}";
    const std::string arialTable = "{\\s2\\widctlpar \\b\\f27\\fs18\\kerning28 \\sbasedon0 Table;}";
    const std::string memo = "{\\s101\\widctlpar \\i\\f201\\fs22\\kerning28 \\sbasedon0 Memo;}";
    const struct {
        int use;
        std::string table;  // the style sheet line of the "Table" style
        bool memoStyle;     // the font that names no style is a style of its own
    } cases[] = {{0, timesTable, false}, {1, arialTable, false}, {2, arialTable, true}};
    for (const auto& c : cases) {
        Frame f;
        f.settings.styles = {named("table", "Arial, Bold, 9"),
                             named("Memo", "Courier New, Italic, 11")};
        f.extraFonts = f.settings.styles;  // as the document's open registers them
        f.fc->SetValue(P::UseOfRtfStyles, c.use);
        const Lines lines = f.Header();
        EXPECT_TRUE(Has(lines, {"{\\f200\\fswiss\\fprq2\\fcharset0 Arial;}",
                                "{\\f201\\fmodern\\fprq1\\fcharset0 Courier New;}", c.table}))
            << c.use;
        EXPECT_EQ(Has(lines, {memo}), c.memoStyle) << c.use;
    }
}

}  // namespace
}  // namespace tabulyst
