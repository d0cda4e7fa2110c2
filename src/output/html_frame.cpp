#include "output/html_frame.h"

#include <algorithm>
#include <string>

#include "output/escaping.h"
#include "output/font_markup.h"
#include "output/html_file.h"
#include "policy/fc.h"
#include "policy/fonts.h"

namespace tabulyst {

namespace {

constexpr std::string_view kDoctype32 = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">";
constexpr std::string_view kDoctype40 =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\" "
    "\"http://www.w3.org/TR/REC-html40/loose.dtd\">";
// The generator META names the engine product and where it comes from.
constexpr std::string_view kGeneratorContent = "Pagelyst 4.1 (Tabulyst 4.0 table engine)";

// Markup of the "Indent whole document" division by "Indentation markup code"; other
// codes, and every code under HTML 3.2, indent with BLOCKQUOTE.
struct IndentationTags {
    int code;
    const char* start;
    const char* end;
};
constexpr IndentationTags kIndentationTags[] = {
    {-1, "UL DUMMY", "UL DUMMY"},
    {2, "UL", "UL"},
    {3, "DIV CLASS=\"indent\"", "DIV"},
};
constexpr IndentationTags kBlockquoteTags = {0, "BLOCKQUOTE", "BLOCKQUOTE"};

// The selectors of the style block's font rules, with the font each one uses.
enum class RuleFont { Default, Table, Heading, Fixed };
struct FontRule {
    const char* selector;
    RuleFont font;
    int italic;  // -1 as the font says, 0 never, 1 always
    int bold;
    bool withSize;
};
constexpr FontRule kFontRules[] = {
    {"  BODY, P, UL, OL, DL, DT, DD, LI, BLOCKQUOTE", RuleFont::Default, -1, -1, true},
    {"  I, EM", RuleFont::Default, 1, 0, true},
    {"  B, STRONG", RuleFont::Default, 0, 1, true},
    {"  B I, I B, STRONG EM, EM STRONG", RuleFont::Default, 1, 1, true},
    {"  TD", RuleFont::Table, -1, -1, true},
    {"  TH", RuleFont::Table, -1, 1, true},
    {"  H1, H2, H3, H4, H5, H6", RuleFont::Heading, -1, 1, false},
    {"  PRE, CODE", RuleFont::Fixed, -1, -1, true},
};

// Contents-list rules: the first three give the whole font, the last three only a size;
// `smaller` rules use two points less when that stays above 8.
struct ContentsRule {
    const char* selector;
    bool wholeFont;
    bool smaller;
    bool alwaysBold;
};
constexpr ContentsRule kContentsRules[] = {
    {"  SPAN.TOC1", true, false, true},
    {"  SPAN.TOC2", true, false, false},
    {"  SPAN.TOC3, SPAN.TOC4, STAN.TOC5", true, true, false},
    {"  SPAN.TOC1 EM, SPAN1.TOC1 STRONG", false, false, false},
    {"  SPAN.TOC2 EM, SPAN1.TOC2 STRONG", false, false, false},
    {"  SPAN.TOC3 EM, SPAN.TOC4 EM, STAN.TOC5 EM, SPAN.TOC3 STRONG, SPAN.TOC4 STRONG, STAN.TOC5 "
     "STRONG",
     false, true, false},
};

std::string Number(long value) { return std::to_string(value); }

bool IsHtml32(const FC& fc) { return fc.Value(P::HtmlVersionToBeTargeted) == 1; }

int FontSizeSum(const FC& fc) {
    return fc.Value(P::BaseFontSizeInPts) + fc.Value(P::DeltaFontSizeInPts);
}

// How a policy text is put into the head: as element content, or as a quoted attribute.
enum class Placing { Content, Attribute };

void Escape(Placing placing, std::string_view text, std::string& out) {
    if (placing == Placing::Content)
        EscapeMarkupCharacters(text, out);
    else
        EscapeAttributeValue(text, out);
}

// A policy text for the head, escaped for its place, with the FILENAME in-line tag (the only
// one this product expands) filled with the input file name: neither a policy nor a file
// name can open markup of its own.
std::string HeadText(const FC& fc, const DocumentState& state, std::string_view text,
                     Placing placing) {
    std::string tag(fc.Text(P::StartTagDelimiter).View());
    tag.append("FILENAME").append(fc.Text(P::EndTagDelimiter).View());
    std::string result;
    size_t from = 0;
    for (size_t at = FindNoCase(text, tag); at != std::string_view::npos;
         at = FindNoCase(text, tag, from)) {
        Escape(placing, text.substr(from, at - from), result);
        Escape(placing, state.inputFileName, result);
        from = at + tag.size();
    }
    Escape(placing, text.substr(from), result);
    return result;
}

// A policy text as a quoted attribute value.
std::string Attribute(std::string_view text) {
    std::string value;
    EscapeAttributeValue(text, value);
    return value;
}

const IndentationTags& IndentationFor(const FC& fc) {
    if (!IsHtml32(fc)) {
        int code = fc.Value(P::IndentationMarkupCode);
        for (const IndentationTags& tags : kIndentationTags)
            if (tags.code == code) return tags;
    }
    return kBlockquoteTags;
}

std::string IndentationTag(const FC& fc, const char* tag) {
    std::string text(tag);
    if (fc.Value(P::IndentationMarkupCode) == -1) {
        size_t at = text.find("UL DUMMY");
        if (at != std::string::npos) text.replace(at, 8, "UL");
    }
    return text;
}

bool IsAbsolutePath(std::string_view name) {
    return !name.empty() &&
           (name[0] == '/' || name[0] == '\\' || (name.size() > 1 && name[1] == ':'));
}

// Writes a block the source defines, line by line, as it stands.
void WriteBlock(HTMLFile& file, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) file.WriteText(line);
}

// The lines of a block the source defines; null when it defines none of that name.
const std::vector<std::string>* SourceBlock(const HTMLFile& file, std::string_view name) {
    return file.state.blocks ? file.state.blocks->Find(name) : nullptr;
}

// Writes a header, footer or script: a block marker ("*NAME*") names a block defined in
// the source; anything else is a file read relative to "Input directory". A file that
// cannot be opened is reported and skipped.
void IncludeText(HTMLFile& file, const FC& fc, std::string_view name) {
    if (name.empty()) return;
    if (std::count(name.begin(), name.end(), '*') == 2) {
        const size_t first = name.find('*');
        const size_t second = name.find('*', first + 1);
        const std::string_view block = name.substr(first + 1, second - first - 1);
        if (const std::vector<std::string>* lines = SourceBlock(file, block))
            WriteBlock(file, *lines);
        return;
    }
    std::string path;
    const TextString& directory = fc.Text(P::InputDirectory);
    if (!IsAbsolutePath(name) && !directory.Empty()) {
        path.assign(directory.View());
        if (path.back() != '/' && path.back() != '\\') path += '/';
    }
    path.append(name);
    TextFile source;
    if (!source.OpenForReading(path)) {
        fc.Issue("ERROR: Can't open include file " + path, 10);
        return;
    }
    TextString line;
    while (source.ReadLine(line)) file.WriteText(line);
    source.Close();
}

std::string GeneratorComment(const FC& fc) {
    std::string text("  <!-- Converted by ");
    text.append(fc.ProductText().View()).append(" -->");
    return text;
}

// The declaration line of one font rule.
std::string FontDeclaration(const FontSpec& font, bool italic, bool bold, bool withSize) {
    std::string text("\t{\tfont-family: ");
    text.append(CssName(font.face.View())).append(";");
    text.append(" font-style: ").append(italic ? "italic;" : "normal;");
    text.append(" font-weight: ").append(bold ? "bold;" : "normal;");
    if (withSize) text.append(" font-size: ").append(Number(font.size)).append("pt;");
    text.append("\t}");
    return text;
}

FontSpec FontOf(const FC& fc, P id) {
    FontSpec font;
    ApplyFontSpec(fc.Text(id).View(), font);
    return font;
}

void WriteFontRules(HTMLFile& file, const FC& fc) {
    const FontSpec defaultFont = FontOf(fc, P::DefaultFont);
    const FontSpec headingFont = FontOf(fc, P::HeadingFont);
    const FontSpec fixedFont = FontOf(fc, P::FixedFont);
    const FontSpec contentsFont =
        fc.IsSet(P::TableOfContentsFont) ? FontOf(fc, P::TableOfContentsFont) : headingFont;
    const FontSpec tableFont = fc.IsSet(P::TableFont) ? FontOf(fc, P::TableFont) : defaultFont;

    for (const FontRule& rule : kFontRules) {
        const FontSpec& font = rule.font == RuleFont::Default   ? defaultFont
                               : rule.font == RuleFont::Table   ? tableFont
                               : rule.font == RuleFont::Heading ? headingFont
                                                                : fixedFont;
        bool italic = rule.italic < 0 ? font.italic : rule.italic == 1;
        bool bold = rule.bold < 0 ? font.bold : rule.bold == 1;
        file.WriteText(rule.selector);
        file.WriteText(FontDeclaration(font, italic, bold, rule.withSize));
    }

    for (const ContentsRule& rule : kContentsRules) {
        int size = contentsFont.size;
        if (rule.smaller && size - 2 > 8) size -= 2;
        std::string text("\t{");
        if (rule.wholeFont) {
            text.append(" font-family: ").append(CssName(contentsFont.face.View())).append(";");
            text.append(" font-style: ").append(contentsFont.italic ? "italic;" : "normal;");
            bool bold = contentsFont.bold || rule.alwaysBold;
            text.append(" font-weight: ").append(bold ? "bold;" : "normal;");
        }
        text.append(" font-size: ").append(Number(size)).append("pt;").append(" }");
        file.WriteText(rule.selector);
        file.WriteText(text);
    }

    const int s = defaultFont.size;
    int h1, h2, h3;
    if (s <= 10) {
        h1 = s + 3, h2 = s + 2, h3 = s + 1;
    } else if (s < 20) {
        h1 = s + 6, h2 = s + 4, h3 = s + 2;
    } else {
        h1 = 3 + 15 * s / 10, h2 = 2 + 13 * s / 10, h3 = 1 + 11 * s / 10;
    }
    file.WriteText("  H1 { font-size: " + Number(h1) + "pt; }");
    file.WriteText("  H2 { font-size: " + Number(h2) + "pt; }");
    file.WriteText("  H3 { font-size: " + Number(h3) + "pt; }");
}

// The two rules of one font class ("number-face-family-style"; the face may itself
// hold "-", so the number is the first field and family and style the last two).
void WriteFontClassRules(HTMLFile& file, const FC& fc, std::string_view entry) {
    size_t first = entry.find('-');
    size_t last = entry.rfind('-');
    size_t middle = last == std::string_view::npos || last == 0 ? std::string_view::npos
                                                                : entry.rfind('-', last - 1);
    if (first == std::string_view::npos || middle == std::string_view::npos || middle < first) {
        fc.Issue("PROGRAM ERROR: Bad font class \"" + std::string(entry) + "\"", 10);
        return;
    }
    std::string number(entry.substr(0, first));
    std::string face(first < middle ? entry.substr(first + 1, middle - first - 1)
                                    : std::string_view());
    auto field = [](std::string_view text) {
        double value = 0;
        return TextString(text).IsNumber(value) ? static_cast<int>(value) : 0;
    };
    int family = field(entry.substr(middle + 1, last - middle - 1));
    int style = field(entry.substr(last + 1));
    bool bold = style == 2 || style == 3;
    bool italic = style == 1 || style == 3;

    std::string suffix;
    if (bold) suffix += 'B';
    if (italic) suffix += 'I';
    std::string familyLine("\t\t\tfont-family: ");
    if (!face.empty()) familyLine.append("\"").append(CssName(face)).append("\", ");
    familyLine.append(family == 0 ? "TimesNewRoman, times, serif;" : "arial, geneva, sans-serif;");

    for (bool listItem : {false, true}) {
        file.WriteText((listItem ? "  LI.CF" : "  CF") + number + suffix + "\t{");
        file.WriteText(familyLine);
        file.WriteText(std::string("\t\t\tfont-style: ") + (italic ? "italic;" : "normal;"));
        file.WriteText(std::string("\t\t\tfont-weight: ") + (bold ? "bold;" : "normal;"));
        if (listItem) file.WriteText("\t\t\tfont-size: " + Number(FontSizeSum(fc)) + "pt;");
        file.WriteText("\t\t}");
    }
}

void WriteStyleBlock(HTMLFile& file, const FC& fc) {
    const bool html32 = IsHtml32(fc);
    file.WriteText(html32 ? "<STYLE>" : "<STYLE TYPE=\"text/css\">");
    file.WriteText("  <!-- ");
    if (html32) file.WriteText("\tLI {  font-size:" + Number(FontSizeSum(fc)) + "pt;  }");
    if (!file.state.fontTags) WriteFontRules(file, fc);
    if (fc.IsSet(P::HeadingsColour) && !fc.Flag(P::SuppressAllColourMarkup)) {
        file.WriteText("  H1, H2, H3, H4, H5, H6");
        file.WriteText("\t{ color: " + fc.Text(P::HeadingsColour).Str() + ";\t}");
    }
    if (!html32) {
        if (fc.Value(P::IndentationMarkupCode) == 3)
            file.WriteText(
                "\n\tDIV.indent\t{ margin-left:24pt; margin-right:0pt;\n\t\t\tmargin-top:1em; "
                "margin-bottom:1em; }");
        // Font classes that the font markup registered in the document state.
        for (const TextString& entry : file.state.fontClasses) WriteFontClassRules(file, fc, entry);
    }
    file.WriteText("  -->");
    file.WriteText("</STYLE>");
}

// The file the frame redirect sends a page to when it is viewed outside its frames.
std::string FrameFileName(const FC& fc, std::string_view outputPath) {
    TextString directory, base, extension;
    SplitPath(outputPath, directory, base, extension);
    const TextString& pattern = fc.Text(P::OutputFrameName);
    if (pattern.Empty()) return base.Str() + "_frame" + fc.OutputExtension().Str();
    std::string name(pattern.View());
    for (size_t at = name.find('*'); at != std::string::npos;
         at = name.find('*', at + base.Length()))
        name.replace(at, 1, base.View());
    if (fc.Flag(P::UseHtmExtension)) {
        size_t at = name.find(".html");
        if (at != std::string::npos) name.replace(at, 5, ".htm");
    }
    return name;
}

void WriteFrameRedirect(HTMLFile& file, const FC& fc) {
    file.WriteText("<SCRIPT LANGUAGE=\"JavaScript\">");
    file.WriteText("    <!--");
    file.WriteText("       if (parent.frames.length == 0)");
    file.WriteText("\t  window.setTimeout('location.href=\"" +
                   FrameFileName(fc, file.OutputPath()) + "\"',2000);");
    file.WriteText("    //-->");
    file.WriteText("  </SCRIPT>");
}

int BaseFontSizeCode(int points) {
    if (points < 9) return 1;
    if (points < 12) return 2;
    if (points < 14) return 3;
    if (points < 17) return 4;
    if (points < 23) return 5;
    return 6;
}

}  // namespace

