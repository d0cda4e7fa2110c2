// Table directives in the source text: region keywords and table policy keywords.
#pragma once

#include <string_view>

namespace tabulyst {

class FC;

// Directive codes as RecogniseDirective returns them (0: no directive).
enum DirectiveCode : int {
    kDirNone = 0,
    // Regions.
    kDirBeginTable,
    kDirBeginUserTable,
    kDirBeginDelimitedTable,
    kDirBeginCommaDelimitedTable,
    kDirBeginTaggedTable,
    kDirEndTable,
    kDirEndUserTable,
    kDirEndDelimitedTable,
    kDirEndCommaDelimitedTable,
    kDirEndTaggedTable,
    // Table policies.
    kDirTableAlign,
    kDirTableBorder,
    kDirTableHeaderRows,
    kDirTableHeaderCols,
    kDirTableHideColumn,
    kDirTableCellPadding,
    kDirTableCellSpacing,
    kDirTableCellAlign,
    kDirTableMinColumnSeparation,
    kDirTableMayBeSparse,
    kDirTableConvertXrefs,
    kDirTableBgColour,
    kDirTableBorderColour,
    kDirTableColourRows,
    kDirTableOddRowColour,
    kDirTableEvenRowColour,
    kDirTableUsePercentages,
    kDirTableAddTotalWidth,
    kDirTableCaption,
    kDirTableDelimiter,
    kDirTableWidth,
    kDirTableLayout,
    // A policy line of its own.
    kDirChangePolicy,
    // Directives of the text-document analysis that only need keeping out of the rows
    // (or, for those that never reach the table, out of the block altogether).
    kDirBeginHtml,
    kDirEndHtml,
    kDirOther,
    kDirSwallowed,
    kDirDefineBlock,   // DEFINE_BLOCK, DEFINE_HTML_FRAGMENT
    kDirEndBlock,
    kDirBeginIgnore,
    kDirEndIgnore,
};

// Index of FC::documentCounters that holds whether a BEGIN_HTML block is open.
inline constexpr int kHtmlBlockCounter = 1;
// Index of FC::documentCounters that holds the directive code of the open table region.
inline constexpr int kTableRegionCounter = 2;
// Index of FC::documentCounters that holds the directive code of an open block definition
// or ignored section, whose lines never reach the table.
inline constexpr int kSwallowCounter = 3;
// Whether a line read while a definition or ignored section is open ends it.
bool EndsSwallowedSection(int openCode, int lineCode);

// Recognises a directive at the very start of a line (the "Directive delimiter" followed
// by a keyword); returns its code, 0 when the line is no directive.
int RecogniseDirective(const FC& fc, std::string_view line);
// Executes a directive met while the source is read (policy keywords change the newest
// table configuration; CHANGE_POLICY changes the working set) and returns the line kind
// (see LineKind in input/source_line.h) under which it continues.
int ExecuteDirective(FC& fc, int code, std::string_view line);

// Alignment code of a word: first letter L, C, R or J in either case; a word of the form
// name=value is read from its value. Other words report the bad code and give `fallback`.
int ParseAlignmentWord(const FC& fc, std::string_view word, int fallback);
// Vertical alignment code of a word: T, B or C; other words report and give `fallback`.
int ParseVerticalAlignmentWord(const FC& fc, std::string_view word, int fallback);

}  // namespace tabulyst
