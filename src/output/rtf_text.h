// The character side of the RTF line pipeline: KOI8-R to the Windows Cyrillic code page,
// bytes above 127 as \' escapes, and UTF-8 text as \u escapes.
#pragma once

#include <string>
#include <string_view>

namespace tabulyst {

// Converts KOI8-R bytes to the Windows Cyrillic code page in place; the box-drawing
// characters, which that code page lacks, become "-", "|", "+" and "=".
void Koi8ToWindows1251(std::string& text);
// Appends the text with every byte of 128 or above written as \' and two lower-case hex digits.
void AppendHighBytesEscaped(std::string_view text, std::string& out);
// Appends UTF-8 text with every non-ASCII character written as \u, its signed 16-bit code
// and the fallback \'3f (two such pairs, a surrogate pair, above U+FFFF). A byte that does
// not start a valid sequence stands for U+FFFD.
void AppendUtf8Escaped(std::string_view text, std::string& out);

}  // namespace tabulyst
