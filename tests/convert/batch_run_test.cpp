#include "convert/batch_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "convert/convert_test_support.h"
#include "table/table_model.h"

namespace tabulyst {
namespace {

using testing_support::QuietContext;
using testing_support::ScratchDir;
namespace fs = std::filesystem;

struct Batch : QuietContext {
    FC master{&context.sink};
    RunOutcome outcome;
    void Run(const std::vector<std::string>& specs) {
        std::vector<TextString> list(specs.begin(), specs.end());
        outcome = RunBatch(context, master, list, kFormatComma);
    }
};

TEST(BatchRunTest, TheLoopStopsAtTheFirstFileThatCannotBeOpened) {
    ScratchDir dir;
    dir.Write("a.csv", "a,1\n");
    fs::create_symlink(dir.Dir() + "gone.csv", dir.Path() / "b.csv");  // listed, but unreadable
    dir.Write("c.csv", "c,3\n");
    Batch b;
    b.Run({dir.Dir() + "*.csv"});
    EXPECT_EQ(b.outcome.converted, 1);
    EXPECT_TRUE(b.outcome.failed);
    EXPECT_TRUE(fs::exists(dir.Dir() + "a.html"));
    EXPECT_FALSE(fs::exists(dir.Dir() + "c.html"));
    EXPECT_NE(b.err.str().find("ERROR: Error opening " + dir.Dir() + "b.csv\n"), std::string::npos);
    // The run still ends normally.
    const std::string out = b.out.str();
    EXPECT_EQ(out.substr(out.size() - 59), "%%%%%%%%%%%%%%%%%%% Conversion complete %%%%%%%%%%%%%%%%%%\n");
}

TEST(BatchRunTest, NoFilesFound) {
    ScratchDir dir;
    Batch b;
    b.Run({dir.Dir() + "*.none", dir.Dir() + "x.csv"});
    EXPECT_TRUE(b.outcome.noFiles);
    EXPECT_EQ(b.outcome.converted, 0);
    EXPECT_NE(b.err.str().find("ERROR: No files found \"" + dir.Dir() + "*.none " + dir.Dir() + "x.csv\"\n"),
              std::string::npos);
}

TEST(BatchRunTest, TheNamedPolicyFileBecomesTheMasterSet) {
    ScratchDir dir;
    const std::string data = dir.Write("d.csv", "skipped,1\nkept,2\n");
    dir.Write("p.pol", "Lines to ignore at start of file : 1\n");
    Batch b;
    b.context.options.policyFile.Assign(dir.Dir() + "p.pol");
    b.Run({data});
    EXPECT_EQ(b.outcome.converted, 1);
    const std::string html = dir.Read("d.html");
    EXPECT_EQ(html.find("skipped"), std::string::npos);
    EXPECT_NE(html.find("kept"), std::string::npos);
    EXPECT_NE(b.out.str().find("Processing : \"d.csv\" using policy file \"p.pol\"\n"), std::string::npos);
}

TEST(BatchRunTest, AMissingPolicyFileIsReportedAndTheRunGoesOn) {
    ScratchDir dir;
    const std::string data = dir.Write("d.csv", "x,1\n");
    Batch b;
    b.context.options.policyFile.Assign(dir.Dir() + "none.pol");
    b.Run({data});
    EXPECT_EQ(b.outcome.converted, 1);
    EXPECT_FALSE(b.outcome.failed);
    EXPECT_NE(b.err.str().find("ERROR: Can't find master policy file " + dir.Dir() + "none.pol\n"),
              std::string::npos);
}

TEST(BatchRunTest, RtfRunsGetTheRtfExtension) {
    ScratchDir dir;
    const std::string data = dir.Write("d.csv", "x,1\n");
    Batch b;
    b.context.targetFormat = 1;
    b.Run({data});
    EXPECT_EQ(b.outcome.converted, 1);
    EXPECT_EQ(dir.Read("d.rtf").substr(0, 6), "{\\rtf1");
}

}  // namespace
}  // namespace tabulyst
