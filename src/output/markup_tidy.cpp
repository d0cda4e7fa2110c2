#include "output/markup_tidy.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

#include "core/byte_scan.h"

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

// The texts compared are constants of a few bytes, so the compiler turns each compare
// into one or two integer tests: they run for every tag of the output.
inline bool SameBytes(const char* a, std::string_view b) {
    return std::memcmp(a, b.data(), b.size()) == 0;
}

inline bool EndsWith(const std::string& text, std::string_view tail) {
    return text.size() >= tail.size() && SameBytes(text.data() + text.size() - tail.size(), tail);
}

inline bool At(std::string_view text, size_t i, std::string_view what) {
    return i <= text.size() && text.size() - i >= what.size() && SameBytes(text.data() + i, what);
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

// The next "&" or "B" at or after `from` (the size when none): nearly all of the output
// goes through here and little of it needs a second look. "B" rather than "<" finds
// "<BR>" while passing over most other tags.
size_t NextCandidate(std::string_view in, size_t from) {
    return FindEitherByte(in, from, '&', 'B');
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

// One pass for the "&nbsp;" and "<BR>" rules: blanks beside "&nbsp;" go (not a line's
// own indentation); "&nbsp;<BR>" becomes "<BR>"; a "<BR>" directly before a cell's end
// tag is dropped, or becomes "&nbsp;" when the cell holds nothing else.
void TidyBreaksAndSpaces(std::string_view in, std::string& out) {
    out.reserve(out.size() + in.size() + 16);
    const size_t n = in.size();
    size_t i = 0;
    size_t from = 0;  // where the search for the next candidate goes on
    while (i < n) {
        size_t j = NextCandidate(in, from);
        if (j == n) break;
        if (in[j] == 'B') {
            if (j == 0 || in[j - 1] != '<' || !At(in, j - 1, kBreak)) {
                from = j + 1;
                continue;
            }
            --j;  // the break tag starts at its "<"
        }
        out.append(in.substr(i, j - i));
        if (in[j] == '&') {
            if (!At(in, j, kNbsp)) {
                out.push_back('&');
                i = from = j + 1;
                continue;
            }
            size_t keep = out.size();
            while (keep > 0 && out[keep - 1] == ' ') --keep;
            if (keep > 0 && out[keep - 1] != '\n') out.resize(keep);
            out.append(kNbsp);
            i = j + kNbsp.size();
            while (i < n && in[i] == ' ') ++i;
        } else {
            while (EndsWith(out, kNbsp)) out.resize(out.size() - kNbsp.size());
            i = j + kBreak.size();
            if (At(in, i, "</TD>") || At(in, i, "</TH>")) {
                if (CellIsEmptySoFar(out)) out.append(kNbsp);
            } else {
                out.append(kBreak);
            }
        }
        from = i;
    }
    out.append(in.substr(i));
}

// Emphasis and FONT tags drawn tight to the block and cell tags around them.
void DrawTagsTight(std::string_view text, std::string& out) {
    out.reserve(out.size() + text.size());
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
}

}  // namespace

void AppendTidied(std::string_view text, std::string& out, bool removeRedundant) {
    if (!removeRedundant) {
        TidyBreaksAndSpaces(text, out);
        return;
    }
    std::string first;
    std::swap(first, out);
    const size_t from = first.size();
    TidyBreaksAndSpaces(text, first);
    out.assign(first, 0, from);
    DrawTagsTight(std::string_view(first).substr(from), out);
}

void TidyMarkup(std::string_view text, std::string& out, bool removeRedundant) {
    out.clear();
    AppendTidied(text, out, removeRedundant);
}

}  // namespace tabulyst
