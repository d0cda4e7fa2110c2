#include "input/directive_keywords.h"

#include <cctype>

namespace tabulyst {
namespace {

struct Keyword {
    std::string_view name;
    DirectiveCode code;
};

using D = DirectiveCode;

// Every directive keyword, once; two spellings may share a code.
constexpr Keyword kKeywords[] = {
    {"BEGIN_TABLE", D::BeginTable},
    {"BEGIN_USER_TABLE", D::BeginUserTable},
    {"BEGIN_DELIMITED_TABLE", D::BeginDelimitedTable},
    {"BEGIN_COMMA_DELIMITED_TABLE", D::BeginCommaDelimitedTable},
    {"BEGIN_TAGGED_TABLE", D::BeginTaggedTable},
    {"END_TABLE", D::EndTable},
    {"END_USER_TABLE", D::EndUserTable},
    {"END_DELIMITED_TABLE", D::EndDelimitedTable},
    {"END_COMMA_DELIMITED_TABLE", D::EndCommaDelimitedTable},
    {"END_TAGGED_TABLE", D::EndTaggedTable},

    {"TABLE_ALIGN", D::TableAlign},
    {"TABLE_BORDER", D::TableBorder},
    {"TABLE_HEADER_ROWS", D::TableHeaderRows},
    {"TABLE_HEADER_COLS", D::TableHeaderCols},
    {"TABLE_HIDE_COLUMN", D::TableHideColumn},
    {"TABLE_CELLPADDING", D::TableCellPadding},
    {"TABLE_CELLSPACING", D::TableCellSpacing},
    {"TABLE_CELL_ALIGN", D::TableCellAlign},
    {"TABLE_MIN_COLUMN_SEPARATION", D::TableMinColumnSeparation},
    {"TABLE_MAY_BE_SPARSE", D::TableMayBeSparse},
    {"TABLE_CONVERT_XREFS", D::TableConvertXrefs},
    {"TABLE_BGCOLOR", D::TableBgColour},
    {"TABLE_BORDERCOLOR", D::TableBorderColour},
    {"TABLE_COLOUR_ROWS", D::TableColourRows},
    {"TABLE_COLOR_ROWS", D::TableColourRows},
    {"TABLE_ODD_ROW_COLOUR", D::TableOddRowColour},
    {"TABLE_ODD_ROW_COLOR", D::TableOddRowColour},
    {"TABLE_EVEN_ROW_COLOUR", D::TableEvenRowColour},
    {"TABLE_EVEN_ROW_COLOR", D::TableEvenRowColour},
    {"TABLE_USE_PERCENTAGES", D::TableUsePercentages},
    {"TABLE_ADD_TOTAL_WIDTH", D::TableAddTotalWidth},
    {"TABLE_CAPTION", D::TableCaption},
    {"TABLE_DELIMITER", D::TableDelimiter},
    {"TABLE_WIDTH", D::TableWidth},
    {"TABLE_LAYOUT", D::TableLayout},

    {"CHANGE_POLICY", D::ChangePolicy},
    {"BEGIN_HTML", D::BeginHtml},
    {"END_HTML", D::EndHtml},
    {"DEFINE_BLOCK", D::DefineBlock},
    {"END_BLOCK", D::EndBlock},
    {"DEFINE_HTML_FRAGMENT", D::DefineBlock},
    {"PARA", D::Other},
    {"LINERULE", D::Other},
    {"BEGIN_ASCII", D::Swallowed},
    {"END_ASCII", D::Swallowed},
    {"BEGIN_IGNORE", D::BeginIgnore},
    {"END_IGNORE", D::EndIgnore},
    {"END_CODE", D::Swallowed},
    {"END_DIAGRAM", D::Swallowed},
    {"BEGIN_CONTENTS", D::Swallowed},
    {"END_CONTENTS", D::Swallowed},
    {"RESET_BLOCK", D::ResetBlock},
    {"DEFINE_VARIABLE", D::DefineVariable},
    {"RESET_HTML_FRAGMENT", D::ResetBlock},
    {"ALLOW", D::Swallowed},
    {"DISALLOW", D::Swallowed},
};

bool IsKeywordChar(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return std::isupper(byte) || std::isdigit(byte) || c == '_';
}

}  // namespace

DirectiveCode RecogniseDirective(std::string_view prefix, std::string_view line,
                                 std::string_view* keyword) {
    if (prefix.empty()) prefix = kDefaultDirectivePrefix;
    // Every line of every reading is asked: most fail at their first byte.
    if (line.empty() || line.front() != prefix.front() || line.substr(0, prefix.size()) != prefix)
        return D::None;
    const std::string_view rest = line.substr(prefix.size());
    const Keyword* best = nullptr;
    for (const Keyword& k : kKeywords) {
        if (rest.substr(0, k.name.size()) != k.name) continue;
        if (rest.size() > k.name.size() && IsKeywordChar(rest[k.name.size()])) continue;
        if (!best || k.name.size() > best->name.size()) best = &k;
    }
    if (!best) return D::None;
    if (keyword) *keyword = best->name;
    return best->code;
}

std::string_view DirectiveKeyword(DirectiveCode code) {
    for (const Keyword& k : kKeywords)
        if (k.code == code) return k.name;
    return {};
}

DirectiveRoute RouteOf(DirectiveCode code) {
    switch (code) {
        // A user table is declared by the whole input; the comma region's end closes
        // nothing that the table writer needs to see.
        case D::BeginUserTable:
        case D::EndCommaDelimitedTable:
        case D::Swallowed:
        case D::ResetBlock:
        case D::DefineVariable:
        case D::BeginIgnore:
        case D::EndIgnore:
            return DirectiveRoute::Reading;
        case D::ChangePolicy:
            return DirectiveRoute::Policy;
        default:
            return DirectiveRoute::Table;
    }
}

bool OpensSection(DirectiveCode code) { return code == D::DefineBlock || code == D::BeginIgnore; }

bool EndsSection(DirectiveCode open, DirectiveCode line) {
    return open == D::BeginIgnore ? line == D::EndIgnore : line == D::EndBlock;
}

}  // namespace tabulyst
