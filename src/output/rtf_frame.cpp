#include "output/rtf_frame.h"

#include <cmath>
#include <span>
#include <string>

#include "output/document_state.h"
#include "output/escaping.h"
#include "policy/fc.h"

namespace tabulyst {
namespace {

// Which font policy a style takes its font from.
enum class FontRole : uint8_t { Default, Table, Fixed, Heading, Contents };

// How a style is aligned: by "Text justification", or always left.
enum class AlignRule : uint8_t { Justification, Left };

struct StyleRow {
    const char* name;
    int number;
    int basedOn;
    int spaceBefore;
    int spaceAfter;
    bool keepWithNext;
    FontRole font;
    AlignRule align;
};

// The 23 paragraph styles, in style-list order.
constexpr StyleRow kStyles[kRtfStyleCount] = {
    {"Normal", 0, -1, 60, 60, false, FontRole::Default, AlignRule::Justification},
    {"Body", 1, -1, 60, 60, false, FontRole::Default, AlignRule::Justification},
    {"Short line", 11, 1, 0, 0, false, FontRole::Default, AlignRule::Justification},
    {"Bullet", 12, 1, 30, 0, false, FontRole::Default, AlignRule::Justification},
    {"Quotes", 13, 1, 0, 0, false, FontRole::Default, AlignRule::Left},
    {"Hanging list", 14, 1, 60, 60, false, FontRole::Default, AlignRule::Justification},
    {"Definition", 15, 1, 120, 120, false, FontRole::Default, AlignRule::Justification},
    {"Table", 2, -1, 0, 0, true, FontRole::Table, AlignRule::Left},
    {"Preformatted", 3, -1, 0, 0, true, FontRole::Fixed, AlignRule::Left},
    {"Diagram", 4, -1, 0, 0, true, FontRole::Fixed, AlignRule::Left},
    {"Code", 5, -1, 0, 0, true, FontRole::Fixed, AlignRule::Left},
    {"All Headings", 6, -1, 240, 120, true, FontRole::Heading, AlignRule::Left},
    {"Heading 1", 61, 6, 240, 120, true, FontRole::Heading, AlignRule::Left},
    {"Heading 2", 62, 6, 180, 120, true, FontRole::Heading, AlignRule::Left},
    {"Heading 3", 63, 6, 180, 120, true, FontRole::Heading, AlignRule::Left},
    {"Heading 4", 64, 6, 180, 60, true, FontRole::Heading, AlignRule::Left},
    {"Heading 5", 65, 6, 180, 60, true, FontRole::Heading, AlignRule::Left},
    {"All TOC", 7, -1, 0, 0, true, FontRole::Contents, AlignRule::Left},
    {"TOC 1", 71, 7, 0, 0, true, FontRole::Contents, AlignRule::Left},
    {"TOC 2", 72, 7, 0, 0, true, FontRole::Contents, AlignRule::Left},
    {"TOC 3", 73, 7, 0, 0, true, FontRole::Contents, AlignRule::Left},
    {"TOC 4", 74, 7, 0, 0, true, FontRole::Contents, AlignRule::Left},
    {"TOC 5", 75, 7, 0, 0, true, FontRole::Contents, AlignRule::Left},
};

// The font policy of each role, and the font used when that policy holds no usable
// specification (the RTF defaults of the policy consolidation).
struct FontSource {
    P policy;
    const char* face;
    int size;
};
constexpr FontSource kFontSources[] = {
    {P::DefaultFont, "Times New Roman", 10}, {P::TableFont, "Times New Roman", 10},
    {P::FixedFont, "Courier New", 8},        {P::HeadingFont, "Arial", 10},
    {P::TableOfContentsFont, "Arial", 10},
};

// The character set word of the font entries, by the first word of "Character encoding".
struct CharsetRow {
    const char* encoding;
    const char* word;
};
constexpr CharsetRow kCharsets[] = {
    {"big5", "\\fcharset136 "},         {"gb2312", "\\fcharset134 "},
    {"iso-2022-kr", "\\fcharset129 "},  {"tis-620", "\\fcharset222 "},
    {"shift_jis", "\\fcharset128 "},    {"x-sjis", "\\fcharset128 "},
    {"ms_Kanji", "\\fcharset128 "},     {"iso-2022-jp", "\\fcharset128 "},
    {"x-euc-jp", "\\fcharset128 "},     {"windows-1253", "\\fcharset161 "},
    {"iso-8859-7", "\\fcharset161 "},   {"windows-1254", "\\fcharset162 "},
    {"iso-8859-9", "\\fcharset162 "},   {"iso-8859-8", "\\fcharset177 "},
    {"windows-1256", "\\fcharset178 "}, {"iso-8859-6", "\\fcharset178 "},
    {"windows-1251", "\\fcharset204 "}, {"koi8-r", "\\fcharset204 "},
    {"iso-8859-5", "\\fcharset204 "},   {"iso-8859-4", "\\fcharset238 "},
};

// Faces whose family is fixed-pitch or sans-serif; every other face counts as serif.
constexpr const char* kFixedFaces[] = {
    "courier", "courier new", "lucida console", "fixedsys", "terminal",    "ms gothic",
    "nsimsun", "batangche",   "gulimche",       "consolas", "andale mono", "liberation mono",
};
constexpr const char* kSansFaces[] = {
    "arial",   "arial black",   "arial narrow",         "helvetica",      "verdana",
    "tahoma",  "trebuchet ms",  "microsoft sans serif", "ms sans serif",  "lucida sans unicode",
    "geneva",  "ar sans serif", "comic sans ms",        "century gothic", "franklin gothic medium",
    "calibri", "segoe ui",
};

// The eight lines of the colour table.
constexpr const char* kColourTable[] = {
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;",
    "\\red0\\green255\\blue255;\\red0\\green255\\blue0;",
    "\\red255\\green0\\blue255;\\red255\\green0\\blue0;",
    "\\red255\\green255\\blue0;\\red255\\green255\\blue255;",
    "\\red0\\green0\\blue128;\\red0\\green128\\blue128;",
    "\\red0\\green128\\blue0;\\red128\\green0\\blue128;",
    "\\red128\\green0\\blue0;\\red128\\green128\\blue0;",
    "\\red128\\green128\\blue128;\\red192\\green192\\blue192;}",
};

// The nine list-numbering levels.
constexpr const char* kListLevels[] = {
    "{\\*\\pnseclvl1\\pnucrm\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}",
    "{\\*\\pnseclvl2\\pnucltr\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}",
    "{\\*\\pnseclvl3\\pndec\\pnstart1\\pnindent720\\pnhang{\\pntxta .}}",
    "{\\*\\pnseclvl4\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxta )}}",
    "{\\*\\pnseclvl5\\pndec\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
    "{\\*\\pnseclvl6\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
    "{\\*\\pnseclvl7\\pnlcrm\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
    "{\\*\\pnseclvl8\\pnlcltr\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
    "{\\*\\pnseclvl9\\pnlcrm\\pnstart1\\pnindent720\\pnhang{\\pntxtb (}{\\pntxta )}}",
};

// Paper sizes in twips by "Paper size" choice (1 A4, 2 Letter, 3 Legal, 4 Executive).
struct Paper {
    int width;
    int height;
};
constexpr Paper kPapers[] = {{11906, 16838}, {12240, 15840}, {12240, 20160}, {10438, 15122}};

std::string Number(long value) { return std::to_string(value); }

// The first blank-separated word of "Character encoding".
std::string_view EncodingWord(const FC* fc) {
    if (!fc) return {};
    std::string_view text = fc->Text(P::CharacterEncoding).View();
    size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return {};
    text.remove_prefix(start);
    return text.substr(0, text.find_first_of(" \t"));
}

bool Japanese(const FC* fc) { return fc && fc->Flag(P::InputFileContainsJapaneseCharacters); }
bool WindowsHelp(const FC* fc) { return fc && fc->Flag(P::MakeWindowsHelpSourceFile); }
bool Arabic(const FC* fc) { return EqualsNoCase(EncodingWord(fc), "windows-1256"); }

bool FaceIn(std::string_view face, std::span<const char* const> faces) {
    for (const char* known : faces)
        if (EqualsNoCase(face, known)) return true;
    return false;
}

// "\fmodern\fprq1", "\fswiss\fprq2" or "\froman\fprq2" for a face.
const char* FamilyOf(std::string_view face) {
    if (FaceIn(face, kFixedFaces) || FindNoCase(face, "mono") != std::string_view::npos)
        return "\\fmodern\\fprq1";
    if (FaceIn(face, kSansFaces) || FindNoCase(face, "sans") != std::string_view::npos)
        return "\\fswiss\\fprq2";
    return "\\froman\\fprq2";
}

FontSpec ResolveFont(const FC* fc, FontRole role) {
    const FontSource& source = kFontSources[static_cast<int>(role)];
    FontSpec font;
    font.SetFontFace(source.face);
    font.size = source.size;
    if (fc) {
        TextString text = fc->Text(source.policy);
        text.Trim();
        if (!text.Empty() && IsFontSpec(text.View())) {
            ApplyFontSpec(text.View(), font);
            if (font.face.Empty()) font.SetFontFace(source.face);
        }
    }
    if (font.size <= 0) font.size = source.size;
    font.valid = true;
    return font;
}

// The alignment word of a style: right only, both, neither, or nothing for left only.
const char* AlignmentWord(const RtfStyle& style) {
    if (style.right && !style.left) return "\\qr";
    if (style.right && style.left) return "\\qj";
    if (!style.left) return "\\qc";
    return "";
}

// "\keepn" in the style sheet and the paragraph start: headings always, every
// keep-with-next style in Windows Help output.
bool KeepWord(const FC* fc, const RtfStyle& style, int index) {
    if (!style.keepWithNext) return false;
    return WindowsHelp(fc) || (index >= kStyleHeading1 && index <= kStyleHeading5);
}

// A face from a policy must not open, close or end the font table entry it stands in.
void AppendFaceName(std::string_view face, std::string& out) {
    for (char c : face)
        if (c != '{' && c != '}' && c != '\\' && c != ';') out += c;
}

int IndexOf(const RtfStyle& style) {
    for (int i = 0; i < kRtfStyleCount; ++i)
        if (kStyles[i].number == style.number) return i;
    return -1;
}

std::string FontFormatting(const FC* fc, const RtfStyle& style) {
    std::string text;
    if (Arabic(fc)) text += "\\ltrch \\af" + Number(style.fontNumber) + " \\rltch ";
    text += "\\f" + Number(style.fontNumber) + "\\fs" + Number(2L * style.font.size);
    text += style.font.bold ? "\\b" : "\\b0";
    text += style.font.italic ? "\\i" : "\\i0";
    return text;
}

std::string StyleSheetLine(const FC& fc, const RtfStyle& style, int index) {
    std::string line = "{\\s" + Number(style.number);
    if (style.spaceBefore != 0) line += "\\sb" + Number(style.spaceBefore);
    if (style.spaceAfter != 0) line += "\\sa" + Number(style.spaceAfter);
    if (KeepWord(&fc, style, index)) line += "\\keepn";
    line += "\\widctlpar ";
    if (Arabic(&fc)) line += "\\ltrch \\af" + Number(style.fontNumber) + " \\rltch ";
    if (style.font.bold) line += "\\b";
    if (style.font.italic) line += "\\i";
    line += "\\f" + Number(style.fontNumber) + "\\fs" + Number(2L * style.font.size);
    line += "\\kerning28";
    line += AlignmentWord(style);
    line += " \\sbasedon" + Number(style.basedOn > 0 ? style.basedOn : 0) + " ";
    line += style.name;
    line += ";}";
    return line;
}

// The FILENAME in-line tag of a title or subject becomes the input file's name.
void ExpandFileNameTag(const FC& fc, std::string_view fileName, TextString& text) {
    std::string tag =
        fc.Text(P::StartTagDelimiter).Str() + "FILENAME" + fc.Text(P::EndTagDelimiter).Str();
    text.Replace(tag, fileName, 0, false);
}

std::string InfoText(const FC& fc, std::string_view fileName, std::string_view value) {
    TextString text(value);
    ExpandFileNameTag(fc, fileName, text);
    EscapeRTF(fc, text);
    return text.Str();
}

// A margin policy in twips; one not stated, or not a number, takes the fallback.
int MarginTwips(const FC& fc, P id, int fallback) {
    if (!fc.IsSet(id)) return fallback;
    double cm = 0;
    if (!fc.Text(id).IsNumber(cm)) return fallback;
    double twips = std::floor(cm / 2.54 * 1440 + 0.5);
    // Absurd values are held to a range that an int, and an RTF reader, can carry.
    if (twips > 1000000) twips = 1000000;
    if (twips < -1000000) twips = -1000000;
    return static_cast<int>(twips);
}

// Font-class entries read "number-face-family-style"; the face may itself hold "-", so the
// family is the second field from the end. A family of 0, or no number, is serif.
bool FontClassIsSans(std::string_view entry) {
    size_t last = entry.rfind('-');
    if (last == std::string_view::npos || last == 0) return false;
    size_t before = entry.rfind('-', last - 1);
    if (before == std::string_view::npos) return false;
    std::string_view family = entry.substr(before + 1, last - before - 1);
    if (family.empty()) return false;
    bool nonZero = false;
    for (char c : family) {
        if (c < '0' || c > '9') return false;
        if (c != '0') nonZero = true;
    }
    return nonZero;
}

void FontTable(const FC& fc, const DocumentState& state, const RtfStyles& styles,
               const std::vector<FontSpec>& extraFonts, std::vector<std::string>& lines) {
    lines.emplace_back("{\\fonttbl");
    lines.emplace_back("{\\f1\\froman\\fcharset2\\fprq2 Symbol;}");
    lines.emplace_back("{\\f2\\fmodern Courier New;}");
    lines.emplace_back("{\\f4\\froman\\fcharset0\\fprq2 Times New Roman;}");
    lines.emplace_back("{\\f5\\fswiss\\fcharset0\\fprq2 Arial;}");
    if (Japanese(&fc)) lines.emplace_back("{\\f16\\fmodern\\fcharset128\\fprq1 MS Gothic;}");
    for (const RtfStyle& style : styles)
        lines.push_back(RtfFontEntry(&fc, style.font, style.fontNumber));
    for (size_t i = 0; i < extraFonts.size(); ++i)
        lines.push_back(RtfFontEntry(&fc, extraFonts[i], kRtfExtraFontBase + static_cast<int>(i)));
    for (size_t i = 0; i < state.fontClasses.size(); ++i) {
        // Entries read "number-face-family-style"; a family of 0, or no number, is serif.
        bool sans = FontClassIsSans(state.fontClasses[i].View());
        std::string line = "{\\f" + Number(kRtfFontClassBase + static_cast<long>(i));
        line += sans ? "\\fswiss" : "\\froman";
        line += "\\fcharset0\\fprq2";
        line += sans ? " Arial;{\\*\\falt Geneva;}" : " Times;{\\*\\falt Times;}";
        line += "}";
        lines.push_back(std::move(line));
    }
    lines.emplace_back("}");
}

// True when a paragraph style of the document bears the name.
bool IsStyleName(const RtfStyles& styles, std::string_view name) {
    for (const RtfStyle& style : styles)
        if (EqualsNoCase(style.name, name)) return true;
    return false;
}

// The style sheet line of a named font of the styles file that is a style of its own.
std::string NamedStyleLine(const FontSpec& font, int number, int fontNumber) {
    std::string line = "{\\s" + Number(number) + "\\widctlpar ";
    if (font.bold) line += "\\b";
    if (font.italic) line += "\\i";
    line += "\\f" + Number(fontNumber) + "\\fs" + Number(2L * font.size) + "\\kerning28";
    line += " \\sbasedon0 ";
    AppendFaceName(font.name.View(), line);
    line += ";}";
    return line;
}

void StyleSheet(const FC& fc, const RtfStyles& styles, const std::vector<FontSpec>& extraFonts,
                int language, std::vector<std::string>& lines) {
    lines.push_back("{\\stylesheet{\\widctlpar \\f4\\fs20\\lang" + Number(language) +
                    " \\snext0 Normal;}");
    for (int i = 0; i < kRtfStyleCount; ++i) lines.push_back(StyleSheetLine(fc, styles[i], i));
    // Named fonts that are no paragraph style of the document become styles of their own.
    if (fc.Value(P::UseOfRtfStyles) >= 2)
        for (size_t i = 0; i < extraFonts.size(); ++i) {
            const FontSpec& font = extraFonts[i];
            if (font.name.Empty() || IsStyleName(styles, font.name.View())) continue;
            const int index = static_cast<int>(i);
            lines.push_back(
                NamedStyleLine(font, kRtfNamedStyleBase + index, kRtfExtraFontBase + index));
        }
    lines.emplace_back("{\\*\\cs10 \\additive Default Paragraph Font;}");
    lines.emplace_back("{\\*\\cs32 \\additive \\ul\\cf2 \\sbasedon10 Hyperlink;}");
    lines.emplace_back("{\\*\\cs33 \\additive \\f5\\fs20\\sbasedon10 footnote reference;}");
    lines.emplace_back("}");
}

void InfoGroup(const FC& fc, const DocumentState& state, const std::tm& now,
               std::vector<std::string>& lines) {
    std::string_view fileName =
        state.inputFileName.Empty() ? fc.sourceFileName.View() : state.inputFileName.View();
    lines.emplace_back("{\\info");
    const TextString& title = fc.Text(P::DocumentTitle);
    std::string titleText =
        title.Empty() ? "Converted from table \"" + std::string(fileName) + "\"" : title.Str();
    lines.push_back("{\\title " + InfoText(fc, fileName, titleText) + "}");
    if (fc.IsSet(P::DocumentAuthor))
        lines.push_back("{\\author " + InfoText(fc, fileName, fc.Text(P::DocumentAuthor)) + "}");
    lines.emplace_back("{\\operator Richlyst auto-convert}");
    std::string subject;
    if (fc.IsSet(P::DocumentSubject))
        subject = InfoText(fc, fileName, fc.Text(P::DocumentSubject));
    else if (fc.IsSet(P::DocumentDescription))
        subject = InfoText(fc, fileName, fc.Text(P::DocumentDescription));
    if (!subject.empty()) lines.push_back("{\\subject " + subject + "}");
    struct Optional {
        P id;
        const char* word;
    };
    static constexpr Optional kOptional[] = {
        {P::DocumentManager, "{\\manager "},   {P::DocumentCompanyName, "{\\company "},
        {P::DocumentCategory, "{\\category "}, {P::DocumentKeywords, "{\\keywords "},
        {P::DocumentComments, "{\\comment "},
    };
    for (const Optional& item : kOptional)
        if (fc.IsSet(item.id))
            lines.push_back(item.word + InfoText(fc, fileName, fc.Text(item.id)) + "}");
    lines.push_back("{\\creatim\\yr" + Number(now.tm_year + 1900L) + "\\mo" +
                    Number(now.tm_mon + 1L) + "\\dy" + Number(now.tm_mday) + "\\hr" +
                    Number(now.tm_hour) + "\\min" + Number(now.tm_min) + "}");
    lines.emplace_back("{\\version1}{\\edmins0}{\\nofpages1}");
    lines.emplace_back("}");
}

}  // namespace

void SetUpRtfStyle(const FC* fc, int index, RtfStyle& style) {
    if (index < 0 || index >= kRtfStyleCount) {
        if (fc)
            fc->Issue("UNSUPPORTED CASE: Style " + Number(index) + "in RTFFile constructor", 10);
        return;
    }
    const StyleRow& row = kStyles[index];
    style.number = row.number;
    style.basedOn = row.basedOn;
    style.name = row.name;
    style.keepWithNext = row.keepWithNext;
    style.plain = index != kStyleTable;
    style.inTable = index == kStyleTable;
    style.spaceBefore = row.spaceBefore;
    style.spaceAfter = row.spaceAfter;
    style.fontNumber = kRtfStyleFontBase + index;
    style.font = ResolveFont(fc, row.font);
    style.left = true;
    style.right = false;
    if (row.align == AlignRule::Justification && fc) {
        switch (fc->Value(P::TextJustification)) {
            case 1:
                break;
            case 2:
                style.left = false;
                break;
            case 3:
                style.left = false, style.right = true;
                break;
            default:
                style.right = true;
                break;
        }
        if (Japanese(fc)) style.left = true, style.right = false;
        std::string_view encoding = EncodingWord(fc);
        if (EqualsNoCase(encoding, "iso-8859-8") || EqualsNoCase(encoding, "windows-1256"))
            style.left = false, style.right = true;
    }
}

void SetUpRtfStyles(const FC* fc, RtfStyles& styles) {
    for (int i = 0; i < kRtfStyleCount; ++i) SetUpRtfStyle(fc, i, styles[i]);
    // A named font of the styles file that bears a style's name is that style's font.
    if (!fc || !fc->Settings() || fc->Value(P::UseOfRtfStyles) < 1) return;
    for (const FontSpec& font : fc->Settings()->styles) {
        if (font.face.Empty()) continue;  // its specification did not parse
        for (RtfStyle& style : styles) {
            if (!EqualsNoCase(style.name, font.name.View())) continue;
            style.font = font;
            style.font.valid = true;
        }
    }
}

std::string ParagraphStart(const FC* fc, const RtfStyle& style, unsigned parts) {
    std::string text;
    if (parts & kParaReset) {
        text += "\\pard";
        if (style.plain) text += "\\plain";
        if (style.inTable) text += "\\intbl";
        text += " ";
    }
    if (parts & kParaStyle) text += "\\s" + Number(style.number);
    if (parts & kParaSpacing) {
        if (style.spaceBefore != 0) text += "\\sb" + Number(style.spaceBefore);
        if (style.spaceAfter != 0) text += "\\sa" + Number(style.spaceAfter);
    }
    if ((parts & kParaKeep) && KeepWord(fc, style, IndexOf(style))) text += "\\keepn\\widctlpar";
    if (parts & (kParaStyle | kParaSpacing | kParaKeep)) text += " ";
    if (parts & kParaFont) text += FontFormatting(fc, style);
    if (parts & kParaAlign) text += AlignmentWord(style);
    if ((parts & kParaFont) && Japanese(fc)) text += "\\loch\\af100\\hich\\af100\\dbch\\f16 ";
    return text;
}

std::string RtfFontEntry(const FC* fc, const FontSpec& font, int number) {
    std::string_view encoding = EncodingWord(fc);
    bool japanese = Japanese(fc);
    auto is = [&](const char* name) { return EqualsNoCase(encoding, name); };

    std::string entry = "{\\f" + Number(number);
    if (japanese || is("big5") || is("gb2312") || is("iso-2022-kr")) {
        entry += "\\fmodern\\fprq1";
    } else if (is("windows-1256")) {
        entry += "\\fbidi ";
        entry += FamilyOf(font.face.View());
    } else if (is("tis-620")) {
        entry += "\\fswiss\\fprq2";
    } else {
        entry += FamilyOf(font.face.View());
    }
    const char* charset = "\\fcharset0 ";
    for (const CharsetRow& row : kCharsets)
        if (is(row.encoding)) charset = row.word;
    entry += charset;
    if (japanese || is("iso-2022-jp"))
        entry += "MS Gothic";
    else if (is("gb2312"))
        entry += "MS Hei{\\*\\falt SimSun}";
    else if (is("big5"))
        entry += "MingLiU";
    else if (is("iso-2022-kr"))
        entry += "GulimChe";
    else if (is("tis-620"))
        entry += "Tahoma";
    else
        AppendFaceName(font.face.View(), entry);
    entry += ";}";
    return entry;
}

int RtfLanguageCode(const FC& fc) {
    TextString name;
    if (!static_cast<const ChoicePolicy&>(fc.Record(P::LanguageForProofing)).ChoiceText(name))
        return 1033;
    return LanguageId(name.View());
}

std::string RtfPageSetup(const FC& fc) {
    int choice = fc.Value(P::PaperSize);
    Paper paper = choice >= 2 && choice <= 4 ? kPapers[choice - 1] : kPapers[0];
    if (fc.Flag(P::UseLandscapeMode)) std::swap(paper.width, paper.height);
    return "\\paperw" + Number(paper.width) + "\\paperh" + Number(paper.height) + "\\margl" +
           Number(MarginTwips(fc, P::LeftMarginInCm, 1800)) + "\\margr" +
           Number(MarginTwips(fc, P::RightMarginInCm, 1800)) + "\\margt" +
           Number(MarginTwips(fc, P::TopMarginInCm, 1440)) + "\\margb" +
           Number(MarginTwips(fc, P::BottomMarginInCm, 1440)) + "\\gutter0";
}

std::vector<std::string> RtfHeaderLines(const FC& fc, DocumentState& state, const RtfStyles& styles,
                                        const std::vector<FontSpec>& extraFonts,
                                        const std::tm& now) {
    std::vector<std::string> lines;
    if (fc.IsSet(P::BaseFontSizeInPts))
        state.currentSize = fc.Value(P::BaseFontSizeInPts) + fc.Value(P::DeltaFontSizeInPts);
    int language = RtfLanguageCode(fc);
    lines.emplace_back(Japanese(&fc) ? "{\\rtf1\\ansi" : "{\\rtf1\\ansi\\ansicpg1252\\uc1");
    lines.push_back("\\deff0\\deflang" + Number(language) + "\\deflangfe1033");
    FontTable(fc, state, styles, extraFonts, lines);
    for (const char* line : kColourTable) lines.emplace_back(line);
    StyleSheet(fc, styles, extraFonts, language, lines);
    InfoGroup(fc, state, now, lines);
    lines.push_back(RtfPageSetup(fc));
    lines.push_back(std::string("\\widowctrl\\ftnbj\\aenddoc") +
                    (fc.Flag(P::MirrorMargins) ? "\\margmirror" : "") + "\\formshade");
    lines.emplace_back("\\fet0\\sectd");
    lines.push_back(std::string(fc.Flag(P::UseLandscapeMode) ? "\\lndscpsxn\\psz9" : "") +
                    "\\linex0\\headery709\\footery709\\colsx709\\endnhere");
    for (const char* line : kListLevels) lines.emplace_back(line);
    lines.push_back("{" + ParagraphStart(&fc, styles[kStyleBody]) + "{");
    return lines;
}

}  // namespace tabulyst
