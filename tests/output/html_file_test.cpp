// The HTML line pipeline: opening, the pending buffer, tidying on flush, line breaking.
#include "output/html_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "html_test_support.h"

namespace tabulyst {
namespace {

using testing::HtmlHarness;
using Lines = std::vector<std::string>;

std::string Words(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += i == 0 ? "abcd" : " abcd";
    return text;
}

// A document opened to memory whose frame lines are set aside: the pipeline alone.
struct Pipeline : HtmlHarness {
    Pipeline() {
        EXPECT_TRUE(Open());
        EXPECT_TRUE(file.FlushPending(true));
    }
    std::vector<std::string> Broken(std::string_view line) {
        lines.clear();
        EXPECT_TRUE(file.WriteLineBroken(line, false));
        return Lines();
    }
};

class FakeLog : public LineSink {
  public:
    bool PutLine(std::string_view line) override {
        lines.emplace_back(line);
        return true;
    }
    Lines lines;
};

TEST(HtmlLineBreaking, LongLineOfWordsKeepsItsIndentationOnEveryPiece) {
    Pipeline p;
    // 4 blanks and 39 words of four letters: 198 characters.
    Lines expected = {"    " + Words(17), "    " + Words(17), "    " + Words(5)};
    EXPECT_EQ(p.Broken("    " + Words(39)), expected);
}

TEST(HtmlLineBreaking, ShortLinesAreWholeLessATrailingBlank) {
    Pipeline p;
    EXPECT_EQ(p.Broken(std::string(89, 'x') + " "), Lines{std::string(89, 'x')});
    EXPECT_EQ(p.Broken(std::string(90, 'y')), Lines{std::string(90, 'y')});
    EXPECT_EQ(p.Broken(""), Lines{""});
}

TEST(HtmlLineBreaking, NumbersWithThousandsCommasAreNeverSplit) {
    Pipeline p;
    std::string number = "1";
    for (int i = 0; i < 10; ++i) number += ",000";
    // The blank lies 30 characters before the end, so a comma would win if it could.
    Lines expected = {std::string(60, 'a'), number + " x"};
    EXPECT_EQ(p.Broken(std::string(60, 'a') + " " + number + " x"), expected);
}

TEST(HtmlLineBreaking, BracketBreaksWhenTheBlankIsFarBack) {
    Pipeline p;
    const std::string a(60, 'a'), b(20, 'b'), c(21, 'c');
    // A closing bracket ends its piece ...
    EXPECT_EQ(p.Broken(a + " " + b + ")" + c), (Lines{a + " " + b + ")", c}));
    // ... unless a period follows it, which stays with it ...
    EXPECT_EQ(p.Broken(a + " " + b + ")." + c), (Lines{a, b + ")." + c}));
    // ... and an opening bracket begins the next piece.
    EXPECT_EQ(p.Broken(a + " " + b + "(" + c), (Lines{a + " " + b, "(" + c}));
}

TEST(HtmlLineBreaking, NoBreakCharacterCutsAtExactlyNinety) {
    Pipeline p;
    Lines expected = {std::string(90, 'x'), std::string(90, 'x'), std::string(20, 'x')};
    EXPECT_EQ(p.Broken(std::string(200, 'x')), expected);
}

TEST(HtmlLineBreaking, DoubleByteCharacterIsNotSplitForJapaneseInput) {
    Pipeline p;
    const std::string line = std::string(89, 'a') + "\x82\xa0" + std::string(20, 'b');
    EXPECT_EQ(p.Broken(line), (Lines{line.substr(0, 90), line.substr(90)}));
    p.fc->SetValue(P::InputFileContainsJapaneseCharacters, 1);
    EXPECT_EQ(p.Broken(line), (Lines{line.substr(0, 89), line.substr(89)}));
}

TEST(HtmlLineBreaking, FindBreakReportsTheWholeRestWhenItFits) {
    EXPECT_EQ(FindBreak("abc def", 0, 90), 6);
    EXPECT_EQ(FindBreak(std::string(100, 'x'), 20, 90), 99);
}

TEST(HtmlPendingBuffer, HrefLinesAndDisabledBreakingAreWrittenWhole) {
    HtmlHarness h;
    ASSERT_TRUE(h.Open());
    ASSERT_TRUE(h.file.FlushPending(true));
    h.lines.clear();
    const std::string link = "<A HREF=\"" + std::string(150, 'u') + "\">x</A>";
    const std::string lower = "<a href=\"" + std::string(100, 'v') + "\"> y</a>";
    h.file.WriteText(link);
    h.file.WriteText(lower);
    ASSERT_TRUE(h.file.FlushPending(true));
    EXPECT_EQ(h.Lines(), (Lines{link, lower}));

    h.lines.clear();
    h.fc->SetValue(P::BreakUpLongHtmlLines, 0);
    h.file.WriteText(std::string(200, 'z'));
    ASSERT_TRUE(h.file.FlushPending(true));
    EXPECT_EQ(h.Lines(), Lines{std::string(200, 'z')});

    h.lines.clear();
    h.fc->SetValue(P::BreakUpLongHtmlLines, 1);
    h.file.state.preformatted = true;
    h.file.WriteText(std::string(200, 'p'));
    ASSERT_TRUE(h.file.FlushPending(true));
    EXPECT_EQ(h.Lines(), Lines{std::string(200, 'p')});
}

TEST(HtmlPendingBuffer, PreformattedLinesStayWholeWhenFlushedAfterThePreEnds) {
    HtmlHarness h;
    ASSERT_TRUE(h.Open());
    ASSERT_TRUE(h.file.FlushPending(true));
    h.lines.clear();
    const std::string code = "    x = " + Words(30) + ";";
    h.file.WriteLine("<PRE>");
    h.file.state.preformatted = true;
    h.file.WriteLine(code);
    h.file.state.preformatted = false;
    h.file.WriteLine("</PRE>");
    h.file.WriteLine(std::string(100, 'w'));  // ordinary text after it is broken again
    ASSERT_TRUE(h.file.FlushPending(true));
    EXPECT_EQ(h.Lines(),
              (Lines{"<PRE>", code, "</PRE>", std::string(90, 'w'), std::string(10, 'w')}));

    // The mark travels with its line when a flush leaves it in the tail.
    h.lines.clear();
    auto line = [](int i) { return std::string(79, static_cast<char>('a' + i)); };
    Lines expected;
    for (int i = 0; i < 12; ++i) {
        h.file.WriteLine(line(i));
        expected.push_back(line(i));
    }
    h.file.state.preformatted = true;
    h.file.WriteLine(code);  // 1119 characters pending: the next line flushes ten lines
    h.file.state.preformatted = false;
    h.file.WriteLine(line(12));
    EXPECT_EQ(h.lines.size(), 10u);
    ASSERT_TRUE(h.file.FlushPending(true));
    expected.push_back(code);
    expected.push_back(line(12));
    EXPECT_EQ(h.Lines(), expected);
}

TEST(HtmlPendingBuffer, FlushesPastTheThresholdAndKeepsAShortTail) {
    HtmlHarness h;
    ASSERT_TRUE(h.Open());
    ASSERT_TRUE(h.file.FlushPending(true));
    h.lines.clear();
    // Lines of 79 characters take 80 in the buffer with their line feed.
    auto line = [](int i) { return std::string(79, static_cast<char>('a' + i)); };
    for (int i = 0; i < 13; ++i) ASSERT_TRUE(h.file.WriteLine(line(i)));
    EXPECT_TRUE(h.lines.empty());  // 1040 characters pending, not yet flushed
    ASSERT_TRUE(h.file.WriteLine(line(13)));
    // 1040 > 1024: nine lines go out, the last four (320 characters) stay behind.
    ASSERT_EQ(h.lines.size(), 9u);
    ASSERT_TRUE(h.file.FlushPending(true));
    Lines expected;
    for (int i = 0; i < 14; ++i) expected.push_back(line(i));
    EXPECT_EQ(h.Lines(), expected);
}

TEST(HtmlPendingBuffer, EmptyCellsAreTidiedOnTheirWayOut) {
    HtmlHarness h;
    ASSERT_TRUE(h.Open());
    ASSERT_TRUE(h.file.FlushPending(true));
    h.lines.clear();
    h.file.WriteText("    <TD>&nbsp;<BR></TD>");
    h.file.WriteText("    <TD>a<BR>");
    h.file.WriteText("      b<BR></TD>");
    ASSERT_TRUE(h.file.FlushPending(true));
    EXPECT_EQ(h.Lines(), (Lines{"    <TD>&nbsp;</TD>", "    <TD>a<BR>", "      b</TD>"}));
}

TEST(HtmlPendingBuffer, FileOutputMatchesTheLineRules) {
    HtmlHarness h;
    h.file.SetMemoryWrite(nullptr);
    const std::string directory = ::testing::TempDir();
    h.fc->SetText(P::OutputDirectory, directory);
    ASSERT_TRUE(h.file.OpenDocument("pipeline", *h.fc, false));
    ASSERT_TRUE(h.file.FlushPending(true));
    const std::string path = h.file.OutputPath().Str();
    // Lines that stand as they are, one that loses its trailing blank, one that is broken.
    h.file.WriteText("    <TD>&nbsp;<BR></TD>");
    h.file.WriteText("short ");
    h.file.WriteText("  " + Words(30));
    h.file.WriteText("last");
    h.file.Close();

    std::FILE* in = std::fopen(path.c_str(), "r");
    ASSERT_NE(in, nullptr);
    std::string text;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, in)) > 0;) text.append(chunk, n);
    std::fclose(in);
    std::remove(path.c_str());
    // 2 + 30 words = 151 characters: 17 words (86 with the blanks) on the first line.
    const std::string expectedTail =
        "    <TD>&nbsp;</TD>\nshort\n  " + Words(17) + "\n  " + Words(13) + "\nlast\n";
    ASSERT_GE(text.size(), expectedTail.size());
    EXPECT_EQ(text.substr(text.size() - expectedTail.size()), expectedTail);
}

