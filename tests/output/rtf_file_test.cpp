#include "output/rtf_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "output/rtf_test_support.h"

using namespace tabulyst;
using tabulyst::testing::InOrder;
using tabulyst::testing::ReadBackWithUnrtf;
using tabulyst::testing::RtfHarness;
using tabulyst::testing::RtfSyntaxProblem;

namespace {

struct LogLines : LineSink {
    std::vector<std::string> lines;
    bool PutLine(std::string_view line) override {
        lines.emplace_back(line);
        return true;
    }
};

// Opens the document and writes out the header, so that later lines can be told apart.
size_t OpenAndFlush(RtfHarness& h) {
    EXPECT_TRUE(h.Open());
    EXPECT_TRUE(h.file.FlushPending(true));
    return h.lines.size();
}

std::vector<std::string> Written(RtfHarness& h, std::string_view text) {
    const size_t before = OpenAndFlush(h);
    h.file.WriteText(text);
    h.file.FlushPending(true);
    return h.LinesFrom(before);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Runs the program in a directory of its own; returns its standard output.
std::string RunProgram(const std::filesystem::path& directory, const std::string& arguments) {
    const std::string command =
        "cd '" + directory.string() + "' && '" TABULYST_BINARY "' " + arguments + " 2>/dev/null";
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
        ::pclose(pipe);
    }
    return out;
}

std::filesystem::path FreshDirectory(const std::string& name) {
    const std::filesystem::path directory = std::filesystem::temp_directory_path() /
                                            ("tabulyst_" + name + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    return directory;
}

}  // namespace

TEST(RtfFile, OpenWritesTheHeaderAndEndClosesEveryGroup) {
    RtfHarness h;
    LogLines log;
    h.sink.logFile = &log;
    ASSERT_TRUE(h.Open());
    EXPECT_EQ(h.file.OutputPath().Str(), "data.rtf");
    EXPECT_EQ(h.status, (std::vector<std::string>{"Generating RTF file data.rtf"}));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Generating RTF file data.rtf", "",
                                                   ">>> Start of RTF file data.rtf <<<", ""}));
    ASSERT_TRUE(h.file.FlushPending(true));
    EXPECT_EQ(h.file.BraceLevel(), 3) << "the document and its two content groups are open";

    ASSERT_TRUE(h.file.EndDocument(""));
    const std::vector<std::string> lines = h.Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.front(), "{\\rtf1\\ansi\\ansicpg1252\\uc1");
    EXPECT_EQ(lines[lines.size() - 2], "\\par}");
    EXPECT_EQ(lines.back(), "}}");
    EXPECT_EQ(h.file.BraceLevel(), 0);
    EXPECT_TRUE(h.messages.empty());
    EXPECT_EQ(RtfSyntaxProblem(lines), "");
    EXPECT_TRUE(InOrder(ReadBackWithUnrtf(lines), {"TITLE: Converted from \"data.csv\""}));
}

TEST(RtfFile, MissingCloseBracesAreAddedAtTheEnd) {
    RtfHarness h;
    ASSERT_TRUE(h.Open());
    h.file.WriteText("{\\b bold");
    h.file.WriteText("{\\i italic");
    ASSERT_TRUE(h.file.EndDocument(""));
    EXPECT_TRUE(h.HasMessage(
        "PROGRAM ERROR: 2 missing close braces.  Adding extra, but file may not be correct"));
    const std::vector<std::string> lines = h.Lines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
              (std::vector<std::string>{"\\par}", "}}", "}", "}"}));
    EXPECT_EQ(h.file.BraceLevel(), 0);
    EXPECT_EQ(RtfSyntaxProblem(lines), "");
}

TEST(RtfFile, OneCloseBraceTooManyIsPrecededByTwoOpeningBraces) {
    RtfHarness h;
    ASSERT_TRUE(h.Open());
    ASSERT_TRUE(h.file.EndDocument(""));
    const size_t before = h.lines.size();
    h.file.WriteText("}");
    h.file.FlushPending(true);
    EXPECT_EQ(h.LinesFrom(before), (std::vector<std::string>{"{{", "}"}));
    EXPECT_TRUE(h.HasMessage("ERROR: Too many close braces.  Level = -1"));
    EXPECT_TRUE(
        h.HasMessage("WARNING: Inserting extra braces \"{{\".  Results may not be as expected"));
    EXPECT_EQ(h.file.BraceLevel(), 1);
}

