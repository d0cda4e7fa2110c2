#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "plain_block.h"
#include "table/analysis.h"
#include "table/column_analysis.h"

namespace tabulyst {
namespace {

using test::Ints;
using test::PlainFixture;
using test::Texts;

constexpr std::string_view kIncrease = "INFO: Increasing min column separation in table to 2 spaces";

int Count(const Texts& messages, std::string_view text) {
    return static_cast<int>(std::count(messages.begin(), messages.end(), text));
}

TEST(AnalysePlainTextTest, AMostlyEmptyLastColumnIsDropped) {
    PlainFixture t;
    t.Lines({"aa  bb  cc", "--  --  --", "aa  bb", "--  --  --", "aa  bb", "--  --  --", "aa  bb",
             "--  --  --", "aa  bb", "--  --  --"});
    AnalysePlainText(t.block);
    EXPECT_TRUE(t.block.isTable);
    EXPECT_EQ(t.Boundaries(), (Ints{3, 9}));
    EXPECT_EQ(t.Cells(0), (Texts{"aa", "bb  cc"}));
    EXPECT_EQ(Count(t.Messages(), kIncrease), 0);  // a merge was made
}

TEST(AnalysePlainTextTest, AColumnWhoseCellsOftenRunOnIsMergedWithTheNext) {
    PlainFixture t;
    t.Lines({"aa  bb  cc", "aa  bb  cc", "aa  bb  cc", "aa  bb  cc", "aaaaaa  cc", "aaaaaa  cc"});
    AnalysePlainText(t.block);
    EXPECT_EQ(t.Boundaries(), (Ints{7, 9}));
    EXPECT_EQ(t.Cells(0), (Texts{"aa  bb", "cc"}));
    EXPECT_EQ(t.Cells(4), (Texts{"aaaaaa", "cc"}));
}

TEST(AnalysePlainTextTest, AWeakMergingFactorKeepsSpansAndWidensTheSeparation) {
    PlainFixture t;
    t.Config().SetValue(P::ColumnMergingFactor, 4);
    t.Lines({"aa  bb  cc", "aa  bb  cc", "aa  bb  cc", "aa  bb  cc", "aaaaaa  cc", "aaaaaa  cc"});
    AnalysePlainText(t.block);
    EXPECT_EQ(t.Boundaries(), (Ints{3, 7, 9}));
    EXPECT_EQ(t.Cells(4), (Texts{"aaaaaa{2}", "cc"}));
    EXPECT_EQ(Count(t.Messages(), kIncrease), 1);
}

TEST(AnalysePlainTextTest, AMostlyEmptyInnerColumnJoinsTheColumnBeforeIt) {
    PlainFixture t;
    t.Lines({"aa  bb  cc  dd  ee"});
    for (int i = 0; i < 4; ++i) t.Lines({"aa      cc  dd  ee", "--  --  --  --  --"});
    t.Lines({"--  --  --  --  --"});
    AnalysePlainText(t.block);
    EXPECT_EQ(t.Boundaries(), (Ints{7, 11, 15, 17}));
    EXPECT_EQ(t.Cells(0), (Texts{"aa  bb", "cc", "dd", "ee"}));
    // That merge does not count, so the wider separation is tried as well.
    EXPECT_EQ(Count(t.Messages(), kIncrease), 1);
}

TEST(AnalysePlainTextTest, InBlankLineSeparatedRowsACellRunningOnMergesItsPair) {
    PlainFixture t;
    t.Lines({"Item   Kind   2019   2020", "", "Rent   Flat    400    400", "Heat   Gas     120    130",
             "", "Food   Mixed   300    310", "Wine   Red     100    110", "",
             "Cars   Fleet   900    950", "Travelling     200    210", "", "Misc   Other    50     60",
             "Tax    Rate     20     25"});
    AnalysePlainText(t.block);
    EXPECT_TRUE(t.block.blankLineSeparated);
    EXPECT_EQ(t.Boundaries(), (Ints{13, 20, 24}));
    EXPECT_EQ(t.Cells(0), (Texts{"Item   Kind", "2019", "2020"}));
    EXPECT_EQ(t.Cells(9), (Texts{"Travelling", "200", "210"}));
}

TEST(AnalysePlainTextTest, ALoneIndentedColumnBecomesATextBlock) {
    PlainFixture t;
    const std::string indent(24, ' ');
    t.Lines({indent + "This is a paragraph of", indent + "text that is indented.",
             indent + "It has no columns at all."});
    AnalysePlainText(t.block);
    EXPECT_TRUE(t.block.isTable);
    EXPECT_EQ(t.block.kind, BlockKind::TextBlock);
    EXPECT_EQ(t.Boundaries(), (Ints{23, 48}));
    EXPECT_TRUE(t.block.columns[0].entirelyEmpty);
    EXPECT_EQ(t.block.commonIndent, 0);
    EXPECT_EQ(t.block.widest, 49);
    EXPECT_EQ(t.Cells(0), (Texts{"", "This is a paragraph of"}));
}

TEST(AnalysePlainTextTest, ALoneColumnWithASmallIndentIsNoTable) {
    PlainFixture t;
    t.Lines({"    This is a paragraph of", "    text that is indented.", "    It has no columns at all."});
    AnalysePlainText(t.block);
    EXPECT_FALSE(t.block.isTable);
    EXPECT_EQ(t.block.columns.size(), 1u);
}

TEST(AnalysePlainTextTest, OneColumnUnderATitleRuleStaysATableWithAHeader) {
    PlainFixture t;
    t.Lines({"Title", "-----", "Value"});
    AnalysePlainText(t.block);
    EXPECT_TRUE(t.block.isTable);
    EXPECT_TRUE(t.block.hasHeader);
    EXPECT_EQ(t.block.headerRows, 1);
}

TEST(AnalysePlainTextTest, CodeSamplesAreRecognisedOnlyWhenExpected) {
    for (int expect : {0, 1}) {
        PlainFixture t;
        t.fc.SetValue(P::ExpectCodeSamples, expect);
        t.Lines({"int main(void) {", "    int n = 0;", "", "    return n;", "}"});
        AnalysePlainText(t.block);
        EXPECT_EQ(t.block.isCodeSample, expect == 1);
        EXPECT_EQ(Count(t.Messages(), "INFO: Code sample detected"), expect);
        if (expect) {
            EXPECT_FALSE(t.block.isTable);
        }
    }
}

TEST(AnalysePlainTextTest, MailHeadersAreRecognisedFromTheReadersFlags) {
    PlainFixture t;
    for (std::string_view text : {"From: ann@example.org", "To: bob@example.org", "Subject: lunch",
                                  "Date: today"}) {
        SourceLine line;
        line.text = text;
        line.raw = text;
        line.mailHeader = true;
        t.block.AddLine(line);
    }
    AnalysePlainText(t.block);
    EXPECT_TRUE(t.block.isMailHeader);
    EXPECT_FALSE(t.block.isTable);
    EXPECT_EQ(t.Messages(), (Texts{"INFO: Mail header detected"}));
}

TEST(AnalysePlainTextTest, ABlockOfSymbolsIsADiagram) {
    PlainFixture t;
    t.Lines({"/\\/\\/\\/\\", "\\/\\/\\/\\/", "/\\/\\/\\/\\", "\\/\\/\\/\\/"});
    AnalysePlainText(t.block);
    EXPECT_TRUE(t.block.isDiagram);
    EXPECT_FALSE(t.block.isTable);
    EXPECT_EQ(t.Messages(), (Texts{"INFO: Diagram detected"}));
}

TEST(AnalysePlainTextTest, ManyCrossingCellsMakeAMalformedTable) {
    PlainFixture t;
    t.Config().SetValue(P::ColumnMergingFactor, 3);
    for (std::string_view line : {"aaaaaa  cc  dd", "aa  bbbbbb  dd", "aa  bb  cccccc", "aa  bb  cc  dd"})
        for (int i = 0; i < 5; ++i) t.Lines({line});
    AnalysePlainText(t.block);
    EXPECT_EQ(t.block.crossingTotal, 15);
    EXPECT_EQ(t.block.crossingCells, 15);
    EXPECT_TRUE(t.block.isDiagram);
    EXPECT_FALSE(t.block.isTable);
    EXPECT_EQ(Count(t.Messages(), "WARNING: Mal-formed table"), 1);
}

TEST(AnalysePlainTextTest, IgnoredHeaderLinesTakeNoPartButAreStillCut) {
    PlainFixture t;
    t.Config().SetValue(P::IgnoreTableHeaderDuringAnalysis, 1);
    for (int i = 0; i < 5; ++i) t.Lines({"Report title goes here ok"});
    for (int i = 0; i < 5; ++i) t.Lines({"aa  bb  cc"});
    AnalysePlainText(t.block);
    EXPECT_EQ(t.block.firstAnalysedLine, 5);
    EXPECT_EQ(t.Boundaries(), (Ints{3, 7, 24}));
    EXPECT_EQ(t.Cells(0), (Texts{"Report title goes here ok{3}"}));
    EXPECT_EQ(t.Cells(5), (Texts{"aa", "bb", "cc"}));
}

TEST(AnalysePlainTextTest, AUserLayoutIsUsedAsGivenAndOnlyOnce) {
    PlainFixture t;
    for (int last : {10, 25, 40}) {
        ColumnSpec spec;
        spec.first = spec.last = last - 1;
        t.Config().columnSpecs.push_back(spec);
    }
    t.Lines({"Name      Quantity       Price", "Apples    12             0.50"});
    AnalysePlainText(t.block);
    EXPECT_TRUE(t.block.isTable);
    EXPECT_TRUE(t.block.userLayout);
    EXPECT_EQ(t.Boundaries(), (Ints{9, 24, 29}));
    EXPECT_EQ(t.Cells(1), (Texts{"Apples", "12", "0.50"}));
    EXPECT_EQ(Count(t.Messages(), kIncrease), 0);
}

// ---------------------------------------------------------------------------------------
// The corpus: NAME.txt holds a plain-text table, NAME.grid the rows a reader expects.
// In a .grid file, "#" starts a comment, "@policy LINE" sets a policy before the analysis,
// "@kind K" states what the block must turn out to be (table, text block, diagram, code
// sample, mail header, none), "@header N" the header row count; every other line is one
// written row (rule rows left out), cells separated by " | ", an empty cell as "~", a cell
// covering n columns as "text{n}", the lines of a cell joined by "<BR>".

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string KindName(const TableBlock& block) {
    if (block.isCodeSample) return "code sample";
    if (block.isMailHeader) return "mail header";
    if (block.isDiagram) return "diagram";
    if (!block.isTable) return "none";
    return block.kind == BlockKind::TextBlock ? "text block" : "table";
}

std::string RowText(const TableRow& row) {
    std::string text;
    for (size_t c = 0; c < row.cells.size(); c += std::max(row.cells[c].colSpan, 1)) {
        const TableCell& cell = row.cells[c];
        if (c > 0) text += " | ";
        text += cell.text.Empty() ? "~" : cell.text.Str();
        if (cell.colSpan > 1) text += "{" + std::to_string(cell.colSpan) + "}";
    }
    return text;
}

TEST(PlainTextCorpusTest, EveryTableGivesTheExpectedGrid) {
    const std::filesystem::path dir = std::filesystem::path(TABULYST_TEST_DATA) / "table" / "corpus";
    std::vector<std::filesystem::path> cases;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().extension() == ".txt") cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    ASSERT_GE(cases.size(), 30u);

