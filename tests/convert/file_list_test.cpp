#include "convert/file_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "convert/convert_test_support.h"
#include "convert/qualifiers.h"
#include "input/text_file.h"

namespace tabulyst {
namespace {

using Paths = std::vector<std::string>;

// A context with its scratch policy set, and the file list it collects.
struct Listing : testing_support::QuietContext {
    FC fc{&context.sink};
    Paths Files() const {
        Paths paths;
        for (const TextString& path : context.files.paths) paths.push_back(path.Str());
        return paths;
    }
};

TEST(FileListTest, WildcardMatchesAreSortedWithoutRegardToCaseAndSkipDirectories) {
    testing_support::ScratchDir dir;
    for (const char* name : {"C.txt", "a.txt", "B.txt", "notes.doc"}) dir.Write(name, "x\n");
    std::filesystem::create_directory(dir.Path() / "d.txt");
    const std::string d = dir.Dir();
    Listing l;
    AddMatchingFiles(l.context, l.fc, d + "*.txt", d, "");
    EXPECT_EQ(l.Files(), (Paths{d + "a.txt", d + "B.txt", d + "C.txt"}));
    EXPECT_EQ(l.context.files.inputDirectories.size(), 3u);

    TextString path;
    EXPECT_TRUE(FindMatchingFile(l.context, l.fc, d + "?.txt", 0, path));
    EXPECT_EQ(path.Str(), d + "a.txt");
    EXPECT_TRUE(FindMatchingFile(l.context, l.fc, d + "?.txt", 2, path));
    EXPECT_EQ(path.Str(), d + "C.txt");
    EXPECT_FALSE(FindMatchingFile(l.context, l.fc, d + "?.txt", 3, path));
    EXPECT_TRUE(path.Empty());

    EXPECT_TRUE(WildcardMatch("*.txt", "a.txt"));
    EXPECT_FALSE(WildcardMatch("*.txt", "a.txt.bak"));
    EXPECT_TRUE(WildcardMatch("a*b*c", "aXbYbc"));
    EXPECT_FALSE(WildcardMatch("a?c", "ac"));
    EXPECT_TRUE(WildcardMatch("*", ".hidden"));
}

TEST(FileListTest, AFirstMatchThatCannotBeOpenedAddsNothing) {
    testing_support::ScratchDir dir;
    const std::string locked = dir.Write("locked.txt", "x\n");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    TextFile probe;
    if (probe.OpenForReading(locked)) GTEST_SKIP() << "permissions are not enforced for this user";
    Listing l;
    AddMatchingFiles(l.context, l.fc, locked, dir.Dir(), "");
    EXPECT_EQ(l.context.files.Count(), 0);
    EXPECT_EQ(l.context.sink.runBuffer.Str(), "SESSION: ERROR: Can't find or open " + locked);
}

TEST(FileListTest, DerivedNames) {
    Listing l;
    DerivedNames names = DeriveFileNames("data/report.txt", "", l.fc, l.context);
    EXPECT_EQ(
        names.outputDirectory.Str() + names.outputBaseName.Str() + names.outputExtension.Str(),
        "data/report.html");
    EXPECT_EQ(DeriveFileNames("IN.ASC", "", l.fc, l.context).outputBaseName.Str(), "out");
    EXPECT_EQ(DeriveFileNames("./in.asc", "", l.fc, l.context).outputBaseName.Str(), "in");
    names = DeriveFileNames("r.txt", "elsewhere/named.htm", l.fc, l.context);
    EXPECT_EQ(
        names.outputDirectory.Str() + names.outputBaseName.Str() + names.outputExtension.Str(),
        "elsewhere/named.htm");

    // An asterisk name keeps each file's own name, in the qualifier's directory.
    Listing star;
    TextString line("/output=/tmp/out/*.*");
    ParseQualifiers(line, star.context);
    names = DeriveFileNames("src/table.txt", "", star.fc, star.context);
    EXPECT_EQ(names.outputDirectory.Str() + names.outputBaseName.Str(), "/tmp/out/table");
}

}  // namespace
}  // namespace tabulyst
