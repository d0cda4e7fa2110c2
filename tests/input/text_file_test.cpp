#include "input/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tabulyst {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(testing::TempDir()) /
               ("textfile_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes) {
        fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    static std::vector<std::string> ReadAll(TextFile& file) {
        std::vector<std::string> lines;
        TextString line;
        while (file.ReadLine(line)) lines.push_back(line.Str());
        return lines;
    }

    std::vector<std::string> ReadFile(const std::string& bytes) {
        TextFile file;
        EXPECT_TRUE(file.OpenForReading(Write("in.txt", bytes)));
        return ReadAll(file);
    }

    fs::path dir_;
};

using Lines = std::vector<std::string>;

TEST_F(TextFileTest, LineEndsAreRemovedAndALastLineWithoutLineFeedIsKept) {
    EXPECT_EQ(ReadFile("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(ReadFile("a\n\n"), (Lines{"a", ""}));
    EXPECT_EQ(ReadFile("x\ry\n"), (Lines{"x\ry"}));  // only a CR before the LF goes
    EXPECT_TRUE(ReadFile("").empty());
}

TEST_F(TextFileTest, NulBytesBecomeBlanks) {
    EXPECT_EQ(ReadFile(std::string("a\0b\n", 4)), (Lines{"a b"}));
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

TEST_F(TextFileTest, Utf16LittleEndianReadsAsUtf8WithoutTheMark) {
    // "a\u00e9\r\n\u20ac" then a surrogate pair for U+1F600.
    static const char kBytes[] = "\xFF\xFE" "a\0" "\xE9\0" "\r\0\n\0" "\xAC\x20" "\x3D\xD8\x00\xDE";
    std::string bytes(kBytes, sizeof kBytes - 1);
    TextFile file;
    ASSERT_TRUE(file.OpenForReading(Write("le.txt", bytes)));
    EXPECT_EQ(ReadAll(file), (Lines{"a\xC3\xA9", "\xE2\x82\xAC\xF0\x9F\x98\x80"}));
    EXPECT_TRUE(file.Utf16());
    EXPECT_FALSE(file.AllAscii());
}

TEST_F(TextFileTest, Utf16BigEndianLoneSurrogateAndOddByte) {
    // "A", a lone high surrogate, "B", LF, then "C" and a stray byte.
    std::string bytes("\xFE\xFF" "\0A" "\xD8\x01" "\0B" "\0\n" "\0C" "\x41", 13);
    EXPECT_EQ(ReadFile(bytes), (Lines{"A\xEF\xBF\xBD" "B", "C"}));
    // A lone low surrogate at the very end is replaced too.
    EXPECT_EQ(ReadFile(std::string("\xFF\xFE" "\x00\xDC", 4)), (Lines{"\xEF\xBF\xBD"}));
}

TEST_F(TextFileTest, PlainAsciiUtf16KeepsTheAllAsciiFlag) {
    TextFile file;
    ASSERT_TRUE(file.OpenForReading(Write("a.txt", std::string("\xFF\xFEh\0i\0", 6))));
    EXPECT_EQ(ReadAll(file), (Lines{"hi"}));
    EXPECT_TRUE(file.AllAscii());
}

TEST_F(TextFileTest, IncludedFileIsReadThenTheIncludingOneContinues) {
    std::string outer = Write("outer.txt", "1\n2\n3\n");
    std::string inner = Write("inner.txt", "i1\ni2");
    TextFile file;
    ASSERT_TRUE(file.OpenForReading(outer));
    TextString line;
    ASSERT_TRUE(file.ReadLine(line));
    ASSERT_TRUE(file.OpenForReading(inner));
    EXPECT_EQ(file.Depth(), 2);
    EXPECT_TRUE(file.FindName(outer));
    EXPECT_EQ(ReadAll(file), (Lines{"i1", "i2", "2", "3"}));
    EXPECT_EQ(file.DeepestDepth(), 2);
    EXPECT_EQ(file.LinesRead(), 5);
}

TEST_F(TextFileTest, AFileAlreadyOnTheStackIsNotOpenedAgain) {
    std::string outer = Write("outer.txt", "1\n");
    TextFile file;
    ASSERT_TRUE(file.OpenForReading(outer));
    EXPECT_FALSE(file.OpenForReading(outer));
    EXPECT_FALSE(file.OpenForReading((dir_ / "." / "outer.txt").string()));
    EXPECT_EQ(file.Depth(), 1);
}

TEST_F(TextFileTest, MissingFilesAndDirectoriesFailToOpen) {
    TextFile file;
    EXPECT_FALSE(file.OpenForReading((dir_ / "none.txt").string()));
    EXPECT_FALSE(file.OpenForReading(dir_.string()));
    EXPECT_EQ(file.Depth(), 0);
    TextString line;
    EXPECT_FALSE(file.ReadLine(line));
}

TEST_F(TextFileTest, AtMostNineSwitchesSucceed) {
    std::string a = Write("a.txt", "a\n");
    std::string b = Write("b.txt", "b\n");
    TextFile file;
    ASSERT_TRUE(file.OpenForReading(a));
    for (int i = 1; i <= 9; ++i) EXPECT_TRUE(file.SwitchTo(i % 2 ? b : a)) << i;
    EXPECT_EQ(file.CurrentName(), b);
    EXPECT_FALSE(file.SwitchTo(a));
    EXPECT_EQ(file.Depth(), 0);
}

TEST_F(TextFileTest, MemoryLinesAreReadAndWritten) {
    std::vector<TextString> source{"one", "two"};
    TextFile reader;
    reader.SetMemoryRead(&source);
    ASSERT_TRUE(reader.OpenForReading("anything"));
    EXPECT_EQ(ReadAll(reader), (Lines{"one", "two"}));

    std::vector<TextString> sink;
    TextFile writer;
    writer.SetMemoryWrite(&sink);
    ASSERT_TRUE(writer.OpenForWriting("anything"));
    EXPECT_TRUE(writer.PutLine("x"));
    ASSERT_EQ(sink.size(), 1u);
    EXPECT_EQ(sink[0].View(), "x");
}

TEST_F(TextFileTest, PutLineWritesEachLineWithALineFeedAndReplacesTheFile) {
    std::string path = Write("out.txt", "old contents\n");
    {
        TextFile writer;
        ASSERT_TRUE(writer.OpenForWriting(path));
        EXPECT_TRUE(writer.PutLine("first"));
        EXPECT_TRUE(writer.PutLine(""));
    }
    std::ifstream in(path, std::ios::binary);
    std::string contents((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(contents, "first\n\n");
    TextFile closed;
    EXPECT_FALSE(closed.PutLine("nowhere"));
}

}  // namespace
}  // namespace tabulyst
