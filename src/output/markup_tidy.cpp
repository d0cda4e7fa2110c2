#include "output/markup_tidy.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tabulyst {

namespace {

constexpr std::string_view kNbsp = "&nbsp;";
constexpr std::string_view kBreak = "<BR>";

// Tags between which white space is redundant when "Remove redundant tags" is on: an
// inline start tag directly after a block or cell start tag, and an inline end tag
// directly before a block or cell end tag.
constexpr std::array<std::string_view, 6> kBoundaryStarts = {"P", "LI", "TD", "TH", "DD", "DT"};
constexpr std::array<std::string_view, 6> kBoundaryEnds = {"/P", "/LI", "/TD", "/TH", "/DD", "/DT"};
constexpr std::array<std::string_view, 5> kInlineStarts = {"EM", "STRONG", "B", "I", "FONT"};
constexpr std::array<std::string_view, 5> kInlineEnds = {"/EM", "/STRONG", "/B", "/I", "/FONT"};

template <size_t N>
bool OneOf(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool EndsWith(const std::string& text, std::string_view tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool At(std::string_view text, size_t i, std::string_view what) {
    return text.compare(i, what.size(), what) == 0;
}

// The name of the tag that starts at `lt` ("TD", "/FONT"); empty when there is none.
std::string_view TagName(std::string_view text, size_t lt) {
    if (lt >= text.size() || text[lt] != '<') return {};
    size_t end = lt + 1;
    if (end < text.size() && text[end] == '/') ++end;
    while (end < text.size() && std::isalnum(static_cast<unsigned char>(text[end]))) ++end;
    return text.substr(lt + 1, end - lt - 1);
}

// The name of the tag that the text ends with, when it ends with one.
std::string_view LastTagName(const std::string& text) {
    if (text.empty() || text.back() != '>') return {};
    size_t lt = text.rfind('<');
    if (lt == std::string::npos) return {};
    return TagName(text, lt);
}

// Blanks next to "&nbsp;" are redundant; a line's own indentation stays.
std::string DropBlanksAroundNbsp(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    for (size_t at = text.find(kNbsp); at != std::string_view::npos; at = text.find(kNbsp, i)) {
        out.append(text.substr(i, at - i));
        size_t keep = out.size();
        while (keep > 0 && out[keep - 1] == ' ') --keep;
        if (keep > 0 && out[keep - 1] != '\n') out.resize(keep);
        out.append(kNbsp);
        i = at + kNbsp.size();
        while (i < text.size() && text[i] == ' ') ++i;
    }
    out.append(text.substr(i));
    return out;
}

// True when everything between the cell's start tag and the end of `out` is white space.
bool CellIsEmptySoFar(const std::string& out) {
    size_t p = out.size();
    while (p > 0 && (out[p - 1] == ' ' || out[p - 1] == '\t' || out[p - 1] == '\n')) --p;
    if (p == 0 || out[p - 1] != '>') return false;
    size_t lt = out.rfind('<', p - 1);
    if (lt == std::string::npos) return false;
    std::string_view name = TagName(out, lt);
    return name == "TD" || name == "TH";
}

// "&nbsp;<BR>" becomes "<BR>"; a "<BR>" directly before a cell's end tag is dropped, or
// becomes "&nbsp;" when the cell holds nothing else.
std::string TidyBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    for (size_t at = text.find(kBreak); at != std::string_view::npos; at = text.find(kBreak, i)) {
        out.append(text.substr(i, at - i));
        while (EndsWith(out, kNbsp)) out.resize(out.size() - kNbsp.size());
        i = at + kBreak.size();
        if (At(text, i, "</TD>") || At(text, i, "</TH>")) {
            if (CellIsEmptySoFar(out)) out.append(kNbsp);
        } else {
            out.append(kBreak);
        }
    }
    out.append(text.substr(i));
    return out;
}

// Emphasis and FONT tags drawn tight to the block and cell tags around them.
std::string DrawTagsTight(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    // Only blanks that follow a tag can be redundant.
    for (size_t gt = text.find('>'); gt != std::string_view::npos; gt = text.find('>', i)) {
        size_t start = gt + 1;
        out.append(text.substr(i, start - i));
        size_t end = start;
        while (end < text.size() && (text[end] == ' ' || text[end] == '\t')) ++end;
        i = end;
        if (end == start) continue;
        std::string_view before = LastTagName(out);
        std::string_view after = TagName(text, end);
        bool tight = (OneOf(kBoundaryStarts, before) && OneOf(kInlineStarts, after)) ||
                     (OneOf(kInlineEnds, before) && OneOf(kBoundaryEnds, after));
        if (!tight) out.append(text.substr(start, end - start));
    }
    out.append(text.substr(i));
    return out;
}

}  // namespace

void TidyMarkup(std::string& text, bool removeRedundant) {
    if (text.find(kNbsp) != std::string::npos) text = DropBlanksAroundNbsp(text);
    if (text.find(kBreak) != std::string::npos) text = TidyBreaks(text);
    if (removeRedundant && text.find('>') != std::string::npos) text = DrawTagsTight(text);
}

}  // namespace tabulyst
