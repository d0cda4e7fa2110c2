#include "input/source_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "input/input_test_support.h"
#include "policy/fc.h"

namespace tabulyst {
namespace {

using Lines = std::vector<std::string>;

class SourceReaderTest : public ::testing::Test {
protected:
    SourceReaderTest() {
        sink_.err = &err_;
        sink_.out = &out_;
    }
    // Opens a file of these bytes in the reader.
    void Open(SourceReader& reader, const std::string& bytes) {
        ASSERT_TRUE(reader.OpenForReading(dir_.Write("in" + std::to_string(++files_), bytes)));
    }
    std::vector<SourceLine> ReadAll(SourceReader& reader) {
        std::vector<SourceLine> lines;
        for (SourceLine line; ReadSourceLine(reader, line, fc_);) lines.push_back(line);
        return lines;
    }
    Lines Texts(SourceReader& reader) {
        Lines texts;
        for (const SourceLine& line : ReadAll(reader)) texts.push_back(line.text.Str());
        return texts;
    }

    testing_support::ScratchDir dir_;
    int files_ = 0;
    MessageSink sink_;
    std::ostringstream err_, out_;
    FC fc_{&sink_};
};

TEST_F(SourceReaderTest, AFormFeedAtTheEndIsSplitOff) {
    SourceReader reader;
    Open(reader, "abc\f\n\f\nx\fy\f\nlast\n");
    EXPECT_EQ(Texts(reader), (Lines{"\f", "abc ", "\f", "\f", "x y ", "last"}));
}

TEST_F(SourceReaderTest, LinesToSkipAtTheStartKeepTheirNumbers) {
    SourceReader two, four;
    Open(two, "1\n2\n");
    two.SetSkipCount(3);
    EXPECT_TRUE(ReadAll(two).empty());

    Open(four, "1\n2\n3\n4\n");
    four.SetSkipCount(2);
    std::vector<SourceLine> lines = ReadAll(four);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text.Str(), "3");
    EXPECT_EQ(lines[0].lineNumber, 3);
    EXPECT_EQ(lines[1].lineNumber, 4);
}

TEST_F(SourceReaderTest, TabsAreExpandedButTheRawCopyKeepsThem) {
    fc_.SetValue(P::TabSize, 4);
    SourceReader reader, merrill;
    Open(reader, "ab\tc\n");
    std::vector<SourceLine> lines = ReadAll(reader);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text.Str(), "ab  c");
    EXPECT_EQ(lines[0].raw.Str(), "ab\tc");

    fc_.SetRuleSet(kMerrill, true);
    Open(merrill, "ab\tc\n");
    EXPECT_EQ(Texts(merrill), (Lines{"ab\tc"}));
}

TEST_F(SourceReaderTest, InjectedLinesAndTheEndOfFileHook) {
    SourceReader reader;
    Open(reader, "one\ntwo\n");
    reader.Inject("first");
    int hookRuns = 0;
    reader.SetEndOfFileHook([&hookRuns](SourceReader& r) {
        ++hookRuns;
        r.Inject("closing 1");
        r.Inject("closing 2");
    });
    EXPECT_EQ(Texts(reader), (Lines{"first", "one", "two", "closing 1", "closing 2"}));
    SourceLine line;
    EXPECT_FALSE(ReadSourceLine(reader, line, fc_));
    EXPECT_EQ(hookRuns, 1);
    EXPECT_TRUE(reader.EndOfInput());
}

TEST_F(SourceReaderTest, HtmlSourcePreSectionsBecomeTablesAndDirectivesKeepTheirKind) {
    SourceReader html;
    html.htmlSource = true;
    Open(html, "<p>text\n<PRE>\na  b\n</pre>\n");
    EXPECT_EQ(Texts(html), (Lines{"<p>text", "$_$_END_HTML", "$_$_BEGIN_TABLE", "a  b",
                                  "$_$_END_TABLE", "$_$_BEGIN_HTML"}));

    SourceReader reader;
    Open(reader, "$_$_TABLE_BORDER 3\nplain\n");
    std::vector<SourceLine> lines = ReadAll(reader);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].directive, 0);
    EXPECT_EQ(lines[0].kind, kLineDirective);
    EXPECT_EQ(lines[1].directive, 0);
    EXPECT_EQ(lines[1].kind, kLineOrdinary);
}

TEST_F(SourceReaderTest, BlockDefinitionsAndIgnoredSectionsNeverReachTheTable) {
    SourceReader reader;
    Open(reader, "$_$_DEFINE_BLOCK HTML_FOOTER\n<p>footer</p>\n$_$_TABLE_BORDER 9\n$_$_END_BLOCK\n"
                 "a,1\n$_$_BEGIN_IGNORE\nq,r\n$_$_END_BLOCK\n$_$_END_IGNORE\nb,2\n");
    std::vector<int> kinds;
    for (const SourceLine& line : ReadAll(reader)) kinds.push_back(line.kind);
    EXPECT_EQ(kinds, (std::vector<int>{kLineDirective, kLineIgnored, kLineIgnored, kLineDirective,
                                       kLineOrdinary, kLineSwallowed, kLineIgnored, kLineIgnored,
                                       kLineSwallowed, kLineOrdinary}));
    EXPECT_FALSE(fc_.BaseConfig().IsSet(P::DefaultTableBorderSize))
        << "a directive inside a definition is content, not executed";
}

TEST_F(SourceReaderTest, AnIncludeLoopIsRefusedWithAMessage) {
    const std::string a = dir_.Write("a.txt", "a1\na2\n"), b = dir_.Write("b.txt", "b1\n");
    SourceReader reader;
    ASSERT_TRUE(reader.OpenForReading(a));
    SourceLine line;
    ASSERT_TRUE(ReadSourceLine(reader, line, fc_));
    EXPECT_TRUE(reader.Include(fc_, b));
    EXPECT_FALSE(reader.Include(fc_, a));
    EXPECT_EQ(err_.str(), "ERROR: Include loop at " + a + "\n");
    EXPECT_EQ(Texts(reader), (Lines{"b1", "a2"}));
}

TEST_F(SourceReaderTest, AMillionLinesArriveInOrder) {
    const int count = 1000000;
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += {static_cast<char>('a' + i % 26), '\n'};
    SourceReader reader;
    Open(reader, bytes);
    SourceLine line;
    int n = 0;
    bool inOrder = true;
    for (; ReadSourceLine(reader, line, fc_); ++n)
        inOrder = inOrder && line.text.Length() == 1 && line.text[0] == 'a' + n % 26;
    EXPECT_EQ(n, count);
    EXPECT_TRUE(inOrder);
    EXPECT_EQ(line.lineNumber, count);
}

}  // namespace
}  // namespace tabulyst
