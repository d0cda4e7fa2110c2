// Whole documents: each folder under tests/data/documents holds the input files, the
// command's arguments and the document expected from them, written by hand.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class DocumentCase : public testing::TestWithParam<std::string> {};

TEST_P(DocumentCase, ConvertsToTheExpectedDocument) {
    const fs::path source = fs::path(TABULYST_TEST_DATA) / "documents" / GetParam();
    const fs::path work = fs::temp_directory_path() / ("tabulyst-doc-" + GetParam());
    fs::remove_all(work);
    fs::create_directories(work);
    for (const auto& entry : fs::directory_iterator(source)) {
        const std::string name = entry.path().filename().string();
        if (name != "expected.html" && name != "command") fs::copy_file(entry.path(), work / name);
    }
    std::string args = ReadAll(source / "command");
    while (!args.empty() && (args.back() == '\n' || args.back() == '\r')) args.pop_back();
    const std::string command =
        "cd '" + work.string() + "' && '" TABULYST_BINARY "' " + args + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::vector<std::string> expected = SplitLines(ReadAll(source / "expected.html"));
    const std::vector<std::string> actual = SplitLines(ReadAll(work / "data.html"));
    for (size_t i = 0; i < std::min(expected.size(), actual.size()); ++i)
        ASSERT_EQ(actual[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size());
    fs::remove_all(work);
}

INSTANTIATE_TEST_SUITE_P(Documents, DocumentCase,
                         testing::Values("defaults", "header_policy", "all_table_policies",
                                         "minimised", "html32_coloured", "utf8"));

}  // namespace
