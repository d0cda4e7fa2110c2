// Whole documents: each folder under tests/data/documents holds the input files, the
// command's arguments and the document expected from them, written by hand, and, when the
// run is to say something, the messages expected on standard error.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "kept_documents.h"

namespace fs = std::filesystem;

namespace {

const fs::path kCases = fs::path(TABULYST_TEST_DATA) / "documents";

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

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCases))
        if (entry.is_directory()) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class DocumentCase : public testing::TestWithParam<std::string> {};

TEST_P(DocumentCase, ConvertsToTheExpectedDocument) {
    const fs::path source = kCases / GetParam();
    const fs::path work = fs::temp_directory_path() / ("tabulyst-doc-" + GetParam());
    fs::remove_all(work);
    fs::create_directories(work);
    for (const auto& entry : fs::directory_iterator(source)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("expected.", 0) != 0 && name != "command")
            fs::copy_file(entry.path(), work / name);
    }
    std::string args = ReadAll(source / "command");
    while (!args.empty() && (args.back() == '\n' || args.back() == '\r')) args.pop_back();
    const std::string command = "cd '" + work.string() + "' && '" TABULYST_BINARY "' " + args +
                                " >/dev/null 2>messages.txt";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::vector<std::string> expected = SplitLines(ReadAll(source / "expected.html"));
    const std::vector<std::string> actual = SplitLines(ReadAll(work / "data.html"));
    for (size_t i = 0; i < std::min(expected.size(), actual.size()); ++i)
        ASSERT_EQ(actual[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size());
    if (fs::exists(source / "expected.err")) {
        EXPECT_EQ(ReadAll(work / "messages.txt"), ReadAll(source / "expected.err"));
    }
    tabulyst::testing_support::KeepDocumentsIn("Documents_" + GetParam(), work);
    fs::remove_all(work);
}

INSTANTIATE_TEST_SUITE_P(Documents, DocumentCase, testing::ValuesIn(CaseNames()));

}  // namespace
