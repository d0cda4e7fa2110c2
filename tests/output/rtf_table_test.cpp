#include "output/rtf_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "output/rtf_test_support.h"
#include "output/table_writer_support.h"

using namespace tabulyst;
using tabulyst::testing::InOrder;
using Texts = std::vector<std::string>;

namespace {

// A comma-delimited block built line by line, written into an RTF document that is not
// opened: its styles are the defaults, so the table font is Times New Roman 10 (width
// factor 1.0), and an average character is 10 x 10 x 1.0 = 100 twips wide.
struct RtfBlock : test::BlockFixture {
    tabulyst::testing::MemoryRtf rtf;

    explicit RtfBlock(const Texts& rows, size_t columns = 2) {
        block.config = &fc.BaseConfig();
        block.kind = BlockKind::Delimited;
        block.delimiter = ',';
        for (const std::string& row : rows) block.AddLine(row, row);
        block.columns.assign(columns, TableColumn{});
    }
    Texts Write() {
        RtfTableWriter(rtf.file).WriteTable(block);
        return rtf.Lines();
    }
};

const std::string kRowEnd = "}\\nowidctlpar\\widctlpar\\intbl\\adjustright {\\row }";
const std::string kKeep = "\\keepn\\widctlpar\\intbl\\adjustright";
const std::string kNoKeep = "\\widctlpar\\intbl\\adjustright";
const std::string kFont = "\\f27\\fs20\\b0\\i0";

size_t CountContaining(const Texts& lines, std::string_view text) {
    return static_cast<size_t>(std::count_if(
        lines.begin(), lines.end(),
        [&](const std::string& line) { return line.find(text) != std::string::npos; }));
}
bool Has(const Texts& lines, std::string_view line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}
std::string Joined(const Texts& lines) {
    std::string all;
    for (const std::string& line : lines) all += line + "\n";
    return all;
}

}  // namespace

TEST(RtfTable, FortyLinesNeverKeepRowsTogether) {
    const auto numbered = [](int count) {
        Texts rows;
        for (int i = 0; i < count; ++i) rows.push_back("r" + std::to_string(i) + ",x");
        return rows;
    };
    RtfBlock forty(numbered(40)), thirtyNine(numbered(39));
    const Texts lines = forty.Write();
    EXPECT_EQ(CountContaining(lines, "\\keepn"), 0u);
    ASSERT_GT(lines.size(), 5u);
    EXPECT_EQ(lines[3], kNoKeep);
    EXPECT_EQ(lines[4], kFont) << "rows other than the last still carry the font";

    const Texts kept = thirtyNine.Write();
    EXPECT_EQ(CountContaining(kept, kKeep), 38u) << "every row but the last";
    EXPECT_EQ(CountContaining(kept, "\\keepn\\intbl "), 38u);
}

TEST(RtfTable, HeaderColumnsAreBoldAndEmptyCellsTakeNoAlignment) {
    RtfBlock t({"a,", "b,c"});
    t.fc.BaseConfig().SetValue(P::DefaultTableCellAlignment, kAlignCentre);
    t.fc.BaseConfig().SetValue(P::DefaultTableHeaderCols, 1);
    EXPECT_TRUE(
        InOrder(Joined(t.Write()), {"\\keepn\\intbl {\\b \\qc a\\b0 \\cell}\n", " \\cell\n",
                                    "\\intbl {\\b \\qc b\\b0 \\cell}\n", "{\\qc c\\cell}\n"}));
}

TEST(RtfTable, WindowsHelpFilesHaveNoBordersAndKeepNoRowsTogether) {
    RtfBlock help({"a,b", "-----", "c,d", "====="});
    help.fc.SetValue(P::MakeWindowsHelpSourceFile, 1);
    const Texts plain = help.Write();
    EXPECT_EQ(CountContaining(plain, "\\clbrdr"), 0u);
    EXPECT_EQ(CountContaining(plain, "\\keepn"), 0u);
    EXPECT_TRUE(Has(plain, "\\cellx316\\cellx740"));
}

