#include "convert/run_log.h"

#include <gtest/gtest.h>

#include <string>

#include "convert/convert_test_support.h"

namespace tabulyst {
namespace {

using testing_support::QuietContext;
using testing_support::ScratchDir;

TEST(RunLogTest, ABareNameGoesToTheOutputDirectory) {
    EXPECT_EQ(LogPath("run.log", "out/").Str(), "out/run.log");
    EXPECT_EQ(LogPath("logs/run.log", "out/").Str(), "logs/run.log");
    EXPECT_EQ(LogPath("run.log", "").Str(), "run.log");
}

TEST(RunLogTest, RunLinesKeptSoFarComeFirstThenTheGeneratingLine) {
    ScratchDir dir;
    QuietContext q;
    q.context.sink.runDisplay = false;
    IssueRunLine(q.context.sink, "first");
    IssueRunLine(q.context.sink, "second");
    FC master(&q.context.sink);
    TextFile log;
    ASSERT_TRUE(OpenRunLog(q.context, master, "run.log", dir.Dir(), log));
    IssueRunLine(q.context.sink, "third");
    AttachLog(q.context.sink, nullptr);
    log.Close();
    EXPECT_EQ(dir.Read("run.log"),
              "SESSION: first\nSESSION: second\n"
              "Generating log file " + dir.Dir() + "run.log\n"
              "SESSION: third\n");
    EXPECT_EQ(q.context.sink.logPath.Str(), dir.Dir() + "run.log");
}

TEST(RunLogTest, AnUnwritableLogFallsBackToTheFixedName) {
    ScratchDir dir;
    QuietContext q;
    q.context.sink.runDisplay = false;
    FC master(&q.context.sink);
    TextFile log;
    const std::string bad = dir.Dir() + "missing/run.log";
    ASSERT_TRUE(OpenRunLog(q.context, master, bad, dir.Dir(), log));
    AttachLog(q.context.sink, nullptr);
    log.Close();
    EXPECT_EQ(dir.Read("Pagelyst.log"),
              "SESSION: *** Failed to open log file : " + bad + " ***\n"
              "SESSION:     Opening " + dir.Dir() + "Pagelyst.log instead\n"
              "Generating log file " + dir.Dir() + "Pagelyst.log\n");
}

TEST(RunLogTest, WhenTheFallBackFailsTooTheRunGoesOnWithoutALog) {
    ScratchDir dir;
    QuietContext q;
    q.context.sink.runDisplay = false;
    FC master(&q.context.sink);
    TextFile log;
    const std::string nowhere = dir.Dir() + "missing/";
    EXPECT_FALSE(OpenRunLog(q.context, master, nowhere + "run.log", nowhere, log));
    EXPECT_EQ(q.context.sink.logFile, nullptr);
    EXPECT_EQ(q.context.sink.runBuffer.Str(),
              "SESSION: *** Failed to open log file : " + nowhere + "run.log ***\n"
              "SESSION:     Opening " + nowhere + "Pagelyst.log instead\n"
              "SESSION: *** Failed to open log file : " + nowhere + "Pagelyst.log ***");
}

}  // namespace
}  // namespace tabulyst
