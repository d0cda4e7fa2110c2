#include "convert/run_log.h"

#include <gtest/gtest.h>

#include <string>

#include "convert/convert_test_support.h"

namespace tabulyst {
namespace {

TEST(RunLogTest, WhenTheFixedNameFailsTooTheRunGoesOnWithoutALog) {
    testing_support::QuietContext q;
    testing_support::ScratchDir dir;
    q.context.sink.runDisplay = false;
    FC master{&q.context.sink};
    TextFile log;
    const std::string missing = dir.Dir() + "missing/";
    EXPECT_FALSE(OpenRunLog(q.context, master, missing + "run.log", missing, log));
    EXPECT_EQ(q.context.sink.logFile, nullptr);
    EXPECT_EQ(q.context.sink.runBuffer.Str(), "SESSION: *** Failed to open log file : " + missing +
                                                  "run.log ***\n"
                                                  "SESSION:     Opening " +
                                                  missing +
                                                  "Pagelyst.log instead\n"
                                                  "SESSION: *** Failed to open log file : " +
                                                  missing + "Pagelyst.log ***");
}

}  // namespace
}  // namespace tabulyst
