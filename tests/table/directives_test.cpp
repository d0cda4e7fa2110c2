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

// What the directives of a whole document do is shown by the document "directives"; the
// value words it does not use are tested here.
TEST(ExecuteDirectiveTest, ValueWords) {
    DirectiveFixture t;
    const struct {
        const char* line;
        P policy;
        int value;
    } cases[] = {
        // Yes/no values, and flags without a value.
        {"$_$_TABLE_COLOR_ROWS no", P::ColourDataRows, 0},
        {"$_$_TABLE_USE_PERCENTAGES yes please", P::UsePercentageWidthsInTables, 1},
        {"$_$_TABLE_MAY_BE_SPARSE", P::ExpectSparseTables, 1},
        {"$_$_TABLE_CELL_ALIGN Justify", P::DefaultTableCellAlignment, kAlignJustify},
        {"$_$_TABLE_MIN_COLUMN_SEPARATION 3", P::MinimumTableColumnSeparation, 3},
    };
    for (const auto& c : cases) {
        t.Run(c.line);
        EXPECT_EQ(t.Base().Value(c.policy), c.value) << c.line;
        EXPECT_TRUE(t.Base().IsSet(c.policy)) << c.line;
    }
    t.Run("$_$_TABLE_HEADER_ROWS 2x");
    EXPECT_FALSE(t.Base().IsSet(P::DefaultTableHeaderRows));
    t.Run("$_$_TABLE_ODD_ROW_COLOR (none)");  // the colour shown
    EXPECT_EQ(t.Base().Text(P::DefaultTableOddRowColour).Str(), "F0F0F0");
    EXPECT_TRUE(t.Base().IsSet(P::DefaultTableOddRowColour));
    t.Run("$_$_TABLE_ALIGN x");
    EXPECT_EQ(t.Base().Value(P::DefaultTableAlignment), kAlignNone);
    EXPECT_EQ(t.Messages(), Texts{"TAG ERROR: Bad alignment code 'x' using default value instead"});
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
    t.Run("$_$_TABLE_HIDE_COLUMN 0");
    t.Run("$_$_TABLE_HIDE_COLUMN 4");
    for (const ColumnSpec& spec : specs) EXPECT_FALSE(spec.hidden);
    t.Run("$_$_TABLE_HIDE_COLUMN 2");
    EXPECT_TRUE(specs[1].hidden);
    EXPECT_FALSE(specs[0].hidden);
    EXPECT_TRUE(t.Messages().empty());
}

TEST(ExecuteDirectiveTest, ATableInsideHtmlIsReported) {
    DirectiveFixture t;
    t.Run("$_$_BEGIN_HTML");
    t.Run("$_$_BEGIN_TABLE");
    EXPECT_EQ(t.Messages(), Texts{"TAG ERROR: END_HTML not seen before BEGIN_TABLE"});
}

TEST(ExecuteDirectiveTest, DirectivesATaggedTableHasNoUseForAreReportedAndIgnored) {
    DirectiveFixture t;
    t.Run("$_$_TABLE_HEADER_ROWS 2");
    t.Run("$_$_BEGIN_TAGGED_TABLE");
    t.Run("$_$_TABLE_HEADER_ROWS 3");
    t.Run("$_$_TABLE_BORDER 1");
    EXPECT_EQ(t.Base().Value(P::DefaultTableHeaderRows), 2);
    EXPECT_EQ(t.Base().Value(P::DefaultTableBorderSize), 1);
    EXPECT_EQ(t.Messages(),
              Texts{"TAG ERROR: Ignoring directive in user table - $_$_TABLE_HEADER_ROWS 3"});
}

}  // namespace
}  // namespace tabulyst
