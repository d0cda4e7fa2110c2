#include "table/value_histogram.h"

#include <algorithm>

namespace tabulyst {

void ValueHistogram::Add(int value, int times) {
    if (times < 1) return;
    if (sorted_) {
        // Insertion keeps value order, so a sorted list goes back to it first.
        std::sort(entries_.begin(), entries_.end(),
                  [](const Entry& a, const Entry& b) { return a.value < b.value; });
        sorted_ = false;
    }
    auto at = std::lower_bound(entries_.begin(), entries_.end(), value,
                               [](const Entry& e, int v) { return e.value < v; });
    if (at != entries_.end() && at->value == value)
        at->count += times;
    else
        entries_.insert(at, Entry{value, times});
    if (samples_ == 0) min_ = max_ = value;
    min_ = std::min(min_, value);
    max_ = std::max(max_, value);
    samples_ += times;
    sum_ += static_cast<long long>(value) * times;
}

void ValueHistogram::Absorb(const ValueHistogram& other) {
    for (const Entry& entry : other.entries_) Add(entry.value, entry.count);
}

void ValueHistogram::Sort() {
    if (!sorted_)
        std::stable_sort(entries_.begin(), entries_.end(),
                         [](const Entry& a, const Entry& b) { return a.count > b.count; });
    sorted_ = true;
}

int ValueHistogram::Value(int k, int fallback) const {
    return Has(k) ? entries_[k - 1].value : fallback;
}

int ValueHistogram::Count(int k) const { return Has(k) ? entries_[k - 1].count : 0; }

int ValueHistogram::TopCount(int k) const {
    int total = 0;
    for (int i = 0; i < k && i < static_cast<int>(entries_.size()); ++i) total += entries_[i].count;
    return total;
}

int ValueHistogram::CountOf(int value) const {
    for (const Entry& e : entries_)
        if (e.value == value) return e.count;
    return 0;
}

void ValueHistogram::Clear() {
    entries_.clear();
    sum_ = 0;
    samples_ = min_ = max_ = 0;
    sorted_ = false;
}

}  // namespace tabulyst
