// The HTML 4.0 entity table.
#include "output/entities.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tabulyst {
namespace {

TEST(EntityTable, The252EntitiesInCodeOrderUnderTheirNames) {
    auto entities = Entities();
    ASSERT_EQ(entities.size(), 252u);
    std::set<std::string> names;
    for (size_t i = 0; i < entities.size(); ++i) {
        names.insert(entities[i].name);
        if (i > 0) {
            EXPECT_LT(entities[i - 1].code, entities[i].code);
        }
    }
    EXPECT_EQ(names.size(), 252u);  // no name twice
    for (int code = 160; code <= 255; ++code) EXPECT_FALSE(EntityName(code).empty()) << code;
    const std::pair<int, std::string_view> known[] = {
        {34, "quot"},    {38, "amp"},     {60, "lt"},     {62, "gt"},
        {233, "eacute"}, {338, "OElig"},  {913, "Alpha"}, {962, "sigmaf"},
        {8364, "euro"},  {9830, "diams"}, {65, ""},       {930, ""}};
    for (auto [code, name] : known) EXPECT_EQ(EntityName(code), name) << code;
}

}  // namespace
}  // namespace tabulyst
