// Counts of the tags a document generates, reported at its end when "Monitor tag
// generation" is on.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tabulyst {

class TagMonitor {
  public:
    // Counts the start and end tags of one written line.
    void Record(std::string_view line);
    // "INFO: Tags generated - " and each start tag with its count, by name; empty when
    // no tag was written.
    std::string Summary() const;
    // One "WARNING: Unbalanced tags - " line for each element that must be closed and was
    // started and ended a different number of times.
    std::vector<std::string> Imbalances() const;
    void Clear() { counts_.clear(); }

  private:
    struct Count {
        int starts = 0;
        int ends = 0;
    };
    std::map<std::string, Count> counts_;
};

}  // namespace tabulyst
