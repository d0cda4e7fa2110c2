#include "convert/batch_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "convert/convert_test_support.h"

namespace tabulyst {
namespace {

using testing_support::Contains;
namespace fs = std::filesystem;

// A run over files of a scratch directory, comma-delimited unless the options say otherwise.
struct Batch : testing_support::QuietContext {
    testing_support::ScratchDir dir;
    FC master{&context.sink};
    RunOutcome outcome;
    void Run(const std::vector<std::string>& names) {
        std::vector<TextString> specs;
        for (const std::string& name : names) specs.emplace_back(dir.Dir() + name);
        outcome = RunBatch(context, master, specs, TableFormat::Comma);
    }
};

TEST(BatchRunTest, TheLoopStopsAtTheFirstFileThatCannotBeOpened) {
    Batch b;
    b.dir.Write("a.csv", "a,1\n");
    fs::create_symlink(b.dir.Dir() + "gone.csv", b.dir.Path() / "b.csv");  // listed, unreadable
    b.dir.Write("c.csv", "c,3\n");
    b.Run({"*.csv"});
    EXPECT_EQ(b.outcome.converted, 1);
    EXPECT_TRUE(b.outcome.failed);
    EXPECT_TRUE(fs::exists(b.dir.Dir() + "a.html"));
    EXPECT_FALSE(fs::exists(b.dir.Dir() + "b.html"));
    EXPECT_FALSE(fs::exists(b.dir.Dir() + "c.html"));
    EXPECT_TRUE(Contains(b.err.str(), "ERROR: Error opening " + b.dir.Dir() +
                                          "b.csv (No such file or directory)\n"));
    // The run still ends normally.
    const std::string out = b.out.str();
    EXPECT_EQ(out.substr(out.size() - 59),
              "%%%%%%%%%%%%%%%%%%% Conversion complete %%%%%%%%%%%%%%%%%%\n");
}

TEST(BatchRunTest, NoFilesFound) {
    Batch b;
    b.Run({"*.none", "x.csv"});
    EXPECT_TRUE(b.outcome.noFiles);
    EXPECT_EQ(b.outcome.converted, 0);
    const std::string d = b.dir.Dir();
    EXPECT_TRUE(
        Contains(b.err.str(), "ERROR: No files found \"" + d + "*.none " + d + "x.csv\"\n"));
}

TEST(BatchRunTest, TheNamedPolicyFileBecomesTheMasterSet) {
    Batch b;
    b.dir.Write("d.csv", "skipped,1\nkept,2\n");
    b.dir.Write("p.pol", "Lines to ignore at start of file : 1\n");
    b.context.options.policyFile.Assign(b.dir.Dir() + "p.pol");
    b.Run({"d.csv"});
    EXPECT_EQ(b.outcome.converted, 1);
    EXPECT_FALSE(Contains(b.dir.Read("d.html"), "skipped"));
    EXPECT_TRUE(Contains(b.dir.Read("d.html"), "kept"));
}

TEST(BatchRunTest, AMissingPolicyFileIsReportedAndTheRunGoesOn) {
    Batch b;
    b.dir.Write("d.csv", "x,1\n");
    b.context.options.policyFile.Assign(b.dir.Dir() + "none.pol");
    b.Run({"d.csv"});
    EXPECT_EQ(b.outcome.converted, 1);
    EXPECT_FALSE(b.outcome.failed);
    const std::string pol = b.dir.Dir() + "none.pol";
    EXPECT_TRUE(Contains(b.err.str(), "ERROR: Can't find master policy file " + pol + "\n"));
}

TEST(BatchRunTest, ThePolicyQualifierSavesTheStatedPolicies) {
    Batch b;
    b.dir.Write("d.csv", "x,1\n");
    b.dir.Write("p.pol", "Default TABLE header rows : 1\nTAB size : 4\n");
    b.context.options.policyFile.Assign(b.dir.Dir() + "p.pol");
    b.context.options.outputPolicy = true;
    b.Run({"d.csv"});
    EXPECT_EQ(b.dir.Read("d.pol"),
              "\n[General Analysis]\n\nTAB size                          : 4\n"
              "\n[Table generation]\n\nDefault TABLE header rows         : 1\n");

    // A record that would replace the policy file the run reads is refused.
    b.context.options.outputPolicyName.Assign("p");
    b.Run({"d.csv"});
    EXPECT_TRUE(Contains(
        b.err.str(), "ERROR: Policy file would overwrite input file " + b.dir.Dir() + "p.pol\n"));
    EXPECT_EQ(b.dir.Read("p.pol"), "Default TABLE header rows : 1\nTAB size : 4\n");
}

}  // namespace
}  // namespace tabulyst
