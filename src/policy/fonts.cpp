#include "policy/fonts.h"

#include <cctype>
#include <filesystem>
#include <string>

#include "input/text_file.h"
#include "policy/fc.h"
#include "policy/policy.h"

namespace tabulyst {
namespace {

struct FaceWidth {
    std::string_view face;
    double factor;
};

// Relative character widths of known faces, compared without regard to case. The
// spellings "corida new" and "minglui" are those the width table has always carried.
// clang-format off
constexpr FaceWidth kFaceWidths[] = {
    {"times new roman", 1.0},      {"verdana", 1.3},          {"arial", 1.1},
    {"angsana new", 0.7},          {"angsanaupc", 0.7},       {"ar sans serif", 1.1},
    {"arabic transparent", 1.0},   {"arial black", 1.3},      {"arial narrow", 0.85},
    {"batang", 1.25},              {"batangche", 1.2},        {"bookman old style", 1.2},
    {"browallia new", 0.7},        {"browalliaupc", 0.7},     {"comic sans MS", 1.2},
    {"corida new", 0.7},           {"cordiaupc", 0.7},        {"david", 1.0},
    {"dotum", 1.2},                {"fixedsys", 1.15},        {"garamond", 1.0},
    {"lucida console", 1.4},       {"lucida sans unicode", 1.3}, {"microsoft sans serif", 1.1},
    {"minglui", 1.0},              {"ms dialog", 1.15},       {"ms dialog light", 1.1},
    {"ms gothic", 1.2},            {"ms pgothic", 1.0},       {"ms mincho", 1.2},
    {"ms pmincho", 1.0},           {"ms sans serif", 1.2},    {"courier", 1.45},
    {"courier new", 1.45},         {"ms serif", 0.95},        {"ms systemex", 1.15},
    {"ms ui gothic", 1.0},         {"nsimsun", 1.2},          {"palatino linotype", 1.1},
    {"pmingliu", 0.9},             {"roman", 1.1},            {"script", 1.05},
    {"small fonts", 1.0},          {"sylfaen", 1.0},          {"system", 1.15},
    {"tahoma", 1.2},               {"terminal", 1.1},         {"trebuchet ms", 1.15},
    {"wingdings", 2.0},
};
// clang-format on

// Characters the field splitter may use as its separator, in order of preference.
constexpr std::string_view kSeparators = "|#?/\\+^&*=~";

// One field: "name=value" counts as its value; double quotes are removed, and a doubled
// double quote inside them stands for one.
std::string CleanField(std::string_view field) {
    field = TrimBlanks(field);
    if (!field.empty() && field.front() != '"') {
        size_t equals = field.find('=');
        if (equals != std::string_view::npos) field = TrimBlanks(field.substr(equals + 1));
    }
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
        std::string out;
        for (size_t i = 1; i + 1 < field.size(); ++i) {
            out.push_back(field[i]);
            if (field[i] == '"' && field[i + 1] == '"' && i + 2 < field.size()) ++i;
        }
        return out;
    }
    return std::string(field);
}

// Splits at commas outside double quotes; false when no separator character is free.
bool SplitFields(std::string_view text, std::vector<std::string>& fields) {
    char separator = 0;
    for (char candidate : kSeparators)
        if (text.find(candidate) == std::string_view::npos) {
            separator = candidate;
            break;
        }
    if (separator == 0) return false;
    std::string marked(text);
    bool quoted = false;
    for (char& c : marked) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            c = separator;
    }
    size_t start = 0;
    for (;;) {
        size_t at = marked.find(separator, start);
        fields.push_back(CleanField(std::string_view(marked).substr(start, at - start)));
        if (at == std::string::npos) break;
        start = at + 1;
    }
    return true;
}