TextString DocumentHeader(const FC& fc, const DocumentState& state) {
    if (state.blocks && state.blocks->Find("HTML_HEADER")) return TextString("*HTML_HEADER*");
    return fc.Text(P::HtmlHeaderFile);
}

TextString DocumentFooter(const FC& fc, const DocumentState& state) {
    if (state.blocks && state.blocks->Find("HTML_FOOTER")) return TextString("*HTML_FOOTER*");
    return fc.Text(P::HtmlFooterFile);
}

DocumentHeadTexts ComputeDocumentHeadTexts(const FC& fc) {
    DocumentHeadTexts head;
    head.title = fc.Text(P::DocumentTitle);
    head.description = fc.Text(P::DocumentDescription);
    head.keywords = fc.Text(P::DocumentKeywords);
    head.styleSheetUrl = fc.Text(P::DocumentStyleSheet);
    head.baseUrl = fc.Text(P::DocumentBaseUrl);
    return head;
}

HeaderFrameOptions MakeHeaderFrameOptions(bool directoryLinks) {
    HeaderFrameOptions options;
    options.directoryLinks = directoryLinks;
    return options;
}

TextString DocumentTypeLine(const FC& fc) {
    if (fc.Flag(P::OmitHeadAndBodyFromOutput) || fc.RuleSet() == kSec) return TextString();
    switch (fc.Value(P::HtmlVersionToBeTargeted)) {
        case 1:
            return TextString(kDoctype32);
        case 2:
            return TextString(kDoctype40);
        default:
            fc.Issue("UNSUPPORTED CASE: Unknown HTML version.  4.0 assumed", 10);
            return TextString(kDoctype40);
    }
}

