#include "core/messages.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace tabulyst;

namespace {

struct LogLines : LineSink {
    std::vector<std::string> lines;
    bool PutLine(std::string_view line) override {
        lines.emplace_back(line);
        return true;
    }
};

struct Routed {
    MessageSink sink;
    LogLines log;
    std::ostringstream err, out;
    Routed() {
        sink.err = &err;
        sink.out = &out;
        sink.logFile = &log;
    }
};

}  // namespace

TEST(RouteMessage, ImportanceAgainstReportingLevel) {
    Routed r;
    RouteMessage(r.sink, "INFO: shown", 10);
    RouteMessage(r.sink, "INFO: quiet", 4);
    RouteMessage(r.sink, "ERROR: edge", 5);
    EXPECT_EQ(r.err.str(), "INFO: shown\nERROR: edge\n") << "level 5 shows importance 5 to 10";
    EXPECT_EQ(r.log.lines, (std::vector<std::string>{"INFO: shown", "INFO: quiet", "ERROR: edge"}))
        << "a message that is only hidden still reaches the log";

    Routed zero;
    zero.sink.reportingLevel = 0;
    RouteMessage(zero.sink, "WARNING: nine", 9);
    RouteMessage(zero.sink, "WARNING: ten", 10);
    RouteStatusLine(zero.sink, "Processing");
    EXPECT_EQ(zero.err.str(), "WARNING: ten\n");
    EXPECT_EQ(zero.out.str(), "") << "level 0 drops status lines";
    EXPECT_EQ(zero.log.lines, (std::vector<std::string>{"WARNING: nine", "WARNING: ten"}));
}

TEST(RouteMessage, ClassFiltersAreTextual) {
    Routed r;  // URL suppressed by default
    RouteMessage(r.sink, "URL: http://x", 10);
    EXPECT_TRUE(r.log.lines.empty()) << "a suppressed class is written nowhere";
    EXPECT_EQ(r.err.str(), "");

    r.sink.suppressTagError = true;
    r.sink.suppressProgramError = true;
    RouteMessage(r.sink, "tag error: lower case still matches", 10);
    RouteMessage(r.sink, "TAG_ERROR: Ambiguous TOCLINK tags in row ", 10);
    RouteMessage(r.sink, "PROGRAM ERROR : Underwriter sections not supported in this variant", 10);
    EXPECT_EQ(r.log.lines,
              (std::vector<std::string>{
                  "TAG_ERROR: Ambiguous TOCLINK tags in row ",
                  "PROGRAM ERROR : Underwriter sections not supported in this variant"}));
}
