#include "table/cell_cutting.h"

#include "policy/fc.h"
#include "table/analysis.h"
#include "table/bar_table.h"
#include "table/classify.h"
#include "table/tagged_table.h"

namespace tabulyst {
namespace {

// Characters at a boundary that let a cell end there, and that are skipped after a cut.
bool IsCutChar(char c) {
    return c == ' ' || c == '\t' || c == '-' || c == '+' || c == '*' || c == '|';
}

// Marks the positions covered by in-line tags, so that no tag is ever cut apart.
// Counts end delimiters that have no start delimiter before them.
std::vector<bool> TagMask(std::string_view open, std::string_view close, std::string_view text,
                          int& strays) {
    std::vector<bool> mask;
    if (open.empty() || close.empty()) return mask;
    if (text.find(open) == std::string_view::npos && text.find(close) == std::string_view::npos)
        return mask;
    mask.assign(text.size(), false);
    size_t p = 0;
    while (p < text.size()) {
        if (text.compare(p, open.size(), open) == 0) {
            const size_t end = text.find(close, p + open.size());
            if (end == std::string_view::npos) break;  // an unclosed tag decides nothing
            for (size_t i = p; i < end + close.size(); ++i) mask[i] = true;
            p = end + close.size();
        } else if (text.compare(p, close.size(), close) == 0) {
            ++strays;
            ++p;
        } else {
            ++p;
        }
    }
    return mask;
}

// The width a cell's alignment is judged against: its column's share of the line.
int ColumnWidth(const TableBlock& block, int col) {
    const int last = static_cast<int>(block.columns.size()) - 1;
    const int previousEnd = col > 0 ? block.columns[col - 1].gapEnd : -1;
    if (col == last) return block.widest - previousEnd - 1;
    if (col == 0) return block.columns[0].boundary;
    return block.columns[col].boundary - previousEnd - 1;
}

}  // namespace

void ReportStrayTagEnds(const TableBlock& block, int count) {
    for (int i = 0; i < count; ++i) {
        TextString message("INFO: Unbalanced tag delimiter inside table cell :\"");
        message.Append(block.fc.Text(P::EndTagDelimiter).View());
        message.Append("\"");
        block.fc.Issue(message, 10);
    }
}

void StartLineCells(const TableBlock& block, std::vector<TableCell>& cells) {
    cells.resize(block.columns.size());
    for (TableCell& cell : cells) cell.Reset();
}

void CutPlainLine(TableBlock& block, std::string_view text, CutFor purpose,
                  std::vector<TableCell>& cells, int* strayTagEnds) {
    PlainLineCutter(block).Cut(text, purpose, cells, strayTagEnds);
}

PlainLineCutter::PlainLineCutter(TableBlock& block)
    : block_(block),
      rules_(block),
      zeroWidth_(BlockConfig(block).Flag(P::ColumnBoundariesHaveZeroWidth)),
      tagStart_(block.fc.Text(P::StartTagDelimiter).View()),
      tagEnd_(block.fc.Text(P::EndTagDelimiter).View()) {
    for (int col = 0; col < static_cast<int>(block.columns.size()); ++col)
        widths_.push_back(ColumnWidth(block, col));
}

void PlainLineCutter::Cut(std::string_view text, CutFor purpose, std::vector<TableCell>& cells,
                          int* strayTagEnds) const {
    TableBlock& block = block_;
    StartLineCells(block, cells);
    if (block.columns.empty()) return;
    const int columnCount = static_cast<int>(block.columns.size());
    if (block.kind == BlockKind::Tagged) {
        CutTaggedLine(block, -1, text, purpose, cells);
        return;
    }
    if (block.barColumns) {
        SplitBarLine(block, text, cells);
        return;
    }

    const int length = static_cast<int>(text.size());
    const bool zeroWidth = zeroWidth_;
    int strays = 0;
    const std::vector<bool> inTag = TagMask(tagStart_, tagEnd_, text, strays);
    if (strayTagEnds)
        *strayTagEnds = strays;
    else if (purpose == CutFor::Writing)
        ReportStrayTagEnds(block, strays);
    const bool anyTag = !inTag.empty();
    auto tagAt = [&](int p) { return anyTag && inTag[p]; };

    int start = 0;
    int col = 0;
    while (col < columnCount && start < length) {
        // Find where this cell ends: the first boundary it may be cut at.
        int last = col;
        int end = length;
        while (last < columnCount - 1) {
            const int boundary = block.columns[last].boundary;
            if (boundary >= length) {
                end = length;
                break;
            }
            if (boundary >= 0 && !tagAt(boundary) && (zeroWidth || IsCutChar(text[boundary]))) {
                end = boundary;
                break;
            }
            ++last;
        }
        if (end < start) end = start;

        std::string_view piece = text.substr(start, end - start);
        while (!piece.empty() && piece.front() == '|') piece.remove_prefix(1);
        while (!piece.empty() && piece.back() == '|') piece.remove_suffix(1);

        TableCell& cell = cells[col];
        cell.colSpan = last - col + 1;
        cell.crossings = last - col;
        const std::string_view trimmed = TrimBlanks(piece);
        const int marked = block.columns[col].markedAlign;
        cell.align = marked != kAlignNone && last == col
                         ? marked
                         : GuessAlignment(rules_, piece, trimmed, widths_[col]);
        cell.text.assign(trimmed);
        cell.lines = trimmed.empty() ? 0 : 1;
        // Only the column statistics count symbol cells.
        cell.symbol = purpose == CutFor::Analysis && IsSymbolText(trimmed);

        if (last >= columnCount - 1) break;
        const TableColumn& ending = block.columns[last];
        int next = ending.boundary;
        if (!zeroWidth)
            while (next <= ending.gapEnd && next < length && IsCutChar(text[next]) && !tagAt(next))
                ++next;
        start = next > start ? next : start;
        col = last + 1;
    }
}

}  // namespace tabulyst
