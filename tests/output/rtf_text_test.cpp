// UTF-8 text in the RTF line pipeline: \u escapes.
#include "output/rtf_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tabulyst {
namespace {

std::string Utf8Escaped(std::string_view text) {
    std::string out;
    AppendUtf8Escaped(text, out);
    return out;
}

TEST(AppendUtf8Escaped, CharactersBecomeSignedSixteenBitUnits) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Zo\xC3\xAB", "Zo\\u235\\'3f"},
        {"\xE2\x82\xAC 5", "\\u8364\\'3f 5"},  // the euro sign, U+20AC
        {"\xEF\xBC\xA1", "\\u-223\\'3f"},      // U+FF21 is above 32767: 65313 - 65536
        {"\xF0\x9F\x98\x80", "\\u-10179\\'3f\\u-8704\\'3f"},  // U+1F600: surrogates D83D DE00
        // Invalid bytes never pass through: a stray continuation byte, a truncated sequence,
        // an overlong slash and an encoded surrogate each become U+FFFD (65533 - 65536 = -3).
        {"a\x80z", "a\\u-3\\'3fz"},
        {"a\xE2\x82", "a\\u-3\\'3f\\u-3\\'3f"},
        {"\xC0\xAF", "\\u-3\\'3f\\u-3\\'3f"},
        {"\xED\xA0\x80", "\\u-3\\'3f\\u-3\\'3f\\u-3\\'3f"},
    };
    for (auto [text, escaped] : cases) EXPECT_EQ(Utf8Escaped(text), escaped);
    for (int byte = 128; byte < 256; ++byte) {
        const std::string out = Utf8Escaped(std::string(1, static_cast<char>(byte)));
        for (char c : out) EXPECT_LT(static_cast<unsigned char>(c), 128) << "byte " << byte;
    }
}

}  // namespace
}  // namespace tabulyst
