// Making source text safe for the target format: character-set conversions, the HTML
// escaper with its entity table, and the RTF escaper.
#pragma once

#include <string_view>

#include "core/text_string.h"
#include "output/document_state.h"

namespace tabulyst {

class FC;

// The source character conversions (PCL codes, DOS characters, quoted-printable, Windows
// punctuation), as the policies ask; none of them run on a UTF-8 document.
void ConvertSourceCharacters(const FC& fc, const DocumentState& state, TextString& text);
// HTML escaping: "&", "<", ">" outside in-line tags; bytes above 160 as entities
// (except in a UTF-8 document, whose bytes pass through).
void EscapeHTML(const FC& fc, const DocumentState& state, TextString& text);
// RTF escaping: backslashes doubled, braces as \'7b and \'7d.
void EscapeRTF(const FC& fc, TextString& text);
// Conversions, then the escaper of the document's output format.
void TidyLine(const FC& fc, const DocumentState& state, TextString& text);

// The entity of a character code, else "&#code;".
void EntityText(int code, TextString& out);
bool EntityAcceptable(const FC& fc, int code);

// True when the bytes are valid UTF-8 holding at least one multi-byte sequence.
bool IsUtf8Text(std::string_view bytes);

}  // namespace tabulyst
