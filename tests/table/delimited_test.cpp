#include "table/delimited.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/analysis.h"
#include "table/cell_cutting.h"
#include "table/rows.h"
#include "table/table_fixture.h"

namespace tabulyst {
namespace {

using test::BlockFixture;
using test::Texts;

Texts Fields(std::string_view line, char delimiter) {
    Texts fields;
    FieldSplitter split(line, delimiter);
    std::string_view field;
    std::string text;
    while (split.Next(field)) {
        FieldText(field, delimiter, text);
        fields.push_back(text);
    }
    return fields;
}

TEST(FieldSplitterTest, QuotesEmptyFieldsAndDelimiters) {
    const struct {
        const char* line;
        char delimiter;
        Texts fields;
    } cases[] = {
        // A quoted comma field is one field without its quotes; doubled quotes inside it
        // become single.
        {"a,\"b,c\",d", ',', {"a", "b,c", "d"}},
        {"\"\"\"\"", ',', {"\""}},
        {"\"He said \"\"hi\"\"\",x", ',', {"He said \"hi\"", "x"}},
        {"\"\",b", ',', {"", "b"}},
        // A quote in mid-field opens quoted mode; quotes not at both ends stay, doubled too.
        {"ab\"c,d\",e", ',', {"ab\"c,d\"", "e"}},
        {"x\"\"y,z", ',', {"x\"\"y", "z"}},
        // Empty fields exist, but a trailing delimiter adds none; blanks are kept.
        {"a,,b", ',', {"a", "", "b"}},
        {"a,b,", ',', {"a", "b"}},
        {",", ',', {""}},
        {"", ',', {}},
        {"", '\t', {}},
        {" a , b", ',', {" a ", " b"}},
        // An unbalanced quote runs to the end of the line; a lone quote encloses nothing.
        {"a,\"b,c", ',', {"a", "\"b,c"}},
        {"a,\"", ',', {"a", "\""}},
        // Other delimiters split at every occurrence, without quote handling.
        {"x\t\ty", '\t', {"x", "", "y"}},
        {"x\ty\t", '\t', {"x", "y"}},
        {"\"a;b\";c", ';', {"\"a", "b\"", "c"}},
        // A blank delimiter takes tabs and runs of blanks as one separator.
        {"a  \t b c", ' ', {"a", "b", "c"}},
        {" a b ", ' ', {"", "a", "b"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Fields(c.line, c.delimiter), c.fields) << c.line;
        EXPECT_EQ(CountFields(c.line, c.delimiter), c.fields.size()) << c.line;
    }
}

TEST(FieldSplitterTest, CountingAgreesWithSplittingOnLinesOfQuotesAndDelimiters) {
    // The count goes a word of bytes at a time: lines of every length up to a few words,
    // quotes falling anywhere in them.
    const std::string alphabet = "a,\"\t ";
    unsigned seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        std::string line;
        seed = seed * 1103515245 + 12345;
        const size_t length = (seed >> 16) % 40;
        for (size_t k = 0; k < length; ++k) {
            seed = seed * 1103515245 + 12345;
            line.push_back(alphabet[(seed >> 16) % alphabet.size()]);
        }
        for (char delimiter : {',', '\t'})
            ASSERT_EQ(CountFields(line, delimiter), Fields(line, delimiter).size()) << line;
    }
}

TEST(FieldSplitterTest, EveryByteValueAndTenThousandFieldsSurvive) {
    std::string bytes;
    for (int b = 1; b <= 255; ++b)
        if (b != '\t') bytes.push_back(static_cast<char>(b));
    EXPECT_EQ(Fields("x\t" + bytes + "\ty", '\t'), (Texts{"x", bytes, "y"}));

    std::string line;
    for (int i = 0; i < 10000; ++i) line += (i ? "," : "") + std::to_string(i);
    const Texts fields = Fields(line, ',');
    ASSERT_EQ(fields.size(), 10000u);
    EXPECT_EQ(fields[0], "0");
    EXPECT_EQ(fields[5000], "5000");
    EXPECT_EQ(fields[9999], "9999");
}

// The cells of one line of a block read from the given lines.
Texts CellTexts(BlockFixture& t, std::initializer_list<std::string_view> lines, int line) {
    if (t.block.LineCount() == 0) {
        t.Lines(lines);
        t.Analyse();
    }
    std::vector<TableCell> cells;
    SplitDelimitedLine(t.block, t.Text(line), cells);
    Texts texts;
    for (const TableCell& cell : cells) texts.push_back(cell.text);
    return texts;
}

TEST(AnalyseDelimitedTest, ColumnCountIsTheLargestFieldCountAndShortLinesGetEmptyCells) {
    BlockFixture t;
    EXPECT_EQ(CellTexts(t, {"a,b", "c,d,e,f", "g"}, 2), (Texts{"g", "", "", ""}));
    EXPECT_EQ(t.block.kind, BlockKind::Delimited);
    ASSERT_EQ(t.block.columns.size(), 4u);
    for (const TableColumn& c : t.block.columns)
        EXPECT_EQ((test::Ints{c.gapStart, c.gapEnd, c.boundary, c.score}), test::Ints(4, -1));

    BlockFixture empty, blanks;
    AnalyseDelimited(empty.block);
    EXPECT_TRUE(empty.block.columns.empty());
    blanks.Lines({"", "", ""});
    AnalyseDelimited(blanks.block);
    EXPECT_TRUE(blanks.block.columns.empty());
}

TEST(AnalyseDelimitedTest, TheDelimiterComesFromThePolicyOrTheFormat) {
    // Only the first character of the policy counts; a comma so chosen is quote-aware.
    BlockFixture chosen, tabComma(TableFormat::Tab), tab(TableFormat::Tab), comma;
    chosen.fc.BaseConfig().SetText(P::DefaultTableDelimiterCharacter, ";|");
    EXPECT_EQ(CellTexts(chosen, {"a;b,c;d|e"}, 0), (Texts{"a", "b,c", "d|e"}));
    EXPECT_EQ(chosen.block.delimiter, ';');
    tabComma.fc.BaseConfig().SetText(P::DefaultTableDelimiterCharacter, ",");
    EXPECT_EQ(CellTexts(tabComma, {"\"x,y\",z"}, 0), (Texts{"x,y", "z"}));
    EXPECT_EQ(CellTexts(tab, {"a,b\tc"}, 0), (Texts{"a,b", "c"}));
    EXPECT_EQ(CellTexts(comma, {"a,b\tc"}, 0), (Texts{"a", "b\tc"}));
}

}  // namespace
}  // namespace tabulyst
