#include "core/byte_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace tabulyst;

namespace {

size_t FindEitherByByte(std::string_view text, size_t from, char a, char b) {
    for (size_t i = from; i < text.size(); ++i)
        if (text[i] == a || text[i] == b) return i;
    return text.size();
}

bool AsciiByByte(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Texts of every length around the word size, from bytes that sit next to the searched
// ones in value ("'" and "'" ^ 1, "A" to "C") so that a mark carried into the next byte
// would show, and high bytes.
std::string RandomText(std::mt19937& random, size_t length) {
    static const std::string kAlphabet = "&'%ABC\x80\xff x";
    std::uniform_int_distribution<size_t> pick(0, kAlphabet.size() - 1);
    std::string text;
    for (size_t i = 0; i < length; ++i) text.push_back(kAlphabet[pick(random)]);
    return text;
}

}  // namespace

TEST(ByteScan, FindEitherByteAgreesWithAByteLoop) {
    std::mt19937 random(20261206);
    for (size_t length = 0; length <= 40; ++length) {
        for (int round = 0; round < 50; ++round) {
            const std::string text = RandomText(random, length);
            for (size_t from = 0; from <= length + 1; ++from) {
                EXPECT_EQ(FindEitherByte(text, from, '&', 'B'),
                          FindEitherByByte(text, from, '&', 'B'))
                    << "length " << length << " from " << from;
                EXPECT_EQ(FindEitherByte(text, from, '\x80', 'x'),
                          FindEitherByByte(text, from, '\x80', 'x'))
                    << "length " << length << " from " << from;
            }
        }
    }
}

TEST(ByteScan, FindEitherByteInTheOverlappingLastWord) {
    // 11 bytes: one whole word, then the last word overlaps it; a match among the bytes
    // already passed must not be found again.
    EXPECT_EQ(FindEitherByte("xxxBxxxxxxx", 4, '&', 'B'), 11u);
    EXPECT_EQ(FindEitherByte("xxxxxxxxxB&", 8, '&', 'B'), 9u);
    EXPECT_EQ(FindEitherByte("xxxxxxxxxx&", 0, '&', 'B'), 10u);
    EXPECT_EQ(FindEitherByte("", 0, '&', 'B'), 0u);
}

TEST(ByteScan, IsAsciiTextAgreesWithAByteLoop) {
    std::mt19937 random(7);
    for (size_t length = 0; length <= 40; ++length) {
        for (int round = 0; round < 50; ++round) {
            std::string text(length, 'a');
            // At most one high byte, anywhere, so that every position is tried.
            if (length > 0 && round % 2 == 0)
                text[random() % length] = static_cast<char>(0x80 + random() % 128);
            EXPECT_EQ(IsAsciiText(text), AsciiByByte(text)) << "length " << length;
        }
    }
    EXPECT_TRUE(IsAsciiText(""));
    EXPECT_FALSE(IsAsciiText("abcdefghi\xe9"));
}

TEST(ByteScan, FindLineEndAgreesWithAByteLoopAndSeesOnlyTheNulsBeforeTheEnd) {
    // Lengths across the sixteen-byte steps, line ends and NULs anywhere.
    std::mt19937 random(20261207);
    static const std::string kAlphabet = std::string("ab \t\x0e\x0c\x80", 7) + '\0' + "\n\r";
    std::uniform_int_distribution<size_t> pick(0, kAlphabet.size() - 1);
    for (size_t length = 0; length <= 70; ++length) {
        for (int round = 0; round < 200; ++round) {
            std::string text;
            for (size_t i = 0; i < length; ++i) text.push_back(kAlphabet[pick(random)]);
            size_t end = 0;
            bool nulBefore = false;
            for (; end < text.size() && text[end] != '\n' && text[end] != '\r'; ++end)
                if (text[end] == '\0') nulBefore = true;
            bool nul = false;
            ASSERT_EQ(FindLineEnd(text, nul), end) << "length " << length;
            EXPECT_EQ(nul, nulBefore) << "length " << length << " end " << end;
        }
    }
}
