#include "convert/run_log.h"

#include <gtest/gtest.h>

#include <string>

#include "convert/convert_test_support.h"

namespace tabulyst {
namespace {

// A quiet run whose log is opened in a scratch directory.
struct LogRun : testing_support::QuietContext {
    testing_support::ScratchDir dir;
    FC master{&context.sink};
    TextFile log;
    LogRun() { context.sink.runDisplay = false; }
    bool Open(const std::string& name, const std::string& directory) {
        return OpenRunLog(context, master, name, directory, log);
    }
    void Close() {
        AttachLog(context.sink, nullptr);
        log.Close();
    }
};

TEST(RunLogTest, ABareNameGoesToTheOutputDirectory) {
    EXPECT_EQ(LogPath("run.log", "out/").Str(), "out/run.log");
    EXPECT_EQ(LogPath("logs/run.log", "out/").Str(), "logs/run.log");
    EXPECT_EQ(LogPath("run.log", "").Str(), "run.log");
}

TEST(RunLogTest, RunLinesKeptSoFarComeFirstThenTheGeneratingLine) {
    LogRun r;
    IssueRunLine(r.context.sink, "first");
    IssueRunLine(r.context.sink, "second");
    ASSERT_TRUE(r.Open("run.log", r.dir.Dir()));
    IssueRunLine(r.context.sink, "third");
    r.Close();
    const std::string log = r.dir.Dir() + "run.log";
    EXPECT_EQ(r.dir.Read("run.log"),
              "SESSION: first\nSESSION: second\nGenerating log file " + log + "\nSESSION: third\n");
    EXPECT_EQ(r.context.sink.logPath.Str(), log);
}

TEST(RunLogTest, WhenTheFixedNameFailsTooTheRunGoesOnWithoutALog) {
    LogRun r;
    const std::string missing = r.dir.Dir() + "missing/";
    EXPECT_FALSE(r.Open(missing + "run.log", missing));
    EXPECT_EQ(r.context.sink.logFile, nullptr);
    EXPECT_EQ(r.context.sink.runBuffer.Str(),
              "SESSION: *** Failed to open log file : " + missing + "run.log ***\n"
              "SESSION:     Opening " + missing + "Pagelyst.log instead\n"
              "SESSION: *** Failed to open log file : " + missing + "Pagelyst.log ***");
}

}  // namespace
}  // namespace tabulyst
