// The shape of a policy line: comments, section headers, the key and value parts.
#pragma once

#include <string_view>

#include "core/text_string.h"

namespace tabulyst {

// A trimmed line that only structures a policy file for people ("[Style]", "-----").
bool IsSectionHeader(std::string_view line);
// True when a line without a colon is an error worth reporting: it is not empty, not a
// section header and not a heading definition.
bool NeedsColon(std::string_view line);
// "POLICY: Ignored - Missing colon in " and the line in double quotes.
TextString MissingColonMessage(std::string_view line);
// The part of a line before its first colon (the whole line without one).
std::string_view KeyPart(std::string_view line);
// The text after the first colon, trimmed; empty without a colon.
TextString ValuePart(std::string_view line);

}  // namespace tabulyst
