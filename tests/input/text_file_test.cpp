#include "input/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/input_test_support.h"

namespace tabulyst {
namespace {

using Lines = std::vector<std::string>;

class TextFileTest : public ::testing::Test {
  protected:
    static Lines ReadAll(TextFile& file) {
        Lines lines;
        TextString line;
        while (file.ReadLine(line)) lines.push_back(line.Str());
        return lines;
    }
    Lines ReadFile(const std::string& bytes) {
        TextFile file;
        EXPECT_TRUE(file.OpenForReading(dir_.Write("in.txt", bytes)));
        return ReadAll(file);
    }
    testing_support::ScratchDir dir_;
};

TEST_F(TextFileTest, LineEndsGoALastLineWithoutLineFeedStaysAndNulBytesBecomeBlanks) {
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"a\r\nb\nc", {"a", "b", "c"}},
        {"a\n\n", {"a", ""}},
        {"x\ry\r\rz", {"x", "y", "", "z"}},  // a lone CR ends a line too
        {"", {}},
        {std::string("a\0b\n", 4), {"a b"}},
        {"\xEF\xBB\xBFname,qty\n\xEF\xBB\xBFx\n",
         {"name,qty", "\xEF\xBB\xBFx"}},  // only a leading UTF-8 mark goes
    };
    for (const auto& test : cases) EXPECT_EQ(ReadFile(test.bytes), test.lines) << test.bytes;
}

TEST_F(TextFileTest, LongLinesArriveWhole) {
    std::string longLine(10 * 1024 * 1024, 'x');
    longLine[5000] = 'y';
    Lines lines = ReadFile(std::string(5000, 'a') + "\n" + longLine + "\nend\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 5000u);
    EXPECT_EQ(lines[1], longLine);
    EXPECT_EQ(lines[2], "end");
}

TEST_F(TextFileTest, LinesCutByTheReadAheadBufferArriveWhole) {
    // The read-ahead buffer holds 64 KB: the first line's CR is the last byte of the first
    // fill and its LF the first of the second; the second line, NUL and all, is cut by the
    // next fill; the last line has no line feed and is longer than what is left.
    constexpr size_t kFill = 64 * 1024;
    std::string first(kFill - 1, 'a');
    first[10] = '\0';
    const std::string bytes = first + "\r\n" + std::string(kFill - 60, 'c') + std::string(1, '\0') +
                              std::string(200, 'd') + "\n" + std::string(kFill, 'z');
    Lines lines = ReadFile(bytes);
    ASSERT_EQ(lines.size(), 3u);
    std::string expected = first;
    expected[10] = ' ';
    EXPECT_EQ(lines[0], expected);
    EXPECT_EQ(lines[1], std::string(kFill - 60, 'c') + " " + std::string(200, 'd'));
    EXPECT_EQ(lines[2], std::string(kFill, 'z')) << "a last line without a line feed";

    // A lone CR as the last byte of a fill ends its line; what follows is the next one.
    EXPECT_EQ(ReadFile(std::string(kFill - 1, 'e') + "\rf\n"),
              (Lines{std::string(kFill - 1, 'e'), "f"}));
}

TEST_F(TextFileTest, Utf16ReadsAsUtf8WithoutTheMark) {
    // "a\u00e9\r\n\u20ac" then a surrogate pair for U+1F600.
    static const char kLe[] = "\xFF\xFE\x61\0\xE9\0\r\0\n\0\xAC\x20\x3D\xD8\x00\xDE";
    TextFile file;
    ASSERT_TRUE(file.OpenForReading(dir_.Write("le.txt", std::string(kLe, sizeof kLe - 1))));
    EXPECT_EQ(ReadAll(file), (Lines{"a\xC3\xA9", "\xE2\x82\xAC\xF0\x9F\x98\x80"}));
    EXPECT_TRUE(file.Utf16());
    EXPECT_FALSE(file.AllAscii());

    TextFile ascii;
    ASSERT_TRUE(ascii.OpenForReading(dir_.Write("a.txt", std::string("\xFF\xFEh\0i\0", 6))));
    EXPECT_EQ(ReadAll(ascii), (Lines{"hi"}));
    EXPECT_TRUE(ascii.AllAscii());

    // Big-endian: "A", a lone high surrogate, "B", LF, then "C" and a stray byte.
    const std::string big("\xFE\xFF\0A\xD8\x01\0B\0\n\0C\x41", 13);
    EXPECT_EQ(ReadFile(big), (Lines{"A\uFFFDB", "C"}));
    // A lone low surrogate at the very end is replaced too.
    EXPECT_EQ(ReadFile(std::string("\xFF\xFE\x00\xDC", 4)), (Lines{"\uFFFD"}));
}

TEST_F(TextFileTest, PutLineReplacesTheFileAndEndsEachLineInALineFeed) {
    std::string path = dir_.Write("out.txt", "old contents\n");
    {
        TextFile file;
        ASSERT_TRUE(file.OpenForWriting(path));
        EXPECT_TRUE(file.PutLine("first"));
        EXPECT_TRUE(file.PutLine(""));
    }
    EXPECT_EQ(dir_.Read("out.txt"), "first\n\n");

    // Written files have a stream buffer of their own; a second file opened on top must
    // leave the first one's intact, and both arrive whole, well past one buffer each.
    std::string expectedOuter, expectedInner;
    {
        TextFile file;
        const auto put = [&file](const std::string& prefix, std::string& expected) {
            for (int i = 0; i < 10000; ++i) {
                EXPECT_TRUE(file.PutLine(prefix + std::to_string(i)));
                expected += prefix + std::to_string(i) + "\n";
            }
        };
        ASSERT_TRUE(file.OpenForWriting(dir_.Write("outer.txt", "")));
        put("outer line ", expectedOuter);
        ASSERT_TRUE(file.OpenForWriting(dir_.Write("inner.txt", "")));
        put("inner line ", expectedInner);
        file.Pop();
        put("outer again ", expectedOuter);
    }
    EXPECT_EQ(dir_.Read("outer.txt"), expectedOuter);
    EXPECT_EQ(dir_.Read("inner.txt"), expectedInner);

    TextFile closed;
    EXPECT_FALSE(closed.PutLine("nowhere"));

    // What is written replaces the file only when complete: an abandoned file leaves the
    // old one as it was, and no temporary file stays behind.
    {
        TextFile file;
        ASSERT_TRUE(file.OpenForWriting(path));
        EXPECT_TRUE(file.PutLine("half"));
        EXPECT_EQ(dir_.Read("out.txt"), "first\n\n");  // not yet replaced
        file.Abandon();
    }
    EXPECT_EQ(dir_.Read("out.txt"), "first\n\n");
    TextFile nowhere;
    EXPECT_FALSE(nowhere.OpenForWriting(dir_.Dir() + "missing/x.txt"));
    EXPECT_EQ(nowhere.OpenError(), "No such file or directory");
}

}  // namespace
}  // namespace tabulyst
