#include "output/rtf_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace tabulyst;

namespace {

std::string Utf8Escaped(std::string_view text) {
    std::string out;
    AppendUtf8Escaped(text, out);
    return out;
}

}  // namespace

TEST(Koi8ToWindows1251, LettersMoveToTheWindowsCyrillicPositions) {
    // "privet" in KOI8-R, then "Yo" and "yo", which stand apart from the alphabet in both.
    std::string text = "\xD0\xD2\xC9\xD7\xC5\xD4 \xB3\xA3 ok";
    Koi8ToWindows1251(text);
    EXPECT_EQ(text, "\xEF\xF0\xE8\xE2\xE5\xF2 \xA8\xB8 ok");
    std::string capitals = "\xF0\xE1";  // KOI8-R capital Pe and A
    Koi8ToWindows1251(capitals);
    EXPECT_EQ(capitals, "\xCF\xC0");
}

TEST(Koi8ToWindows1251, BoxDrawingBecomesAscii) {
    // Light horizontal, light vertical, double horizontal, double vertical, a corner,
    // a double cross.
    std::string text = "\x80\x81\xA0\xA1\x82\xBE";
    Koi8ToWindows1251(text);
    EXPECT_EQ(text, "-|=|++");
}

TEST(AppendHighBytesEscaped, EveryHighByteBecomesALowerCaseHexEscape) {
    std::string out;
    AppendHighBytesEscaped("caf\xE9 \x80\xFF{x}", out);
    EXPECT_EQ(out, "caf\\'e9 \\'80\\'ff{x}");
}

TEST(AppendUtf8Escaped, CharactersBecomeSignedSixteenBitUnits) {
    EXPECT_EQ(Utf8Escaped("Zo\xC3\xAB"), "Zo\\u235\\'3f");
    EXPECT_EQ(Utf8Escaped("\xE2\x82\xAC 5"), "\\u8364\\'3f 5") << "the euro sign, U+20AC";
    EXPECT_EQ(Utf8Escaped("\xEF\xBC\xA1"), "\\u-223\\'3f")
        << "U+FF21 is above 32767: 65313 - 65536";
    EXPECT_EQ(Utf8Escaped("\xF0\x9F\x98\x80"), "\\u-10179\\'3f\\u-8704\\'3f")
        << "U+1F600 is written as the surrogate pair D83D DE00";
}

TEST(AppendUtf8Escaped, InvalidBytesNeverPassThrough) {
    // A stray continuation byte, a truncated sequence, an overlong slash and a surrogate
    // encoded directly each become the replacement character U+FFFD (65533 - 65536 = -3).
    EXPECT_EQ(Utf8Escaped("a\x80z"), "a\\u-3\\'3fz");
    EXPECT_EQ(Utf8Escaped("a\xE2\x82"), "a\\u-3\\'3f\\u-3\\'3f");
    EXPECT_EQ(Utf8Escaped("\xC0\xAF"), "\\u-3\\'3f\\u-3\\'3f");
    EXPECT_EQ(Utf8Escaped("\xED\xA0\x80"), "\\u-3\\'3f\\u-3\\'3f\\u-3\\'3f");
    for (int byte = 128; byte < 256; ++byte) {
        const std::string out = Utf8Escaped(std::string(1, static_cast<char>(byte)));
        for (char c : out) EXPECT_LT(static_cast<unsigned char>(c), 128) << "byte " << byte;
    }
}
