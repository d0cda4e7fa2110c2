#include "output/rtf_text.h"

#include <cstdint>

namespace tabulyst {
namespace {

// Windows Cyrillic byte for each KOI8-R byte from 128 on. Graphics the target code page
// lacks are drawn with ASCII: single horizontal lines "-", double ones "=", verticals "|",
// corners, junctions and blocks "+"; a few symbols take their nearest ASCII look-alike.
constexpr unsigned char kKoi8ToCp1251[128] = {
    45,  124, 43,  43,  43,  43,  43,  43,  43,  43,  43,  43,  43,  43,  43,  43,   // 128-143
    43,  43,  43,  124, 43,  149, 118, 126, 60,  62,  160, 124, 176, 50,  183, 58,   // 144-159
    61,  124, 43,  184, 43,  43,  43,  43,  43,  43,  43,  43,  43,  43,  43,  43,   // 160-175
    43,  43,  43,  168, 43,  43,  43,  43,  43,  43,  43,  43,  43,  43,  43,  169,  // 176-191
    254, 224, 225, 246, 228, 229, 244, 227, 245, 232, 233, 234, 235, 236, 237, 238,  // 192-207
    239, 255, 240, 241, 242, 243, 230, 226, 252, 251, 231, 248, 253, 249, 247, 250,  // 208-223
    222, 192, 193, 214, 196, 197, 212, 195, 213, 200, 201, 202, 203, 204, 205, 206,  // 224-239
    207, 223, 208, 209, 210, 211, 198, 194, 220, 219, 199, 216, 221, 217, 215, 218,  // 240-255
};

constexpr char kHex[] = "0123456789abcdef";
constexpr uint32_t kReplacement = 0xFFFD;

void AppendUnit(uint32_t unit, std::string& out) {
    // RTF numeric parameters are signed 16-bit: units above 32767 are written negative.
    int value = unit > 32767 ? static_cast<int>(unit) - 65536 : static_cast<int>(unit);
    out += "\\u";
    out += std::to_string(value);
    out += "\\'3f";
}

void AppendCodePoint(uint32_t code, std::string& out) {
    if (code > 0xFFFF) {
        code -= 0x10000;
        AppendUnit(0xD800 + (code >> 10), out);
        AppendUnit(0xDC00 + (code & 0x3FF), out);
    } else {
        AppendUnit(code, out);
    }
}

// Decodes one sequence at text[i]; returns its length, 0 when the bytes are not valid UTF-8
// (overlong forms, surrogates and values above U+10FFFF included).
size_t DecodeUtf8(std::string_view text, size_t i, uint32_t& code) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    size_t length;
    uint32_t minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        unsigned char next = byte(i + k);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

void Koi8ToWindows1251(std::string& text) {
    for (char& c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 128) c = static_cast<char>(kKoi8ToCp1251[byte - 128]);
    }
}

void AppendHighBytesEscaped(std::string_view text, std::string& out) {
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 128) {
            out += c;
        } else {
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
}

void AppendUtf8Escaped(std::string_view text, std::string& out) {
    size_t i = 0;
    while (i < text.size()) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 128) {
            out += text[i++];
            continue;
        }
        uint32_t code = 0;
        size_t length = DecodeUtf8(text, i, code);
        if (length == 0) {
            AppendCodePoint(kReplacement, out);
            ++i;
        } else {
            AppendCodePoint(code, out);
            i += length;
        }
    }
}

}  // namespace tabulyst
