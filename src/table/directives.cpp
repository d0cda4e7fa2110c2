#include "table/directives.h"

#include <cctype>
#include <charconv>

#include "input/source_line.h"
#include "policy/fc.h"

namespace tabulyst {
namespace {

// What a keyword does with its value.
enum class Action : uint8_t {
    Region,        // opens or closes a table region
    Alignment,     // alignment word; "(none)" clears
    Integer,       // integer; "(none)" means 0
    HideColumn,    // hidden flag of a layout column
    SetOne,        // no value; sets 1
    Colour,        // colour; "(none)" means the text shown
    YesNo,         // "no" sets 0, anything else 1
    Text,          // text as given
    Layout,        // TABLE_LAYOUT
    ChangePolicy,  // the rest of the line is a policy line
    HtmlBegin,
    HtmlEnd,
    Keep,          // reaches the block, does nothing here
    Swallow,       // never reaches the block
    DefineBegin,   // the lines up to END_BLOCK are a definition, never table lines
    DefineEnd,
    IgnoreBegin,   // the lines up to END_IGNORE are left out
    IgnoreEnd,
};

struct Keyword {
    std::string_view name;
    int code;
    Action action;
    P policy;
    std::string_view none;  // what "(none)" stands for
};

// Every directive keyword, once.
constexpr Keyword kKeywords[] = {
    {"BEGIN_TABLE", kDirBeginTable, Action::Region, P::DefaultTableAlignment, ""},
    {"BEGIN_USER_TABLE", kDirBeginUserTable, Action::Region, P::DefaultTableAlignment, ""},
    {"BEGIN_DELIMITED_TABLE", kDirBeginDelimitedTable, Action::Region, P::DefaultTableAlignment, ""},
    {"BEGIN_COMMA_DELIMITED_TABLE", kDirBeginCommaDelimitedTable, Action::Region, P::DefaultTableAlignment, ""},
    {"BEGIN_TAGGED_TABLE", kDirBeginTaggedTable, Action::Region, P::DefaultTableAlignment, ""},
    {"END_TABLE", kDirEndTable, Action::Region, P::DefaultTableAlignment, ""},
    {"END_USER_TABLE", kDirEndUserTable, Action::Region, P::DefaultTableAlignment, ""},
    {"END_DELIMITED_TABLE", kDirEndDelimitedTable, Action::Region, P::DefaultTableAlignment, ""},
    {"END_COMMA_DELIMITED_TABLE", kDirEndCommaDelimitedTable, Action::Region, P::DefaultTableAlignment, ""},
    {"END_TAGGED_TABLE", kDirEndTaggedTable, Action::Region, P::DefaultTableAlignment, ""},

    {"TABLE_ALIGN", kDirTableAlign, Action::Alignment, P::DefaultTableAlignment, "0"},
    {"TABLE_BORDER", kDirTableBorder, Action::Integer, P::DefaultTableBorderSize, "0"},
    {"TABLE_HEADER_ROWS", kDirTableHeaderRows, Action::Integer, P::DefaultTableHeaderRows, "0"},
    {"TABLE_HEADER_COLS", kDirTableHeaderCols, Action::Integer, P::DefaultTableHeaderCols, "0"},
    {"TABLE_HIDE_COLUMN", kDirTableHideColumn, Action::HideColumn, P::DefaultTableLayout, ""},
    {"TABLE_CELLPADDING", kDirTableCellPadding, Action::Integer, P::DefaultTableCellPadding, "0"},
    {"TABLE_CELLSPACING", kDirTableCellSpacing, Action::Integer, P::DefaultTableCellSpacing, "0"},
    {"TABLE_CELL_ALIGN", kDirTableCellAlign, Action::Alignment, P::DefaultTableCellAlignment, "0"},
    {"TABLE_MIN_COLUMN_SEPARATION", kDirTableMinColumnSeparation, Action::Integer, P::MinimumTableColumnSeparation, "0"},
    {"TABLE_MAY_BE_SPARSE", kDirTableMayBeSparse, Action::SetOne, P::ExpectSparseTables, ""},
    {"TABLE_CONVERT_XREFS", kDirTableConvertXrefs, Action::SetOne, P::ConvertTableXRefsToLinks, ""},
    {"TABLE_BGCOLOR", kDirTableBgColour, Action::Colour, P::DefaultTableColour, ""},
    {"TABLE_BORDERCOLOR", kDirTableBorderColour, Action::Colour, P::DefaultTableBorderColour, ""},
    {"TABLE_COLOUR_ROWS", kDirTableColourRows, Action::YesNo, P::ColourDataRows, ""},
    {"TABLE_COLOR_ROWS", kDirTableColourRows, Action::YesNo, P::ColourDataRows, ""},
    {"TABLE_ODD_ROW_COLOUR", kDirTableOddRowColour, Action::Colour, P::DefaultTableOddRowColour, "F0F0F0"},
    {"TABLE_ODD_ROW_COLOR", kDirTableOddRowColour, Action::Colour, P::DefaultTableOddRowColour, "F0F0F0"},
    {"TABLE_EVEN_ROW_COLOUR", kDirTableEvenRowColour, Action::Colour, P::DefaultTableEvenRowColour, "E0F0E0"},
    {"TABLE_EVEN_ROW_COLOR", kDirTableEvenRowColour, Action::Colour, P::DefaultTableEvenRowColour, "E0F0E0"},
    {"TABLE_USE_PERCENTAGES", kDirTableUsePercentages, Action::YesNo, P::UsePercentageWidthsInTables, ""},
    {"TABLE_ADD_TOTAL_WIDTH", kDirTableAddTotalWidth, Action::YesNo, P::AddTableWidthMarkup, ""},
    {"TABLE_CAPTION", kDirTableCaption, Action::Text, P::DefaultTableCaption, ""},
    {"TABLE_DELIMITER", kDirTableDelimiter, Action::Text, P::DefaultTableDelimiterCharacter, ""},
    {"TABLE_WIDTH", kDirTableWidth, Action::Text, P::DefaultTableWidth, ""},
    {"TABLE_LAYOUT", kDirTableLayout, Action::Layout, P::DefaultTableLayout, ""},

    {"CHANGE_POLICY", kDirChangePolicy, Action::ChangePolicy, P::DefaultTableLayout, ""},
    {"BEGIN_HTML", kDirBeginHtml, Action::HtmlBegin, P::DefaultTableLayout, ""},
    {"END_HTML", kDirEndHtml, Action::HtmlEnd, P::DefaultTableLayout, ""},
    {"DEFINE_BLOCK", kDirDefineBlock, Action::DefineBegin, P::DefaultTableLayout, ""},
    {"END_BLOCK", kDirEndBlock, Action::DefineEnd, P::DefaultTableLayout, ""},
    {"DEFINE_HTML_FRAGMENT", kDirDefineBlock, Action::DefineBegin, P::DefaultTableLayout, ""},
    {"PARA", kDirOther, Action::Keep, P::DefaultTableLayout, ""},
    {"LINERULE", kDirOther, Action::Keep, P::DefaultTableLayout, ""},
    {"BEGIN_ASCII", kDirSwallowed, Action::Swallow, P::DefaultTableLayout, ""},
    {"END_ASCII", kDirSwallowed, Action::Swallow, P::DefaultTableLayout, ""},
    {"BEGIN_IGNORE", kDirBeginIgnore, Action::IgnoreBegin, P::DefaultTableLayout, ""},
    {"END_IGNORE", kDirEndIgnore, Action::IgnoreEnd, P::DefaultTableLayout, ""},
    {"END_CODE", kDirSwallowed, Action::Swallow, P::DefaultTableLayout, ""},
    {"END_DIAGRAM", kDirSwallowed, Action::Swallow, P::DefaultTableLayout, ""},
    {"BEGIN_CONTENTS", kDirSwallowed, Action::Swallow, P::DefaultTableLayout, ""},
    {"END_CONTENTS", kDirSwallowed, Action::Swallow, P::DefaultTableLayout, ""},
    {"RESET_BLOCK", kDirSwallowed, Action::Swallow, P::DefaultTableLayout, ""},
    {"DEFINE_VARIABLE", kDirSwallowed, Action::Swallow, P::DefaultTableLayout, ""},
    {"RESET_HTML_FRAGMENT", kDirSwallowed, Action::Swallow, P::DefaultTableLayout, ""},
    {"ALLOW", kDirSwallowed, Action::Swallow, P::DefaultTableLayout, ""},
    {"DISALLOW", kDirSwallowed, Action::Swallow, P::DefaultTableLayout, ""},
};

std::string_view Prefix(const FC& fc) {
    const std::string_view prefix = fc.Text(P::DirectiveDelimiter).View();
    return prefix.empty() ? std::string_view("$_$_") : prefix;
}

bool IsKeywordChar(char c) {
    return std::isupper(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)) ||
           c == '_';
}

// The keyword a line starts with (after the prefix), longest first; null when none.
const Keyword* FindKeyword(const FC& fc, std::string_view line) {
    const std::string_view prefix = Prefix(fc);
    if (line.substr(0, prefix.size()) != prefix) return nullptr;
    const std::string_view rest = line.substr(prefix.size());
    const Keyword* best = nullptr;
    for (const Keyword& k : kKeywords) {
        if (rest.substr(0, k.name.size()) != k.name) continue;
        if (rest.size() > k.name.size() && IsKeywordChar(rest[k.name.size()])) continue;
        if (!best || k.name.size() > best->name.size()) best = &k;
    }
    return best;
}

const Keyword* KeywordOfCode(int code) {
    for (const Keyword& k : kKeywords)
        if (k.code == code) return &k;
    return nullptr;
}

std::string_view TrimBlanks(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

// The directive's value: the line without its keyword text, trimmed. False when the
// keyword text is not in the line.
bool ValueOf(FC& fc, const Keyword& keyword, std::string_view line, TextString& value) {
    TextString text(Prefix(fc));
    text.Append(keyword.name);
    const size_t at = line.find(text.View());
    if (at == std::string_view::npos) {
        if (fc.passHtml || fc.passRtf) {
            TextString message("TAG ERROR: Failed to remove directive \"");
            message.Append(text);
            message.Append("\" from input line (may be case sensitive)");
            fc.Issue(message, 10);
        }
        return false;
    }
    TextString rest(line.substr(0, at));
    rest.Append(line.substr(at + text.Length()));
    value.Assign(TrimBlanks(rest.View()));
    return true;
}

bool ParseInteger(std::string_view text, int& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

void BadAlignment(const FC& fc, std::string_view lead, std::string_view word, bool hasDefault) {
    TextString message(lead);
    message.Append(word);
    message.Append("' ");
    if (hasDefault) message.Append("using default value instead");
    fc.Issue(message, 10);
}

// The word an alignment is read from: the value of a name=value word, unquoted.
std::string_view AlignmentText(std::string_view word) {
    const size_t equals = word.find('=');
    if (equals != std::string_view::npos) word = word.substr(equals + 1);
    word = TrimBlanks(word);
    if (!word.empty() && (word.front() == '"' || word.front() == '\'')) word.remove_prefix(1);
    return word;
}

void OpenRegion(FC& fc, int code) {
    int& region = fc.documentCounters[kTableRegionCounter];
    switch (code) {
        case kDirBeginTable:
            if (fc.documentCounters[kHtmlBlockCounter] != 0) {
                fc.Issue("TAG ERROR: END_HTML not seen before BEGIN_TABLE", 10);
                fc.documentCounters[kHtmlBlockCounter] = 0;
            }
            break;
        case kDirBeginUserTable:
            if (region == kDirBeginUserTable) {
                fc.Issue("TAG ERROR: Ignoring BEGIN_USER_TABLE inside table."
                         "\n           - could be a duplicate"
                         "\n           - could be a missing END tag",
                         10);
                return;
            }
            break;
        default:
            break;
    }
    region = code;
    if (code != kDirBeginTaggedTable) fc.CreateNewTabConfig();
}

void SetFromValue(FC& fc, const Keyword& keyword, const TextString& value) {
    const bool none = value.View() == "(none)";
    switch (keyword.action) {
        case Action::Alignment: {
            const int code = none ? 0 : ParseAlignmentWord(fc, value.View(), 0);
            fc.SetTableValue(keyword.policy, code);
            break;
        }
        case Action::Integer: {
            int number = 0;
            if (none || ParseInteger(value.View(), number)) fc.SetTableValue(keyword.policy, number);
            break;
        }
        case Action::HideColumn: {
            // The whole input is one table region, so the directive always stands inside
            // a table: it hides a column of the configuration the table will be written with.
            int column = 0;
            std::vector<ColumnSpec>& specs = fc.NewestConfig().columnSpecs;
            if (ParseInteger(value.View(), column) && column >= 1 &&
                column <= static_cast<int>(specs.size()))
                specs[column - 1].hidden = true;
            break;
        }
        case Action::SetOne:
            fc.SetTableValue(keyword.policy, 1);
            break;
        case Action::Colour:
            if (none) fc.SetTableText(keyword.policy, keyword.none);
            else fc.SetTableColour(keyword.policy, value.View());
            break;
        case Action::YesNo:
            fc.SetTableValue(keyword.policy, EqualsNoCase(value.View(), "no") ? 0 : 1);
            break;
        case Action::Text:
            fc.SetTableText(keyword.policy, none ? keyword.none : value.View());
            break;
        case Action::Layout:
            fc.SetTableLayout(value.View());
            break;
        case Action::ChangePolicy: {
            TextString message("POLICY: Changed - ");
            message.Append(value);
            fc.Issue(message, 7);
            int group = 0;
            fc.ParsePolicyLine(value.View(), group, false);
            fc.Consolidate();
            break;
        }
        default:
            break;
    }
}

}  // namespace

int RecogniseDirective(const FC& fc, std::string_view line) {
    const Keyword* keyword = FindKeyword(fc, line);
    return keyword ? keyword->code : kDirNone;
}

int ExecuteDirective(FC& fc, int code, std::string_view line) {
    const Keyword* keyword = FindKeyword(fc, line);
    if (!keyword || keyword->code != code) keyword = KeywordOfCode(code);
    if (!keyword) return kLineOrdinary;

    switch (keyword->action) {
        case Action::Region:
            if (code >= kDirBeginTable && code <= kDirBeginTaggedTable) OpenRegion(fc, code);
            else fc.documentCounters[kTableRegionCounter] = 0;
            // These two never reach the block.
            return code == kDirBeginUserTable || code == kDirEndCommaDelimitedTable ? kLineSwallowed
                                                                                   : kLineDirective;
        case Action::HtmlBegin:
            fc.documentCounters[kHtmlBlockCounter] = 1;
            return kLineDirective;
        case Action::HtmlEnd:
            fc.documentCounters[kHtmlBlockCounter] = 0;
            return kLineDirective;
        case Action::Keep:
            return kLineDirective;
        case Action::Swallow:
            return kLineSwallowed;
        case Action::DefineBegin:
        case Action::IgnoreBegin:
            fc.documentCounters[kSwallowCounter] = code;
            return keyword->action == Action::DefineBegin ? kLineDirective : kLineSwallowed;
        case Action::DefineEnd:
        case Action::IgnoreEnd:
            fc.documentCounters[kSwallowCounter] = 0;
            return keyword->action == Action::DefineEnd ? kLineDirective : kLineSwallowed;
        default:
            break;
    }
    TextString value;
    if (ValueOf(fc, *keyword, line, value)) SetFromValue(fc, *keyword, value);
    return keyword->action == Action::ChangePolicy ? kLinePolicy : kLineDirective;
}

bool EndsSwallowedSection(int openCode, int lineCode) {
    return openCode == kDirBeginIgnore ? lineCode == kDirEndIgnore : lineCode == kDirEndBlock;
}

int ParseAlignmentWord(const FC& fc, std::string_view word, int fallback) {
    const std::string_view text = AlignmentText(word);
    switch (text.empty() ? 0 : std::toupper(static_cast<unsigned char>(text.front()))) {
        case 'L': return kAlignLeft;
        case 'C': return kAlignCentre;
        case 'R': return kAlignRight;
        case 'J': return kAlignJustify;
        default: break;
    }
    BadAlignment(fc, "TAG ERROR: Bad alignment code '", word, fallback >= 0);
    return fallback;
}

int ParseVerticalAlignmentWord(const FC& fc, std::string_view word, int fallback) {
    const std::string_view text = AlignmentText(word);
    switch (text.empty() ? 0 : std::toupper(static_cast<unsigned char>(text.front()))) {
        case 'T': return kVAlignTop;
        case 'B': return kVAlignBottom;
        case 'C': return kVAlignCentre;
        default: break;
    }
    BadAlignment(fc, "TAG ERROR: Bad vertical alignment code '", word, fallback >= 0);
    return fallback;
}

}  // namespace tabulyst
