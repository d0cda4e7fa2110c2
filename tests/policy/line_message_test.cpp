// Messages about a source line: numbered and kept on the line while it is current, and
// shown only in the pass that issues them.
#include "policy/line_message.h"

#include <gtest/gtest.h>

#include "policy/policy_test_support.h"

using namespace tabulyst;
using namespace tabulyst::testing;

TEST(LineMessages, NumberedWhileALineIsCurrentInTheIssuingPass) {
    CapturedFC c;
    KeptLines log;
    c.sink.logFile = &log;
    SourceLine line;
    line.lineNumber = 12;
    c.fc.Issue("TAG ERROR: before", 10);
    {
        CurrentLineScope current(c.fc, &line);
        c.fc.Issue("TAG ERROR: collecting", 10);  // kept on the line, not shown
        IssuingPass issuing(c.fc);
        c.fc.Issue("TAG ERROR: Bad alignment code 'x' ", 10);
        c.fc.SetValue(P::SuppressTagErrorMessages, 1);
        c.fc.Issue("TAG ERROR: suppressed", 10);  // neither shown nor kept
    }
    c.fc.Issue("INFO: after", 10);
    EXPECT_EQ(c.messages,
              (Messages{"TAG ERROR: before", "Line 12 - TAG ERROR: Bad alignment code 'x' ",
                        "INFO: after"}));
    EXPECT_EQ(line.annotation.View(),
              "*** TAG ERROR: collecting\n*** TAG ERROR: Bad alignment code 'x' ");
    EXPECT_TRUE(c.fc.collecting && !c.fc.CurrentLine()) << "both are given back";
}
