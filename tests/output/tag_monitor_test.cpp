// The tag monitor's counts and its report at the end of a document.
#include "output/tag_monitor.h"

#include <gtest/gtest.h>

#include "html_test_support.h"

namespace tabulyst {
namespace {

TEST(TagMonitor, CountsStartTagsAndFlagsUnclosedElements) {
    TagMonitor monitor;
    monitor.Record("<!-- a comment --><TABLE BORDER=0>");
    monitor.Record("  <TR><td>a &lt; b<BR></TD>");
    monitor.Record("</TR>");
    EXPECT_EQ(monitor.Summary(), "INFO: Tags generated - BR 1, TABLE 1, TD 1, TR 1");
    EXPECT_EQ(monitor.Imbalances(),
              std::vector<std::string>{"WARNING: Unbalanced tags - TABLE 1 start, 0 end"});

    testing::HtmlHarness h;  // the document end reports when monitoring is on
    h.fc->SetValue(P::MonitorTagGeneration, 1);
    h.fc->SetValue(P::CommentGenerationCode, 2);  // neither comment nor generator META
    ASSERT_TRUE(h.Open());
    h.file.WriteText("<CENTER>");
    ASSERT_TRUE(h.file.EndDocument());
    EXPECT_TRUE(h.HasMessage("INFO: Tags generated - BODY 1, CENTER 1, HEAD 1, HTML 1, TITLE 1"));
    EXPECT_TRUE(h.HasMessage("WARNING: Unbalanced tags - CENTER 1 start, 0 end"));
}

}  // namespace
}  // namespace tabulyst
