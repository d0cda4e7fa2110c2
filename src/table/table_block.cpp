#include "table/table_model.h"

#include <cstring>

#include "policy/fc.h"
#include "table/analysis.h"
#include "table/table_writers.h"

namespace tabulyst {

std::string_view TextArena::Store(std::string_view text) {
    if (text.empty()) return {};
    if (chunks_.empty() || used_ + text.size() > chunkSize_) {
        // Chunks of 1 MiB, or one of its own for a line that is larger.
        chunkSize_ = text.size() > (1u << 20) ? text.size() : (1u << 20);
        chunks_.push_back(std::make_unique<char[]>(chunkSize_));
        used_ = 0;
    }
    char* at = chunks_.back().get() + used_;
    std::memcpy(at, text.data(), text.size());
    used_ += text.size();
    bytes_ += text.size();
    return {at, text.size()};
}

}  // namespace tabulyst
