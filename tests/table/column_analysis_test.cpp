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

TEST(AnalysePlainTextTest, UnexpectedCodeMailHeadersAndMalformedTables) {
    PlainFixture code;  // code samples are recognised only when expected
    code.Lines({"int main(void) {", "    int n = 0;", "", "    return n;", "}"});
    AnalysePlainText(code.block);
    EXPECT_FALSE(code.block.isCodeSample);

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
        std::string cellText = cell.text.empty() ? "~" : cell.text;
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
