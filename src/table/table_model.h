// The table being analysed and written: its lines, columns, cells and result flags.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "core/formats.h"
#include "core/text_string.h"
#include "input/source_line.h"
#include "policy/fonts.h"
#include "policy/tab_config.h"
#include "table/line_source.h"

namespace tabulyst {

class FC;

// What a region turned out to be.
enum class BlockKind : uint8_t {
    PlainText,  // automatically detected table
    UserTable,  // user-specified plain-text table
    Delimited,
    Tagged,
    CodeSample,
    Preformatted,
    Diagram,
    MailHeader,
    TextBlock,
};

// One column of the table: the blank gap that ends it and what its cells are like.
struct TableColumn {
    int gapStart = -1;
    int gapEnd = -1;
    int boundary = -1;
    int score = -1;
    int span = 1;   // used by merging; at least 1
    int width = 0;  // characters
    int align = kAlignLeft;
    int markedAlign = kAlignNone;  // what the colons of a markdown delimiter row ask for
    bool mostlyEmpty = false;
    bool entirelyEmpty = false;
    bool textColumn = false;
    bool symbolColumn = false;
    bool numericColumn = false;
};

// What the in-cell tags of a tagged table ask of a cell, beyond its text and alignment.
struct CellTags {
    std::string font;      // a FONT tag's font: a specification or a named font
    std::string colour;    // a COLOUR tag's colour, checked
    std::string currency;  // a CURRENCY tag's sign, set at the cell's left edge
    int stubIndent = 0;    // levels a STUB_INDENT tag indents the text by
    bool leaders = false;  // a DOT_LEADERS tag: dots lead from the text to the cell's edge
    bool Any() const {
        return stubIndent > 0 || leaders || !font.empty() || !colour.empty() || !currency.empty();
    }
};

// One cell of a line or of a row. Its text is the source text, trimmed; the lines of a cell
// that spans several source lines are joined by line feeds, which no source line holds.
// Writers escape each line and join them their own way.
struct TableCell {
    std::string text;
    int lines = 0;  // number of text lines
    int colSpan = 1;
    int rowSpan = 1;
    int align = kAlignNone;
    int valign = kVAlignNone;
    int valignOverride = kVAlignNone;
    int crossings = 0;        // column boundaries its text crosses
    int kind = 0;             // 1 and 2: set by in-cell tags, no closing "<BR>"
    bool symbol = false;      // classification for the column statistics
    bool rowSpanned = false;  // tagged tables: covered by a cell of a row above (ROWSPAN)
    // Tagged tables: font, colour, leaders and the like. Held apart, as most cells have none
    // and cells pass between threads by the million.
    std::shared_ptr<const CellTags> tags;
    const CellTags& Tags() const {
        static const CellTags none;
        return tags ? *tags : none;
    }
    void Reset() {
        text.clear();
        lines = 0;
        colSpan = rowSpan = 1;
        align = valign = valignOverride = kVAlignNone;
        crossings = kind = 0;
        symbol = rowSpanned = false;
        tags.reset();
    }
};

// No one lays out a table in columns across lines wider than this (unless a layout says
// where the columns are); the statistics of every position of such a line would cost many
// times the line itself.
inline constexpr int kWidestTable = 32768;

// Per character position, over the non-blank lines of a plain-text block: how many lines
// hold a blank and how many a column separator there, and how many end at each length.
struct PositionTally {
    std::vector<int> blanks;
    std::vector<int> separators;
    std::vector<int> endsAt;
    int samples = 0;
    bool valid = true;  // false once a line was too wide to be counted

    // Counts a line's first `width` positions (all beyond count as blank).
    void Add(std::string_view text, size_t width);
    // Adds another tally's counts.
    void Absorb(const PositionTally& other);
    // Gives the counts exactly `width` positions: lines longer end at the last.
    void Fit(size_t width);

  private:
    void CountBytes(std::string_view text, size_t from, size_t to);
};

// One table region: collected line by line, then analysed and written once. The block
// keeps the measures of its lines; their texts are read again, pass by pass, from its own
// memory or from the source it was given.
class TableBlock {
  public:
    explicit TableBlock(FC& fc, TableFormat format = TableFormat::User);
    ~TableBlock();
    TableBlock(const TableBlock&) = delete;
    TableBlock& operator=(const TableBlock&) = delete;

    // Takes a source line's measures (widest and narrowest line, indent, mail-header count);
    // the block keeps the line itself unless it reads its lines from a source.
    void AddLine(const SourceLine& line);
    void AddLine(std::string_view raw, std::string_view expanded);
    // Reads the lines again from this source (not owned) instead of keeping them; set before
    // the first line is added.
    void ReadLinesFrom(LineSource* source) { source_ = source; }
    // Where the lines are read from.
    LineSource& Lines() const;
    // The number of lines added.
    int LineCount() const { return lineCount; }
    // The number of the source line that gave line `index` of the block; 0 when unknown.
    int SourceLineNumber(int index) const;
    // A directive line of the region: executed already, it takes no line position, but a
    // tagged-table directive makes the region a tagged table.
    void NoteDirective(DirectiveCode code);
    // Analyses the region as the format code says (a TableFormat, a pre-formatted kind, or
    // an unsupported code, which is reported).
    void Analyse(int formatCode);

