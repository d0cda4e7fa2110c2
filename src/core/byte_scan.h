// Word-at-a-time byte searches: eight bytes tested with a few integer operations, for the
// scans that every byte of the input or of the output passes through.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tabulyst {

namespace detail {

constexpr uint64_t kOnes = 0x0101010101010101ULL;
constexpr uint64_t kLows = 0x7F7F7F7F7F7F7F7FULL;
constexpr uint64_t kHighs = 0x8080808080808080ULL;
constexpr size_t kWord = sizeof(uint64_t);

inline uint64_t LoadWord(const char* at) {
    uint64_t word;
    std::memcpy(&word, at, kWord);
    return word;
}

// The high bit of every byte of the word that equals `byte`, and no other bit. (The
// shorter form with a subtraction can also mark a byte after a match, through the borrow.)
inline uint64_t BytesEqual(uint64_t word, char byte) {
    const uint64_t x = word ^ (kOnes * static_cast<unsigned char>(byte));
    return ~(((x & kLows) + kLows) | x | kLows);
}

// The index, in memory order, of the first byte of the word whose high bit is set.
inline size_t FirstMarked(uint64_t marks) {
    if constexpr (std::endian::native == std::endian::little)
        return static_cast<size_t>(std::countr_zero(marks)) / 8;
    else
        return static_cast<size_t>(std::countl_zero(marks)) / 8;
}

// The marks less those of the first `count` bytes in memory order (count below 8).
inline uint64_t DropFirst(uint64_t marks, size_t count) {
    if constexpr (std::endian::native == std::endian::little)
        return marks & (~uint64_t{0} << (8 * count));
    else
        return marks & (~uint64_t{0} >> (8 * count));
}

// How many bytes of the word are marked: the marks shifted to the low bit of each byte
// and summed into the top byte (popcount is a library call on the baseline processor).
inline size_t CountMarked(uint64_t marks) {
    return static_cast<size_t>(((marks >> 7) * kOnes) >> 56);
}

}  // namespace detail

// The position of the first byte at or after `from` that is `a` or `b`; the size when none.
// Inline: it is called for every field and every output statement, mostly on a few words.
inline size_t FindEitherByte(std::string_view text, size_t from, char a, char b) {
    using namespace detail;
    const size_t n = text.size();
    const char* data = text.data();
    if (n < kWord) {
        for (size_t i = from; i < n; ++i)
            if (data[i] == a || data[i] == b) return i;
        return n;
    }
    size_t i = from;
    for (; i + kWord <= n; i += kWord) {
        const uint64_t word = LoadWord(data + i);
        const uint64_t marks = BytesEqual(word, a) | BytesEqual(word, b);
        if (marks) return i + FirstMarked(marks);
    }
    if (i < n) {
        // The text's last word, less the bytes already looked at: no byte-by-byte tail.
        const size_t last = n - kWord;
        const uint64_t word = LoadWord(data + last);
        const uint64_t marks = DropFirst(BytesEqual(word, a) | BytesEqual(word, b), i - last);
        if (marks) return last + FirstMarked(marks);
    }
    return n;
}

// The position of the first LF or CR of the text, or its size when there is none; `nul`
// is set when a NUL stands before that position. Every line of every reading passes here:
// sixteen bytes are tested at a time where the processor can.
inline size_t FindLineEnd(std::string_view text, bool& nul) {
    const size_t n = text.size();
    const char* data = text.data();
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const unsigned ends = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, lf), _mm_cmpeq_epi8(bytes, cr))));
        const unsigned nuls = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, zero)));
        if (ends) {
            const unsigned at = static_cast<unsigned>(std::countr_zero(ends));
            if (nuls & ((1u << at) - 1)) nul = true;
            return i + at;
        }
        if (nuls) nul = true;
    }
#endif
    for (; i < n; ++i) {
        const char c = data[i];
        if (c == '\n' || c == '\r') return i;
        if (c == '\0') nul = true;
    }
    return n;
}

// True when no byte of the text is 128 or above.
bool IsAsciiText(std::string_view text);

}  // namespace tabulyst
