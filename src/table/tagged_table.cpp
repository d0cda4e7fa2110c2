#include "table/tagged_table.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "policy/colours.h"
#include "policy/fc.h"
#include "table/analysis.h"
#include "table/cell_cutting.h"
#include "table/classify.h"
#include "table/directives.h"
#include "table/line_pass.h"

namespace tabulyst {
namespace {

// The tags this module reads; every other in-line tag stays in the cell text.
enum class TagKind {
    NewRow,
    HeadCell,
    DataCell,
    ColumnDetails,
    // Tags that set a property of the cell they stand in.
    Valign,
    Font,
    Colour,
    DotLeaders,
    Currency,
    StubIndent,
    TocLink,
    Other
};

struct TagName {
    std::string_view name;
    TagKind kind;
};
constexpr TagName kTagNames[] = {
    {"NEW_ROW", TagKind::NewRow},
    {"HEAD_CELL", TagKind::HeadCell},
    {"DATA_CELL", TagKind::DataCell},
    {"NEW_CELL", TagKind::DataCell},
    {"COLUMN_DETAILS", TagKind::ColumnDetails},
    {"VALIGN", TagKind::Valign},
    {"VERTICAL_ALIGNMENT", TagKind::Valign},
    {"FONT", TagKind::Font},
    {"COLOUR", TagKind::Colour},
    {"COLOR", TagKind::Colour},
    {"DOT_LEADERS", TagKind::DotLeaders},
    {"CURRENCY", TagKind::Currency},
    {"STUB_INDENT", TagKind::StubIndent},
    {"TOCLINK", TagKind::TocLink},
};

// The sign a CURRENCY tag without one sets.
constexpr std::string_view kDefaultCurrency = "$";
// The most columns a tagged table has, and a cell spans (HTML allows no wider span).
constexpr int kMostColumns = 1000;

// One cell as the tags give it, before escaping. Argument texts are read when the cell is
// written, so that the analysis reports nothing twice.
struct TaggedCell {
    std::string text;
    bool head = false;
    int span = 1;
    int askedSpan = 1;  // the COLSPAN as written
    int rowSpan = 1;
    std::string_view align;
    std::string_view valign;  // the VALIGN= argument, or the word of a VALIGN tag
    std::string_view font;
    std::string_view colour;
    std::string_view currency;
    int stubIndent = 0;   // the first STUB_INDENT tag's levels
    int stubIndents = 0;  // how many STUB_INDENT tags the cell holds
    bool leaders = false;
    int tocLinks = 0;
};

// One line as the tags give it.
struct TaggedLine {
    std::vector<TaggedCell> cells;
    std::vector<std::string_view> columnDetails;  // the arguments of each COLUMN_DETAILS
    std::string unplaced;                         // text before the first cell tag
    std::string_view rowValign;                   // a vertical alignment tag before the first cell
    std::string_view rowValignTag;                // its name
    bool anyTag = false;
};

TagKind KindOf(std::string_view name) {
    for (const TagName& tag : kTagNames)
        if (tag.name == name) return tag.kind;
    return TagKind::Other;
}

// The value of NAME=value among blank-separated arguments; empty when absent.
std::string_view Argument(std::string_view arguments, std::string_view name) {
    size_t i = 0;
    while (i < arguments.size()) {
        while (i < arguments.size() && arguments[i] == ' ') ++i;
        size_t end = arguments.find(' ', i);
        if (end == std::string_view::npos) end = arguments.size();
        const std::string_view word = arguments.substr(i, end - i);
        const size_t equals = word.find('=');
        if (equals != std::string_view::npos && EqualsNoCase(word.substr(0, equals), name))
            return word.substr(equals + 1);
        i = end;
    }
    return {};
}

int PositiveNumber(std::string_view text, int fallback) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 1 ? value
                                                                                  : fallback;
}

// Applies a tag that sets a property of the cell it stands in.
void ApplyCellTag(TagKind kind, std::string_view arguments, TaggedCell& cell) {
    switch (kind) {
        case TagKind::Valign:
            cell.valign = arguments;
            break;
        case TagKind::Font:
            cell.font = arguments;
            break;
        case TagKind::Colour:
            cell.colour = arguments;
            break;
        case TagKind::DotLeaders:
            cell.leaders = true;
            break;
        case TagKind::Currency:
            cell.currency = arguments.empty() ? kDefaultCurrency : arguments;
            break;
        case TagKind::StubIndent:
            if (cell.stubIndents++ == 0) cell.stubIndent = PositiveNumber(arguments, 1);
            break;
        case TagKind::TocLink:
            ++cell.tocLinks;
            break;
        default:
            break;
    }
}

TaggedLine ParseLine(const TableBlock& block, std::string_view text) {
    TaggedLine line;
    const std::string_view open = block.fc.Text(P::StartTagDelimiter).View();
    const std::string_view close = block.fc.Text(P::EndTagDelimiter).View();
    auto addText = [&line](std::string_view piece) {
        if (line.cells.empty())
            line.unplaced.append(piece);
        else
            line.cells.back().text.append(piece);
    };
    size_t p = 0;
    while (p < text.size()) {
        const size_t start = open.empty() ? std::string_view::npos : text.find(open, p);
        const size_t end = start == std::string_view::npos || close.empty()
                               ? std::string_view::npos
                               : text.find(close, start + open.size());
        if (end == std::string_view::npos) {
            addText(text.substr(p));
            break;
        }
        addText(text.substr(p, start - p));
        const std::string_view whole = text.substr(start, end + close.size() - start);
        const std::string_view inside =
            TrimBlanks(text.substr(start + open.size(), end - start - open.size()));
        const size_t blank = inside.find(' ');
        const std::string_view name = inside.substr(0, blank);
        const std::string_view arguments =
            blank == std::string_view::npos ? "" : TrimBlanks(inside.substr(blank + 1));
        const TagKind kind = KindOf(name);
        switch (kind) {
            case TagKind::HeadCell:
            case TagKind::DataCell: {
                TaggedCell cell;
                cell.head = kind == TagKind::HeadCell;
                cell.askedSpan = PositiveNumber(Argument(arguments, "COLSPAN"), 1);
                cell.span = std::min(cell.askedSpan, kMostColumns);
                cell.rowSpan = PositiveNumber(Argument(arguments, "ROWSPAN"), 1);
                cell.align = Argument(arguments, "ALIGN");
                cell.valign = Argument(arguments, "VALIGN");
                line.cells.push_back(std::move(cell));
                line.anyTag = true;
                break;
            }
            case TagKind::NewRow:
                line.anyTag = true;
                break;
            case TagKind::ColumnDetails:
                line.columnDetails.push_back(arguments);
                line.anyTag = true;
                break;
            case TagKind::Other:
                addText(whole);
                break;
            default:
                if (!line.cells.empty()) {
                    ApplyCellTag(kind, arguments, line.cells.back());
                } else if (kind == TagKind::Valign) {
                    line.rowValign = arguments;  // before the first cell: the row's
                    line.rowValignTag = name;
                } else {
                    addText(whole);  // a cell's tag where there is no cell yet
                }
                break;
        }
        p = end + close.size();
    }
    return line;
}

bool StartsWithRowOrCellTag(const TableBlock& block, std::string_view text) {
    const std::string_view open = block.fc.Text(P::StartTagDelimiter).View();
    text = TrimBlanks(text);
    if (open.empty() || text.substr(0, open.size()) != open) return false;
    text.remove_prefix(open.size());
    for (const TagName& tag : kTagNames)
        if ((tag.kind == TagKind::NewRow || tag.kind == TagKind::HeadCell ||
             tag.kind == TagKind::DataCell) &&
            text.substr(0, tag.name.size()) == tag.name)
            return true;
    return false;
}

// The cells of a line that is a row, text before the first cell tag being a cell of its own;
// empty for a line that is no row.
std::vector<TaggedCell>& RowCells(TaggedLine& line) {
    const std::string_view unplaced = TrimBlanks(line.unplaced);
    if (!unplaced.empty()) {
        TaggedCell cell;
        cell.text.assign(unplaced);
        line.cells.insert(line.cells.begin(), std::move(cell));
    }
    return line.cells;
}

// Places one row's cells: each at the next column that no cell of a row above still covers
// (ROWSPAN). A span that would run into such a column is cut there, and `overlap` is told
// the column. `starts` receives each cell's first column, `above` the columns covered from
// above. The row spans are held to the `rowsLeft` rows from this one on, the columns to
// kMostColumns: a cell beyond them starts there and spans nothing.
template <typename Overlap>
void PlaceRow(TableBlock::RowSpans& spans, std::vector<TaggedCell>& cells, std::vector<int>& starts,
              std::vector<char>& above, int rowsLeft, Overlap overlap) {
    above.assign(spans.cover.size(), 0);
    for (size_t c = 0; c < spans.cover.size(); ++c) above[c] = spans.cover[c] > 0;
    auto taken = [&above](int c) { return c < static_cast<int>(above.size()) && above[c]; };
    starts.clear();
    int col = 0;
    for (TaggedCell& cell : cells) {
        while (taken(col)) ++col;
        col = std::min(col, kMostColumns);
        cell.span = std::min(cell.span, kMostColumns - col);
        starts.push_back(col);
        for (int k = 1; k < cell.span; ++k) {
            if (!taken(col + k)) continue;
            overlap(col + k);
            cell.span = k;
        }
        col += cell.span;
    }
    for (int& rows : spans.cover)
        if (rows > 0) --rows;
    for (size_t i = 0; i < cells.size(); ++i) {
        TaggedCell& cell = cells[i];
        cell.rowSpan = std::min(cell.rowSpan, std::max(rowsLeft, 1));
        if (cell.rowSpan <= 1 || cell.span < 1) continue;
        const size_t start = static_cast<size_t>(starts[i]);
        const size_t end = start + static_cast<size_t>(cell.span);
        if (spans.cover.size() < end) {
            spans.cover.resize(end, 0);
            spans.coverSpan.resize(end, 0);
        }
        for (size_t k = start; k < end; ++k) {
            spans.cover[k] = std::max(spans.cover[k], cell.rowSpan - 1);
            spans.coverSpan[k] = k == start ? cell.span : 0;
        }
    }
    ++spans.row;
}

// The font a FONT tag names, or empty (reported when writing) when it names none.
std::string CheckedFont(const TableBlock& block, std::string_view font, bool writing) {
    if (font.empty()) return {};
    if (const ProgramSettings* settings = block.fc.Settings())
        for (const FontSpec& named : settings->styles)
            if (EqualsNoCase(named.name.View(), font)) return std::string(font);
    if (IsFontSpec(font)) return std::string(font);
    if (writing) {
        TextString message("TAG ERROR: Failed to parse FONT tag \"");
        message.Append(font);
        message.Append("\"");
        block.fc.Issue(message, 10);
    }
    return {};
}

// The colour of a COLOUR tag, normalised; a colour that is no standard one is reported
// (when writing) and kept, as the table colour directives do.
std::string CheckedColour(const TableBlock& block, std::string_view colour, bool writing) {
    if (colour.empty()) return {};
    TextString normalised;
    if (!CheckColour(colour, normalised) && writing)
        block.fc.Issue(NonStandardColourMessage(colour), 7);
    return normalised.Str();
}

// What the tags of a cell say that a writer must know, and what is wrong with them.
void TakeCellTags(TableBlock& block, const TaggedCell& source, bool writing, TableCell& cell) {
    CellTags tags;
    tags.font = CheckedFont(block, TrimBlanks(source.font), writing);
    tags.colour = CheckedColour(block, TrimBlanks(source.colour), writing);
    tags.currency.assign(TrimBlanks(source.currency));
    tags.leaders = source.leaders;
    if (source.stubIndents > 0 && source.head) {
        if (writing) block.fc.Issue("TAG ERROR: STUB_INDENT tag only allowed in data cells", 10);
    } else {
        tags.stubIndent = source.stubIndent;
        if (source.stubIndents > 1 && writing)
            block.fc.Issue("WARNING: STUB_INDENT multiply defined", 10);
    }
    cell.tags = std::make_shared<const CellTags>(std::move(tags));
}

}  // namespace

