#include "convert/file_list.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "convert/convert_test_support.h"
#include "convert/qualifiers.h"
#include "input/text_file.h"

namespace tabulyst {
namespace {

using testing_support::QuietContext;
using testing_support::ScratchDir;

std::vector<std::string> Paths(const ConversionContext& context) {
    std::vector<std::string> paths;
    for (const TextString& path : context.files.paths) paths.push_back(path.Str());
    return paths;
}

TEST(FileListTest, WildcardMatchesAreSortedWithoutRegardToCaseAndSkipDirectories) {
    ScratchDir dir;
    dir.Write("C.txt", "c\n");
    dir.Write("a.txt", "a\n");
    dir.Write("B.txt", "b\n");
    dir.Write("notes.doc", "x\n");
    std::filesystem::create_directory(dir.Path() / "d.txt");
    QuietContext q;
    FC fc(&q.context.sink);
    AddMatchingFiles(q.context, fc, dir.Dir() + "*.txt", dir.Dir(), "");
    EXPECT_EQ(Paths(q.context),
              (std::vector<std::string>{dir.Dir() + "a.txt", dir.Dir() + "B.txt", dir.Dir() + "C.txt"}));
    EXPECT_EQ(q.context.files.inputDirectories.size(), 3u);

    TextString path;
    EXPECT_TRUE(FindMatchingFile(q.context, fc, dir.Dir() + "?.txt", 0, path));
    EXPECT_EQ(path.Str(), dir.Dir() + "a.txt");
    EXPECT_TRUE(FindMatchingFile(q.context, fc, dir.Dir() + "?.txt", 2, path));
    EXPECT_EQ(path.Str(), dir.Dir() + "C.txt");
    EXPECT_FALSE(FindMatchingFile(q.context, fc, dir.Dir() + "?.txt", 3, path));
    EXPECT_TRUE(path.Empty());
}

TEST(FileListTest, WildcardPatterns) {
    EXPECT_TRUE(WildcardMatch("*.txt", "a.txt"));
    EXPECT_FALSE(WildcardMatch("*.txt", "a.txt.bak"));
    EXPECT_TRUE(WildcardMatch("a*b*c", "aXbYbc"));
    EXPECT_FALSE(WildcardMatch("a?c", "ac"));
    EXPECT_TRUE(WildcardMatch("*", ".hidden"));
}

TEST(FileListTest, AnEmptyFileIsTakenWithAWarning) {
    ScratchDir dir;
    const std::string empty = dir.Write("empty.txt", "");
    QuietContext q;
    FC fc(&q.context.sink);
    AddMatchingFiles(q.context, fc, empty, dir.Dir(), "");
    EXPECT_EQ(Paths(q.context), (std::vector<std::string>{empty}));
    EXPECT_EQ(q.err.str(), "WARNING: File is empty " + empty + "\n");
}

TEST(FileListTest, AFirstMatchThatCannotBeOpenedAddsNothing) {
    ScratchDir dir;
    const std::string locked = dir.Write("locked.txt", "x\n");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    TextFile probe;
    if (probe.OpenForReading(locked)) GTEST_SKIP() << "permissions are not enforced for this user";
    QuietContext q;
    FC fc(&q.context.sink);
    AddMatchingFiles(q.context, fc, locked, dir.Dir(), "");
    EXPECT_EQ(q.context.files.Count(), 0);
    EXPECT_EQ(q.context.sink.runBuffer.Str(), "SESSION: ERROR: Can't find or open " + locked);
}

TEST(FileListTest, FileListForms) {
    ScratchDir dir;
    dir.Write("one.txt", "1\n");
    dir.Write("two.txt", "2\n");
    {
        QuietContext q;
        FC fc(&q.context.sink);
        EXPECT_TRUE(ExpandFileList(dir.Dir() + "\"two.txt\" \"one.txt\" \"none.txt\"", dir.Dir(), q.context, fc,
                                   false));
        EXPECT_EQ(Paths(q.context), (std::vector<std::string>{dir.Dir() + "two.txt", dir.Dir() + "one.txt"}));
    }
    {
        QuietContext q;
        FC fc(&q.context.sink);
        const std::string both = dir.Dir() + "one.txt " + dir.Dir() + "two.txt";
        EXPECT_TRUE(ExpandFileList(both, "", q.context, fc, true));
        EXPECT_EQ(q.context.files.Count(), 2);
        QuietContext single;
        EXPECT_FALSE(ExpandFileList(both, "", single.context, fc, false));
    }
    {
        QuietContext q;
        FC fc(&q.context.sink);
        EXPECT_FALSE(ExpandFileList(dir.Dir() + "*.none", "", q.context, fc, false));
    }
}

TEST(FileListTest, DerivedNames) {
    QuietContext q;
    FC fc(&q.context.sink);
    DerivedNames names = DeriveFileNames("data/report.txt", "", fc, q.context);
    EXPECT_EQ(names.inputDirectory.Str(), "data/");
    EXPECT_EQ(names.outputDirectory.Str(), "data/");
    EXPECT_EQ(names.outputBaseName.Str(), "report");
    EXPECT_EQ(names.outputExtension.Str(), ".html");
    EXPECT_TRUE(names.listing.Empty());
    EXPECT_TRUE(names.statistics.Empty());

    EXPECT_EQ(DeriveFileNames("in.asc", "", fc, q.context).outputBaseName.Str(), "out");
    EXPECT_EQ(DeriveFileNames("IN.ASC", "", fc, q.context).outputBaseName.Str(), "out");
    EXPECT_EQ(DeriveFileNames("./in.asc", "", fc, q.context).outputBaseName.Str(), "in");

    names = DeriveFileNames("r.txt", "elsewhere/named.htm", fc, q.context);
    EXPECT_EQ(names.outputDirectory.Str(), "elsewhere/");
    EXPECT_EQ(names.outputBaseName.Str(), "named");
    EXPECT_EQ(names.outputExtension.Str(), ".htm");
}

TEST(FileListTest, DiagnosticsNamesFollowTheQualifiers) {
    QuietContext q;
    q.context.options.debug = true;
    q.context.options.outputDirectory.Assign("out/");
    FC fc(&q.context.sink);
    DerivedNames names = DeriveFileNames("in/r.txt", "", fc, q.context);
    EXPECT_EQ(names.listing.Str(), "out/r.lis");
    EXPECT_EQ(names.listing2.Str(), "out/r.lis1");
    EXPECT_EQ(names.statistics.Str(), "out/r.stats");

    q.context.options.dosNames = true;
    names = DeriveFileNames("in/r.txt", "", fc, q.context);
    EXPECT_EQ(names.listing2.Str(), "out/r.ls1");
    EXPECT_EQ(names.statistics.Str(), "out/r.sts");

    q.context.options.debug = false;
    q.context.options.listFiles = true;
    names = DeriveFileNames("in/r.txt", "", fc, q.context);
    EXPECT_EQ(names.listing.Str(), "out/r.lis");
    EXPECT_TRUE(names.statistics.Empty());
}

TEST(FileListTest, AnAsteriskOutputNameKeepsEachFilesOwnName) {
    QuietContext q;
    TextString line("/output=/tmp/out/*.*");
    ParseQualifiers(line, q.context);
    FC fc(&q.context.sink);
    const DerivedNames names = DeriveFileNames("src/table.txt", "", fc, q.context);
    EXPECT_EQ(names.outputDirectory.Str(), "/tmp/out/");
    EXPECT_EQ(names.outputBaseName.Str(), "table");
}

}  // namespace
}  // namespace tabulyst