TextString TitleLine(const FC& fc, const DocumentState& state, std::string_view title,
                     bool directoryTitle) {
    if (title.empty() && directoryTitle) return TextString("<TITLE>Directory Index</TITLE>");
    std::string line;
    if (title.empty()) {
        std::string name;
        EscapeMarkupCharacters(state.inputFileName, name);
        line.append("<TITLE>Converted from table \"").append(name).append("\"</TITLE>");
    } else {
        line.append("  <TITLE>")
            .append(HeadText(fc, state, title, Placing::Content))
            .append("</TITLE>");
    }
    return TextString(line);
}

TextString BodyLine(const FC& fc, const HeaderFrameOptions& options) {
    std::string line("<BODY");
    auto attribute = [&line](const char* name, std::string_view value) {
        line.append(" ").append(name).append("=\"").append(Attribute(value)).append("\"");
    };
    if (!fc.Flag(P::SuppressAllColourMarkup)) {
        if (!options.textColourOverride.Empty())
            attribute("TEXT", options.textColourOverride);
        else if (!fc.Text(P::TextColour).Empty())
            attribute("TEXT", fc.Text(P::TextColour));
        if (!fc.Text(P::UnvisitedLinkColour).Empty())
            attribute("LINK", fc.Text(P::UnvisitedLinkColour));
        if (!fc.Text(P::VisitedLinkColour).Empty())
            attribute("VLINK", fc.Text(P::VisitedLinkColour));
        if (!fc.Text(P::ActiveLinkColour).Empty()) attribute("ALINK", fc.Text(P::ActiveLinkColour));
        if (!options.backgroundColourOverride.Empty())
            attribute("BGCOLOR", options.backgroundColourOverride);
        else if (!fc.Text(P::BackgroundColour).Empty())
            attribute("BGCOLOR", fc.Text(P::BackgroundColour));
        else
            attribute("BGCOLOR", "white");
    }
    if (!fc.Text(P::BackgroundImage).Empty()) attribute("BACKGROUND", fc.Text(P::BackgroundImage));
    line.append(">");
    const TextString& encoding = fc.Text(P::CharacterEncoding);
    if (EqualsNoCase(encoding, "windows-1256") || EqualsNoCase(encoding, "iso-8859-8"))
        line.append("\n<DIV ALIGN=\"RIGHT\">");
    return TextString(line);
}

