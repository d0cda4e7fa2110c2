// Making source text safe for the target format: character-set conversions, the HTML
// escaper with its entity table, and the RTF escaper.
#pragma once

#include <string>
#include <string_view>

#include "core/formats.h"
#include "core/text_string.h"
#include "output/document_state.h"

namespace tabulyst {

class FC;

// The source character conversions (PCL codes, DOS characters, quoted-printable, Windows
// punctuation), as the policies ask; DOS characters and punctuation are left alone in a
// UTF-8 document.
void ConvertSourceCharacters(const FC& fc, const DocumentState& state, OutputFormat format,
                             TextString& text);
// HTML escaping: "&", "<", ">" outside in-line tags (inside them "<" and ">" still, so
// that a tag never opens markup); bytes above 160 as entities under the Latin-1 rule.
// Text in an ISO-2022 encoding, or Japanese text of no stated encoding, stays unchanged.
void EscapeHTML(const FC& fc, const DocumentState& state, TextString& text);
// RTF escaping: backslashes doubled, braces as \'7b and \'7d.
void EscapeRTF(const FC& fc, TextString& text);
// Conversions, then the escaper of the output format. Writers tidy each source text once,
// as they write it.
void TidyLine(const FC& fc, const DocumentState& state, OutputFormat format, TextString& text);
// True when the text is one line (no line feed) that TidyLine would leave as it is for the
// format: it holds no byte that a conversion or the escaper acts on.
bool TidyingLeavesAlone(std::string_view text, OutputFormat format);
// Appends the text with "&", "<" and ">" as references (for names put into markup).
void EscapeMarkupCharacters(std::string_view text, std::string& out);
// Appends the text for a double-quoted attribute value: "&", "<", ">" and '"' as references.
void EscapeAttributeValue(std::string_view text, std::string& out);
// A font or class name as a style sheet may hold it: without the characters that would end
// the rule, the declaration or the style element.
std::string CssName(std::string_view text);

// The entity of a character code ("&eacute;"), else "&#code;".
void EntityText(int code, TextString& out);
// True when a character reference for the code may be written for the targeted browsers.
bool EntityAcceptable(const FC& fc, int code);

// True when the bytes are valid UTF-8 holding at least one multi-byte sequence.
bool IsUtf8Text(std::string_view bytes);

}  // namespace tabulyst