TEST(RtfFile, EscapedBracesDoNotCountButAnEscapedBackslashDoesNotHideABrace) {
    RtfHarness h;
    OpenAndFlush(h);
    h.file.WriteText("text \\{ and \\} stay text");
    h.file.WriteText("{\\title C:\\\\dir\\\\}");
    h.file.FlushPending(true);
    EXPECT_EQ(h.file.BraceLevel(), 3);
    EXPECT_TRUE(h.messages.empty());
}

TEST(RtfFile, ReachingLevelZeroInsideALineIsReported) {
    RtfHarness h;
    OpenAndFlush(h);
    h.file.WriteText("}}}{");
    h.file.FlushPending(true);
    EXPECT_EQ(h.file.BraceLevel(), 1);
    EXPECT_TRUE(h.HasMessage(
        "PROGRAM ERROR: Brace level reached zero.  Document will terminate prematurely"));
}

TEST(RtfFile, LinesWaitInThePendingBufferWhileRtfIsTheTarget) {
    RtfHarness h;
    const size_t before = OpenAndFlush(h);
    const std::string line(100, 'x');
    for (int i = 0; i < 11; ++i) h.file.WriteText(line);
    EXPECT_EQ(h.lines.size(), before)
        << "1111 characters pending: not yet past the threshold when added";
    h.file.WriteText("last");
    EXPECT_EQ(h.lines.size(), before + 11) << "the pending buffer passed 1024 characters";
    h.file.FlushPending(true);
    EXPECT_EQ(h.lines.size(), before + 12);
    EXPECT_EQ(h.lines.back().Str(), "last");

    RtfHarness direct;
    direct.fc->passRtf = false;
    const size_t start = OpenAndFlush(direct);
    direct.file.WriteText("at once");
    EXPECT_EQ(direct.LinesFrom(start), (std::vector<std::string>{"at once"}));
}

TEST(RtfFile, CharacterEncodingDecidesHowHighBytesAreWritten) {
    RtfHarness plain;
    EXPECT_EQ(Written(plain, "caf\xE9"), (std::vector<std::string>{"caf\xE9"}))
        << "no encoding stated: the byte stays as it is";
    RtfHarness latin;
    latin.fc->SetText(P::CharacterEncoding, "ISO-8859-1");
    EXPECT_EQ(Written(latin, "caf\xE9"), (std::vector<std::string>{"caf\xE9"}));
    RtfHarness cyrillic;
    cyrillic.fc->SetText(P::CharacterEncoding, "windows-1251");
    EXPECT_EQ(Written(cyrillic, "\xE0\xFF"), (std::vector<std::string>{"\\'e0\\'ff"}));
    RtfHarness koi;
    koi.fc->SetText(P::CharacterEncoding, "KOI8-R");
    EXPECT_EQ(Written(koi, "\xC1\x80"), (std::vector<std::string>{"\\'e0-"}))
        << "KOI8-R a becomes Windows a (224), then escaped; box drawing becomes ASCII";
    RtfHarness japanese;
    japanese.fc->SetValue(P::InputFileContainsJapaneseCharacters, 1);
    EXPECT_EQ(Written(japanese, "\x93\xFA"), (std::vector<std::string>{"\\'93\\'fa"}));
}

TEST(RtfFile, Utf8DocumentsWriteWholeCharacters) {
    RtfHarness h;
    h.file.state.utf8 = true;
    EXPECT_EQ(Written(h, "Zo\xC3\xAB \xE6\x9D\xB1"),
              (std::vector<std::string>{"Zo\\u235\\'3f \\u26481\\'3f"}));

    RtfHarness stated;
    stated.fc->SetText(P::CharacterEncoding, "UTF-8");
    const std::vector<std::string> lines = Written(stated, "K\xC3\xB6ln");
    EXPECT_EQ(lines, (std::vector<std::string>{"K\\u246\\'3fln"}))
        << "a stated UTF-8 encoding must not split characters into \\' escapes of single bytes";
}

