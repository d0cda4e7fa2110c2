#include "input/source_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "policy/fc.h"

namespace tabulyst {
namespace {

namespace fs = std::filesystem;

class SourceReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(testing::TempDir()) /
               ("reader_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        sink_.err = &err_;
        sink_.out = &out_;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return (dir_ / name).string();
    }

    // Every line the reader delivers, as text / raw / number.
    std::vector<SourceLine> ReadAll(SourceReader& reader) {
        std::vector<SourceLine> lines;
        SourceLine line;
        while (ReadSourceLine(reader, line, fc_)) lines.push_back(line);
        return lines;
    }
    std::vector<std::string> Texts(SourceReader& reader) {
        std::vector<std::string> texts;
        for (const SourceLine& line : ReadAll(reader)) texts.push_back(line.text.Str());
        return texts;
    }

    fs::path dir_;
    MessageSink sink_;
    std::ostringstream err_, out_;
    FC fc_{&sink_};
};

using Lines = std::vector<std::string>;

TEST_F(SourceReaderTest, AFormFeedAtTheEndIsSplitOff) {
    SourceReader reader;
    ASSERT_TRUE(reader.OpenForReading(Write("ff.txt", "abc\f\n\f\nx\fy\f\nlast\n")));
    EXPECT_EQ(Texts(reader), (Lines{"\f", "abc ", "\f", "\f", "x y ", "last"}));
}

TEST_F(SourceReaderTest, LinesToSkipAtTheStart) {
    SourceReader reader;
    ASSERT_TRUE(reader.OpenForReading(Write("two.txt", "1\n2\n")));
    reader.SetSkipCount(3);
    EXPECT_TRUE(ReadAll(reader).empty());

    SourceReader four;
    ASSERT_TRUE(four.OpenForReading(Write("four.txt", "1\n2\n3\n4\n")));
    four.SetSkipCount(2);
    std::vector<SourceLine> lines = ReadAll(four);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text.Str(), "3");
    EXPECT_EQ(lines[0].lineNumber, 3);
    EXPECT_EQ(lines[1].lineNumber, 4);
}

TEST_F(SourceReaderTest, TabsAreExpandedButTheRawCopyKeepsThem) {
    fc_.SetValue(P::TabSize, 4);
    SourceReader reader;
    ASSERT_TRUE(reader.OpenForReading(Write("tabs.txt", "ab\tc\n")));
    std::vector<SourceLine> lines = ReadAll(reader);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text.Str(), "ab  c");
    EXPECT_EQ(lines[0].raw.Str(), "ab\tc");

    fc_.SetRuleSet(kMerrill, true);
    SourceReader merrill;
    ASSERT_TRUE(merrill.OpenForReading(Write("tabs.txt", "ab\tc\n")));
    EXPECT_EQ(Texts(merrill), (Lines{"ab\tc"}));
}

TEST_F(SourceReaderTest, InjectedLinesAndTheEndOfFileHook) {
    SourceReader reader;
    ASSERT_TRUE(reader.OpenForReading(Write("a.txt", "one\ntwo\n")));
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

TEST_F(SourceReaderTest, HtmlSourcePreSectionsBecomeTables) {
    SourceReader reader;
    reader.htmlSource = true;
    ASSERT_TRUE(reader.OpenForReading(Write("h.html", "<p>text\n<PRE>\na  b\n</pre>\n")));
    EXPECT_EQ(Texts(reader), (Lines{"<p>text", "$_$_END_HTML", "$_$_BEGIN_TABLE", "a  b", "$_$_END_TABLE",
                                    "$_$_BEGIN_HTML"}));
}

TEST_F(SourceReaderTest, DirectivesAreRecognisedAndTheirKindKept) {
    SourceReader reader;
    ASSERT_TRUE(reader.OpenForReading(Write("d.txt", "$_$_TABLE_BORDER 3\nplain\n")));
    std::vector<SourceLine> lines = ReadAll(reader);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].directive, 0);
    EXPECT_EQ(lines[0].kind, kLineDirective);
    EXPECT_EQ(lines[1].directive, 0);
    EXPECT_EQ(lines[1].kind, kLineOrdinary);
}

TEST_F(SourceReaderTest, AnIncludeLoopIsRefusedWithAMessage) {
    const std::string a = Write("a.txt", "a1\na2\n");
    const std::string b = Write("b.txt", "b1\n");
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
    std::string bytes;
    const int count = 1000000;
    bytes.reserve(count * 2);
    for (int i = 0; i < count; ++i) {
        bytes.push_back(static_cast<char>('a' + i % 26));
        bytes.push_back('\n');
    }
    SourceReader reader;
    ASSERT_TRUE(reader.OpenForReading(Write("many.txt", bytes)));
    SourceLine line;
    int n = 0;
    bool inOrder = true;
    while (ReadSourceLine(reader, line, fc_)) {
        inOrder = inOrder && line.text.Length() == 1 && line.text[0] == 'a' + n % 26;
        ++n;
    }
    EXPECT_EQ(n, count);
    EXPECT_TRUE(inOrder);
    EXPECT_EQ(line.lineNumber, count);
}

}  // namespace
}  // namespace tabulyst
