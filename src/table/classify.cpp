#include "table/classify.h"

#include <array>
#include <cctype>

#include "policy/fc.h"
#include "table/analysis.h"
#include "table/line_pass.h"

namespace tabulyst {
namespace {

// Bytes a rule line may be drawn with, blanks included: one lookup a byte, since every
// line of the input is tested.
constexpr std::array<bool, 256> kRuleLineBytes = [] {
    std::array<bool, 256> table{};
    for (unsigned char c : std::string_view(" \t+-=_~")) table[c] = true;
    return table;
}();

// Bytes of the delimiter row of a markdown pipe table ("|:---|---:|") and of the lines
// that frame a grid table ("+===+===+").
constexpr std::array<bool, 256> kPipeRuleBytes = [] {
    std::array<bool, 256> table{};
    for (unsigned char c : std::string_view(" \t|-:+=")) table[c] = true;
    return table;
}();

// First words that start a C-like declaration or statement.
// clang-format off
constexpr std::array<std::string_view, 25> kCodeWords = {
    "int",    "char",   "static",   "extern", "struct", "void",     "unsigned",
    "long",   "short",  "float",    "double", "const",  "typedef",  "return",
    "if",     "else",   "for",      "while",  "switch", "case",     "break",
    "continue", "enum", "union",    "register"};
// clang-format on

// Line starts that only program source has (each begins with "#" or "/").
constexpr std::array<std::string_view, 6> kCodeStarts = {"#include", "#define", "#if",
                                                         "#endif",   "/*",      "//"};

// Header names of mail and news articles; any "X-" name counts as well.
// clang-format off
constexpr std::array<std::string_view, 30> kMailHeaderNames = {
    "From",         "To",           "Cc",          "Bcc",          "Subject",
    "Date",         "Reply-To",     "Sender",      "Message-ID",   "Received",
    "Return-Path",  "Newsgroups",   "Organization", "Organisation", "References",
    "In-Reply-To",  "Path",         "Lines",       "Content-Type", "Content-Transfer-Encoding",
    "MIME-Version", "Followup-To",  "Distribution", "Keywords",    "Summary",
    "Xref",         "NNTP-Posting-Host", "Approved", "Expires",    "Status"};
// clang-format on

// Letters and digits as the C locale has them, and "_": one lookup a byte, as every line of
// a table is asked whether it is code.
constexpr std::array<bool, 256> kWordBytes = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    return table;
}();

bool IsWordChar(char c) { return kWordBytes[static_cast<unsigned char>(c)]; }

// Whether line i exists and was classified as a rule line: one of the first five lines or
// of the last two, which is all that header recognition asks about.
bool IsRuleLineAt(const TableBlock& block, int i) {
    const int n = block.lineCount;
    if (i < 0 || i >= n) return false;
    if (i < 5) return (block.leadingRules >> i) & 1u;
    if (i >= n - 2) return (block.trailingRules >> (n - 1 - i)) & 1u;
    return false;
}

}  // namespace

const TabConfig& BlockConfig(const TableBlock& block) {
    return block.config ? *block.config : block.fc.BaseConfig();
}

bool IsPipeRuleLine(std::string_view text) {
    bool dash = false;
    for (char c : text) {
        if (!kPipeRuleBytes[static_cast<unsigned char>(c)]) return false;
        dash = dash || c == '-' || c == '=';
    }
    return dash;
}

bool IsRuleLine(std::string_view text) {
    if (IsBlankText(text)) return false;
    // At least 95% rule characters and blanks, that is fewer than one byte in twenty of
    // anything else: the test ends at the first byte that makes that impossible.
    const long size = static_cast<long>(text.size());
    long others = 0;
    for (char c : text)
        if (!kRuleLineBytes[static_cast<unsigned char>(c)] && 20 * ++others >= size)
            return IsPipeRuleLine(text);
    return true;
}

bool LooksLikeCode(std::string_view text) {
    std::string_view t = TrimBlanks(text);
    if (t.empty()) return false;
    // Each of those starts begins with "#" or "/": most lines need no comparison.
    if (t.front() == '#' || t.front() == '/')
        for (std::string_view start : kCodeStarts)
            if (t.starts_with(start)) return true;
    const char last = t.back();
    if (last == ';' || last == '{' || last == '}') return true;
    if (t.size() >= 2 && t.substr(t.size() - 2) == "*/") return true;
    size_t n = 0;
    while (n < t.size() && IsWordChar(t[n])) ++n;
    if (n == 0 || (n < t.size() && t[n] != ' ' && t[n] != '(' && t[n] != '*')) return false;
    const std::string_view word = t.substr(0, n);
    // Every code word is lower case and at most eight letters long.
    if (n > 8 || word.front() < 'b' || word.front() > 'w') return false;
    bool keyword = false;
    for (std::string_view k : kCodeWords) keyword = keyword || word == k;
    return keyword && t.find_first_of("(;{}=") != std::string_view::npos;
}

// What a byte may be in a plain number: a digit, a mark of any number, or a mark of money
// (under a financial rule set). One lookup a byte: every cell of a table is asked.
constexpr uint8_t kNumberDigit = 1;
constexpr uint8_t kNumberMark = 2;
constexpr uint8_t kMoneyMark = 4;
constexpr std::array<uint8_t, 256> kNumberBytes = [] {
    std::array<uint8_t, 256> table{};
    for (int c = '0'; c <= '9'; ++c) table[c] = kNumberDigit;
    table[','] = table['.'] = kNumberMark;
    for (unsigned char c : std::string_view("$()- \xa3")) table[c] = kMoneyMark;
    return table;
}();

