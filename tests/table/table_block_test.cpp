#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>

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
    // Runs of one rule character, a single blank between runs.
    for (const char* text : {"-----", "----- -----  ", "   --- === ___", "-"})
        EXPECT_TRUE(IsRuleText(text)) << text;
    for (const char* text : {"-----  -----", "-=-", "+---+", "--- x", "   ", ""})
        EXPECT_FALSE(IsRuleText(text)) << text;
}

TEST(TableBlockTest, AddedLinesSetTheMeasuresAndTheCommonIndent) {
    Quiet q;
    TableBlock block(q.fc, nullptr, nullptr, kFormatUser);
    EXPECT_EQ(block.commonIndent, 80);
    block.AddLine("      Name   Age", "      Name   Age");
    block.AddLine("  ---------------", "  ---------------");  // rule text: no say in the indent
    block.AddLine("", "");
    block.AddLine("        ", "        ");  // blank: no say in anything
    block.AddLine("    Bob\t12", "    Bob     12");
    ASSERT_EQ(block.lines.size(), 5u);
    EXPECT_EQ(std::tuple(block.commonIndent, block.widest, block.narrowest), std::tuple(4, 17, 14));
    const TableLine& bob = block.lines[4];
    EXPECT_EQ(std::tuple(bob.raw, bob.full, bob.indent, bob.length),
              std::tuple("    Bob\t12", "    Bob     12", 4, 14));

    TableBlock none(q.fc, nullptr, nullptr, kFormatUser);  // only rule or blank lines: 80
    none.AddLine("   ----", "   ----");
    none.AddLine("", "");
    EXPECT_EQ(none.commonIndent, 80);

    // Directive lines were executed when read: they take no line position and no measure.
    TableBlock directive(q.fc, nullptr, nullptr, kFormatUser);
    const std::string_view text = "$_$_TABLE_BORDER 2 and a long tail";
    directive.AddLine(text, text, kLineDirective, 12, 7);
    directive.AddLine("  ab", "  ab");
    ASSERT_EQ(directive.lines.size(), 1u);
    EXPECT_EQ(std::tuple(directive.lines[0].full, directive.widest, directive.commonIndent),
              std::tuple(std::string_view("  ab"), 4, 2));

    // Delimited lines keep only the raw text.
    TableBlock tab(q.fc, nullptr, nullptr, kFormatTab);
    tab.AddLine("a\tb", "a       b");
    ASSERT_EQ(tab.lines.size(), 1u);
    EXPECT_EQ(tab.lines[0].raw, "a\tb");
    EXPECT_EQ(tab.lines[0].full.data(), tab.lines[0].raw.data());
    EXPECT_EQ(tab.arena.Bytes(), 3u);

    TableBlock mail(q.fc, nullptr, nullptr, kFormatUser);  // mail header lines are counted
    SourceLine line;
    line.text = line.raw = "Subject: tables";
    line.mailHeader = true;
    mail.AddLine(line);
    line.text = line.raw = "body";
    line.mailHeader = false;
    mail.AddLine(line);
    EXPECT_EQ(std::tuple(mail.mailHeaderLines, mail.lines[0].mailHeader, mail.lines[1].mailHeader),
              std::tuple(1, true, false));
}

TEST(TableBlockTest, FirstAnalysedLineWhenTheHeaderIsIgnored) {
    const int counts[][3] = {{30, 6, 1}, {26, 5, 1}, {25, 5, 1}, {8, 5, 1}, {7, 5, 1},
                             {3, 1, 1},  {2, 0, 1},  {1, 0, 1},  {0, 0, 1}, {30, 0, 0}};
    for (const auto& count : counts) {
        Quiet q;
        if (count[2]) q.fc.BaseConfig().SetValue(P::IgnoreTableHeaderDuringAnalysis, 1);
        TableBlock block(q.fc, nullptr, nullptr, kFormatAuto);
        for (int i = 0; i < count[0]; ++i) block.AddLine("x", "x");
        block.Finish(kFormatAuto);
        EXPECT_EQ(block.firstAnalysedLine, count[1]) << count[0] << " lines, ignored " << count[2];
    }
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
    EXPECT_EQ(std::tuple(first.delimiter, q.fc.NumTabConfigs()), std::tuple('|', 1));
    // An automatically detected table always takes the base configuration.
    TableBlock automatic(q.fc, nullptr, nullptr, kFormatAuto);
    automatic.Finish(kFormatAuto);
    EXPECT_EQ(std::tuple(automatic.delimiter, q.fc.NumTabConfigs()), std::tuple(';', 0));

    Quiet unknown;
    TableBlock block(unknown.fc, nullptr, nullptr, 5);
    block.AddLine("x", "x");
    block.Finish(11);
    EXPECT_NE(unknown.err.str().find("UNSUPPORTED CASE: Special Format Code 11\n"),
              std::string::npos);
}

TEST(TableBlockTest, ConfigurationQueueNeedsAPass) {
    Quiet q, writing, reading;
    q.fc.CreateNewTabConfig();
    EXPECT_EQ(q.fc.NumTabConfigs(), 0);
    q.fc.DeleteOldTabConfig();
    EXPECT_EQ(q.err.str(),
              "PROGRAM ERROR: FC::CreateNewTabConfig called out of sequence\n"
              "PROGRAM ERROR: FC::DeleteOldTabConfig called out of sequence\n");

    writing.fc.passRtf = true;
    writing.fc.CreateNewTabConfig();  // writing passes never create
    EXPECT_EQ(writing.fc.NumTabConfigs(), 0);
    writing.fc.DeleteOldTabConfig();
    EXPECT_EQ(writing.err.str(), "PROGRAM ERROR: Unexpected NumTabConfigs = 0\n");

    reading.fc.passPreRead = true;
    reading.fc.BaseConfig().SetValue(P::DefaultTableBorderSize, 3);
    reading.fc.CreateNewTabConfig();
    reading.fc.NewestConfig().SetValue(P::DefaultTableBorderSize, 7);
    reading.fc.CreateNewTabConfig();
    EXPECT_EQ(std::tuple(reading.fc.NumTabConfigs(),
                         reading.fc.OldestConfig().Value(P::DefaultTableBorderSize),
                         reading.fc.NewestConfig().Value(P::DefaultTableBorderSize)),
              std::tuple(2, 7, 3));
    reading.fc.DeleteOldTabConfig();
    EXPECT_EQ(reading.fc.OldestConfig().Value(P::DefaultTableBorderSize), 3);
    EXPECT_EQ(reading.err.str(), "");
}

}  // namespace
}  // namespace tabulyst
