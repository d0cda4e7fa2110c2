// The HTML 4.0 entity table.
#include "output/entities.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tabulyst {
namespace {

TEST(EntityTable, InCodeOrderWithUniqueNames) {
    // Looked up by code: the table must stay in ascending order, each name once.
    auto entities = Entities();
    std::set<std::string> names;
    for (size_t i = 0; i < entities.size(); ++i) {
        EXPECT_TRUE(names.insert(entities[i].name).second) << entities[i].name;
        if (i > 0) {
            EXPECT_LT(entities[i - 1].code, entities[i].code);
        }
    }
    for (auto [code, name] : {std::pair{8364, "euro"}, {65, ""}, {930, ""}})
        EXPECT_EQ(EntityName(code), name) << code;
}

}  // namespace
}  // namespace tabulyst