TEST(RtfTable, CellsJoinTheirLinesSpanColumnsAndMeasureOnlyTheirOwnColumn) {
    RtfBlock t({"ab,c", "d,efg", "", "h,i"});
    t.block.blankLineSeparated = true;
    const Texts lines = t.Write();
    // Column 1: widest line "ab" 200 + 108 = 308, edge 524; column 2: "efg" 300 + 108 = 408,
    // edge 524 + 408 + 216 = 1148.
    ASSERT_GT(lines.size(), 8u);
    EXPECT_EQ(lines[2], "\\cellx416\\cellx1040");
    EXPECT_EQ(lines[6], "\\keepn\\intbl ab\\par d\\cell");
    EXPECT_EQ(lines[7], "c\\par efg\\cell");

    RtfBlock span({"ab    cd", "xxxxxxx"});
    TableBlock& b = span.block;
    b.kind = BlockKind::PlainText;
    b.columns[0].gapStart = 2;
    b.columns[0].gapEnd = 5;
    b.columns[0].boundary = 4;
    b.columns[1].boundary = 8;
    b.commonIndent = 0;
    b.widest = 8;
    const Texts out = span.Write();
    // Only single-column cells are measured: "ab" 308, edge 524; "cd" 308, edge 1048.
    EXPECT_TRUE(InOrder(Joined(out), {"\\cellx416\\cellx940\n", "\\keepn\\intbl ab\\cell\n",
                                      "cd\\cell\n", "\\cellx940\n", "\\intbl xxxxxxx\\cell\n"}))
        << Joined(out);
    EXPECT_EQ(std::count(out.begin(), out.end(), "\\cellx940"), 1)
        << "the spanning cell has one edge";
}

TEST(RtfTable, IndentsAndHiddenColumns) {
    RtfBlock t({"a,b"}), unmatched({"a,b"}), hidden({"a,bbbb,c", ",only hidden,"}, 3);
    t.fc.GetExtras().indentPositions = {0, 4};
    t.block.commonIndent = 4;
    const Texts lines = t.Write();
    ASSERT_GT(lines.size(), 2u);
    // A matched indent, level 1: 360 x 1 - 108 = 252 added to the edges 424 and 848.
    EXPECT_EQ(lines[1], "\\trowd \\trgaph108\\trleft252");
    EXPECT_EQ(lines[2], "\\cellx676\\cellx1100");
    unmatched.fc.GetExtras().indentPositions = {0, 8};
    unmatched.block.commonIndent = 4;
    EXPECT_EQ(unmatched.Write()[1], "\\trowd \\trgaph108\\trleft-108");

    hidden.fc.BaseConfig().columnSpecs.resize(3);  // hidden layout columns take no room
    hidden.fc.BaseConfig().columnSpecs[1].hidden = true;
    const Texts shown = hidden.Write();
    ASSERT_GT(shown.size(), 8u);
    EXPECT_EQ(shown[2], "\\cellx316\\cellx740");
    // The row with text only where it is hidden is left out: the first is the last.
    EXPECT_EQ(CountContaining(shown, "\\row"), 1u);
    EXPECT_EQ(shown[3], kNoKeep);
    EXPECT_EQ(shown[5], "\\intbl a\\cell");
    EXPECT_EQ(shown[6], "c\\cell");
}

// A tagged table with row spans, vertical alignments and cell tags; its second data row is
// empty.
const Texts kTaggedLines = {
    "[[HEAD_CELL]]Item[[HEAD_CELL]]Sum",
    "[[DATA_CELL ROWSPAN=2 VALIGN=centre]]Fees[[DATA_CELL]][[CURRENCY]]12",
    "[[DATA_CELL VALIGN=bottom]][[COLOUR red]]3",
    "[[DATA_CELL]][[DATA_CELL]]",
    "[[DATA_CELL]][[DOT_LEADERS]][[STUB_INDENT 2]]Net[[DATA_CELL]][[FONT Arial, Bold, 9]]15",
};

void AddTagged(test::BlockFixture& t) {
    t.block.NoteDirective(DirectiveCode::BeginTaggedTable);
    t.Analysed(kTaggedLines);
}

