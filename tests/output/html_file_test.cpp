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

TEST(HtmlLineBreaking, PiecesOfAtMostNinetyCharactersBrokenWhereTheDocumentStaysTheSame) {
    const std::string a(60, 'a'), b(20, 'b'), c(21, 'c'), x(90, 'x');
    std::string number = "1";
    for (int i = 0; i < 10; ++i) number += ",000";
    const std::string kanji = std::string(89, 'a') + "\x82\xa0" + std::string(20, 'b');
    // A quoted value holds blanks that are no place to break; the blank after the tag name is.
    const std::string title = "<A TITLE=\"" + Words(30) + "\">go</A>";
    const std::string comment = "<!-- " + Words(30) + " -->";
    const std::string entities = std::string("<TD>") + std::string(120, '&') + "</TD>";
    const std::pair<std::string, Lines> cases[] = {
        // 4 blanks and 39 words: 198 characters; every piece keeps the indentation.
        {"    " + Words(39), {"    " + Words(17), "    " + Words(17), "    " + Words(5)}},
        {std::string(89, 'x') + " ", {std::string(89, 'x')}},  // whole, less a trailing blank
        // Brackets and commas are no breaks: a line end there would show as a blank.
        {a + " " + number + " x", {a, number + " x"}},
        {a + " " + b + ")" + c, {a, b + ")" + c}},
        {a + " " + b + "(" + c, {a, b + "(" + c}},
        // A word longer than the line stays whole, indentation and all.
        {x + x + "xxxxxxxxxxxxxxxxxxxx", {x + x + "xxxxxxxxxxxxxxxxxxxx"}},
        {"    " + std::string(120, 'y'), {"    " + std::string(120, 'y')}},
        {kanji, {kanji}},
        {entities, {entities}},
        {title + " " + Words(3), {"<A", title.substr(3), Words(3)}},
        {comment + " " + Words(3), {comment, Words(3)}},
    };
    HtmlHarness h;
    h.OpenPastStart();
    for (const auto& [line, pieces] : cases) {
        h.lines.clear();
        EXPECT_TRUE(h.file.WriteLineBroken(line, false));
        EXPECT_EQ(h.Lines(), pieces) << line;
    }
    const std::string words = "abc def";
    EXPECT_EQ(FindBreak(words, BreakPositions(words), 0, 90), 6);  // the whole rest when it fits
    EXPECT_EQ(BreakPositions("<TD ALIGN=\"a b\"> c <!-- d --> e"),
              (std::vector<int>{3, 16, 18, 29}));
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
    h.file.WriteLine(Words(20));  // ordinary text after it is broken again
    ASSERT_TRUE(h.file.FlushPending(true));
    EXPECT_EQ(h.Lines(), (Lines{"<PRE>", code, "</PRE>", Words(18), Words(2)}));

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
    EXPECT_TRUE(h.HasMessage(
        "ERROR: Can't open file \"/nonexistent-dir/sub/data.html\" (No such file or directory)"));
    EXPECT_FALSE(h.file.IsOpen());
    EXPECT_FALSE(h.file.WriteLineBroken("x", false));
}

}  // namespace
}  // namespace tabulyst
