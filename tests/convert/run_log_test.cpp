#include "convert/run_log.h"

#include <gtest/gtest.h>

#include <string>

#include "convert/convert_test_support.h"

namespace tabulyst {
namespace {

TEST(RunLogTest, AnUnwritableDirectoryIsNotTriedTwiceAndTheRunGoesOnWithoutALog) {
    testing_support::QuietContext q;
    testing_support::ScratchDir dir;
    q.context.sink.runDisplay = false;
    FC master{&q.context.sink};
    TextFile log;
    const std::string missing = dir.Dir() + "missing/";
    EXPECT_FALSE(OpenRunLog(q.context, master, missing + "run.log", missing, log));
    EXPECT_EQ(q.context.sink.logFile, nullptr);
    EXPECT_EQ(q.context.sink.runBuffer.Str(), "SESSION: *** Failed to open log file : " + missing +
                                                  "run.log *** (No such file or directory)\n"
                                                  "SESSION:     Going on without a log file");

    // Another directory is worth the fall-back.
    TextFile second;
    q.context.sink.runBuffer.Clear();
    EXPECT_TRUE(OpenRunLog(q.context, master, missing + "run.log", dir.Dir(), second));
    EXPECT_EQ(q.context.sink.runBuffer.Str(), "");  // written to the log as it opened
    second.Close();
    EXPECT_TRUE(testing_support::Contains(
        dir.Read("Pagelyst.log"), "SESSION:     Opening " + dir.Dir() + "Pagelyst.log instead"));
}

}  // namespace
}  // namespace tabulyst