bool HTML_StartDocument(HTMLFile* file, const DocumentHeadTexts& head, std::string_view header,
                        FC& fc, const HeaderFrameOptions& options) {
    if (!file || !file->IsOpen()) {
        fc.Issue("PROGRAM ERROR: File not open in HTML_StartDocument!", 10);
        if (file) file->state.phase = 0;
        return false;
    }
    DocumentState& state = file->state;
    const int previousPhase = state.phase;
    if (state.phase == 0) state.phase = 3;
    // Fonts travel as FONT tags, or in the style block below when the policies ask for it.
    UpdateFontTagFlag(fc, state);

    file->WriteText(DocumentTypeLine(fc));
    const bool omit = fc.Flag(P::OmitHeadAndBodyFromOutput);
    const bool special = fc.RuleSet() != kNoRuleSet;
    std::string body;
    if (omit) {
        if (special) file->WriteText("<!-- Start of composition unit -->");
    } else {
        file->WriteText("<HTML>");
        file->WriteText("<HEAD>");
        file->WriteText("");
        if (fc.Value(P::CommentGenerationCode) == 0) {
            file->WriteText(GeneratorComment(fc));
            file->WriteText("");
        }
        file->WriteText(TitleLine(fc, state, head.title, options.directoryTitle));
        if (!head.baseUrl.Empty())
            file->WriteText("  <BASE HREF=\"" + Attribute(head.baseUrl) + "\">");
        if (!head.styleSheetUrl.Empty()) {
            std::string link("  <LINK REL=\"StyleSheet\" HREF=\"");
            link.append(Attribute(head.styleSheetUrl));
            if (fc.Value(P::HtmlVersionToBeTargeted) >= 2) link.append("\" TYPE=\"text/css");
            link.append("\">");
            file->WriteText(link);
        }
        if (fc.Flag(P::CreateEmbeddedStyleSheet)) WriteStyleBlock(*file, fc);
        if (!head.keywords.Empty()) {
            file->WriteText("  <META NAME=\"Keywords\"");
            file->WriteText("        CONTENT=\"" + Attribute(head.keywords) + "\">");
        }
        if (!head.description.Empty()) {
            file->WriteText("  <META NAME=\"Description\"");
            file->WriteText("        CONTENT=\"" +
                            HeadText(fc, state, head.description, Placing::Attribute) + "\">");
        }
        if (fc.Value(P::CommentGenerationCode) <= 1) {
            std::string meta("  <META NAME=\"Generator\" CONTENT=\"");
            meta.append(kGeneratorContent).append("\">");
            file->WriteText(meta);
        }
        // A UTF-8 document declares itself, whatever the policy says (the driver only
        // decides on UTF-8 when "Character encoding" was not stated).
        std::string_view encoding =
            state.utf8 ? std::string_view("UTF-8") : fc.Text(P::CharacterEncoding).View();
        if (!encoding.empty()) {
            std::string meta("  <META http-equiv=\"Content-Type\" content=\"text/html; charset=");
            meta.append(Attribute(encoding)).append("\">");
            file->WriteText(meta);
        }
        if (fc.Flag(P::PlaceDocumentInFrames) && fc.Flag(P::OnlyAllowPagesToBeViewedInFrames))
            WriteFrameRedirect(*file, fc);
        if (const std::vector<std::string>* script = SourceBlock(*file, "HEAD_SCRIPT"))
            WriteBlock(*file, *script);
        else
            IncludeText(*file, fc, fc.Text(P::HtmlScriptFile));
        if (!options.baseTarget.Empty())
            file->WriteText("  <BASE TARGET=\"" + Attribute(options.baseTarget) + "\">");
        file->WriteText("");
        file->WriteText("</HEAD>");
        file->WriteText("");
        body = BodyLine(fc, options).Str();
    }

    if (fc.IsSet(P::DefaultFont)) ApplyFontSpec(fc.Text(P::DefaultFont).View(), state.currentFont);
    if (fc.IsSet(P::BaseFontSizeInPts)) state.currentSize = FontSizeSum(fc);

    if (!omit) {
        if (fc.IsSet(P::BaseFontSizeInPts) && !special)
            body.append("\n<BASEFONT SIZE=")
                .append(Number(BaseFontSizeCode(FontSizeSum(fc))))
                .append(">");
        file->WriteText(body);
    }
    if (fc.Flag(P::IndentWholeDocument))
        file->WriteText("<" + IndentationTag(fc, IndentationFor(fc).start) + ">");
    if (fc.Flag(P::CenterWholeDocument)) file->WriteText("<CENTER>");
    IncludeText(*file, fc, header);

    state.phase = previousPhase;
    return true;
}

