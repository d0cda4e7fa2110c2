#include "table/directives.h"

#include <gtest/gtest.h>

#include "table/table_fixture.h"

namespace tabulyst {
namespace {

using test::Texts;

struct DirectiveFixture {
    DirectiveFixture() : fc(&recorder.sink) { fc.SetValue(P::ErrorReportingLevel, 10); }
    // Recognises and executes one line as the reader and the driver do.
    void Run(std::string_view line) {
        ExecuteDirective(fc, RecogniseDirective(fc.Text(P::DirectiveDelimiter), line), line);
    }
    const TabConfig& Base() const { return fc.BaseConfig(); }
    const Texts& Messages() const { return recorder.messages; }

    test::RecordingSink recorder;
    FC fc;
};

TEST(ExecuteDirectiveTest, ValuesSetTheirPolicies) {
    DirectiveFixture t;
    const struct {
        const char* line;
        P policy;
        int value;
    } cases[] = {
        // (none) stands for the value shown and marks the policy set.
        {"$_$_TABLE_BORDER (none)", P::DefaultTableBorderSize, 0},
        {"$_$_TABLE_CELLSPACING (none)", P::DefaultTableCellSpacing, 0},
        // Yes/no values, and flags without a value.
        {"$_$_TABLE_COLOUR_ROWS", P::ColourDataRows, 1},
        {"$_$_TABLE_COLOR_ROWS no", P::ColourDataRows, 0},
        {"$_$_TABLE_USE_PERCENTAGES yes please", P::UsePercentageWidthsInTables, 1},
        {"$_$_TABLE_MAY_BE_SPARSE", P::ExpectSparseTables, 1},
        // Alignment words.
        {"$_$_TABLE_ALIGN right", P::DefaultTableAlignment, kAlignRight},
        {"$_$_TABLE_CELL_ALIGN Justify", P::DefaultTableCellAlignment, kAlignJustify},
        {"$_$_TABLE_CELL_ALIGN align=centre", P::DefaultTableCellAlignment, kAlignCentre},
        // Integers; those that do not parse leave the policy alone.
        {"$_$_TABLE_BORDER 3", P::DefaultTableBorderSize, 3},
        {"$_$_TABLE_BORDER thick", P::DefaultTableBorderSize, 3},
        {"$_$_TABLE_MIN_COLUMN_SEPARATION 3", P::MinimumTableColumnSeparation, 3},
    };
    for (const auto& c : cases) {
        t.Run(c.line);
        EXPECT_EQ(t.Base().Value(c.policy), c.value) << c.line;
        EXPECT_TRUE(t.Base().IsSet(c.policy)) << c.line;
    }
    t.Run("$_$_TABLE_HEADER_ROWS 2x");
    EXPECT_FALSE(t.Base().IsSet(P::DefaultTableHeaderRows));
    EXPECT_TRUE(t.Messages().empty());

    // Texts are trimmed; colours are checked; CHANGE_POLICY applies the rest of the line.
    t.Run("$_$_TABLE_ODD_ROW_COLOR (none)");
    EXPECT_EQ(t.Base().Text(P::DefaultTableOddRowColour).Str(), "F0F0F0");
    EXPECT_TRUE(t.Base().IsSet(P::DefaultTableOddRowColour));
    t.Run("$_$_TABLE_CAPTION   Annual figures  ");
    EXPECT_EQ(t.Base().Text(P::DefaultTableCaption).Str(), "Annual figures");
    t.Run("$_$_TABLE_DELIMITER ;");
    EXPECT_EQ(t.Base().Text(P::DefaultTableDelimiterCharacter).Str(), ";");
    t.Run("$_$_TABLE_BGCOLOR bluish");
    EXPECT_TRUE(t.Base().IsSet(P::DefaultTableColour));
    t.Run("$_$_CHANGE_POLICY   Default TABLE cell spacing: 6  ");
    EXPECT_EQ(t.Base().Value(P::DefaultTableCellSpacing), 6);
    t.Run("$_$_TABLE_ALIGN x");
    EXPECT_EQ(t.Base().Value(P::DefaultTableAlignment), kAlignNone);
    EXPECT_EQ(t.Messages(),
              (Texts{"WARNING: \"bluish\" is not a standard HTML colour",
                     "POLICY: Changed - Default TABLE cell spacing: 6",
                     "TAG ERROR: Bad alignment code 'x' using default value instead"}));
}

TEST(ParseVerticalAlignmentWordTest, TopBottomCentreAndTheBadCode) {
    DirectiveFixture t;
    EXPECT_EQ(ParseVerticalAlignmentWord(t.fc, "bottom", kVAlignNone), kVAlignBottom);
    EXPECT_EQ(ParseVerticalAlignmentWord(t.fc, "valign=top", kVAlignNone), kVAlignTop);
    EXPECT_EQ(ParseVerticalAlignmentWord(t.fc, "Centre", kVAlignNone), kVAlignCentre);
    EXPECT_EQ(ParseVerticalAlignmentWord(t.fc, "left", -1), -1);
    EXPECT_EQ(t.Messages(), (Texts{"TAG ERROR: Bad vertical alignment code 'left' "}));
}

TEST(ExecuteDirectiveTest, TableLayoutAndHiddenColumns) {
    DirectiveFixture t;
    t.Run("$_$_TABLE_HIDE_COLUMN 1");
    EXPECT_TRUE(t.Base().columnSpecs.empty()) << "no layout, nothing to hide";
    t.Run("$_$_TABLE_LAYOUT 3,10,25,40");
    const auto& specs = t.Base().columnSpecs;
    ASSERT_EQ(specs.size(), 3u);
    EXPECT_EQ((std::vector<int>{specs[0].last, specs[1].last, specs[2].last}),
              (std::vector<int>{9, 24, 39}));
    EXPECT_EQ(specs[2].align, kAlignLeft);
    t.Run("$_$_TABLE_HIDE_COLUMN 0");
    t.Run("$_$_TABLE_HIDE_COLUMN 4");
    for (const ColumnSpec& spec : specs) EXPECT_FALSE(spec.hidden);
    t.Run("$_$_TABLE_HIDE_COLUMN 2");
    EXPECT_TRUE(specs[1].hidden);
    EXPECT_FALSE(specs[0].hidden);
    EXPECT_TRUE(t.Messages().empty());
}

TEST(ExecuteDirectiveTest, RegionMessages) {
    DirectiveFixture t;
    for (const char* line : {"$_$_BEGIN_USER_TABLE", "$_$_BEGIN_USER_TABLE", "$_$_BEGIN_HTML",
                             "$_$_BEGIN_TABLE", "$_$_BEGIN_TABLE"})
        t.Run(line);
    EXPECT_EQ(t.Messages(), (Texts{"TAG ERROR: Ignoring BEGIN_USER_TABLE inside table.\n"
                                   "           - could be a duplicate\n"
                                   "           - could be a missing END tag",
                                   "TAG ERROR: END_HTML not seen before BEGIN_TABLE"}));
}

}  // namespace
}  // namespace tabulyst
