#include "core/byte_scan.h"

namespace tabulyst {

bool IsAsciiText(std::string_view text) {
    using namespace detail;
    const size_t n = text.size();
    const char* data = text.data();
    if (n < kWord) {
        for (size_t i = 0; i < n; ++i)
            if (static_cast<unsigned char>(data[i]) >= 0x80) return false;
        return true;
    }
    size_t i = 0;
    for (; i + kWord <= n; i += kWord)
        if (LoadWord(data + i) & kHighs) return false;
    // The last word may overlap bytes already looked at; they are ASCII.
    return i == n || (LoadWord(data + n - kWord) & kHighs) == 0;
}

}  // namespace tabulyst