TEST(RtfTable, TaggedTablesMergeRowSpansAlignCellsAndPlaceSignsAndLeaders) {
    test::BlockFixture t(TableFormat::User);
    AddTagged(t);
    tabulyst::testing::MemoryRtf rtf;
    RtfTableWriter(rtf.file).WriteTable(t.block);
    // Columns: "Item" 400 + 108 + 216 = 724, then "Sum" 300 + 108 + 216 more: 1348; less 108
    // for the table's offset. Text between two edges is their distance less 216: tab stops
    // at 508 and 408.
    const std::string rowEnd = kRowEnd;
    EXPECT_EQ(rtf.Lines(), (Texts{"{",
                                  "\\trowd \\trgaph108\\trleft-108",
                                  "\\clvertalb\\cellx616\\clvertalb\\cellx1240",
                                  kKeep,
                                  kFont,
                                  "{",
                                  "\\keepn\\intbl {\\b Item\\b0 \\cell}",
                                  "{\\b Sum\\b0 \\cell}",
                                  rowEnd,
                                  "\\trowd \\trgaph108\\trleft-108",
                                  "\\clvmgf\\clvertalc\\cellx616\\cellx1240",
                                  kKeep,
                                  kFont,
                                  "{",
                                  "\\keepn\\intbl Fees\\cell",
                                  "{\\tqr\\tx408 $\\tab 12\\cell}",
                                  rowEnd,
                                  "\\trowd \\trgaph108\\trleft-108",
                                  "\\clvmrg\\cellx616\\clvertalb\\cellx1240",
                                  kKeep,
                                  kFont,
                                  "{",
                                  "\\keepn\\intbl  \\cell",
                                  "{\\cf6 \\qr 3\\cell}",
                                  rowEnd,
                                  "\\trowd \\trgaph108\\trleft-108",
                                  "\\cellx616\\cellx1240",
                                  kNoKeep,
                                  "{",
                                  "\\intbl {\\li360 \\tqr\\tldot\\tx508 Net\\tab\\cell}",
                                  "{\\f31\\fs18\\b \\qr 15\\cell}",
                                  rowEnd,
                                  "}"}));
    EXPECT_EQ(t.Messages(), Texts{"INFO: Discarding empty data row No. 3"});
}

TEST(RtfTable, TaggedTableReadsBack) {
    tabulyst::testing::RtfHarness h;
    ASSERT_TRUE(h.Open("tagged"));
    TableBlock block(*h.fc, TableFormat::User);
    block.NoteDirective(DirectiveCode::BeginTaggedTable);
    for (const std::string& line : kTaggedLines) block.AddLine(line, line);
    block.Analyse(static_cast<int>(TableFormat::User));
    RtfTableWriter(h.file).WriteTable(block);
    ASSERT_TRUE(h.file.EndDocument());
    const Texts lines = h.Lines();
    const std::string html = tabulyst::testing::ReadBackWithUnrtf(lines, "--html");
    EXPECT_TRUE(InOrder(html, {"Item", "Sum", "Fees", "$", "12", "<font color=\"#ff0000\">", "3",
                               "Net", "<font face=\"Arial\">", "<b>", "15"}))
        << html;
    // LibreOffice, where it is installed, merges the cells over two rows.
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) return;
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tabulyst_lo_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    {
        std::ofstream out(dir / "tagged.rtf", std::ios::binary);
        for (const std::string& line : lines) out << line << '\n';
    }
    tabulyst::testing::CommandOutput("cd '" + dir.string() + "' && HOME='" + dir.string() +
                                     "' soffice --headless --convert-to html tagged.rtf 2>&1");
    std::ifstream converted(dir / "tagged.html");
    const std::string merged((std::istreambuf_iterator<char>(converted)),
                             std::istreambuf_iterator<char>());
    std::filesystem::remove_all(dir);
    EXPECT_NE(merged.find("rowspan=\"2\""), std::string::npos) << merged;
}

TEST(RtfTextWidth, CountsCharactersNotBytes) {
    FontSpec times, courier;
    times.SetFontFace("Times New Roman");
    times.size = 10;
    EXPECT_EQ(RtfTextWidth("Zo\xC3\xAB", times, false, true), 300) << "one UTF-8 character";
    EXPECT_EQ(RtfTextWidth("\\'7bx\\'7d C:\\\\", times, true, false), 700) << "{x} C:\\ as escaped";
    courier.SetFontFace("Courier New");
    courier.size = 8;
    EXPECT_EQ(RtfTextWidth("abc", courier, false, false), 348) << "3 x 8 x 10 x 1.45";
}