std::string CollapsedLower(std::string_view text) {
    std::string out;
    for (char c : text) {
        if ((c == ' ' || c == '\t') && (out.empty() || out.back() == ' ')) continue;
        out.push_back(c == '\t' ? ' '
                                : static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

}  // namespace

void FontSpec::SetFontColour(std::string_view text) {
    // Black is the default colour, so it is kept as no colour at all.
    if (EqualsNoCase(text, "BLACK") || EqualsNoCase(text, "#000000") ||
        EqualsNoCase(text, "000000"))
        colour.Clear();
    else
        colour.Assign(text);
}

void FontSpec::SetFontFace(std::string_view newFace) {
    face.Assign(newFace);
    widthFactor = FaceWidthFactor(newFace, widthFactor);
}

double FaceWidthFactor(std::string_view face, double fallback) {
    for (const FaceWidth& known : kFaceWidths)
        if (EqualsNoCase(known.face, face)) return known.factor;
    return fallback;
}

bool ParseFontSpec(std::string_view text, TextString& face, bool& bold, bool& italic, int& size) {
    face.Clear();
    bold = italic = false;
    size = 12;
    std::vector<std::string> fields;
    if (!SplitFields(text, fields) || fields.size() > 3) return false;

    bool isBold = false, isItalic = false;
    if (fields.size() >= 2) {
        const std::string style = CollapsedLower(fields[1]);
        if (style == "bold") {
            isBold = true;
        } else if (style == "italic") {
            isItalic = true;
        } else if (style == "bold italic" || style == "italic bold") {
            isBold = isItalic = true;
        } else if (!style.empty() && style != "normal" && style != "regular") {
            return false;
        }
    }
    int points = 12;
    if (fields.size() == 3 && !TrimBlanks(fields[2]).empty()) {
        long number = 0;
        if (!TextString(fields[2]).ParseNumberInStyle('1', number)) return false;
        points = static_cast<int>(number);
    }
    face.Assign(TrimBlanks(fields[0]));
    bold = isBold;
    italic = isItalic;
    size = points;
    return true;
}

bool IsFontSpec(std::string_view text) {
    TextString face;
    bool bold = false, italic = false;
    int size = 12;
    return ParseFontSpec(text, face, bold, italic, size);
}

void ApplyFontSpec(std::string_view specification, FontSpec& font) {
    TextString face;
    bool bold = false, italic = false;
    int size = 12;
    if (!ParseFontSpec(specification, face, bold, italic, size)) return;
    font.bold = bold;
    font.italic = italic;
    font.SetFontFace(face.View());
    font.size = size;
    font.valid = true;
}

void ApplyFontSpec(const TextPolicy& policy, FontSpec& font) {
    ApplyFontSpec(policy.Value().View(), font);
}

TextString FormatFontSpec(std::string_view face, int weight, bool italic, int tenthsOfPoint) {
    TextString text(face);
    const bool bold = weight == 700;
    if (bold && italic)
        text.Append(", Bold Italic");
    else if (bold)
        text.Append(", Bold");
    else if (italic)
        text.Append(", Italic");
    else
        text.Append(", Regular");
    text.Append(", ");
    text.AppendNumber('1', tenthsOfPoint / 10);
    return text;
}

bool LoadStyleFile(FC& fc, std::vector<FontSpec>& styles, std::string_view lastPolicyDirectory) {
    const TextString& name = fc.Text(P::StyleFile);
    if (name.Empty()) return true;

    auto joined = [&](std::string_view directory) {
        if (std::filesystem::path(name.Str()).is_absolute()) return name.Str();
        std::string path(directory);
        if (!path.empty() && path.back() != '/' && path.back() != '\\') path.push_back('/');
        path.append(name.View());
        return path;
    };
    TextFile file;
    if (!file.OpenForReading(joined(fc.Text(P::InputDirectory).View())) &&
        (lastPolicyDirectory.empty() || !file.OpenForReading(joined(lastPolicyDirectory)))) {
        TextString text("** Failed to open styles file ");
        text.Append(name.View());
        text.Append(" ***");
        fc.Issue(text, 10);
        return false;
    }

    TextString line;
    while (file.ReadLine(line)) {
        int32_t colon = line.IndexOf(":");
        if (colon < 0) continue;
        TextString command(line.View().substr(0, static_cast<size_t>(colon)));
        TextString argument(line.View().substr(static_cast<size_t>(colon) + 1));
        command.Trim();
        argument.Trim();
        if (!command.Equals("define font", false)) continue;
        int32_t comma = argument.IndexOf(",");
        FontSpec font;
        TextString specification;
        if (comma >= 0) {
            font.name.Assign(argument.View().substr(0, static_cast<size_t>(comma)));
            font.name.Trim();
            specification.Assign(argument.View().substr(static_cast<size_t>(comma) + 1));
        } else {
            font.name = argument;
        }
        specification.Trim();
        specification.CollapseBlanks();
        ApplyFontSpec(specification.View(), font);
        styles.push_back(std::move(font));
    }
    return true;
}

}  // namespace tabulyst
