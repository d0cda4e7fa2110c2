#include "table/directives.h"

#include <cctype>
#include <charconv>

#include "policy/fc.h"

namespace tabulyst {
namespace {

using D = DirectiveCode;

// What a directive does with its value.
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
};

struct Effect {
    DirectiveCode code;
    Action action;
    P policy;
    std::string_view none;  // what "(none)" stands for
};

// What each directive changes; directives missing here change nothing.
constexpr Effect kEffects[] = {
    {D::BeginTable, Action::Region, P::DefaultTableAlignment, ""},
    {D::BeginUserTable, Action::Region, P::DefaultTableAlignment, ""},
    {D::BeginDelimitedTable, Action::Region, P::DefaultTableAlignment, ""},
    {D::BeginCommaDelimitedTable, Action::Region, P::DefaultTableAlignment, ""},
    {D::BeginTaggedTable, Action::Region, P::DefaultTableAlignment, ""},
    {D::EndTable, Action::Region, P::DefaultTableAlignment, ""},
    {D::EndUserTable, Action::Region, P::DefaultTableAlignment, ""},
    {D::EndDelimitedTable, Action::Region, P::DefaultTableAlignment, ""},
    {D::EndCommaDelimitedTable, Action::Region, P::DefaultTableAlignment, ""},
    {D::EndTaggedTable, Action::Region, P::DefaultTableAlignment, ""},

    {D::TableAlign, Action::Alignment, P::DefaultTableAlignment, "0"},
    {D::TableBorder, Action::Integer, P::DefaultTableBorderSize, "0"},
    {D::TableHeaderRows, Action::Integer, P::DefaultTableHeaderRows, "0"},
    {D::TableHeaderCols, Action::Integer, P::DefaultTableHeaderCols, "0"},
    {D::TableHideColumn, Action::HideColumn, P::DefaultTableLayout, ""},
    {D::TableCellPadding, Action::Integer, P::DefaultTableCellPadding, "0"},
    {D::TableCellSpacing, Action::Integer, P::DefaultTableCellSpacing, "0"},
    {D::TableCellAlign, Action::Alignment, P::DefaultTableCellAlignment, "0"},
    {D::TableMinColumnSeparation, Action::Integer, P::MinimumTableColumnSeparation, "0"},
    {D::TableMayBeSparse, Action::SetOne, P::ExpectSparseTables, ""},
    {D::TableConvertXrefs, Action::SetOne, P::ConvertTableXRefsToLinks, ""},
    {D::TableBgColour, Action::Colour, P::DefaultTableColour, ""},
    {D::TableBorderColour, Action::Colour, P::DefaultTableBorderColour, ""},
    {D::TableColourRows, Action::YesNo, P::ColourDataRows, ""},
    {D::TableOddRowColour, Action::Colour, P::DefaultTableOddRowColour, "F0F0F0"},
    {D::TableEvenRowColour, Action::Colour, P::DefaultTableEvenRowColour, "E0F0E0"},
    {D::TableUsePercentages, Action::YesNo, P::UsePercentageWidthsInTables, ""},
    {D::TableAddTotalWidth, Action::YesNo, P::AddTableWidthMarkup, ""},
    {D::TableCaption, Action::Text, P::DefaultTableCaption, ""},
    {D::TableDelimiter, Action::Text, P::DefaultTableDelimiterCharacter, ""},
    {D::TableWidth, Action::Text, P::DefaultTableWidth, ""},
    {D::TableLayout, Action::Layout, P::DefaultTableLayout, ""},

    {D::ChangePolicy, Action::ChangePolicy, P::DefaultTableLayout, ""},
    {D::BeginHtml, Action::HtmlBegin, P::DefaultTableLayout, ""},
    {D::EndHtml, Action::HtmlEnd, P::DefaultTableLayout, ""},
};

const Effect* EffectOf(DirectiveCode code) {
    for (const Effect& e : kEffects)
        if (e.code == code) return &e;
    return nullptr;
}

std::string_view Prefix(const FC& fc) {
    const std::string_view prefix = fc.Text(P::DirectiveDelimiter).View();
    return prefix.empty() ? kDefaultDirectivePrefix : prefix;
}

// The directive's value: the line without its keyword text, trimmed. False when the
// keyword text is not in the line.
bool ValueOf(const FC& fc, DirectiveCode code, std::string_view line, TextString& value) {
    std::string_view keyword;
    if (RecogniseDirective(Prefix(fc), line, &keyword) != code) keyword = DirectiveKeyword(code);
    TextString text(Prefix(fc));
    text.Append(keyword);
    const size_t at = line.find(text.View());
    if (at == std::string_view::npos) {
        TextString message("TAG ERROR: Failed to remove directive \"");
        message.Append(text);
        message.Append("\" from input line (may be case sensitive)");
        fc.Issue(message, 10);
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

void OpenRegion(FC& fc, DirectiveCode code) {
    int& region = fc.documentCounters[kTableRegionCounter];
    if (code == D::BeginTable && fc.documentCounters[kHtmlBlockCounter] != 0) {
        fc.Issue("TAG ERROR: END_HTML not seen before BEGIN_TABLE", 10);
        fc.documentCounters[kHtmlBlockCounter] = 0;
    }
    if (code == D::BeginUserTable && region == static_cast<int>(D::BeginUserTable)) {
        fc.Issue(
            "TAG ERROR: Ignoring BEGIN_USER_TABLE inside table."
            "\n           - could be a duplicate"
            "\n           - could be a missing END tag",
            10);
        return;
    }
    region = static_cast<int>(code);
}

// Directives that mean nothing to a tagged table: its header rows are its rows of head cells,
// and its columns come from its cell tags.
bool IgnoredInTaggedTable(DirectiveCode code) {
    return code == D::TableHeaderRows || code == D::TableMinColumnSeparation ||
           code == D::TableMayBeSparse || code == D::TableDelimiter;
}

bool OpensRegion(DirectiveCode code) {
    return code == D::BeginTable || code == D::BeginUserTable || code == D::BeginDelimitedTable ||
           code == D::BeginCommaDelimitedTable || code == D::BeginTaggedTable;
}

void SetFromValue(FC& fc, const Effect& effect, const TextString& value) {
    const bool none = value.View() == "(none)";
    switch (effect.action) {
        case Action::Alignment: {
            const int code = none ? 0 : ParseAlignmentWord(fc, value.View(), 0);
            fc.SetTableValue(effect.policy, code);
            break;
        }
        case Action::Integer: {
            int number = 0;
            if (none || ParseInteger(value.View(), number)) fc.SetTableValue(effect.policy, number);
            break;
        }
        case Action::HideColumn: {
            // The whole input is one table region, so the directive always stands inside
            // a table: it hides a column of the configuration the table will be written with.
            int column = 0;
            std::vector<ColumnSpec>& specs = fc.BaseConfig().columnSpecs;
            if (ParseInteger(value.View(), column) && column >= 1 &&
                column <= static_cast<int>(specs.size()))
                specs[column - 1].hidden = true;
            break;
        }
        case Action::SetOne:
            fc.SetTableValue(effect.policy, 1);
            break;
        case Action::Colour:
            if (none)
                fc.SetTableText(effect.policy, effect.none);
            else
                fc.SetTableColour(effect.policy, value.View());
            break;
        case Action::YesNo:
            fc.SetTableValue(effect.policy, EqualsNoCase(value.View(), "no") ? 0 : 1);
            break;
        case Action::Text:
            fc.SetTableText(effect.policy, none ? effect.none : value.View());
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

void ExecuteDirective(FC& fc, DirectiveCode code, std::string_view line) {
    const Effect* effect = EffectOf(code);
    if (!effect) return;
    switch (effect->action) {
        case Action::Region:
            if (OpensRegion(code))
                OpenRegion(fc, code);
            else
                fc.documentCounters[kTableRegionCounter] = 0;
            return;
        case Action::HtmlBegin:
            fc.documentCounters[kHtmlBlockCounter] = 1;
            return;
        case Action::HtmlEnd:
            fc.documentCounters[kHtmlBlockCounter] = 0;
            return;
        default:
            break;
    }
    if (IgnoredInTaggedTable(code) &&
        fc.documentCounters[kTableRegionCounter] == static_cast<int>(D::BeginTaggedTable)) {
        TextString message("TAG ERROR: Ignoring directive in user table - ");
        message.Append(line);
        fc.Issue(message, 10);
        return;
    }
    TextString value;
    if (ValueOf(fc, code, line, value)) SetFromValue(fc, *effect, value);
}

int ParseAlignmentWord(const FC& fc, std::string_view word, int fallback) {
    const std::string_view text = AlignmentText(word);
    switch (text.empty() ? 0 : std::toupper(static_cast<unsigned char>(text.front()))) {
        case 'L':
            return kAlignLeft;
        case 'C':
            return kAlignCentre;
        case 'R':
            return kAlignRight;
        case 'J':
            return kAlignJustify;
        default:
            break;
    }
    BadAlignment(fc, "TAG ERROR: Bad alignment code '", word, fallback >= 0);
    return fallback;
}

int ParseVerticalAlignmentWord(const FC& fc, std::string_view word, int fallback) {
    const std::string_view text = AlignmentText(word);
    switch (text.empty() ? 0 : std::toupper(static_cast<unsigned char>(text.front()))) {
        case 'T':
            return kVAlignTop;
        case 'B':
            return kVAlignBottom;
        case 'C':
            return kVAlignCentre;
        default:
            break;
    }
    BadAlignment(fc, "TAG ERROR: Bad vertical alignment code '", word, fallback >= 0);
    return fallback;
}

}  // namespace tabulyst
