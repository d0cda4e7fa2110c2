// The HTML line pipeline: opening, the pending buffer, tidying on flush, line breaking.
#include "output/html_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "html_test_support.h"

namespace tabulyst {
namespace {

using testing::HtmlHarness;
using testing::Lines;

// Words of four letters, one blank apart.
std::string Words(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += i == 0 ? "abcd" : " abcd";
    return text;
}

// The lines the pending buffer writes for these lines, flushed at the end.
Lines Flushed(HtmlHarness& h, const Lines& written) {
    h.lines.clear();
    for (const std::string& line : written) h.file.WriteText(line);
    EXPECT_TRUE(h.file.FlushPending(true));
    return h.Lines();
}

TEST(HtmlLineBreaking, PiecesOfAtMostNinetyCharacters) {
    const std::string a(60, 'a'), b(20, 'b'), c(21, 'c'), x(90, 'x');
    std::string number = "1";
    for (int i = 0; i < 10; ++i) number += ",000";
    const std::string kanji = std::string(89, 'a') + "\x82\xa0" + std::string(20, 'b');
    const std::pair<std::string, Lines> cases[] = {
        // 4 blanks and 39 words: 198 characters; every piece keeps the indentation.
        {"    " + Words(39), {"    " + Words(17), "    " + Words(17), "    " + Words(5)}},
        {std::string(89, 'x') + " ", {std::string(89, 'x')}},  // whole, less a trailing blank
        // The blank lies 30 characters before the end, so a comma would win if it could.
        {a + " " + number + " x", {a, number + " x"}},
        // A closing bracket ends its piece unless a period follows it, which stays with it;
        // an opening bracket begins the next piece.
        {a + " " + b + ")" + c, {a + " " + b + ")", c}},
        {a + " " + b + ")." + c, {a, b + ")." + c}},
        {a + " " + b + "(" + c, {a + " " + b, "(" + c}},
        {x + x + "xxxxxxxxxxxxxxxxxxxx", {x, x, "xxxxxxxxxxxxxxxxxxxx"}},  // no break character
        // The indentation is no break: an indented line without blanks is cut at 90 too.
        {"    " + std::string(120, 'y'),
         {"    " + std::string(86, 'y'), "    " + std::string(34, 'y')}},
        {kanji, {kanji.substr(0, 90), kanji.substr(90)}},
    };
    HtmlHarness h;
    h.OpenPastStart();
    for (const auto& [line, pieces] : cases) {
        h.lines.clear();
        EXPECT_TRUE(h.file.WriteLineBroken(line, false));
        EXPECT_EQ(h.Lines(), pieces) << line;
    }
    h.fc->SetValue(P::InputFileContainsJapaneseCharacters, 1);  // a double-byte pair stays
    h.lines.clear();
    EXPECT_TRUE(h.file.WriteLineBroken(kanji, false));
    EXPECT_EQ(h.Lines(), (Lines{kanji.substr(0, 89), kanji.substr(89)}));
    EXPECT_EQ(FindBreak("abc def", 0, 90), 6);  // the whole rest when it fits
    EXPECT_EQ(FindBreak(std::string(100, 'x'), 20, 90), 99);
}

TEST(HtmlPendingBuffer, LinksUnbrokenTextAndPreformattedLinesAreWrittenWhole) {
    HtmlHarness h;
    h.OpenPastStart();
    const std::string link = "<A HREF=\"" + std::string(150, 'u') + "\">x</A>";
    const std::string lower = "<a href=\"" + std::string(100, 'v') + "\"> y</a>";
    EXPECT_EQ(Flushed(h, {link, lower}), (Lines{link, lower}));
    h.fc->SetValue(P::BreakUpLongHtmlLines, 0);
    EXPECT_EQ(Flushed(h, {std::string(200, 'z')}), Lines{std::string(200, 'z')});
    h.fc->SetValue(P::BreakUpLongHtmlLines, 1);
    h.file.state.preformatted = true;
    EXPECT_EQ(Flushed(h, {std::string(200, 'p')}), Lines{std::string(200, 'p')});
}

TEST(HtmlPendingBuffer, PreformattedLinesStayWholeWhenFlushedAfterThePreEnds) {
    HtmlHarness h;
    h.OpenPastStart();
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
    Lines expected;
    for (int i = 0; i < 12; ++i) expected.push_back(std::string(79, static_cast<char>('a' + i)));
    for (const std::string& line : expected) h.file.WriteLine(line);
    h.file.state.preformatted = true;
    h.file.WriteLine(code);  // 1119 characters pending: the next line flushes ten lines
    h.file.state.preformatted = false;
    h.file.WriteLine(std::string(79, 'm'));
    EXPECT_EQ(h.lines.size(), 10u);
    ASSERT_TRUE(h.file.FlushPending(true));
    expected.insert(expected.end(), {code, std::string(79, 'm')});
    EXPECT_EQ(h.Lines(), expected);
}

TEST(HtmlOpen, UnwritablePathIsReportedAndNothingIsWritten) {
    HtmlHarness h;
    h.file.SetMemoryWrite(nullptr);
    EXPECT_FALSE(h.file.OpenDocument("/nonexistent-dir/sub/data", *h.fc, false));
    EXPECT_TRUE(h.HasMessage("ERROR: Can't open file \"/nonexistent-dir/sub/data.html\""));
    EXPECT_FALSE(h.file.IsOpen());
    EXPECT_FALSE(h.file.WriteLineBroken("x", false));
}

}  // namespace
}  // namespace tabulyst
