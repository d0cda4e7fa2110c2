// Font specifications ("face, style, size"), width factors and styles files.
#pragma once

#include <string_view>
#include <vector>

#include "core/text_string.h"

namespace tabulyst {

class FC;
class TextPolicy;

// A font as a Font policy, a styles-file entry or a table cell uses it.
struct FontSpec {
    TextString name;  // style name, for fonts defined in a styles file
    TextString face;
    bool bold = false;
    bool italic = false;
    int size = 12;             // points
    int lineHeight = 0;        // points; 0 when not given
    TextString colour;         // empty for the default colour
    TextString classNumber;    // font class of the style sheet, may be empty
    double widthFactor = 1.0;  // relative character width of the face
    bool changed = false;
    bool valid = false;  // built from a specification

    void SetFontColour(std::string_view text);
    void SetFontFace(std::string_view face);

    bool operator==(const FontSpec&) const = default;
};

// Parses "face, style, size"; on failure the outputs keep their start values.
bool ParseFontSpec(std::string_view text, TextString& face, bool& bold, bool& italic, int& size);
bool IsFontSpec(std::string_view text);
// Applies a Font policy's text to a FontSpec when it parses.
void ApplyFontSpec(const TextPolicy& policy, FontSpec& font);
void ApplyFontSpec(std::string_view specification, FontSpec& font);
// The text a font picker's choice becomes, e.g. "Arial, Bold, 10".
TextString FormatFontSpec(std::string_view face, int weight, bool italic, int tenthsOfPoint);
// Width factor of a known face, or `fallback` when the face is not in the table.
double FaceWidthFactor(std::string_view face, double fallback);

// Reads the styles file named by "Style file"; named fonts are appended to `styles`.
bool LoadStyleFile(FC& fc, std::vector<FontSpec>& styles,
                   std::string_view lastPolicyDirectory = {});

}  // namespace tabulyst