TEST(RtfFile, OpenFailureIsReported) {
    RtfHarness h;
    RTFFile file;
    EXPECT_FALSE(file.OpenDocument("/nonexistent_tabulyst_dir/data", *h.fc, false));
    EXPECT_TRUE(h.HasMessage("ERROR: Can't open file \"/nonexistent_tabulyst_dir/data.rtf\""));
    EXPECT_FALSE(file.EndDocument(""));
}

TEST(RtfProgram, CommaFileBecomesAnRtfTableThatReadsBack) {
    const std::filesystem::path directory = FreshDirectory("rtf_csv");
    std::filesystem::copy_file(TABULYST_TEST_DATA "/output/rtf_prices.csv",
                               directory / "prices.csv");
    RunProgram(directory, "-rtf -comma prices.csv");
    ASSERT_TRUE(std::filesystem::exists(directory / "prices.rtf"));
    const std::vector<std::string> lines = SplitLines(ReadFile(directory / "prices.rtf"));
    EXPECT_EQ(RtfSyntaxProblem(lines), "");
    const std::string text = ReadBackWithUnrtf(lines);
    EXPECT_TRUE(InOrder(text, {"Item", "Qty", "Price", "Apples, red", "3", "1.20", "Pears", "10",
                               "0.50", "Brace {x}", "C:\\temp"}))
        << text;
    std::filesystem::remove_all(directory);
}

TEST(RtfProgram, Utf8CommaFileReadsBackWithItsCharacters) {
    const std::filesystem::path directory = FreshDirectory("rtf_utf8");
    std::filesystem::copy_file(TABULYST_TEST_DATA "/output/rtf_cities_utf8.csv",
                               directory / "cities.csv");
    RunProgram(directory, "-rtf -comma cities.csv");
    const std::string document = ReadFile(directory / "cities.rtf");
    ASSERT_FALSE(document.empty());
    for (unsigned char c : document) ASSERT_LT(c, 128) << "every non-ASCII character is escaped";
    EXPECT_EQ(document.find("\\'c3"), std::string::npos) << "no UTF-8 byte as a one-byte escape";
    const std::vector<std::string> lines = SplitLines(document);
    EXPECT_EQ(RtfSyntaxProblem(lines), "");
    // The HTML reading of unrtf names each character: e-diaeresis, u-umlaut, o-umlaut, and
    // the two characters of Tokyo, U+6771 and U+4EAC.
    const std::string html = ReadBackWithUnrtf(lines, "--html");
    EXPECT_TRUE(InOrder(html, {"Name", "Zo&euml;", "J&uuml;rgen", "K&ouml;ln", "&#26481;&#20140;"}))
        << html;
    std::filesystem::remove_all(directory);
}

TEST(RtfProgram, ConsoleSwitchWritesTheDocumentToStandardOutput) {
    const std::filesystem::path directory = FreshDirectory("rtf_console");
    std::filesystem::copy_file(TABULYST_TEST_DATA "/output/rtf_prices.csv",
                               directory / "prices.csv");
    const std::string out = RunProgram(directory, "-rtf -comma -console prices.csv");
    EXPECT_FALSE(std::filesystem::exists(directory / "prices.rtf"));
    EXPECT_EQ(out.substr(0, 27), "{\\rtf1\\ansi\\ansicpg1252\\uc1")
        << "nothing but the document on standard output";
    const std::vector<std::string> lines = SplitLines(out);
    EXPECT_EQ(RtfSyntaxProblem(lines), "");
    EXPECT_TRUE(InOrder(ReadBackWithUnrtf(lines), {"Item", "Apples, red", "Pears"}));
    std::filesystem::remove_all(directory);
}

TEST(RtfFile, StyleStartLetsTextFollowDirectly) {
    RtfHarness h;
    ASSERT_TRUE(h.Open());
    const std::string start = h.file.StyleStart(kStylePreformatted);
    EXPECT_EQ(start, "\\pard\\plain \\s3 \\f28\\fs16\\b0\\i0 ");
    h.file.WriteText(start + "2024 was a year\\par");
    ASSERT_TRUE(h.file.EndDocument(""));
    const std::string text = ReadBackWithUnrtf(h.Lines());
    EXPECT_TRUE(InOrder(text, {"\n2024 was a year\n"})) << "the digits are text, not a parameter of \\i0";
}