bool IsTaggedBlock(const TableBlock& block) {
    if (block.taggedRegion) return true;
    // The first line with text decides.
    for (LinePass line(block); line.Next();)
        if (!IsBlankText(line.Full())) return StartsWithRowOrCellTag(block, line.Full());
    return false;
}

void AnalyseTaggedTable(TableBlock& block) {
    block.kind = BlockKind::Tagged;
    block.isTable = true;
    block.blankLineSeparated = false;
    block.separatorColumns = block.userLayout = false;
    block.commonIndent = 0;  // indenting tag lines is no table placement
    block.removedIndent = block.classifiedIndent = 0;
    block.dotLeaders = false;

    int columnCount = 1;
    int headerRows = 0;
    int rows = 0;
    bool inHeader = true;
    std::vector<int> aligns;
    std::vector<int> widths;  // the widest text of each column, in characters
    TableBlock::RowSpans spans;
    std::vector<int> starts;
    std::vector<char> above;
    bool dropped = false;  // a cell stood beyond the last column a table may have
    ClassifyLines(block, [&](const LinePass& line) {
        if (line.Blank() || line.Rule()) return;
        const int i = line.Index();
        TaggedLine tagged = ParseLine(block, line.Text());
        for (std::string_view details : tagged.columnDetails) {
            // COLUMN_DETAILS n ALIGN=word: the alignment of column n (from 1) for the table.
            const size_t blank = details.find(' ');
            const int column = PositiveNumber(details.substr(0, blank), 0);
            const std::string_view align = Argument(details, "ALIGN");
            if (column < 1 || align.empty()) continue;
            if (column > kMostColumns) {
                block.fc.Issue("TAG ERROR: COLUMN_DETAILS for column " + std::to_string(column) +
                                   " ignored: a table has at most " + std::to_string(kMostColumns) +
                                   " columns",
                               10);
                continue;
            }
            if (static_cast<int>(aligns.size()) < column) aligns.resize(column, kAlignNone);
            aligns[column - 1] = ParseAlignmentWord(block.fc, align, kAlignNone);
        }
        const bool headRow = TrimBlanks(tagged.unplaced).empty() &&
                             std::all_of(tagged.cells.begin(), tagged.cells.end(),
                                         [](const TaggedCell& cell) { return cell.head; });
        std::vector<TaggedCell>& cells = RowCells(tagged);
        if (cells.empty()) return;  // no row
        ++rows;
        PlaceRow(spans, cells, starts, above, INT_MAX, [](int) {});
        columnCount = std::max(columnCount, static_cast<int>(above.size()));
        for (size_t k = 0; k < cells.size(); ++k) {
            const int end = starts[k] + cells[k].span;
            if (cells[k].span < 1) dropped = true;
            columnCount = std::max(columnCount, end);
            block.dotLeaders = block.dotLeaders || cells[k].leaders;
            if (cells[k].span != 1) continue;
            if (static_cast<int>(widths.size()) < end) widths.resize(end, 0);
            widths[starts[k]] =
                std::max(widths[starts[k]], static_cast<int>(TrimBlanks(cells[k].text).size()));
        }
        if (inHeader && headRow)
            headerRows = i + 1;
        else
            inHeader = false;
    });
    columnCount = std::max(columnCount, static_cast<int>(aligns.size()));
    if (dropped)
        block.fc.Issue("TAG ERROR: Cells beyond column " + std::to_string(kMostColumns) +
                           " of a tagged table are left out",
                       10);
    block.columns.assign(columnCount, TableColumn{});
    for (int c = 0; c < columnCount; ++c) {
        block.columns[c].align = c < static_cast<int>(aligns.size()) ? aligns[c] : kAlignNone;
        block.columns[c].width = c < static_cast<int>(widths.size()) ? widths[c] : 0;
    }
    block.taggedRows = rows;
    block.spans = TableBlock::RowSpans{};
    block.hasHeader = headerRows > 0;
    block.headerRows = headerRows;
    const int policyCols = BlockConfig(block).Value(P::DefaultTableHeaderCols);
    block.headerCols = policyCols > 0 ? policyCols : 0;
}

