#include "policy/line_message.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "policy/fc.h"

using namespace tabulyst;

namespace {

struct Log : LineSink {
    std::vector<std::string> lines;
    bool PutLine(std::string_view line) override {
        lines.emplace_back(line);
        return true;
    }
};

}  // namespace

TEST(IssueLineMessage, AnnotatesTheLineAndRoutesOnlyWhenNotQuiet) {
    MessageSink sink;
    std::ostringstream err;
    sink.err = &err;
    Log log;
    sink.logFile = &log;
    FC fc(&sink);
    SourceLine line;
    line.lineNumber = 12;

    IssueLineMessage(line, fc, "WARNING: first", 10);
    EXPECT_EQ(err.str(), "") << "a new set is collecting: the message is only kept on the line";
    fc.collecting = false;
    IssueLineMessage(line, fc, "ERROR: second", 10);
    EXPECT_EQ(line.annotation.View(), "*** WARNING: first\n*** ERROR: second");
    EXPECT_EQ(err.str(), "Line 12 - ERROR: second\n");
    EXPECT_EQ(log.lines, std::vector<std::string>{"Line 12 - ERROR: second"});

    fc.SetValue(P::SuppressTagErrorMessages, 1);
    IssueLineMessage(line, fc, "TAG ERROR: dropped", 10);
    EXPECT_EQ(line.annotation.View(), "*** WARNING: first\n*** ERROR: second")
        << "a suppressed class is neither kept nor routed";

    sink.logFile = nullptr;
    IssueLineMessage(line, fc, "ERROR: third", 10);
    EXPECT_EQ(line.annotation.View(), "*** WARNING: first\n*** ERROR: second")
        << "without a log there is nothing to annotate for";
}
