// Word-at-a-time byte searches: eight bytes tested with a few integer operations, for the
// scans that every byte of the input or of the output passes through.
#pragma once

#include <cstddef>
#include <string_view>

namespace tabulyst {

// The position of the first byte at or after `from` that is `a` or `b`; the size when none.
size_t FindEitherByte(std::string_view text, size_t from, char a, char b);

// True when no byte of the text is 128 or above.
bool IsAsciiText(std::string_view text);

}  // namespace tabulyst
