// The order in which the catalogue offers its keys to a policy line.
#include "policy/catalogue.h"

#include <gtest/gtest.h>

#include "core/text_string.h"

using namespace tabulyst;

TEST(Catalogue, LongerKeyIsOfferedBeforeItsPrefix) {
    auto rows = Catalogue();
    for (size_t i = 0; i < rows.size(); ++i)
        for (size_t j = i + 1; j < rows.size(); ++j)
            EXPECT_FALSE(rows[i].readable() && rows[j].readable() &&
                         StartsWithNoCase(rows[j].key, rows[i].key))
                << rows[i].key << " would claim the lines of " << rows[j].key;
}
