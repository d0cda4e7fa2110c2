#include "table/preformatted.h"

#include <gtest/gtest.h>

#include "output/rtf_frame.h"
#include "plain_block.h"
#include "table/table_writers.h"

namespace tabulyst {
namespace {

using test::Texts;

TEST(WritePreformattedBlockTest, HtmlLinesAreEscapedInsidePreAndKeepTheirIndent) {
    test::PlainFixture t;
    t.Lines({"  +--+", "  |a<b|   ", "  +--+"});
    t.DirectiveLine("$_$_TABLE_BORDER 1");
    t.Lines({"  x & y"});
    t.block.isDiagram = true;
    WritePreformattedBlock(t.block);
    EXPECT_EQ(t.html.statements,
              (Texts{"<PRE>", "  +--+", "  |a&lt;b|", "  +--+", "  x &amp; y", "</PRE>"}));
}

TEST(WritePreformattedBlockTest, RtfLinesAreParagraphsInTheBlocksStyle) {
    test::RecordingSink recorder;
    FC fc(&recorder.sink);
    test::CapturingOutput rtf;
    rtf.state.outputFormat = kOutputRtf;
    TableBlock block(fc, nullptr, &rtf, kFormatAuto);
    block.AddLine("int f() {", "int f() {");
    block.AddLine("}", "}");
    block.isCodeSample = true;
    WritePreformattedBlock(block);
    EXPECT_EQ(rtf.statements, (Texts{"int f() \\'7b\\par", "\\'7d\\par"}));
    EXPECT_EQ(PreformattedRtfStyle(block), kStyleCode);
    block.isCodeSample = false;
    block.isDiagram = true;
    EXPECT_EQ(PreformattedRtfStyle(block), kStyleDiagram);
}

}  // namespace
}  // namespace tabulyst