void CutTaggedLine(TableBlock& block, int index, std::string_view text, CutFor purpose,
                   std::vector<TableCell>& cells) {
    StartLineCells(block, cells);
    const int columnCount = static_cast<int>(block.columns.size());
    const bool writing = purpose == CutFor::Writing;

    // Row spans are followed through the lines cut in order; a line cut on its own has none
    // from above.
    TableBlock::RowSpans alone;
    TableBlock::RowSpans& spans = index >= 0 ? block.spans : alone;
    if (index >= 0 && index <= spans.lastLine) spans = TableBlock::RowSpans{};
    spans.lastLine = index;
    spans.rowValign = kVAlignNone;

    TaggedLine tagged = ParseLine(block, text);
    const std::string_view unplaced = TrimBlanks(tagged.unplaced);
    if (!unplaced.empty() && writing) {
        TextString message("TAG ERROR: No NEW_CELL definition for \"");
        message.Append(unplaced);
        message.Append("\"");
        block.fc.Issue(message, 10);
    }
    std::vector<TaggedCell>& sources = RowCells(tagged);
    if (sources.empty()) {
        if (writing && !tagged.rowValignTag.empty())
            block.fc.Issue(
                "TAG ERROR: " + std::string(tagged.rowValignTag) + " tag only valid inside tables",
                10);
        cells.clear();  // no row
        return;
    }
    if (writing && !tagged.rowValign.empty())
        spans.rowValign = ParseVerticalAlignmentWord(block.fc, tagged.rowValign, kVAlignNone);

    const int row = spans.row;
    std::vector<int> starts;
    std::vector<char> above;
    PlaceRow(spans, sources, starts, above, block.taggedRows - row, [&](int column) {
        if (writing)
            block.fc.Issue("ERROR: Cell overlap detected at (" + std::to_string(index) + "," +
                               std::to_string(column) + ")",
                           10);
    });
    // A position covered from above continues the cell there, as wide as it is.
    for (int c = 0; c < columnCount && c < static_cast<int>(above.size()); ++c) {
        if (!above[c]) continue;
        cells[c].rowSpanned = true;
        const int span = spans.coverSpan[c];
        if (span > 1) cells[c].colSpan = std::min(span, columnCount - c);
    }

    int tocLinks = 0;
    for (size_t k = 0; k < sources.size(); ++k) {
        const TaggedCell& source = sources[k];
        const int col = starts[k];
        if (col >= columnCount || source.span < 1) break;
        TableCell& cell = cells[col];
        const std::string_view trimmed = TrimBlanks(source.text);
        cell.colSpan = std::min(source.span, columnCount - col);
        cell.rowSpan = source.rowSpan;
        cell.text.assign(trimmed);
        cell.lines = trimmed.empty() ? 0 : 1;
        cell.symbol = IsSymbolText(trimmed);
        cell.align = block.columns[col].align != kAlignNone ? block.columns[col].align
                                                            : GuessAlignment(block, trimmed, -1);
        tocLinks += source.tocLinks;
        if (writing && source.askedSpan > kMostColumns)
            block.fc.Issue("TAG ERROR: COLSPAN=" + std::to_string(source.askedSpan) + " held to " +
                               std::to_string(kMostColumns) + " columns",
                           10);
        if (writing) {
            if (!source.align.empty())
                cell.align = ParseAlignmentWord(block.fc, source.align, cell.align);
            if (!source.valign.empty())
                cell.valignOverride =
                    ParseVerticalAlignmentWord(block.fc, TrimBlanks(source.valign), kVAlignNone);
        }
        TakeCellTags(block, source, writing, cell);
    }
    // A contents list links to one cell of a row.
    if (writing && tocLinks > 1)
        block.fc.Issue("TAG_ERROR: Ambiguous TOCLINK tags in row " + std::to_string(row + 1), 10);
}

}  // namespace tabulyst
