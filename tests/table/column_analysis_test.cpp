#include "table/column_analysis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "table/analysis.h"
#include "table/rows.h"
#include "table/table_fixture.h"

namespace tabulyst {
namespace {

using test::Ints;
using test::PlainFixture;
using test::Texts;

constexpr std::string_view kIncrease =
    "INFO: Increasing min column separation in table to 2 spaces";

// The given lines, repeated.
Texts Rep(int times, const Texts& lines) {
    Texts all;
    for (int i = 0; i < times; ++i) all.insert(all.end(), lines.begin(), lines.end());
    return all;
}
Texts Cat(std::initializer_list<Texts> parts) {
    Texts all;
    for (const Texts& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(AnalysePlainTextTest, DroppedAndMergedColumns) {
    const Texts runOn = Cat({Rep(4, {"aa  bb  cc"}), Rep(2, {"aaaaaa  cc"})});
    const struct {
        const char* what;
        Texts lines;
        int mergingFactor;  // 0: the default
        Ints boundaries;
        std::vector<std::pair<int, Texts>> cells;
        int increases;  // of the separation; -1: not looked at
    } cases[] = {
        {"a mostly empty last column is dropped (a merge, so no increase)",
         Cat({{"aa  bb  cc", "--  --  --"}, Rep(4, {"aa  bb", "--  --  --"})}),
         0,
         {3, 9},
         {{0, {"aa", "bb  cc"}}},
         0},
        {"a column whose cells often run on is merged with the next",
         runOn,
         0,
         {7, 9},
         {{0, {"aa  bb", "cc"}}, {4, {"aaaaaa", "cc"}}},
         -1},
        {"a weak merging factor keeps spans and widens the separation",
         runOn,
         4,
         {3, 7, 9},
         {{4, {"aaaaaa{2}", "cc"}}},
         1},
        {"a mostly empty inner column joins the one before it; that merge does not count",
         Cat({{"aa  bb  cc  dd  ee"},
              Rep(4, {"aa      cc  dd  ee", "--  --  --  --  --"}),
              {"--  --  --  --  --"}}),
         0,
         {7, 11, 15, 17},
         {{0, {"aa  bb", "cc", "dd", "ee"}}},
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PlainFixture t;
        if (c.mergingFactor) t.Config().SetValue(P::ColumnMergingFactor, c.mergingFactor);
        t.Lines(c.lines);
        AnalysePlainText(t.block);
        EXPECT_TRUE(t.block.isTable);
        EXPECT_EQ(t.Boundaries(), c.boundaries);
        for (const auto& [line, cells] : c.cells) EXPECT_EQ(t.Cells(line), cells) << line;
        if (c.increases >= 0) {
            EXPECT_EQ(t.Count(kIncrease), c.increases);
        }
    }
}

TEST(AnalysePlainTextTest, InBlankLineSeparatedRowsACellRunningOnMergesItsPair) {
    PlainFixture t;
    t.Lines({"Item   Kind   2019   2020", "", "Rent   Flat    400    400",
             "Heat   Gas     120    130", "", "Food   Mixed   300    310",
             "Wine   Red     100    110", "", "Cars   Fleet   900    950",
             "Travelling     200    210", "", "Misc   Other    50     60",
             "Tax    Rate     20     25"});
    AnalysePlainText(t.block);
    EXPECT_TRUE(t.block.blankLineSeparated);
    EXPECT_EQ(t.Boundaries(), (Ints{13, 20, 24}));
    EXPECT_EQ(t.Cells(0), (Texts{"Item   Kind", "2019", "2020"}));
    EXPECT_EQ(t.Cells(9), (Texts{"Travelling", "200", "210"}));
}

TEST(AnalysePlainTextTest, ALoneColumnIsATextBlockWhenIndentedFarEnough) {
    const auto prose = [](size_t indent) {
        const std::string in(indent, ' ');
        return Texts{in + "This is a paragraph of", in + "text that is indented.",
                     in + "It has no columns at all."};
    };
    PlainFixture t, near;
    t.Lines(prose(24));
    near.Lines(prose(4));
    AnalysePlainText(t.block);
    EXPECT_TRUE(t.block.isTable);
    EXPECT_EQ(t.block.kind, BlockKind::TextBlock);
    EXPECT_EQ(t.Boundaries(), (Ints{23, 48}));
    EXPECT_TRUE(t.block.columns[0].entirelyEmpty);
    EXPECT_EQ((Ints{t.block.commonIndent, t.block.widest}), (Ints{0, 49}));
    EXPECT_EQ(t.Cells(0), (Texts{"", "This is a paragraph of"}));

    AnalysePlainText(near.block);
    EXPECT_FALSE(near.block.isTable);
    EXPECT_EQ(near.block.columns.size(), 1u);
}

TEST(AnalysePlainTextTest, CodeSamplesMailHeadersDiagramsAndMalformedTables) {
    for (int expect : {0, 1}) {  // code samples are recognised only when expected
        PlainFixture t;
        t.fc.SetValue(P::ExpectCodeSamples, expect);
        t.Lines({"int main(void) {", "    int n = 0;", "", "    return n;", "}"});
        AnalysePlainText(t.block);
        EXPECT_EQ(t.block.isCodeSample, expect == 1);
        EXPECT_EQ(t.Count("INFO: Code sample detected"), expect);
        if (expect) {
            EXPECT_FALSE(t.block.isTable);
        }
    }

    PlainFixture mail;  // from the reader's flags
    for (std::string_view text :
         {"From: ann@example.org", "To: bob@example.org", "Subject: lunch", "Date: today"}) {
        SourceLine line;
        line.text = line.raw = text;
        line.mailHeader = true;
        mail.block.AddLine(line);
    }
    AnalysePlainText(mail.block);
    EXPECT_TRUE(mail.block.isMailHeader);
    EXPECT_FALSE(mail.block.isTable);
    EXPECT_EQ(mail.Messages(), (Texts{"INFO: Mail header detected"}));

    PlainFixture symbols;
    symbols.Lines({"/\\/\\/\\/\\", "\\/\\/\\/\\/", "/\\/\\/\\/\\", "\\/\\/\\/\\/"});
    AnalysePlainText(symbols.block);
    EXPECT_TRUE(symbols.block.isDiagram);
    EXPECT_FALSE(symbols.block.isTable);
    EXPECT_EQ(symbols.Messages(), (Texts{"INFO: Diagram detected"}));

    PlainFixture crossing;  // many crossing cells
    crossing.Config().SetValue(P::ColumnMergingFactor, 3);
    for (std::string_view line :
         {"aaaaaa  cc  dd", "aa  bbbbbb  dd", "aa  bb  cccccc", "aa  bb  cc  dd"})
        crossing.Repeat(line, 5);
    AnalysePlainText(crossing.block);
    EXPECT_EQ((Ints{crossing.block.crossingTotal, crossing.block.crossingCells}), (Ints{15, 15}));
    EXPECT_TRUE(crossing.block.isDiagram);
    EXPECT_FALSE(crossing.block.isTable);
    EXPECT_EQ(crossing.Count("WARNING: Mal-formed table"), 1);
}

TEST(AnalysePlainTextTest, IgnoredHeaderLinesAndUserLayouts) {
    PlainFixture t;  // ignored header lines take no part, but are still cut
    t.Config().SetValue(P::IgnoreTableHeaderDuringAnalysis, 1);
    t.Repeat("Report title goes here ok", 5);
    t.Repeat("aa  bb  cc", 5);
    AnalysePlainText(t.block);
    EXPECT_EQ(t.block.firstAnalysedLine, 5);
    EXPECT_EQ(t.Boundaries(), (Ints{3, 7, 24}));
    EXPECT_EQ(t.Cells(0), (Texts{"Report title goes here ok{3}"}));
    EXPECT_EQ(t.Cells(5), (Texts{"aa", "bb", "cc"}));

    PlainFixture user;  // a user layout is used as given, and only once
    user.Layout({10, 25, 40});
    user.Lines({"Name      Quantity       Price", "Apples    12             0.50"});
    AnalysePlainText(user.block);
    EXPECT_TRUE(user.block.isTable);
    EXPECT_TRUE(user.block.userLayout);
    EXPECT_EQ(user.Boundaries(), (Ints{9, 24, 29}));
    EXPECT_EQ(user.Cells(1), (Texts{"Apples", "12", "0.50"}));
    EXPECT_EQ(user.Count(kIncrease), 0);
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
        std::string cellText = cell.text.Empty() ? "~" : cell.text.Str();
        for (size_t at; (at = cellText.find('\n')) != std::string::npos;)
            cellText.replace(at, 1, "<BR>");
        text += cellText;
        if (cell.colSpan > 1) text += "{" + std::to_string(cell.colSpan) + "}";
    }
    return text;
}

TEST(PlainTextCorpusTest, EveryTableGivesTheExpectedGrid) {
    const std::filesystem::path dir =
        std::filesystem::path(TABULYST_TEST_DATA) / "table" / "corpus";
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
            ForEachRow(t.block, [&rows](const TableRow& row) {
                if (row.rule == RuleKind::None) rows.push_back(RowText(row));
            });
        EXPECT_EQ(rows, expected);
    }
}

}  // namespace
}  // namespace tabulyst
