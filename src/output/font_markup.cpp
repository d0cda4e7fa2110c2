#include "output/font_markup.h"

#include <string>

#include "output/document_state.h"
#include "output/escaping.h"
#include "policy/fc.h"

namespace tabulyst {
namespace {

// The policies whose explicit statement lets the style sheet carry the fonts.
constexpr P kFontPolicies[] = {P::DefaultFont, P::HeadingFont, P::TableFont, P::FixedFont,
                               P::TableOfContentsFont};

// SIZE attribute values by upper bound of the point size.
struct SizeStep {
    int below;
    int size;
};
constexpr SizeStep kSizeSteps[] = {{9, 1}, {12, 2}, {14, 3}, {17, 4}, {23, 5}};

int HtmlFontSize(int points) {
    for (const SizeStep& step : kSizeSteps)
        if (points < step.below) return step.size;
    return 6;
}

bool Html40(const FC& fc) { return fc.Value(P::HtmlVersionToBeTargeted) >= 2; }

// A document whose fonts are FONT tags; the policies are asked too, so that a document
// state nobody updated cannot bring FONT tags back under the style sheet.
bool MarkupWanted(const FC& fc, const DocumentState& state) {
    return state.fontTags && FontTagsWanted(fc);
}

// The FONT element is written for kind 7, and otherwise only when "Add FONT markup" is on
// and there is a font.
bool FontElement(int kind, const FC& fc, const FontSpec* font) {
    return kind == kFontMarkupForced ? font != nullptr
                                     : fc.Flag(P::AddFontMarkup) && font != nullptr;
}

void ReportInvalid(const FC& fc, const FontSpec* font, const char* operation) {
    if (font && !font->valid)
        fc.Issue(std::string("PROGRAM ERROR: Invalid font passed to ") + operation, 10);
}

bool FontFromPolicy(const FC& fc, P id, FontSpec& font) {
    TextString text = fc.Text(id);
    text.Trim();
    if (text.Empty() || !IsFontSpec(text.View())) return false;
    ApplyFontSpec(text.View(), font);
    return !font.face.Empty();
}

}  // namespace

bool FontTagsWanted(const FC& fc) {
    if (fc.Flag(P::SuppressAllFontMarkup)) return false;
    bool stated = false;
    for (P id : kFontPolicies) stated = stated || fc.IsSet(id);
    return !(stated && fc.Flag(P::UseCssToImplementFonts) && Html40(fc));
}

void UpdateFontTagFlag(const FC& fc, DocumentState& state) { state.fontTags = FontTagsWanted(fc); }

void GetStartFontMarkup(int kind, const FC& fc, const DocumentState& state, const FontSpec* font,
                        TextString& text) {
    text.Clear();
    if (!MarkupWanted(fc, state) || !FontElement(kind, fc, font)) return;
    ReportInvalid(fc, font, "GetStartFontMarkup");

    std::string tag = "<FONT";
    if (!font->face.Empty()) {
        tag += " FACE=\"";
        EscapeAttributeValue(font->face.View(), tag);
        tag += "\"";
    }
    if (Html40(fc) && fc.Flag(P::LabelStyleClasses) && !font->classNumber.Empty()) {
        tag += " CLASS=\"CF" + font->classNumber.Str();
        if (font->bold) tag += "B";
        if (font->italic) tag += "I";
        tag += "\"";
    }
    if (!fc.Flag(P::SuppressAllColourMarkup) && !font->colour.Empty()) {
        tag += " COLOR=\"";
        EscapeAttributeValue(font->colour.View(), tag);
        tag += "\"";
    }
    std::string style;
    if (fc.Flag(P::AddFontSizeMarkup)) {
        int delta = fc.Value(P::DeltaFontSizeInPts);
        int size = font->size + delta;
        int lineHeight = font->lineHeight + delta;
        bool sizeAttribute = true;
        if (Html40(fc) && fc.Flag(P::AddFontStyleMarkup)) {
            bool styleOnly = kind == kFontMarkupHeading || kind == kFontMarkupListItem;
            style += " font-size:" + std::to_string(size) + "pt;";
            if (fc.RuleSet() == kMerrill && !styleOnly && lineHeight >= 8 && lineHeight != size + 2)
                style += " line-height:" + std::to_string(lineHeight) + "pt;";
            sizeAttribute = !styleOnly;
        }
        if (sizeAttribute) tag += " SIZE=" + std::to_string(HtmlFontSize(size));
    }
    TextString trimmed(style);
    trimmed.Trim();
    if (!trimmed.Empty()) tag += " STYLE=\"" + trimmed.Str() + "\"";
    tag += ">";
    if (fc.Flag(P::AddEmphasisAndBoldMarkup)) {
        bool strong = fc.Flag(P::UseEmAndStrongMarkup);
        if (font->bold) tag += strong ? "<STRONG>" : "<B>";
        if (font->italic) tag += strong ? "<EM>" : "<I>";
    }
    text.Assign(tag);
}

void GetEndFontMarkup(int kind, const FC& fc, const DocumentState& state, const FontSpec* font,
                      TextString& text) {
    text.Clear();
    // The end mirrors the start: without a FONT element there were no emphasis tags to close.
    if (!MarkupWanted(fc, state) || !FontElement(kind, fc, font)) return;
    ReportInvalid(fc, font, "GetEndFontMarkup");
    std::string tags;
    if (fc.Flag(P::AddEmphasisAndBoldMarkup)) {
        bool strong = fc.Flag(P::UseEmAndStrongMarkup);
        if (font->italic) tags += strong ? "</EM>" : "</I>";
        if (font->bold) tags += strong ? "</STRONG>" : "</B>";
    }
    tags += "</FONT>";
    text.Assign(tags);
}

FontSpec DocumentTableFont(const FC& fc) {
    FontSpec font;
    if (!FontFromPolicy(fc, P::TableFont, font)) {
        font = FontSpec{};
        if (!FontFromPolicy(fc, P::DefaultFont, font)) {
            font = FontSpec{};
            font.SetFontFace("Times New Roman");
            font.size = 12;
        }
    }
    font.valid = true;
    return font;
}

}  // namespace tabulyst
