// TABLE_LAYOUT values parsed into the column specifications of a configuration.
#include <gtest/gtest.h>

#include "policy/fc.h"
#include "policy/policy_test_support.h"

using namespace tabulyst;
using tabulyst::testing::CapturedFC;

namespace {

std::vector<int> Lasts(const TabConfig& config) {
    std::vector<int> lasts;
    for (const ColumnSpec& spec : config.columnSpecs) lasts.push_back(spec.last);
    return lasts;
}

}  // namespace

TEST(TableLayout, CommaAndKeywordForms) {
    CapturedFC c;
    EXPECT_TRUE(c.fc.SetTableLayout("3,10,25,40"));
    const TabConfig& base = c.fc.BaseConfig();
    EXPECT_EQ(Lasts(base), (std::vector<int>{9, 24, 39})) << "positions count from 1";
    for (const ColumnSpec& spec : base.columnSpecs) {
        EXPECT_EQ(spec.first, spec.last);
        EXPECT_EQ(spec.align, kAlignLeft);
        EXPECT_FALSE(spec.hidden);
    }
    EXPECT_EQ(base.Text(P::DefaultTableLayout).View(), "3,10,25,40");
    EXPECT_TRUE(base.IsSet(P::DefaultTableLayout));

    EXPECT_TRUE(c.fc.SetTableLayout("TABLE_LAYOUT 2 5 9 77"));
    EXPECT_EQ(Lasts(base), (std::vector<int>{4, 8})) << "arguments beyond the count are unused";
    EXPECT_TRUE(c.messages.empty());
}

TEST(TableLayout, FailuresKeepThePreviousColumns) {
    CapturedFC c;
    ASSERT_TRUE(c.fc.SetTableLayout("2,5,9"));
    for (const char* bad : {"", "x,1", "TABLE_LAYOUT", "0"}) {
        c.messages.clear();
        EXPECT_FALSE(c.fc.SetTableLayout(bad)) << bad;
        EXPECT_EQ(c.messages, std::vector<std::string>{"TAG ERROR: Failed to parse TABLE_LAYOUT"}) << bad;
    }
    for (const char* bad : {"3,10,25", "2,10,abc", "2,10,-4", "2000000000,1"}) {
        c.messages.clear();
        EXPECT_FALSE(c.fc.SetTableLayout(bad)) << bad;
        EXPECT_EQ(c.messages, std::vector<std::string>{"TAG ERROR: Failed to parse table layout"}) << bad;
    }
    EXPECT_EQ(Lasts(c.fc.BaseConfig()), (std::vector<int>{4, 8}));
    EXPECT_EQ(c.fc.BaseConfig().Text(P::DefaultTableLayout).View(), "2,5,9");
}

TEST(TableLayout, GoesToTheNewestConfiguration) {
    FC fc;
    fc.passPreRead = true;
    fc.CreateNewTabConfig();
    fc.CreateNewTabConfig();
    EXPECT_TRUE(fc.SetTableLayout("1,12"));
    EXPECT_EQ(Lasts(fc.NewestConfig()), std::vector<int>{11});
    EXPECT_TRUE(fc.OldestConfig().columnSpecs.empty());
    EXPECT_TRUE(fc.BaseConfig().columnSpecs.empty());
}
