#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "policy/fc.h"
#include "table/table_model.h"

namespace tabulyst {
namespace {

// A policy set whose reports are captured.
struct Quiet {
    MessageSink sink;
    std::ostringstream err, out;
    FC fc{&sink};
    Quiet() {
        sink.err = &err;
        sink.out = &out;
    }
};

TEST(TableBlockTest, RuleText) {
    EXPECT_TRUE(IsRuleText("-----"));
    EXPECT_TRUE(IsRuleText("----- -----  "));
    EXPECT_TRUE(IsRuleText("   --- === ___"));
    EXPECT_TRUE(IsRuleText("-"));
    EXPECT_FALSE(IsRuleText("-----  -----"));  // two blanks between runs
    EXPECT_FALSE(IsRuleText("-=-"));
    EXPECT_FALSE(IsRuleText("+---+"));
    EXPECT_FALSE(IsRuleText("--- x"));
    EXPECT_FALSE(IsRuleText("   "));
    EXPECT_FALSE(IsRuleText(""));
}

TEST(TableBlockTest, AddedLinesSetWidestNarrowestAndCommonIndent) {
    Quiet q;
    TableBlock block(q.fc, nullptr, nullptr, kFormatUser);
    EXPECT_EQ(block.commonIndent, 80);
    block.AddLine("      Name   Age", "      Name   Age");
    block.AddLine("  ---------------", "  ---------------");  // rule text: no say in the indent
    block.AddLine("", "");
    block.AddLine("        ", "        ");                     // blank: no say in anything
    block.AddLine("    Bob\t12", "    Bob     12");
    ASSERT_EQ(block.lines.size(), 5u);
    EXPECT_EQ(block.commonIndent, 4);
    EXPECT_EQ(block.widest, 17);
    EXPECT_EQ(block.narrowest, 14);
    EXPECT_EQ(block.lines[4].raw, "    Bob\t12");
    EXPECT_EQ(block.lines[4].full, "    Bob     12");
    EXPECT_EQ(block.lines[4].indent, 4);
    EXPECT_EQ(block.lines[4].length, 14);
}

TEST(TableBlockTest, OnlyRuleOrBlankLinesLeaveTheIndentAt80) {
    Quiet q;
    TableBlock block(q.fc, nullptr, nullptr, kFormatUser);
    block.AddLine("   ----", "   ----");
    block.AddLine("", "");
    EXPECT_EQ(block.commonIndent, 80);
}

TEST(TableBlockTest, DelimitedLinesKeepOnlyTheRawText) {
    Quiet q;
    TableBlock block(q.fc, nullptr, nullptr, kFormatTab);
    block.AddLine("a\tb", "a       b");
    ASSERT_EQ(block.lines.size(), 1u);
    EXPECT_EQ(block.lines[0].raw, "a\tb");
    EXPECT_EQ(block.lines[0].full.data(), block.lines[0].raw.data());
    EXPECT_EQ(block.arena.Bytes(), 3u);
}

TEST(TableBlockTest, DirectiveLinesArePolicyLinesOutsideTheMeasures) {
    Quiet q;
    TableBlock block(q.fc, nullptr, nullptr, kFormatUser);
    block.AddLine("$_$_TABLE_BORDER 2 and a long tail", "$_$_TABLE_BORDER 2 and a long tail", kLineDirective, 12, 7);
    block.AddLine("  ab", "  ab");
    EXPECT_EQ(block.lines[0].type, kTableLinePolicy);
    EXPECT_EQ(block.lines[0].directive, 12);
    EXPECT_EQ(block.lines[0].lineNumber, 7);
    EXPECT_EQ(block.widest, 4);
    EXPECT_EQ(block.commonIndent, 2);
}

TEST(TableBlockTest, MailHeaderLinesAreCounted) {
    Quiet q;
    TableBlock block(q.fc, nullptr, nullptr, kFormatUser);
    SourceLine line;
    line.text = line.raw = "Subject: tables";
    line.mailHeader = true;
    block.AddLine(line);
    line.text = line.raw = "body";
    line.mailHeader = false;
    block.AddLine(line);
    EXPECT_EQ(block.mailHeaderLines, 1);
    EXPECT_TRUE(block.lines[0].mailHeader);
    EXPECT_FALSE(block.lines[1].mailHeader);
}

TEST(TableBlockTest, FirstAnalysedLineWhenTheHeaderIsIgnored) {
    const int counts[][2] = {{30, 6}, {26, 5}, {25, 5}, {8, 5}, {7, 5}, {3, 1}, {2, 0}, {1, 0}, {0, 0}};
    for (const auto& count : counts) {
        Quiet q;
        q.fc.BaseConfig().SetValue(P::IgnoreTableHeaderDuringAnalysis, 1);
        TableBlock block(q.fc, nullptr, nullptr, kFormatAuto);
        for (int i = 0; i < count[0]; ++i) block.AddLine("x", "x");
        block.Finish(kFormatAuto);
        EXPECT_EQ(block.firstAnalysedLine, count[1]) << count[0] << " lines";
    }
    Quiet off;
    TableBlock block(off.fc, nullptr, nullptr, kFormatAuto);
    for (int i = 0; i < 30; ++i) block.AddLine("x", "x");
    block.Finish(kFormatAuto);
    EXPECT_EQ(block.firstAnalysedLine, 0);
}

TEST(TableBlockTest, TheDelimiterComesFromTheCodeThenThePolicy) {
    Quiet comma;
    TableBlock c(comma.fc, nullptr, nullptr, kFormatComma);
    c.Finish(kFormatComma);
    EXPECT_EQ(c.delimiter, ',');

    Quiet tab;
    TableBlock t(tab.fc, nullptr, nullptr, kFormatTab);
    t.Finish(kFormatTab);
    EXPECT_EQ(t.delimiter, '\t');

    Quiet chosen;
    chosen.fc.BaseConfig().SetText(P::DefaultTableDelimiterCharacter, ";x");
    TableBlock s(chosen.fc, nullptr, nullptr, kFormatComma);
    s.Finish(kFormatComma);
    EXPECT_EQ(s.delimiter, ';');
}

TEST(TableBlockTest, AQueuedConfigurationIsUsedOnceAndThenDeleted) {
    Quiet q;
    q.fc.BaseConfig().SetText(P::DefaultTableDelimiterCharacter, ";");
    q.fc.passPreRead = true;
    q.fc.CreateNewTabConfig();
    q.fc.CreateNewTabConfig();
    q.fc.OldestConfig().SetText(P::DefaultTableDelimiterCharacter, "|");
    q.fc.passPreRead = false;
    q.fc.passHtml = true;

    TableBlock first(q.fc, nullptr, nullptr, kFormatTab);
    first.Finish(kFormatTab);
    EXPECT_EQ(first.delimiter, '|');
    EXPECT_EQ(q.fc.NumTabConfigs(), 1);

    // An automatically detected table always takes the base configuration.
    TableBlock automatic(q.fc, nullptr, nullptr, kFormatAuto);
    automatic.Finish(kFormatAuto);
    EXPECT_EQ(automatic.delimiter, ';');
    EXPECT_EQ(q.fc.NumTabConfigs(), 0);
}

TEST(TableBlockTest, AnUnknownFormatCodeIsReported) {
    Quiet q;
    TableBlock block(q.fc, nullptr, nullptr, 5);
    block.AddLine("x", "x");
    block.Finish(5);
    EXPECT_NE(q.err.str().find("UNSUPPORTED CASE: Special Format Code 5\n"), std::string::npos);
}

TEST(TableBlockTest, ConfigurationQueueNeedsAPass) {
    Quiet q;
    q.fc.CreateNewTabConfig();
    EXPECT_EQ(q.fc.NumTabConfigs(), 0);
    q.fc.DeleteOldTabConfig();
    EXPECT_EQ(q.err.str(),
              "PROGRAM ERROR: FC::CreateNewTabConfig called out of sequence\n"
              "PROGRAM ERROR: FC::DeleteOldTabConfig called out of sequence\n");

    Quiet writing;
    writing.fc.passRtf = true;
    writing.fc.CreateNewTabConfig();  // writing passes never create
    EXPECT_EQ(writing.fc.NumTabConfigs(), 0);
    writing.fc.DeleteOldTabConfig();
    EXPECT_EQ(writing.err.str(), "PROGRAM ERROR: Unexpected NumTabConfigs = 0\n");

    Quiet reading;
    reading.fc.passPreRead = true;
    reading.fc.BaseConfig().SetValue(P::DefaultTableBorderSize, 3);
    reading.fc.CreateNewTabConfig();
    reading.fc.NewestConfig().SetValue(P::DefaultTableBorderSize, 7);
    reading.fc.CreateNewTabConfig();
    EXPECT_EQ(reading.fc.NumTabConfigs(), 2);
    EXPECT_EQ(reading.fc.OldestConfig().Value(P::DefaultTableBorderSize), 7);
    EXPECT_EQ(reading.fc.NewestConfig().Value(P::DefaultTableBorderSize), 3);
    reading.fc.DeleteOldTabConfig();
    EXPECT_EQ(reading.fc.OldestConfig().Value(P::DefaultTableBorderSize), 3);
    EXPECT_EQ(reading.err.str(), "");
}

}  // namespace
}  // namespace tabulyst
