// What a conversion reads and what it writes: the kinds of input, the table format codes
// they become, and the output formats with what the rest of the engine needs to know of each.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tabulyst {

// The document a conversion writes.
enum class OutputFormat : uint8_t { Html, Rtf };

// The kinds of input file a user can choose.
enum class InputKind : uint8_t { PlainText, TabDelimited, CommaDelimited, OtherDelimited };

// The special format code of a table region: what kind of table the whole input is. The
// numbers are those that policy files, directives and the driver exchange.
enum class TableFormat : int {
    Auto = 0,   // an automatically detected plain-text table
    User = 1,   // a user-specified plain-text table (the "Plain text file" input)
    Tab = 7,    // delimited by a tab, or by the delimiter policy
    Comma = 8,  // comma-delimited, with quoted fields
};

// The table format an input kind is converted as. Other delimited data travels as tab data
// whose delimiter comes from the delimiter policy.
constexpr TableFormat TableFormatOf(InputKind kind) {
    switch (kind) {
        case InputKind::TabDelimited:
        case InputKind::OtherDelimited:
            return TableFormat::Tab;
        case InputKind::CommaDelimited:
            return TableFormat::Comma;
        case InputKind::PlainText:
            break;
    }
    return TableFormat::User;
}

constexpr bool IsDelimited(TableFormat format) {
    return format == TableFormat::Tab || format == TableFormat::Comma;
}

// Codes of the pre-formatted region kinds (code samples, diagrams and the like), which are
// written as they stand.
constexpr bool IsPreformattedCode(int code) {
    return (code >= 2 && code <= 6) || code == 9 || code == 10;
}

// The fonts a policy set starts with for one output format, as font specifications.
struct FormatFonts {
    std::string_view defaultFont;
    std::string_view headingFont;
    std::string_view contentsFont;
    std::string_view tableFont;
    std::string_view fixedFont;
    std::string_view fixedFontKey;  // the key the fixed font is read and written under
    int baseSize;
};

// One output format: what the command line, the policies and the log say about it.
struct OutputFormatTraits {
    OutputFormat format;
    std::string_view name;       // in "Generating HTML file " and the log's start line
    std::string_view extension;  // of the documents, with its point
    FormatFonts fonts;
    // A word-processor document: the text analysis looks for no definitions or contents
    // lists and text is justified unless stated.
    bool wordProcessor;
};

// Every output format, in the order of the enum.
std::span<const OutputFormatTraits> OutputFormats();
const OutputFormatTraits& Traits(OutputFormat format);

}  // namespace tabulyst
