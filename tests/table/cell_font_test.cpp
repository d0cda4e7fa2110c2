#include "table/cell_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "table/analysis.h"
#include "table/table_capture.h"
#include "table/table_writers.h"

namespace tabulyst {
namespace {

using test::BlockFixture;

std::pair<std::string, std::string> Markup(BlockFixture& t) {
    TextString start("left over"), end("left over");
    TableCellFontMarkup(t.block, start, end);
    return {start.Str(), end.Str()};
}

// Font tags on in HTML 3.2, where no style sheet can carry the fonts.
void FontTagsOn(BlockFixture& t) {
    t.fc.SetValue(P::HtmlVersionToBeTargeted, 1);
    t.fc.SetValue(P::AddFontMarkup, 1);
    t.fc.SetValue(P::AddFontSizeMarkup, 1);
    t.fc.SetValue(P::AddEmphasisAndBoldMarkup, 1);
    t.fc.SetValue(P::UseEmAndStrongMarkup, 0);
}

bool HasStatement(const std::vector<std::string>& statements, std::string_view text) {
    return std::find(statements.begin(), statements.end(), text) != statements.end();
}

}  // namespace

TEST(TableCellFontMarkup, NothingUnlessFontMarkupIsAdded) {
    BlockFixture t;
    t.fc.SetValue(P::HtmlVersionToBeTargeted, 1);
    t.fc.SetText(P::TableFont, "Arial, Bold, 10");
    EXPECT_EQ(Markup(t), std::make_pair(std::string(), std::string()))
        << "\"Add FONT markup\" is off by default";
}

TEST(TableCellFontMarkup, TableFontPolicyAsFontTags) {
    BlockFixture t;
    FontTagsOn(t);
    t.fc.SetText(P::TableFont, "Arial, Bold, 10");
    EXPECT_EQ(Markup(t), std::make_pair(std::string("<FONT FACE=\"Arial\" SIZE=2><B>"),
                                        std::string("</B></FONT>")));

    ApplyFontSpec("Verdana, Italic, 14", t.block.config->tableFont);
    EXPECT_EQ(Markup(t), std::make_pair(std::string("<FONT FACE=\"Verdana\" SIZE=4><I>"),
                                        std::string("</I></FONT>")))
        << "the font the table was prepared with wins";
}

TEST(TableCellFontMarkup, StyleSheetFontsLeaveCellsBare) {
    BlockFixture t;
    FontTagsOn(t);
    t.fc.SetValue(P::HtmlVersionToBeTargeted, 2);
    t.fc.SetText(P::TableFont, "Arial, Bold, 10");
    EXPECT_EQ(Markup(t), std::make_pair(std::string(), std::string()));
}

TEST(TableCellFontMarkup, HtmlCellsCarryTheFontAndEmptyCellsOnlyWhenAsked) {
    BlockFixture t;
    FontTagsOn(t);
    t.fc.SetText(P::TableFont, "Arial, Regular, 10");
    t.Lines({"a,", "b,c"});
    AnalyseDelimited(t.block);
    t.fc.passHtml = true;
    ParseTable(t.block);
    const std::vector<std::string>& statements = t.html.statements;
    EXPECT_TRUE(HasStatement(statements, "    <TD><FONT FACE=\"Arial\" SIZE=2>a</FONT><BR></TD>"));
    EXPECT_TRUE(HasStatement(statements, "    <TD>&nbsp;<BR></TD>"));

    BlockFixture empty;
    FontTagsOn(empty);
    empty.fc.SetText(P::TableFont, "Arial, Regular, 10");
    empty.fc.SetValue(P::ApplyFontToEmptyTableCells, 1);
    empty.Lines({"a,", "b,c"});
    AnalyseDelimited(empty.block);
    empty.fc.passHtml = true;
    ParseTable(empty.block);
    EXPECT_TRUE(HasStatement(empty.html.statements,
                             "    <TD><FONT FACE=\"Arial\" SIZE=2>&nbsp;</FONT><BR></TD>"));
}

}  // namespace tabulyst