    FC& fc;
    TabConfig* config = nullptr;  // the configuration the table is analysed and written with
    TableFormat format = TableFormat::User;

    int lineCount = 0;
    BlockKind kind = BlockKind::PlainText;
    bool isTable = true;
    bool isDiagram = false;
    bool isCodeSample = false;
    bool isMailHeader = false;
    bool blankLineSeparated = false;
    bool separatorColumns = false;
    bool userLayout = false;
    bool barColumns = false;    // cells cut at each line's own bars (a pipe table)
    bool taggedRegion = false;  // a BEGIN_TAGGED_TABLE directive opened the region

    // Classification counters.
    int blankLines = 0;
    int codeLines = 0;
    int ruleLines = 0;
    int mailHeaderLines = 0;
    int firstRule = -1;
    int secondRule = -1;
    int lastRule = -1;
    // Rule flags of lines 0 to 4 (bit i for line i) and of the last two lines (bit 0 for the
    // last): what header recognition asks of single lines.
    unsigned leadingRules = 0;
    unsigned trailingRules = 0;
    int leadingBlankLines = 0;  // blank lines before the first line with text
    int doubleBarRows = 0;      // leading wiki-table lines whose cells are parted by "||"
    int delimiterRow = -1;      // the first rule line, when it is a markdown delimiter row
    int crossingTotal = 0;      // extra columns covered by crossing cells
    int crossingCells = 0;
    int crossingLines = 0;
    // The column statistics last built and what they were built from: the analysis often
    // tries a wider separation that finds the very same columns (see BuildColumnStatistics).
    struct StatisticsMemo {
        bool valid = false;
        std::vector<TableColumn> columns;  // flags and all
        BlockKind kind = BlockKind::PlainText;
        bool barColumns = false;
        int widest = 0;
        int removedIndent = 0;
        int classifiedIndent = 0;
        int firstAnalysedLine = 0;
        int lineCount = 0;
        int crossingTotal = 0;
        int crossingCells = 0;
        int crossingLines = 0;
    } statisticsMemo;

    int firstAnalysedLine = 0;
    int widest = 0;
    int narrowest = 0;
    int commonIndent = 80;  // smallest indent of non-blank, non-rule lines; 80 when none
    int removedIndent = 0;  // what the analysis removed of it from every line
    // The indent that was removed when the lines were classified: a blank or rule line stays
    // one when the indent is put back.
    int classifiedIndent = 0;

    // Tagged tables: the rows (lines with cells), whether any cell has dot leaders, and
    // where the cells of each row go while the lines are cut in order.
    int taggedRows = 0;
    bool dotLeaders = false;
    struct RowSpans {
        std::vector<int> cover;       // per column: the rows below still covered from above
        std::vector<int> coverSpan;   // per column: the columns the covering cell starting
                                      // there spans (0 where none starts)
        int lastLine = -1;            // the last line cut; cutting an earlier one starts afresh
        int row = 0;                  // the rows cut so far
        int rowValign = kVAlignNone;  // the vertical alignment the last line gives its row
    } spans;

    char delimiter = '\t';
    std::vector<TableColumn> columns;
    std::vector<TableCell> cells;  // the row being built
    int headerRows = 0;
    int headerCols = 0;
    bool hasHeader = false;

    // Lines are classified (and delimited fields counted, and the character positions of
    // plain text counted) as they are added; the analysis takes the tally when nothing it
    // depends on changed meanwhile.
    struct LineTally {
        char delimiter = 0;  // delimited lines: the delimiter they were counted with
        bool valid = true;
        size_t columns = 0;
        bool plain = false;       // the lines were classified as plain text, tabs expanded
        bool bars = false;        // a line holds a "|": the block may be a pipe or wiki table
        PositionTally positions;  // plain text, no indent removed, no header left out
    } tally;

  private:
    void TallyDelimited(std::string_view raw);
    void TallyPositions(bool blank, std::string_view full);

    mutable MemoryLines ownLines_;
    LineSource* source_ = nullptr;
    // Where the source numbering of the lines jumps (lines left out of the table lie
    // between): the block index and the number of the line there. Lines in between are
    // numbered on from it.
    std::vector<std::pair<int, int>> numberJumps_;
};

// True for rule text: runs of one of '-', '_', '=' separated by single blanks.
bool IsRuleText(std::string_view text);

}  // namespace tabulyst
