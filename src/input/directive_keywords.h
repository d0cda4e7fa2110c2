// Directives in the source text: the keyword a line starts with, and what the reading does
// with the line. What a directive changes is the table layer's business (table/directives.h).
#pragma once

#include <cstdint>
#include <string_view>

namespace tabulyst {

// Every directive this program tells apart; None for a line that is no directive.
enum class DirectiveCode : int16_t {
    None,
    // Table regions.
    BeginTable,
    BeginUserTable,
    BeginDelimitedTable,
    BeginCommaDelimitedTable,
    BeginTaggedTable,
    EndTable,
    EndUserTable,
    EndDelimitedTable,
    EndCommaDelimitedTable,
    EndTaggedTable,
    // Table policies.
    TableAlign,
    TableBorder,
    TableHeaderRows,
    TableHeaderCols,
    TableHideColumn,
    TableCellPadding,
    TableCellSpacing,
    TableCellAlign,
    TableMinColumnSeparation,
    TableMayBeSparse,
    TableConvertXrefs,
    TableBgColour,
    TableBorderColour,
    TableColourRows,
    TableOddRowColour,
    TableEvenRowColour,
    TableUsePercentages,
    TableAddTotalWidth,
    TableCaption,
    TableDelimiter,
    TableWidth,
    TableLayout,
    // A policy line of its own.
    ChangePolicy,
    // Directives of the text-document analysis that only need keeping out of the rows
    // (or, for those that never reach the table, out of the block altogether).
    BeginHtml,
    EndHtml,
    Other,
    Swallowed,
    DefineBlock,  // DEFINE_BLOCK, DEFINE_HTML_FRAGMENT
    EndBlock,
    ResetBlock,  // RESET_BLOCK, RESET_HTML_FRAGMENT
    DefineVariable,
    BeginIgnore,
    EndIgnore,
};

// The prefix of directives when the policies give none.
inline constexpr std::string_view kDefaultDirectivePrefix = "$_$_";

// The directive a line starts with: the prefix followed by a keyword (the longest that
// matches, ending at a character that cannot continue a keyword); None when there is none.
// `keyword`, when given, receives the spelling that matched.
DirectiveCode RecogniseDirective(std::string_view prefix, std::string_view line,
                                 std::string_view* keyword = nullptr);
// The keyword text of a directive code (its first spelling); empty for None.
std::string_view DirectiveKeyword(DirectiveCode code);

// How a directive's line goes on after the reading.
enum class DirectiveRoute : uint8_t {
    Table,    // executed, then kept out of the rows
    Reading,  // steers the reading only: never reaches the table
    Policy,   // a policy line
};
DirectiveRoute RouteOf(DirectiveCode code);

// Block definitions and ignored sections: their lines up to the matching end never reach
// the table and are not executed.
bool OpensSection(DirectiveCode code);
bool EndsSection(DirectiveCode open, DirectiveCode line);

}  // namespace tabulyst
