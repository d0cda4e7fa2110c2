#include "table/value_histogram.h"

#include <gtest/gtest.h>

namespace tabulyst {
namespace {

TEST(ValueHistogramTest, SortsByCountWithTiesInAscendingValueOrder) {
    ValueHistogram h;
    for (int v : {3, 1, 3, 2, 1}) h.Add(v);
    EXPECT_EQ(h.Samples(), 5);
    EXPECT_EQ(h.Sum(), 10);
    EXPECT_EQ(h.Min(), 1);
    EXPECT_EQ(h.Max(), 3);
    h.Sort();
    // Counts: 1 twice, 3 twice, 2 once.
    EXPECT_EQ(h.Value(1, -1), 1);
    EXPECT_EQ(h.Value(2, -1), 3);
    EXPECT_EQ(h.Value(3, -1), 2);
    EXPECT_EQ(h.Value(4, -1), -1);
    EXPECT_EQ(h.Count(3), 1);
    EXPECT_EQ(h.Count(4), 0);
    EXPECT_EQ(h.TopCount(2), 4);

    // A pairwise exchange pass would put 1 first here; the smaller value must win.
    ValueHistogram tie;
    tie.Add(0, 2);
    tie.Add(1, 2);
    tie.Add(2, 1);
    tie.Sort();
    EXPECT_EQ(tie.Value(1, -1), 0);
    EXPECT_EQ(tie.Value(2, -1), 1);
}

TEST(ValueHistogramTest, AddingAfterSortingStillCountsEveryValue) {
    ValueHistogram h;
    h.Add(5);
    h.Add(7, 3);
    h.Sort();
    h.Add(5, 4);
    h.Add(0, 0);  // nothing
    h.Sort();
    EXPECT_EQ(h.Size(), 2);
    EXPECT_EQ(h.Value(1, -1), 5);
    EXPECT_EQ(h.Count(1), 5);
    EXPECT_EQ(h.CountOf(7), 3);
    EXPECT_EQ(h.Samples(), 8);
}

}  // namespace
}  // namespace tabulyst
