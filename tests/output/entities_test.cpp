// The HTML 4.0 entity table.
#include "output/entities.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tabulyst {
namespace {

TEST(EntityTable, HoldsThe252EntitiesInCodeOrder) {
    auto entities = Entities();
    ASSERT_EQ(entities.size(), 252u);
    std::set<std::string> names;
    for (size_t i = 0; i < entities.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(entities[i - 1].code, entities[i].code);
        }
        names.insert(entities[i].name);
    }
    EXPECT_EQ(names.size(), 252u);  // no name twice
    for (int code = 160; code <= 255; ++code) EXPECT_FALSE(EntityName(code).empty()) << code;
}

TEST(EntityTable, KnownNames) {
    EXPECT_EQ(EntityName(34), "quot");
    EXPECT_EQ(EntityName(38), "amp");
    EXPECT_EQ(EntityName(60), "lt");
    EXPECT_EQ(EntityName(62), "gt");
    EXPECT_EQ(EntityName(233), "eacute");
    EXPECT_EQ(EntityName(338), "OElig");
    EXPECT_EQ(EntityName(913), "Alpha");
    EXPECT_EQ(EntityName(962), "sigmaf");
    EXPECT_EQ(EntityName(8364), "euro");
    EXPECT_EQ(EntityName(9830), "diams");
    EXPECT_TRUE(EntityName(65).empty());
    EXPECT_TRUE(EntityName(930).empty());
}

}  // namespace
}  // namespace tabulyst
