#include "table/value_histogram.h"

#include <gtest/gtest.h>

#include <vector>

namespace tabulyst {
namespace {

using Ints = std::vector<int>;

TEST(ValueHistogramTest, SortsByCountWithTiesInAscendingValueOrder) {
    ValueHistogram h;
    for (int v : {3, 1, 3, 2, 1}) h.Add(v);
    EXPECT_EQ(h.Sum(), 10);
    EXPECT_EQ((Ints{h.Samples(), h.Min(), h.Max()}), (Ints{5, 1, 3}));
    h.Sort();
    // Counts: 1 twice, 3 twice, 2 once.
    EXPECT_EQ((Ints{h.Value(1, -1), h.Value(2, -1), h.Value(3, -1), h.Value(4, -1)}),
              (Ints{1, 3, 2, -1}));
    EXPECT_EQ((Ints{h.Count(3), h.Count(4), h.TopCount(2)}), (Ints{1, 0, 4}));

    // A pairwise exchange pass would put 1 first here; the smaller value must win.
    ValueHistogram tie;
    tie.Add(0, 2);
    tie.Add(1, 2);
    tie.Add(2, 1);
    tie.Sort();
    EXPECT_EQ((Ints{tie.Value(1, -1), tie.Value(2, -1)}), (Ints{0, 1}));
}

}  // namespace
}  // namespace tabulyst
