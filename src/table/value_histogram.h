// A small counting structure for the column analysis: distinct values with their counts.
#pragma once

#include <vector>

namespace tabulyst {

// Distinct integer values with the number of times each was added, kept in ascending
// order of value until sorted by count (largest first, equal counts by ascending value).
class ValueHistogram {
  public:
    struct Entry {
        int value = 0;
        int count = 0;
    };

    // Adds `value` `times` times (nothing when times < 1).
    void Add(int value, int times = 1);
    // Adds every value of `other` as many times as it was added there.
    void Absorb(const ValueHistogram& other);
    // Orders the entries by count, largest first; equal counts keep ascending value order.
    void Sort();
    // Value of entry k (from 1) after sorting, or `fallback` when there is no such entry.
    int Value(int k, int fallback) const;
    // Count of entry k (from 1), 0 when there is no such entry.
    int Count(int k) const;
    // Whether entry k (from 1) exists.
    bool Has(int k) const { return k >= 1 && k <= static_cast<int>(entries_.size()); }
    // Sum of the counts of the first k entries.
    int TopCount(int k) const;
    // Count of one value, 0 when it was never added.
    int CountOf(int value) const;

    // Totals over every value added: samples, sum, smallest and largest value.
    int Samples() const { return samples_; }
    long long Sum() const { return sum_; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    // Number of distinct values.
    int Size() const { return static_cast<int>(entries_.size()); }
    // Whether the entries are in count order.
    bool Sorted() const { return sorted_; }
    // Back to no values at all.
    void Clear();

  private:
    std::vector<Entry> entries_;
    long long sum_ = 0;
    int samples_ = 0;
    int min_ = 0;
    int max_ = 0;
    bool sorted_ = false;
};

}  // namespace tabulyst
