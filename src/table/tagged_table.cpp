#include "table/tagged_table.h"

#include <algorithm>
#include <charconv>

#include "policy/fc.h"
#include "table/analysis.h"
#include "table/cell_cutting.h"
#include "table/classify.h"
#include "table/directives.h"
#include "table/line_pass.h"

namespace tabulyst {
namespace {

// The tags this module reads; every other in-line tag stays in the cell text.
enum class TagKind { NewRow, HeadCell, DataCell, ColumnDetails, Other };

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
};

// One cell as the tags give it, before escaping.
struct TaggedCell {
    std::string text;
    bool head = false;
    int span = 1;
    std::string_view align;  // argument texts, read when the cell is written
    std::string_view valign;
};

// One line as the tags give it.
struct TaggedLine {
    std::vector<TaggedCell> cells;
    std::vector<std::string_view> columnDetails;  // the arguments of each COLUMN_DETAILS
    std::string unplaced;                         // text before the first cell tag
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
        const std::string_view inside =
            TrimBlanks(text.substr(start + open.size(), end - start - open.size()));
        const size_t blank = inside.find(' ');
        const std::string_view name = inside.substr(0, blank);
        const std::string_view arguments =
            blank == std::string_view::npos ? "" : inside.substr(blank + 1);
        switch (KindOf(name)) {
            case TagKind::HeadCell:
            case TagKind::DataCell: {
                TaggedCell cell;
                cell.head = KindOf(name) == TagKind::HeadCell;
                cell.span = PositiveNumber(Argument(arguments, "COLSPAN"), 1);
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
                addText(text.substr(start, end + close.size() - start));
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
        if (tag.kind != TagKind::ColumnDetails && text.substr(0, tag.name.size()) == tag.name)
            return true;
    return false;
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

    int columnCount = 1;
    int headerRows = 0;
    bool inHeader = true;
    std::vector<int> aligns;
    ClassifyLines(block, [&](const LinePass& line) {
        if (line.Blank() || line.Rule()) return;
        const int i = line.Index();
        const TaggedLine tagged = ParseLine(block, line.Text());
        int width = TrimBlanks(tagged.unplaced).empty() ? 0 : 1;
        for (const TaggedCell& cell : tagged.cells) width += cell.span;
        columnCount = std::max(columnCount, width);
        for (std::string_view details : tagged.columnDetails) {
            // COLUMN_DETAILS n ALIGN=word: the alignment of column n (from 1) for the table.
            const size_t blank = details.find(' ');
            const int column = PositiveNumber(details.substr(0, blank), 0);
            const std::string_view align = Argument(details, "ALIGN");
            if (column < 1 || align.empty()) continue;
            if (static_cast<int>(aligns.size()) < column) aligns.resize(column, kAlignNone);
            aligns[column - 1] = ParseAlignmentWord(block.fc, align, kAlignNone);
        }
        if (tagged.cells.empty() && TrimBlanks(tagged.unplaced).empty()) return;  // no row
        const bool headRow = TrimBlanks(tagged.unplaced).empty() &&
                             std::all_of(tagged.cells.begin(), tagged.cells.end(),
                                         [](const TaggedCell& cell) { return cell.head; });
        if (inHeader && headRow)
            headerRows = i + 1;
        else
            inHeader = false;
    });
    columnCount = std::max(columnCount, static_cast<int>(aligns.size()));
    block.columns.assign(columnCount, TableColumn{});
    for (int c = 0; c < columnCount; ++c)
        block.columns[c].align = c < static_cast<int>(aligns.size()) ? aligns[c] : kAlignNone;
    block.hasHeader = headerRows > 0;
    block.headerRows = headerRows;
    const int policyCols = BlockConfig(block).Value(P::DefaultTableHeaderCols);
    block.headerCols = policyCols > 0 ? policyCols : 0;
}

void CutTaggedLine(TableBlock& block, std::string_view text, CutFor purpose,
                   std::vector<TableCell>& cells) {
    StartLineCells(block, cells);
    const int columnCount = static_cast<int>(block.columns.size());

    const bool writing = purpose == CutFor::Writing;
    TaggedLine tagged = ParseLine(block, text);
    const std::string_view unplaced = TrimBlanks(tagged.unplaced);
    if (!unplaced.empty()) {
        if (writing) {
            TextString message("TAG ERROR: No NEW_CELL definition for \"");
            message.Append(unplaced);
            message.Append("\"");
            block.fc.Issue(message, 10);
        }
        TaggedCell cell;
        cell.text.assign(unplaced);
        tagged.cells.insert(tagged.cells.begin(), std::move(cell));
    }

    int col = 0;
    for (const TaggedCell& source : tagged.cells) {
        if (col >= columnCount) break;
        TableCell& cell = cells[col];
        const std::string_view trimmed = TrimBlanks(source.text);
        cell.colSpan = std::min(source.span, columnCount - col);
        cell.text.assign(trimmed);
        cell.lines = trimmed.empty() ? 0 : 1;
        cell.symbol = IsSymbolText(trimmed);
        cell.align = block.columns[col].align != kAlignNone ? block.columns[col].align
                                                            : GuessAlignment(block, trimmed, -1);
        if (writing) {
            if (!source.align.empty())
                cell.align = ParseAlignmentWord(block.fc, source.align, cell.align);
            if (!source.valign.empty())
                cell.valignOverride =
                    ParseVerticalAlignmentWord(block.fc, source.valign, kVAlignNone);
        }
        col += cell.colSpan;
    }
}

}  // namespace tabulyst