bool IsPlainNumber(std::string_view text, int ruleSet) {
    std::string_view t = TrimBlanks(text);
    const uint8_t allowed =
        kNumberDigit | kNumberMark | (ruleSet == kMerrill || ruleSet == kSec ? kMoneyMark : 0);
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) t.remove_prefix(1);
    if (!t.empty() && t.back() == '%') t.remove_suffix(1);
    uint8_t seen = 0;
    for (char c : t) {
        const uint8_t kind = kNumberBytes[static_cast<unsigned char>(c)];
        if (!(kind & allowed)) return false;
        seen |= kind;
    }
    return (seen & kNumberDigit) != 0;
}

bool IsSymbolText(std::string_view text) {
    if (text.empty()) return false;
    // ASCII letters and digits, as the C locale has them: the word bytes less "_".
    long alnum = 0, others = 0;
    for (char c : text) {
        const bool letterOrDigit = kWordBytes[static_cast<unsigned char>(c)] && c != '_';
        alnum += letterOrDigit;
        others += !letterOrDigit && !IsBlankChar(c);
    }
    return 5 * alnum < static_cast<long>(text.size()) || alnum < others;
}

bool LooksLikeMailHeader(std::string_view text) {
    const size_t colon = text.find(':');
    if (colon == 0 || colon == std::string_view::npos) return false;
    if (colon + 1 < text.size() && !IsBlankChar(text[colon + 1])) return false;
    const std::string_view name = text.substr(0, colon);
    if (!std::isalpha(static_cast<unsigned char>(name.front()))) return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') return false;
    if (name.size() > 2 && StartsWithNoCase(name, "X-")) return true;
    for (std::string_view known : kMailHeaderNames)
        if (EqualsNoCase(name, known)) return true;
    return false;
}

void StartTally(TableBlock& block) {
    block.blankLines = block.ruleLines = block.codeLines = 0;
    block.firstRule = block.secondRule = block.lastRule = -1;
    block.leadingRules = block.trailingRules = 0;
    block.leadingBlankLines = 0;
}

void TallyLine(TableBlock& block, int index, bool blank, bool rule, std::string_view text) {
    const bool counted = index >= block.firstAnalysedLine;
    block.trailingRules = (block.trailingRules << 1) & 2u;
    if (blank) {
        if (counted) ++block.blankLines;
        if (block.leadingBlankLines == index) ++block.leadingBlankLines;
        return;
    }
    if (rule) {
        if (counted) ++block.ruleLines;
        if (block.firstRule < 0)
            block.firstRule = index;
        else if (block.secondRule < 0)
            block.secondRule = index;
        block.lastRule = index;
        if (index < 5) block.leadingRules |= 1u << index;
        block.trailingRules |= 1u;
    }
    if (counted && LooksLikeCode(text)) ++block.codeLines;
}

void ClassifyLines(TableBlock& block, const std::function<void(const LinePass&)>& each) {
    StartTally(block);
    for (LinePass line(block); line.Next();) {
        if (each) each(line);
        TallyLine(block, line.Index(), line.Blank(), line.Rule(), line.Text());
    }
}

void RecogniseHeader(TableBlock& block) {
    const TabConfig& config = BlockConfig(block);
    const int policyRows = config.Value(P::DefaultTableHeaderRows);
    const int n = block.lineCount;
    const int rules = block.ruleLines;
    int r1 = block.firstRule;
    const int r2 = block.secondRule;
    const int rl = block.lastRule;

    // Pipe tables say where their header ends: the delimiter row of a markdown table
    // (which belongs to the header, so that it draws no rule of its own), or the doubled
    // bars between a wiki table's header cells.
    int pipeRows = 0;
    if (block.delimiterRow >= 1 && block.delimiterRow < 4)
        pipeRows = block.delimiterRow + 1;
    else if (block.doubleBarRows > 0 && block.doubleBarRows < n)
        pipeRows = block.doubleBarRows;

    bool header = policyRows > 0 || pipeRows > 0;
    if (!header) {
        if (rules == 1 && r1 == 1 && n == 3)
            header = true;
        else if (rules == 1 && r1 < 4 && r1 < n - 2)
            header = true;
        else if (rules == 3 && r2 < 4 && r2 < n - 2 && rl == n - 1)
            header = true;
        else if (rules == 3 && n >= 5 && (IsRuleLineAt(block, 0) || IsRuleLineAt(block, 1)) &&
                 (IsRuleLineAt(block, 2) || IsRuleLineAt(block, 3) || IsRuleLineAt(block, 4)) &&
                 (IsRuleLineAt(block, n - 1) || IsRuleLineAt(block, n - 2))) {
            header = true;
            for (int i = 2; i <= 4; ++i)
                if (IsRuleLineAt(block, i)) r1 = i;
        }
    }

    block.hasHeader = header;
    block.headerRows = 0;
    block.headerCols = 0;
    if (!header) return;

    int rows = 0;
    if (policyRows >= 1) {
        // The policy counts rows of text; header rows count lines, so leading blank lines
        // are added. A rule line's index counts them already.
        rows = policyRows + block.leadingBlankLines;
    } else if (pipeRows > 0) {
        rows = pipeRows;
    } else {
        if (r1 == 0)
            rows = r2;
        else if (r1 >= n - 1)
            rows = 0;
        else
            rows = r1;
        // A lone rule line on top (no second rule) would give -1: no header rows instead.
        if (rows < 0 || rows > n / 2) rows = 0;
    }
    block.headerRows = rows;
    const int policyCols = config.Value(P::DefaultTableHeaderCols);
    block.headerCols = policyCols > 0 ? policyCols : 0;
}

}  // namespace tabulyst
