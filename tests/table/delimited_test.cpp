#include "table/delimited.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/analysis.h"
#include "table/cell_cutting.h"
#include "table/rows.h"
#include "table/table_capture.h"

namespace tabulyst {
namespace {

std::vector<std::string> Fields(std::string_view line, char delimiter) {
    std::vector<std::string> fields;
    FieldSplitter split(line, delimiter);
    std::string_view field;
    TextString text;
    while (split.Next(field)) {
        FieldText(field, delimiter, text);
        fields.push_back(text.Str());
    }
    return fields;
}

using Texts = std::vector<std::string>;

TEST(FieldSplitterTest, QuotedCommaFieldIsOneFieldWithoutItsQuotes) {
    EXPECT_EQ(Fields("a,\"b,c\",d", ','), (Texts{"a", "b,c", "d"}));
}

TEST(FieldSplitterTest, DoubledQuotesInsideAQuotedFieldBecomeSingle) {
    EXPECT_EQ(Fields("\"He said \"\"hi\"\"\",x", ','), (Texts{"He said \"hi\"", "x"}));
    EXPECT_EQ(Fields("\"\"\"\"", ','), (Texts{"\""}));
    EXPECT_EQ(Fields("\"\",b", ','), (Texts{"", "b"}));
}

TEST(FieldSplitterTest, QuoteInMidFieldOpensQuotedModeAndKeepsItsQuotes) {
    EXPECT_EQ(Fields("ab\"c,d\",e", ','), (Texts{"ab\"c,d\"", "e"}));
    // Quotes that do not stand at both ends stay as they are, doubled ones too.
    EXPECT_EQ(Fields("x\"\"y,z", ','), (Texts{"x\"\"y", "z"}));
}

TEST(FieldSplitterTest, EmptyFieldsExistButATrailingDelimiterAddsNone) {
    EXPECT_EQ(Fields("a,,b", ','), (Texts{"a", "", "b"}));
    EXPECT_EQ(Fields("a,b,", ','), (Texts{"a", "b"}));
    EXPECT_EQ(Fields(",", ','), (Texts{""}));
    EXPECT_EQ(Fields("", ','), Texts{});
    EXPECT_EQ(Fields("", '\t'), Texts{});
}

TEST(FieldSplitterTest, BlanksAroundFieldsAreKept) {
    EXPECT_EQ(Fields(" a , b", ','), (Texts{" a ", " b"}));
}

TEST(FieldSplitterTest, UnbalancedQuoteRunsToTheEndOfTheLine) {
    EXPECT_EQ(Fields("a,\"b,c", ','), (Texts{"a", "\"b,c"}));
    // A lone quote encloses nothing and stays.
    EXPECT_EQ(Fields("a,\"", ','), (Texts{"a", "\""}));
}

TEST(FieldSplitterTest, OtherDelimitersSplitAtEveryOccurrenceWithoutQuoteHandling) {
    EXPECT_EQ(Fields("x\t\ty", '\t'), (Texts{"x", "", "y"}));
    EXPECT_EQ(Fields("x\ty\t", '\t'), (Texts{"x", "y"}));
    EXPECT_EQ(Fields("\"a;b\";c", ';'), (Texts{"\"a", "b\"", "c"}));
}

TEST(FieldSplitterTest, BlankDelimiterTreatsTabsAndBlankRunsAsOneSeparator) {
    EXPECT_EQ(Fields("a  \t b c", ' '), (Texts{"a", "b", "c"}));
    EXPECT_EQ(Fields(" a b ", ' '), (Texts{"", "a", "b"}));
}

TEST(FieldSplitterTest, EveryByteValueSurvivesSplitting) {
    std::string bytes;
    for (int b = 1; b <= 255; ++b)
        if (b != '\t') bytes.push_back(static_cast<char>(b));
    EXPECT_EQ(Fields("x\t" + bytes + "\ty", '\t'), (Texts{"x", bytes, "y"}));
}

TEST(FieldSplitterTest, TenThousandFieldsComeOutInOrder) {
    std::string line;
    for (int i = 0; i < 10000; ++i) line += (i ? "," : "") + std::to_string(i);
    const Texts fields = Fields(line, ',');
    ASSERT_EQ(fields.size(), 10000u);
    EXPECT_EQ(fields[0], "0");
    EXPECT_EQ(fields[5000], "5000");
    EXPECT_EQ(fields[9999], "9999");
}

using test::BlockFixture;

std::vector<std::string> CellTexts(TableBlock& block, int line) {
    std::vector<TableCell> cells;
    SplitDelimitedLine(block, line, kCellsHtml, cells);
    std::vector<std::string> texts;
    for (const TableCell& cell : cells) texts.push_back(cell.text.Str());
    return texts;
}

TEST(AnalyseDelimitedTest, ColumnCountIsTheLargestFieldCountAndShortLinesGetEmptyCells) {
    BlockFixture t;
    t.Lines({"a,b", "c,d,e,f", "g"});
    AnalyseDelimited(t.block);
    EXPECT_EQ(t.block.kind, BlockKind::Delimited);
    ASSERT_EQ(t.block.columns.size(), 4u);
    for (const TableColumn& column : t.block.columns) {
        EXPECT_EQ(column.gapStart, -1);
        EXPECT_EQ(column.gapEnd, -1);
        EXPECT_EQ(column.boundary, -1);
        EXPECT_EQ(column.score, -1);
    }
    EXPECT_EQ(CellTexts(t.block, 2), (Texts{"g", "", "", ""}));
}

TEST(AnalyseDelimitedTest, PolicyLinesTakeNoPartInTheColumnCount) {
    BlockFixture t;
    t.Lines({"a,b"});
    test::AddRawLine(t.block, "p,q,r,s,t", kTableLinePolicy);
    AnalyseDelimited(t.block);
    EXPECT_EQ(t.block.columns.size(), 2u);
    std::vector<TableCell> cells;
    SplitDelimitedLine(t.block, 1, kCellsHtml, cells);
    for (const TableCell& cell : cells) EXPECT_TRUE(cell.text.Empty());
}

TEST(AnalyseDelimitedTest, DelimiterPolicyReplacesTheCommaAndOnlyItsFirstCharacterCounts) {
    BlockFixture t;
    t.fc.BaseConfig().SetText(P::DefaultTableDelimiterCharacter, ";|");
    t.Lines({"a;b,c;d|e"});
    AnalyseDelimited(t.block);
    EXPECT_EQ(t.block.delimiter, ';');
    EXPECT_EQ(CellTexts(t.block, 0), (Texts{"a", "b,c", "d|e"}));
}

TEST(AnalyseDelimitedTest, CommaChosenByPolicyForATabFileIsQuoteAware) {
    BlockFixture t(kFormatTab);
    t.fc.BaseConfig().SetText(P::DefaultTableDelimiterCharacter, ",");
    t.Lines({"\"x,y\",z"});
    AnalyseDelimited(t.block);
    EXPECT_EQ(CellTexts(t.block, 0), (Texts{"x,y", "z"}));
}

TEST(AnalyseDelimitedTest, FormatCodeChoosesTabOrComma) {
    BlockFixture tab(kFormatTab);
    tab.Lines({"a,b\tc"});
    AnalyseDelimited(tab.block);
    EXPECT_EQ(CellTexts(tab.block, 0), (Texts{"a,b", "c"}));

    BlockFixture comma(kFormatComma);
    comma.Lines({"a,b\tc"});
    AnalyseDelimited(comma.block);
    EXPECT_EQ(CellTexts(comma.block, 0), (Texts{"a", "b\tc"}));
}

TEST(AnalyseDelimitedTest, EmptyBlockAndBlankLinesGiveNoColumns) {
    BlockFixture empty;
    AnalyseDelimited(empty.block);
    EXPECT_TRUE(empty.block.columns.empty());

    BlockFixture blanks;
    blanks.Lines({"", "", ""});
    AnalyseDelimited(blanks.block);
    EXPECT_TRUE(blanks.block.columns.empty());
}

TEST(SplitDelimitedLineTest, CellsCarryTheirAlignmentGuessAndOneLineOfText) {
    BlockFixture t;
    t.Lines({"apple,12.50,,  x"});
    AnalyseDelimited(t.block);
    std::vector<TableCell> cells;
    SplitDelimitedLine(t.block, 0, kCellsHtml, cells);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0].align, kAlignLeft);
    EXPECT_EQ(cells[1].align, kAlignRight);
    EXPECT_EQ(cells[2].align, kAlignLeft);
    EXPECT_EQ(cells[3].align, kAlignRight);  // blanks only in front
    EXPECT_EQ(cells[0].lines, 1);
    EXPECT_EQ(cells[2].lines, 0);
    for (const TableCell& cell : cells) {
        EXPECT_EQ(cell.colSpan, 1);
        EXPECT_EQ(cell.crossings, 0);
    }
}

TEST(SplitDelimitedLineTest, TextsAreEscapedForTheDocumentOnly) {
    BlockFixture t;
    t.Lines({"a<b,c&d"});
    AnalyseDelimited(t.block);
    std::vector<TableCell> cells;
    SplitDelimitedLine(t.block, 0, kCellsHtml, cells);
    EXPECT_EQ(cells[0].text.Str(), "a&lt;b");
    EXPECT_EQ(cells[1].text.Str(), "c&amp;d");
    SplitDelimitedLine(t.block, 0, kCellsAnalysis, cells);
    EXPECT_EQ(cells[0].text.Str(), "a<b");
    EXPECT_EQ(cells[1].text.Str(), "c&d");
}

}  // namespace
}  // namespace tabulyst