bool HTML_EndDocument(HTMLFile* file, FC& fc, std::string_view footer,
                      const HeaderFrameOptions& options) {
    (void)options;  // the contents indentation and navigation bars are not built here
    if (!file || !file->IsOpen()) {
        fc.Issue("PROGRAM ERROR: File not open in HTML_EndDocument!", 10);
        if (file) file->state.phase = 0;
        return false;
    }
    DocumentState& state = file->state;
    state.phase = 3;
    if (state.preformatted) {
        file->WriteText("</PRE>");
        state.preformatted = false;
    }
    if (state.paragraphOpen) {
        file->WriteText("</P>");
        state.paragraphOpen = false;
    }
    if (fc.Value(P::CommentGenerationCode) == 0) file->WriteText(GeneratorComment(fc));
    IncludeText(*file, fc, footer);
    if (fc.Flag(P::CenterWholeDocument)) file->WriteText("</CENTER>");
    if (fc.Flag(P::IndentWholeDocument))
        file->WriteText("</" + IndentationTag(fc, IndentationFor(fc).end) + ">");
    if (!fc.Flag(P::OmitHeadAndBodyFromOutput)) {
        file->WriteText("</BODY>");
        file->WriteText("</HTML>");
    }
    bool ok = file->FlushPending(true);
    file->ReportTags();
    state.phase = 0;
    return ok;
}

}  // namespace tabulyst
