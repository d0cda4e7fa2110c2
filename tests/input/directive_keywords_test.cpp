#include "input/directive_keywords.h"

#include <gtest/gtest.h>

namespace tabulyst {
namespace {

TEST(RecogniseDirectiveTest, OnlyAWholeKeywordAtTheVeryStartOfTheLine) {
    using D = DirectiveCode;
    const struct {
        const char* prefix;
        const char* line;
        DirectiveCode code;
    } cases[] = {
        {"", "$_$_TABLE_BORDER 2", D::TableBorder},  // no prefix given: the default one
        {"$_$_", " $_$_TABLE_BORDER 2", D::None},
        {"$_$_", "$_$_table_border 2", D::None},
        {"$_$_", "$_$_TABLE_BORDERS 2", D::None},
        // The longest keyword wins over one that is its start.
        {"$_$_", "$_$_TABLE_BORDERCOLOR red", D::TableBorderColour},
        {"$_$_", "$_$_END_COMMA_DELIMITED_TABLE", D::EndCommaDelimitedTable},
        {"@@", "$_$_TABLE_ALIGN right", D::None},
        {"$_$_", "$_$_", D::None},
    };
    for (const auto& c : cases) EXPECT_EQ(RecogniseDirective(c.prefix, c.line), c.code) << c.line;
    std::string_view keyword;
    RecogniseDirective("$_$_", "$_$_TABLE_ODD_ROW_COLOR x", &keyword);
    EXPECT_EQ(keyword, "TABLE_ODD_ROW_COLOR") << "the spelling that matched";
}

}  // namespace
}  // namespace tabulyst
