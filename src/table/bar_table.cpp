#include "table/bar_table.h"

#include <algorithm>

#include "table/analysis.h"
#include "table/cell_cutting.h"
#include "table/classify.h"

namespace tabulyst {
namespace {

// A bar that parts cells: one not escaped by a backslash ("\|" is text).
bool IsBarAt(std::string_view text, size_t p) {
    return text[p] == '|' && (p == 0 || text[p - 1] != '\\');
}

// Where the runs of bars of a line start, and whether a run of two or more is among them.
bool FindBarRuns(std::string_view text, std::vector<int>& runs) {
    runs.clear();
    bool doubled = false;
    for (size_t p = text.find('|'); p != std::string_view::npos; p = text.find('|', p)) {
        if (!IsBarAt(text, p)) {
            ++p;
            continue;
        }
        const size_t start = p;
        while (p < text.size() && text[p] == '|') ++p;
        runs.push_back(static_cast<int>(start));
        doubled = doubled || p - start > 1;
    }
    return doubled;
}

// The cells of a line between its bars: each piece of text as it stands (blanks kept).
template <typename Each>
void ForEachBarCell(std::string_view text, Each each) {
    text = TrimBlanks(text);
    size_t p = 0;
    while (p < text.size() && text[p] == '|') ++p;
    while (p < text.size()) {
        size_t end = p;
        while (end < text.size() && !IsBarAt(text, end)) ++end;
        each(text.substr(p, end - p));
        p = end;
        while (p < text.size() && text[p] == '|') ++p;
    }
}

}  // namespace

void BarScan::Take(const LinePass& line) {
    if (line.Blank()) return;
    const std::string_view text = line.Text();
    if (line.Rule()) {
        const bool bars = text.find('|') != std::string_view::npos;
        barRule_ = barRule_ || bars;
        if (!ruleSeen_ && IsPipeRuleLine(text)) {
            if (bars) delimiterRow_ = line.Index();
            if (text.find(':') != std::string_view::npos) alignmentRow_.assign(text);
        }
        ruleSeen_ = true;
        return;
    }
    ++textLines_;
    const bool doubled = FindBarRuns(text, bars_);
    if (bars_.empty()) {
        singleBarSeen_ = true;  // no "||" here: a header of such lines ends before it
        return;
    }
    ++barLines_;
    if (TrimBlanks(text).front() == '|') ++leadingBarLines_;
    if (textLines_ == 1)
        firstBars_ = bars_;
    else if (bars_ != firstBars_)
        aligned_ = false;
    int cells = 0;
    ForEachBarCell(text, [&cells](std::string_view) { ++cells; });
    mostCells_ = std::max(mostCells_, cells);
    if (doubled && !singleBarSeen_)
        doubleBarEnd_ = line.Index() + 1;
    else if (doubled)
        laterDoubleBar_ = true;
    else
        singleBarSeen_ = true;
}

bool BarScan::SplitsAtBars() const {
    return textLines_ > 0 && barLines_ == textLines_ &&
           (leadingBarLines_ == textLines_ || barRule_) && !aligned_;
}

int BarScan::DoubleBarRows() const {
    return doubleBarEnd_ > 0 && singleBarSeen_ && !laterDoubleBar_ ? doubleBarEnd_ : 0;
}

void TakeBarColumns(TableBlock& block, int count) {
    block.columns.assign(static_cast<size_t>(std::max(count, 1)), TableColumn{});
    block.barColumns = true;
    block.separatorColumns = false;
    block.userLayout = false;
}

void SplitBarLine(const TableBlock& block, std::string_view text, std::vector<TableCell>& cells) {
    StartLineCells(block, cells);
    size_t col = 0;
    ForEachBarCell(text, [&](std::string_view piece) {
        if (col >= cells.size()) return;
        TableCell& cell = cells[col];
        const std::string_view trimmed = TrimBlanks(piece);
        cell.text.clear();
        for (size_t i = 0; i < trimmed.size(); ++i)
            if (trimmed[i] != '\\' || i + 1 >= trimmed.size() || trimmed[i + 1] != '|')
                cell.text.push_back(trimmed[i]);
        cell.lines = cell.text.empty() ? 0 : 1;
        cell.symbol = IsSymbolText(cell.text);
        const int marked = block.columns[col].markedAlign;
        cell.align = marked != kAlignNone ? marked : GuessAlignment(block, piece, -1);
        ++col;
    });
}

int DelimiterAlignment(std::string_view cell) {
    cell = TrimBlanks(cell);
    if (cell.size() < 2) return kAlignNone;
    const bool left = cell.front() == ':';
    const bool right = cell.back() == ':';
    if (left && right) return kAlignCentre;
    if (right) return kAlignRight;
    return left ? kAlignLeft : kAlignNone;
}

void MarkColumnAlignments(TableBlock& block, std::string_view row) {
    if (row.empty()) return;
    std::vector<TableCell> cells;
    CutPlainLine(block, row, CutFor::Analysis, cells);
    for (size_t c = 0; c < cells.size() && c < block.columns.size(); ++c)
        if (cells[c].colSpan == 1) block.columns[c].markedAlign = DelimiterAlignment(cells[c].text);
}

}  // namespace tabulyst
