#include "policy/line_syntax.h"

#include "policy/catalogue.h"

namespace tabulyst {

bool IsSectionHeader(std::string_view line) {
    TextString trimmed(line);
    trimmed.Trim();
    for (std::string_view header : ReadableSectionHeaders())
        if (trimmed.Equals(header, false)) return true;
    return line.find("-----") != std::string_view::npos;
}

bool NeedsColon(std::string_view line) {
    if (line.find(':') != std::string_view::npos) return false;
    TextString trimmed(line);
    trimmed.Trim();
    if (trimmed.Empty() || IsSectionHeader(trimmed.View())) return false;
    // Heading definitions have a syntax of their own.
    for (std::string_view mark : {" recognised headings", "Contents level", "Heading level"})
        if (line.find(mark) != std::string_view::npos) return false;
    return true;
}

TextString MissingColonMessage(std::string_view line) {
    TextString text("POLICY: Ignored - Missing colon in \"");
    text.Append(line);
    text.AppendChar('"');
    return text;
}

std::string_view KeyPart(std::string_view line) { return line.substr(0, line.find(':')); }

TextString ValuePart(std::string_view line) {
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos) return TextString();
    TextString value(line.substr(colon + 1));
    value.Trim();
    return value;
}

}  // namespace tabulyst
