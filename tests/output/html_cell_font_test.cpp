#include "table/cell_font.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "table/analysis.h"
#include "table/table_capture.h"
#include "table/table_writers.h"

namespace tabulyst {
namespace {

using test::BlockFixture;
using Markup = std::pair<std::string, std::string>;

// Font tags on in HTML 3.2, where no style sheet can carry the fonts.
void FontTagsOn(BlockFixture& t, const char* font) {
    t.fc.SetValue(P::HtmlVersionToBeTargeted, 1);
    t.fc.SetValue(P::AddFontMarkup, 1);
    t.fc.SetValue(P::AddFontSizeMarkup, 1);
    t.fc.SetValue(P::AddEmphasisAndBoldMarkup, 1);
    t.fc.SetValue(P::UseEmAndStrongMarkup, 0);
    t.fc.SetText(P::TableFont, font);
}

Markup CellMarkup(BlockFixture& t) {
    TextString start("left over"), end("left over");
    TableCellFontMarkup(t.block, start, end);
    return {start.Str(), end.Str()};
}

TEST(TableCellFontMarkup, TableFontPolicyAsFontTagsOnlyWhereNeeded) {
    BlockFixture off, tags, sheet;
    off.fc.SetValue(P::HtmlVersionToBeTargeted, 1);
    off.fc.SetText(P::TableFont, "Arial, Bold, 10");
    EXPECT_EQ(CellMarkup(off), Markup()) << "\"Add FONT markup\" is off by default";

    FontTagsOn(tags, "Arial, Bold, 10");
    EXPECT_EQ(CellMarkup(tags), Markup("<FONT FACE=\"Arial\" SIZE=2><B>", "</B></FONT>"));
    ApplyFontSpec("Verdana, Italic, 14", tags.block.config->tableFont);
    EXPECT_EQ(CellMarkup(tags), Markup("<FONT FACE=\"Verdana\" SIZE=4><I>", "</I></FONT>"))
        << "the font the table was prepared with wins";

    FontTagsOn(sheet, "Arial, Bold, 10");  // style-sheet fonts leave cells bare
    sheet.fc.SetValue(P::HtmlVersionToBeTargeted, 2);
    EXPECT_EQ(CellMarkup(sheet), Markup());
}

TEST(TableCellFontMarkup, HtmlCellsCarryTheFontAndEmptyCellsOnlyWhenAsked) {
    for (int empty : {0, 1}) {
        BlockFixture t;
        FontTagsOn(t, "Arial, Regular, 10");
        t.fc.SetValue(P::ApplyFontToEmptyTableCells, empty);
        t.Lines({"a,", "b,c"});
        AnalyseDelimited(t.block);
        t.fc.passHtml = true;
        ParseTable(t.block);
        const auto has = [&t](std::string_view text) {
            return std::find(t.html.statements.begin(), t.html.statements.end(), text) !=
                   t.html.statements.end();
        };
        EXPECT_TRUE(has("    <TD><FONT FACE=\"Arial\" SIZE=2>a</FONT><BR></TD>"));
        EXPECT_TRUE(has(empty ? "    <TD><FONT FACE=\"Arial\" SIZE=2>&nbsp;</FONT><BR></TD>"
                              : "    <TD>&nbsp;<BR></TD>"));
    }
}

}  // namespace
}  // namespace tabulyst
