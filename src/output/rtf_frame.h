// The RTF document frame: the 23 paragraph styles with their fonts, the header (character
// set, language, font, colour and style tables, information group, page setup, list
// levels) and the paragraph start of a style, which the table writer uses too.
#pragma once

#include <array>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "policy/fonts.h"

namespace tabulyst {

class FC;
struct DocumentState;

// Positions of the paragraph styles in a document's style list.
enum RtfStyleIndex : int {
    kStyleNormal,
    kStyleBody,
    kStyleShortLine,
    kStyleBullet,
    kStyleQuotes,
    kStyleHangingList,
    kStyleDefinition,
    kStyleTable,
    kStylePreformatted,
    kStyleDiagram,
    kStyleCode,
    kStyleAllHeadings,
    kStyleHeading1,
    kStyleHeading2,
    kStyleHeading3,
    kStyleHeading4,
    kStyleHeading5,
    kStyleAllToc,
    kStyleToc1,
    kStyleToc2,
    kStyleToc3,
    kStyleToc4,
    kStyleToc5,
    kRtfStyleCount
};

// One paragraph style with its own font entry.
struct RtfStyle {
    int number = 0;
    int basedOn = -1;  // -1: none
    std::string_view name;
    bool left = true;  // left only: left-aligned; both: justified; neither: centred
    bool right = false;
    bool keepWithNext = false;
    bool plain = true;     // the paragraph start resets character formatting
    bool inTable = false;  // the paragraph start says the paragraph is in a table
    int spaceBefore = 0;   // twips
    int spaceAfter = 0;
    int fontNumber = 0;  // entry of the font table
    FontSpec font;
};

using RtfStyles = std::array<RtfStyle, kRtfStyleCount>;

// Fills one style from the style table, its alignment and font from the policies (defaults
// when `fc` is null). An index outside the table is reported and leaves the style unchanged.
void SetUpRtfStyle(const FC* fc, int index, RtfStyle& style);
// Fills every style; with "Use of RTF Styles" 1 or more, a named font of the styles file
// that bears a style's name (any case) becomes that style's font.
void SetUpRtfStyles(const FC* fc, RtfStyles& styles);

// The parts of a paragraph start that a caller may ask for.
enum ParagraphPart : unsigned {
    kParaReset = 1,    // \pard, \plain, \intbl
    kParaStyle = 2,    // \s
    kParaSpacing = 4,  // \sb, \sa
    kParaKeep = 8,     // \keepn\widctlpar
    kParaFont = 16,    // \f, \fs, bold, italic (and the Japanese font switch)
    kParaAlign = 32,   // \qr, \qj, \qc
    kParaAll = 63,
};

// The paragraph start of a style, as one text.
std::string ParagraphStart(const FC* fc, const RtfStyle& style, unsigned parts = kParaAll);
// The font table entry of a font: "{\f" number, family, character set, face, ";}".
std::string RtfFontEntry(const FC* fc, const FontSpec& font, int number);
// The Windows language identifier of "Language (for proofing)"; 1033 when unknown.
int RtfLanguageCode(const FC& fc);
// "\paperw...\gutter0" from paper size, orientation and margins.
std::string RtfPageSetup(const FC& fc);

// Every header line in order, ending with the line that opens the two content groups.
// Also sets the document's current font size when "Base FONT Size in pts" was stated.
// With "Use of RTF Styles" 2 or more, each further font with a name that is no style of the
// document becomes a style of its own.
std::vector<std::string> RtfHeaderLines(const FC& fc, DocumentState& state, const RtfStyles& styles,
                                        const std::vector<FontSpec>& extraFonts,
                                        const std::tm& now);

// First font number of the fonts registered beyond the styles.
constexpr int kRtfExtraFontBase = 200;
// First font number of the style-sheet font classes.
constexpr int kRtfFontClassBase = 100;
// First font number of the style fonts.
constexpr int kRtfStyleFontBase = 20;
// First style number of the named fonts of a styles file that are styles of their own.
constexpr int kRtfNamedStyleBase = 100;

}  // namespace tabulyst
