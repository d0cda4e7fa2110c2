#include "table/line_source.h"

#include <cstring>

namespace tabulyst {

namespace {
constexpr size_t kChunk = 1u << 20;
}

std::string_view TextArena::Store(std::string_view text) {
    if (text.empty()) return {};
    if (chunks_.empty() || used_ + text.size() > chunkSize_) {
        // Chunks of 1 MiB, or one of its own for a line that is larger.
        chunkSize_ = text.size() > kChunk ? text.size() : kChunk;
        // Left uninitialised: every byte is written before it is read.
        chunks_.push_back(std::make_unique_for_overwrite<char[]>(chunkSize_));
        used_ = 0;
    }
    char* at = chunks_.back().get() + used_;
    std::memcpy(at, text.data(), text.size());
    used_ += text.size();
    bytes_ += text.size();
    return {at, text.size()};
}

void MemoryLines::Add(std::string_view raw, std::string_view full) {
    LineText line;
    line.raw = arena_.Store(raw);
    line.full = full == raw ? line.raw : arena_.Store(full);
    lines_.push_back(line);
}

bool MemoryLines::Next(LineText& line) {
    if (next_ >= lines_.size()) return false;
    line = lines_[next_++];
    return true;
}

}  // namespace tabulyst
