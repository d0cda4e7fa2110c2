// The RTF document: open and end, the brace check and its repairs, the character pipeline,
// and whole conversions read back by unrtf.
#include "output/rtf_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "output/rtf_test_support.h"

namespace tabulyst {
namespace {

using testing::InOrder;
using testing::Lines;
using testing::ReadBackWithUnrtf;
using testing::RtfHarness;

Lines SplitLines(const std::string& text) {
    Lines lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(RtfFile, MissingCloseBracesAreAddedAtTheEnd) {
    RtfHarness h;
    ASSERT_TRUE(h.Open());
    h.file.WriteText("{\\b bold");
    h.file.WriteText("{\\i italic");
    ASSERT_TRUE(h.file.EndDocument());
    EXPECT_TRUE(h.HasMessage(
        "PROGRAM ERROR: 2 missing close braces.  Adding extra, but file may not be correct"));
    const Lines lines = h.Lines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(Lines(lines.end() - 4, lines.end()), (Lines{"\\par}", "}}", "}", "}"}));
    EXPECT_EQ(h.file.BraceLevel(), 0);
    EXPECT_EQ(tabulyst::testing::OpenGroups(lines), 0);
}

TEST(RtfFile, BraceLevelIgnoresEscapedBracesAndRepairsTooManyCloseBraces) {
    RtfHarness h;
    h.OpenPastStart();
    h.file.WriteText("text \\{ and \\} stay text");
    h.file.WriteText("{\\title C:\\\\dir\\\\}");  // an escaped backslash hides no brace
    h.file.FlushPending(true);
    EXPECT_EQ(h.file.BraceLevel(), 3);
    EXPECT_TRUE(h.messages.empty());
    h.lines.clear();
    h.file.WriteText("}}}{");
    h.file.WriteText("}}");  // one too many: two opening braces go in front of it
    h.file.FlushPending(true);
    EXPECT_EQ(h.Lines(), (Lines{"}}}{", "{{", "}}"}));
    EXPECT_EQ(h.file.BraceLevel(), 1);
    EXPECT_TRUE(h.HasMessage(
        "PROGRAM ERROR: Brace level reached zero.  Document will terminate prematurely"));
    EXPECT_TRUE(h.HasMessage("ERROR: Too many close braces.  Level = -1"));
}

TEST(RtfFile, CharacterEncodingDecidesHowHighBytesAreWritten) {
    struct Case {
        const char* encoding = nullptr;  // null: not stated
        bool japanese = false, utf8 = false;
        const char *text = "", *written = "";
    };
    const Case cases[] = {
        // Latin-1 bytes are escaped as well: a raw one is lost by some readers.
        {.text = "caf\xE9", .written = "caf\\'e9"},
        {.encoding = "ISO-8859-1", .text = "caf\xE9", .written = "caf\\'e9"},
        {.encoding = "windows-1251", .text = "\xE0\xFF", .written = "\\'e0\\'ff"},
        // KOI8-R a becomes Windows a (224), then escaped; box drawing becomes ASCII.
        {.encoding = "KOI8-R", .text = "\xC1\x80", .written = "\\'e0-"},
        {.japanese = true, .text = "\x93\xFA", .written = "\\'93\\'fa"},
        {.utf8 = true, .text = "Zo\xC3\xAB \xE6\x9D\xB1", .written = "Zo\\u235\\'3f \\u26481\\'3f"},
        // A stated UTF-8 encoding must not split characters into \' escapes of single bytes.
        {.encoding = "UTF-8", .text = "K\xC3\xB6ln", .written = "K\\u246\\'3fln"},
    };
    for (const Case& c : cases) {
        RtfHarness h;
        if (c.encoding) h.fc->SetText(P::CharacterEncoding, c.encoding);
        if (c.japanese) h.fc->SetValue(P::InputFileContainsJapaneseCharacters, 1);
        h.file.state.utf8 = c.utf8;
        h.OpenPastStart();
        h.file.WriteText(c.text);
        h.file.FlushPending(true);
        EXPECT_EQ(h.Lines(), Lines{c.written}) << c.text;
    }
}

TEST(RtfFile, OpenFailureIsReported) {
    RtfHarness h;
    RTFFile file;
    EXPECT_FALSE(file.OpenDocument("/nonexistent_tabulyst_dir/data", *h.fc, false));
    EXPECT_TRUE(
        h.HasMessage("ERROR: Can't open file \"/nonexistent_tabulyst_dir/data.rtf\" (No such file "
                     "or directory)"));
    EXPECT_FALSE(file.EndDocument());
}

TEST(RtfFile, StyleStartLetsTextFollowDirectly) {
    RtfHarness h;
    ASSERT_TRUE(h.Open());
    const std::string start = h.file.StyleStart(kStylePreformatted);
    EXPECT_EQ(start, "\\pard\\plain \\s3 \\f28\\fs16\\b0\\i0 ");
    h.file.WriteText(start + "2024 was a year\\par");
    ASSERT_TRUE(h.file.EndDocument());
    EXPECT_TRUE(InOrder(ReadBackWithUnrtf(h.Lines()), {"\n2024 was a year\n"}))
        << "the digits are text, not a parameter of \\i0";
}

// Runs the program in a directory of its own over a copy of a fixture; returns its standard
// output and what it left in the directory under `result`.
std::pair<std::string, std::string> RunProgram(const std::string& fixture, const std::string& name,
                                               const std::string& switches,
                                               const std::string& result) {
    const auto directory =
        std::filesystem::temp_directory_path() / ("tabulyst_rtf_" + std::to_string(::getpid()));
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    std::filesystem::copy_file(TABULYST_TEST_DATA "/output/" + fixture, directory / name);
    std::pair<std::string, std::string> out = {
        testing::CommandOutput("cd '" + directory.string() + "' && '" TABULYST_BINARY "' " +
                               switches + " " + name + " 2>/dev/null"),
        testing::ReadFile(directory / result)};
    testing_support::KeepDocument(testing::TestName(), out.first);
    testing_support::KeepDocumentsIn(testing::TestName(), directory);
    std::filesystem::remove_all(directory);
    return out;
}

TEST(RtfProgram, CommaFileOnTheConsoleIsAnRtfTableThatReadsBack) {
    const auto [out, file] =
        RunProgram("rtf_prices.csv", "prices.csv", "-rtf -comma -console", "prices.rtf");
    EXPECT_EQ(file, "") << "no file beside the console";
    EXPECT_EQ(out.substr(0, 27), "{\\rtf1\\ansi\\ansicpg1252\\uc1")
        << "nothing but the document on standard output";
    const Lines lines = SplitLines(out);
    EXPECT_EQ(tabulyst::testing::OpenGroups(lines), 0);
    const std::string text = ReadBackWithUnrtf(lines);
    EXPECT_TRUE(InOrder(text, {"Item", "Qty", "Price", "Apples, red", "3", "1.20", "Pears", "10",
                               "0.50", "Brace {x}", "C:\\temp"}))
        << text;
}

TEST(RtfProgram, EightBitCommaFilesReadBackWithTheirCharacters) {
    // The HTML reading of unrtf names each character: e-diaeresis, u-umlaut, o-umlaut, and
    // the two characters of Tokyo, U+6771 and U+4EAC.
    const struct {
        const char* fixture;
        std::vector<std::string> read;
    } cases[] = {
        {"rtf_cities_utf8.csv",
         {"Name", "Zo&euml;", "J&uuml;rgen", "K&ouml;ln", "&#26481;&#20140;"}},
        // Guards a fault: Latin-1 bytes were written raw, and unrtf dropped them (or, for a
        // cell of several, the whole cell).
        {"rtf_cities_latin1.csv", {"Name", "Zo&euml;", "J&uuml;rgen", "K&ouml;ln"}},
    };
    for (const auto& c : cases) {
        const std::string document =
            RunProgram(c.fixture, "cities.csv", "-rtf -comma", "cities.rtf").second;
        ASSERT_FALSE(document.empty()) << c.fixture;
        for (unsigned char byte : document)
            ASSERT_LT(byte, 128) << c.fixture << ": every non-ASCII character is escaped";
        EXPECT_EQ(document.find("\\'c3"), std::string::npos)
            << c.fixture << ": no UTF-8 byte as a one-byte escape";
        const Lines lines = SplitLines(document);
        EXPECT_EQ(tabulyst::testing::OpenGroups(lines), 0) << c.fixture;
        const std::string html = ReadBackWithUnrtf(lines, "--html");
        EXPECT_TRUE(InOrder(html, c.read)) << html;
    }
}

}  // namespace
}  // namespace tabulyst
