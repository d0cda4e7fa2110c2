// TABLE_LAYOUT values parsed into the column specifications of a configuration.
#include <gtest/gtest.h>

#include "policy/fc.h"
#include "policy/policy_test_support.h"

using namespace tabulyst;
using namespace tabulyst::testing;

namespace {

std::vector<int> Lasts(const TabConfig& config) {
    std::vector<int> lasts;
    for (const ColumnSpec& spec : config.columnSpecs) lasts.push_back(spec.last);
    return lasts;
}

}  // namespace

TEST(TableLayout, CommaAndKeywordFormsAndFailures) {
    CapturedFC c;
    const TabConfig& base = c.fc.BaseConfig();
    EXPECT_TRUE(c.fc.SetTableLayout("3,10,25,40"));
    EXPECT_EQ(Lasts(base), (std::vector<int>{9, 24, 39})) << "positions count from 1";
    for (const ColumnSpec& spec : base.columnSpecs)
        EXPECT_TRUE(spec.first == spec.last && spec.align == kAlignLeft && !spec.hidden);
    EXPECT_EQ(base.Text(P::DefaultTableLayout).View(), "3,10,25,40");
    EXPECT_TRUE(base.IsSet(P::DefaultTableLayout));
    EXPECT_TRUE(c.fc.SetTableLayout("TABLE_LAYOUT 2 5 9 77"));
    EXPECT_EQ(Lasts(base), (std::vector<int>{4, 8})) << "arguments beyond the count are unused";
    EXPECT_TRUE(c.messages.empty());

    ASSERT_TRUE(c.fc.SetTableLayout("2,5,9"));
    const char* keyword = "TAG ERROR: Failed to parse TABLE_LAYOUT";
    const char* layout = "TAG ERROR: Failed to parse table layout";
    const std::pair<const char*, const char*> kFailures[] = {
        {"", keyword},       {"x,1", keyword},        {"TABLE_LAYOUT", keyword},
        {"0", keyword},      {"3,10,25", layout},     {"2,10,abc", layout},
        {"2,10,-4", layout}, {"2000000000,1", layout}};
    for (auto [bad, message] : kFailures) {  // the previous columns stay
        c.messages.clear();
        EXPECT_FALSE(c.fc.SetTableLayout(bad)) << bad;
        EXPECT_EQ(c.messages, Messages{message}) << bad;
    }
    EXPECT_EQ(Lasts(base), (std::vector<int>{4, 8}));
    EXPECT_EQ(base.Text(P::DefaultTableLayout).View(), "2,5,9");
}
