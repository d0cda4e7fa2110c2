#include "table/directives.h"

#include <gtest/gtest.h>

#include "input/source_line.h"
#include "table/table_capture.h"

namespace tabulyst {
namespace {

using Texts = std::vector<std::string>;

struct DirectiveFixture {
    DirectiveFixture() : fc(&recorder.sink) { fc.SetValue(P::ErrorReportingLevel, 10); }
    // Recognises and executes one line as the reader does; returns the line kind.
    int Run(std::string_view line) {
        const int code = RecogniseDirective(fc, line);
        return code ? ExecuteDirective(fc, code, line) : kLineOrdinary;
    }
    const TabConfig& Base() const { return fc.BaseConfig(); }
    const Texts& Messages() const { return recorder.messages; }

    test::RecordingSink recorder;
    FC fc;
};

TEST(RecogniseDirectiveTest, OnlyAKeywordAtTheVeryStartOfTheLine) {
    DirectiveFixture t;
    EXPECT_EQ(RecogniseDirective(t.fc, "$_$_TABLE_BORDER 2"), kDirTableBorder);
    EXPECT_EQ(RecogniseDirective(t.fc, " $_$_TABLE_BORDER 2"), kDirNone);
    EXPECT_EQ(RecogniseDirective(t.fc, "see $_$_TABLE_BORDER 2"), kDirNone);
    EXPECT_EQ(RecogniseDirective(t.fc, "$_$_table_border 2"), kDirNone);
    EXPECT_EQ(RecogniseDirective(t.fc, "$_$_TABLE_BORDERS 2"), kDirNone);
    EXPECT_EQ(RecogniseDirective(t.fc, "$_$_TABLE_BORDERCOLOR red"), kDirTableBorderColour);
    EXPECT_EQ(RecogniseDirective(t.fc, "$_$_END_TABLE"), kDirEndTable);
    t.fc.SetText(P::DirectiveDelimiter, "@@");
    EXPECT_EQ(RecogniseDirective(t.fc, "@@TABLE_ALIGN right"), kDirTableAlign);
    EXPECT_EQ(RecogniseDirective(t.fc, "$_$_TABLE_ALIGN right"), kDirNone);
}

TEST(ExecuteDirectiveTest, LineKindsDecideWhatReachesTheTable) {
    DirectiveFixture t;
    EXPECT_EQ(t.Run("$_$_TABLE_BORDER 1"), kLineDirective);
    EXPECT_EQ(t.Run("$_$_END_TABLE"), kLineDirective);
    EXPECT_EQ(t.Run("$_$_BEGIN_USER_TABLE"), kLineSwallowed);
    EXPECT_EQ(t.Run("$_$_END_COMMA_DELIMITED_TABLE"), kLineSwallowed);
    EXPECT_EQ(t.Run("$_$_END_IGNORE"), kLineSwallowed);
    EXPECT_EQ(t.Run("$_$_PARA"), kLineDirective);
    EXPECT_EQ(t.Run("$_$_CHANGE_POLICY Default TABLE cell spacing: 6"), kLinePolicy);
}

TEST(ExecuteDirectiveTest, ChangePolicyReportsAndAppliesTheRestOfTheLine) {
    DirectiveFixture t;
    t.Run("$_$_CHANGE_POLICY   Default TABLE cell spacing: 6  ");
    EXPECT_EQ(t.Base().Value(P::DefaultTableCellSpacing), 6);
    EXPECT_TRUE(t.Base().IsSet(P::DefaultTableCellSpacing));
    EXPECT_EQ(t.Messages(), (Texts{"POLICY: Changed - Default TABLE cell spacing: 6"}));
}

TEST(ExecuteDirectiveTest, NoneStandsForTheValueShownAndMarksThePolicySet) {
    DirectiveFixture t;
    t.Run("$_$_TABLE_BORDER (none)");
    EXPECT_EQ(t.Base().Value(P::DefaultTableBorderSize), 0);
    EXPECT_TRUE(t.Base().IsSet(P::DefaultTableBorderSize));
    t.Run("$_$_TABLE_CELLSPACING (none)");
    EXPECT_EQ(t.Base().Value(P::DefaultTableCellSpacing), 0);
    t.Run("$_$_TABLE_ODD_ROW_COLOR (none)");
    EXPECT_EQ(t.Base().Text(P::DefaultTableOddRowColour).Str(), "F0F0F0");
    EXPECT_TRUE(t.Base().IsSet(P::DefaultTableOddRowColour));
    EXPECT_TRUE(t.Messages().empty());
}

TEST(ExecuteDirectiveTest, IntegersThatDoNotParseLeaveThePolicyAlone) {
    DirectiveFixture t;
    t.Run("$_$_TABLE_BORDER 3");
    EXPECT_EQ(t.Base().Value(P::DefaultTableBorderSize), 3);
    t.Run("$_$_TABLE_BORDER thick");
    t.Run("$_$_TABLE_HEADER_ROWS 2x");
    EXPECT_EQ(t.Base().Value(P::DefaultTableBorderSize), 3);
    EXPECT_FALSE(t.Base().IsSet(P::DefaultTableHeaderRows));
    t.Run("$_$_TABLE_MIN_COLUMN_SEPARATION 3");
    EXPECT_EQ(t.Base().Value(P::MinimumTableColumnSeparation), 3);
}

TEST(ExecuteDirectiveTest, YesNoValuesAndFlagsWithoutValue) {
    DirectiveFixture t;
    t.Run("$_$_TABLE_COLOUR_ROWS");
    EXPECT_EQ(t.Base().Value(P::ColourDataRows), 1);
    t.Run("$_$_TABLE_COLOR_ROWS no");
    EXPECT_EQ(t.Base().Value(P::ColourDataRows), 0);
    EXPECT_TRUE(t.Base().IsSet(P::ColourDataRows));
    t.Run("$_$_TABLE_USE_PERCENTAGES yes please");
    EXPECT_EQ(t.Base().Value(P::UsePercentageWidthsInTables), 1);
    t.Run("$_$_TABLE_MAY_BE_SPARSE");
    EXPECT_EQ(t.Base().Value(P::ExpectSparseTables), 1);
}

TEST(ExecuteDirectiveTest, AlignmentWords) {
    DirectiveFixture t;
    t.Run("$_$_TABLE_ALIGN right");
    EXPECT_EQ(t.Base().Value(P::DefaultTableAlignment), kAlignRight);
    t.Run("$_$_TABLE_CELL_ALIGN Justify");
    EXPECT_EQ(t.Base().Value(P::DefaultTableCellAlignment), kAlignJustify);
    t.Run("$_$_TABLE_CELL_ALIGN align=centre");
    EXPECT_EQ(t.Base().Value(P::DefaultTableCellAlignment), kAlignCentre);
    EXPECT_TRUE(t.Messages().empty());
    t.Run("$_$_TABLE_ALIGN x");
    EXPECT_EQ(t.Base().Value(P::DefaultTableAlignment), kAlignNone);
    EXPECT_EQ(t.Messages(), (Texts{"TAG ERROR: Bad alignment code 'x' using default value instead"}));
}

TEST(ParseVerticalAlignmentWordTest, TopBottomCentreAndTheBadCode) {
    DirectiveFixture t;
    EXPECT_EQ(ParseVerticalAlignmentWord(t.fc, "bottom", kVAlignNone), kVAlignBottom);
    EXPECT_EQ(ParseVerticalAlignmentWord(t.fc, "valign=top", kVAlignNone), kVAlignTop);
    EXPECT_EQ(ParseVerticalAlignmentWord(t.fc, "Centre", kVAlignNone), kVAlignCentre);
    EXPECT_EQ(ParseVerticalAlignmentWord(t.fc, "left", -1), -1);
    EXPECT_EQ(t.Messages(), (Texts{"TAG ERROR: Bad vertical alignment code 'left' "}));
}

TEST(ExecuteDirectiveTest, TextsAreTrimmedAndColoursChecked) {
    DirectiveFixture t;
    t.Run("$_$_TABLE_CAPTION   Annual figures  ");
    EXPECT_EQ(t.Base().Text(P::DefaultTableCaption).Str(), "Annual figures");
    t.Run("$_$_TABLE_DELIMITER ;");
    EXPECT_EQ(t.Base().Text(P::DefaultTableDelimiterCharacter).Str(), ";");
    t.Run("$_$_TABLE_BGCOLOR bluish");
    EXPECT_TRUE(t.Base().IsSet(P::DefaultTableColour));
    EXPECT_EQ(t.Messages(), (Texts{"WARNING: \"bluish\" is not a standard HTML colour"}));
}

TEST(ExecuteDirectiveTest, TableLayoutGivesColumnSpecifications) {
    DirectiveFixture t;
    t.Run("$_$_TABLE_LAYOUT 3,10,25,40");
    const auto& specs = t.Base().columnSpecs;
    ASSERT_EQ(specs.size(), 3u);
    EXPECT_EQ(specs[0].last, 9);
    EXPECT_EQ(specs[1].last, 24);
    EXPECT_EQ(specs[2].last, 39);
    EXPECT_EQ(specs[2].align, kAlignLeft);
}

TEST(ExecuteDirectiveTest, ABeginDirectiveCreatesAConfigurationThatLaterDirectivesChange) {
    DirectiveFixture t;
    t.fc.passPreRead = true;
    t.Run("$_$_BEGIN_TABLE");
    ASSERT_EQ(t.fc.NumTabConfigs(), 1);
    t.Run("$_$_TABLE_BORDER 5");
    EXPECT_EQ(t.fc.NewestConfig().Value(P::DefaultTableBorderSize), 5);
    EXPECT_FALSE(t.Base().IsSet(P::DefaultTableBorderSize));
    t.Run("$_$_END_TABLE");
    t.Run("$_$_BEGIN_TAGGED_TABLE");
    EXPECT_EQ(t.fc.NumTabConfigs(), 1);  // tagged tables take no configuration of their own
    t.Run("$_$_BEGIN_COMMA_DELIMITED_TABLE");
    EXPECT_EQ(t.fc.NumTabConfigs(), 2);
    EXPECT_TRUE(t.Messages().empty());
}

TEST(ExecuteDirectiveTest, HideColumnNeedsALayoutColumn) {
    DirectiveFixture t;
    t.Run("$_$_TABLE_HIDE_COLUMN 1");
    EXPECT_TRUE(t.Base().columnSpecs.empty()) << "no layout, nothing to hide";
    t.Run("$_$_TABLE_LAYOUT 3,10,25,40");
    t.Run("$_$_TABLE_HIDE_COLUMN 0");
    t.Run("$_$_TABLE_HIDE_COLUMN 4");
    const auto& specs = t.fc.NewestConfig().columnSpecs;
    for (const ColumnSpec& spec : specs) EXPECT_FALSE(spec.hidden);
    t.Run("$_$_TABLE_HIDE_COLUMN 2");
    EXPECT_TRUE(specs[1].hidden) << "the whole input is a table: the base configuration is hidden from";
    EXPECT_FALSE(specs[0].hidden);
    EXPECT_TRUE(t.Messages().empty());
}

TEST(ExecuteDirectiveTest, RegionMessages) {
    DirectiveFixture t;
    t.Run("$_$_BEGIN_USER_TABLE");
    t.Run("$_$_BEGIN_USER_TABLE");
    t.Run("$_$_BEGIN_HTML");
    t.Run("$_$_BEGIN_TABLE");
    t.Run("$_$_BEGIN_TABLE");
    Texts expected = {"TAG ERROR: Ignoring BEGIN_USER_TABLE inside table.\n"
                      "           - could be a duplicate\n"
                      "           - could be a missing END tag",
                      "TAG ERROR: END_HTML not seen before BEGIN_TABLE"};
    // The configuration requests outside any pass are the queue's own complaint.
    Texts seen;
    for (const std::string& m : t.Messages())
        if (m.rfind("PROGRAM ERROR", 0) != 0) seen.push_back(m);
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace tabulyst
