#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "table/table_fixture.h"

namespace tabulyst {
namespace {

using test::BlockFixture;

TEST(TableBlockTest, RuleText) {
    // Runs of one rule character, a single blank between runs.
    for (const char* text : {"-----", "----- -----  ", "   --- === ___", "-"})
        EXPECT_TRUE(IsRuleText(text)) << text;
    for (const char* text : {"-----  -----", "-=-", "+---+", "--- x", "   ", ""})
        EXPECT_FALSE(IsRuleText(text)) << text;
}

TEST(TableBlockTest, AddedLinesSetTheMeasuresAndTheCommonIndent) {
    BlockFixture t(TableFormat::User);
    TableBlock& block = t.block;
    EXPECT_EQ(block.commonIndent, 80);
    block.AddLine("      Name   Age", "      Name   Age");
    block.AddLine("  ---------------", "  ---------------");  // rule text: no say in the indent
    block.AddLine("", "");
    block.AddLine("        ", "        ");  // blank: no say in anything
    block.AddLine("    Bob\t12", "    Bob     12");
    EXPECT_EQ(std::tuple(block.commonIndent, block.widest, block.narrowest, block.LineCount()),
              std::tuple(4, 17, 14, 5));
    LinePass pass(block);
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(pass.Next());
    EXPECT_EQ(std::tuple(pass.Raw(), pass.Full()), std::tuple("    Bob\t12", "    Bob     12"));
    EXPECT_FALSE(pass.Next());

    BlockFixture none(TableFormat::User);  // only rule or blank lines: 80
    none.Lines({"   ----", ""});
    EXPECT_EQ(none.block.commonIndent, 80);

    // Delimited lines are analysed as read.
    BlockFixture tab(TableFormat::Tab);
    tab.block.AddLine("a\tb", "a       b");
    EXPECT_EQ(tab.Text(0), "a\tb");

    BlockFixture mail(TableFormat::User);  // mail header lines are counted
    SourceLine line;
    line.text = line.raw = "Subject: tables";
    line.mailHeader = true;
    mail.block.AddLine(line);
    line.text = line.raw = "body";
    line.mailHeader = false;
    mail.block.AddLine(line);
    EXPECT_EQ(mail.block.mailHeaderLines, 1);
}

TEST(TableBlockTest, FirstAnalysedLineWhenTheHeaderIsIgnored) {
    const int counts[][3] = {{30, 6, 1}, {25, 5, 1}, {7, 5, 1}, {2, 0, 1}, {30, 0, 0}};
    for (const auto& count : counts) {
        BlockFixture t(TableFormat::Auto);
        if (count[2]) t.Config().SetValue(P::IgnoreTableHeaderDuringAnalysis, 1);
        t.Repeat("x", count[0]);
        t.Analyse();
        EXPECT_EQ(t.block.firstAnalysedLine, count[1])
            << count[0] << " lines, ignored " << count[2];
    }
}

TEST(TableBlockTest, AnUnknownFormatCodeIsReported) {
    BlockFixture t(TableFormat::User);
    t.Lines({"x"});
    t.block.Analyse(11);
    EXPECT_EQ(t.Messages(), test::Texts{"UNSUPPORTED CASE: Special Format Code 11"});
}

}  // namespace
}  // namespace tabulyst
