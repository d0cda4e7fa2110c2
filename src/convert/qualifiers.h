// The qualifiers of the command line: their table, abbreviations, values and usage text.
#pragma once

#include <ostream>

#include "convert/conversion_context.h"
#include "core/text_string.h"

namespace tabulyst {

// Applies every qualifier found in the line to the context's command options and removes
// it from the line; the words left over become the file list and the policy file.
// Messages are run lines. Always true.
bool ParseQualifiers(TextString& line, ConversionContext& context);

// True when a word (without its "/" and value) is one of the qualifiers, whole or cut
// down to no less than its minimum.
bool NamesQualifier(std::string_view word);

// Prints the usage text, each row followed by a line feed.
void PrintUsage(std::ostream& out);

}  // namespace tabulyst