    for (const auto& input : cases) {
        SCOPED_TRACE(input.filename().string());
        auto gridPath = input;
        gridPath.replace_extension(".grid");
        ASSERT_TRUE(std::filesystem::exists(gridPath));

        PlainFixture t;
        std::string kind = "table";
        int header = -1;
        Texts expected;
        for (const std::string& line : ReadLines(gridPath)) {
            if (line.empty() || line[0] == '#') continue;
            if (line.rfind("@policy ", 0) == 0) {
                int group = 0;
                ASSERT_EQ(t.fc.ParsePolicyLine(line.substr(8), group, true), kParsed) << line;
            } else if (line.rfind("@kind ", 0) == 0) {
                kind = line.substr(6);
            } else if (line.rfind("@header ", 0) == 0) {
                header = std::stoi(line.substr(8));
            } else {
                expected.push_back(line);
            }
        }
        for (const std::string& line : ReadLines(input)) {
            TextString expanded(line);
            expanded.ExpandTabs(t.fc.Value(P::TabSize));
            t.block.AddLine(line, expanded);
        }
        AnalysePlainText(t.block);

        EXPECT_EQ(KindName(t.block), kind);
        if (header >= 0) {
            EXPECT_EQ(t.block.headerRows, header);
        }
        Texts rows;
        if (t.block.isTable)
            ForEachRow(t.block, kCellsHtml, [&rows](const TableRow& row) {
                if (!row.ruleRow) rows.push_back(RowText(row));
            });
        EXPECT_EQ(rows, expected);
    }
}

}  // namespace
}  // namespace tabulyst
