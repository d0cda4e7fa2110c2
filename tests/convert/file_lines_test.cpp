// The second reading of a file: the table's lines again, and a file that changed meanwhile.
#include "convert/file_lines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "input/input_test_support.h"

namespace tabulyst {
namespace {

std::vector<std::string> Pass(FileLines& lines) {
    std::vector<std::string> texts;
    lines.Rewind();
    for (LineText line; lines.Next(line);) texts.emplace_back(line.full);
    return texts;
}

TEST(FileLinesTest, ASecondReadingGivesTheTableLinesAndNoticesAChangedFile) {
    testing_support::ScratchDir dir;
    const std::string path = dir.Write("t.txt", "skip\na\nb\nlast\n");
    // The first reading skipped one line and left the last one out of the table.
    FileLines lines(path, SourceOptions{}, 1);
    lines.NoteEnd(3, 1);
    EXPECT_EQ(Pass(lines), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Pass(lines), (std::vector<std::string>{"a", "b"})) << "as often as asked";
    EXPECT_FALSE(lines.Changed());

    // Grown between two passes: noticed before anything is read.
    std::ofstream(path, std::ios::app) << "more\n";
    EXPECT_TRUE(Pass(lines).empty());
    EXPECT_TRUE(lines.Changed());

    // Cut short during a pass, after its read-ahead had taken the whole file.
    FileLines again(path, SourceOptions{}, 0);
    again.NoteEnd(5, 0);
    again.Rewind();
    LineText line;
    ASSERT_TRUE(again.Next(line));
    std::filesystem::resize_file(path, 5);
    while (again.Next(line)) {
    }
    EXPECT_TRUE(again.Changed());
}

}  // namespace
}  // namespace tabulyst