TEST(HtmlOpen, MessagesAndLogLinesNameTheOutputPath) {
    HtmlHarness h;
    FakeLog log;
    h.sink.logFile = &log;
    ASSERT_TRUE(h.Open("data"));
    EXPECT_EQ(h.file.OutputPath().Str(), "data.html");
    EXPECT_EQ(h.status, Lines{"Generating HTML file data.html"});
    EXPECT_EQ(log.lines, (Lines{"Generating HTML file data.html", "",
                                ">>> Start of HTML file data.html <<<", ""}));
}

TEST(HtmlOpen, UnwritablePathIsReportedAndNothingIsWritten) {
    HtmlHarness h;
    h.file.SetMemoryWrite(nullptr);
    EXPECT_FALSE(h.file.OpenDocument("/nonexistent-dir/sub/data", *h.fc, false));
    EXPECT_TRUE(h.HasMessage("ERROR: Can't open file \"/nonexistent-dir/sub/data.html\""));
    EXPECT_FALSE(h.file.IsOpen());
    EXPECT_FALSE(h.file.WriteLineBroken("x", false));
}

TEST(HtmlOpen, ConsoleSwitchWritesTheDocumentToStandardOutput) {
    HtmlHarness h;
    h.file.SetMemoryWrite(nullptr);
    ::testing::internal::CaptureStdout();
    ASSERT_TRUE(h.file.OpenDocument("console-doc", *h.fc, true));
    ASSERT_TRUE(h.file.EndDocument(""));
    h.file.Close();
    std::fflush(stdout);
    std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("<HTML>\n<HEAD>\n"), std::string::npos);
    EXPECT_NE(out.find("</BODY>\n</HTML>\n"), std::string::npos);
    std::FILE* stray = std::fopen("console-doc.html", "r");
    EXPECT_EQ(stray, nullptr);
    if (stray) std::fclose(stray);
}

TEST(HtmlIndentMarkup, TwoBlanksPerLevelUnlessMinimised) {
    FC fc;
    EXPECT_EQ(IndentMarkup(fc, 2, "  <UL> ").Str(), "    <UL>");
    EXPECT_EQ(IndentMarkup(fc, 0, " </P>").Str(), "</P>");
    fc.SetValue(P::MinimiseHtmlFileSize, 1);
    EXPECT_EQ(IndentMarkup(fc, 3, "  <LI>").Str(), "<LI>");
    fc.SetValue(P::MinimiseHtmlFileSize, 0);
    fc.SetRuleSet(kMerrill, true);  // under a rule set the text is not trimmed
    EXPECT_EQ(IndentMarkup(fc, 1, " <LI>").Str(), "   <LI>");
}

}  // namespace
}  // namespace tabulyst
