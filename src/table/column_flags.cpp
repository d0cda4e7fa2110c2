// What the columns of a plain-text block hold: cells cut from every line feed six
// histograms per column, from which the column flags are read; merging and widths.
#include <algorithm>

#include "policy/fc.h"
#include "table/cell_cutting.h"
#include "table/classify.h"
#include "table/column_analysis.h"
#include "table/line_pass.h"
#include "table/shared_pass.h"

namespace tabulyst {
namespace {

// A yes-or-no property counted per column: tallied while the lines pass, then handed to
// its histogram whole (the histogram holds the same counts either way).
struct YesNoTally {
    int yes = 0;
    int no = 0;
    void Add(bool value) { ++(value ? yes : no); }
    void Absorb(const YesNoTally& other) {
        yes += other.yes;
        no += other.no;
    }
    void Into(ValueHistogram& histogram) const {
        histogram.Add(0, no);
        histogram.Add(1, yes);
    }
};

// A small whole-number property (an alignment code, a cell's column span) counted per
// column: counts by value while the lines pass, handed to the histogram in value order.
struct SmallTally {
    std::vector<int> counts;
    // A value below 0 (which no cell should have) goes to the histogram at once.
    void Add(int value, ValueHistogram& histogram) {
        if (value < 0) {
            histogram.Add(value);
            return;
        }
        const size_t at = static_cast<size_t>(value);
        if (at >= counts.size()) counts.resize(at + 1, 0);
        ++counts[at];
    }
    void Absorb(const SmallTally& other) {
        if (other.counts.size() > counts.size()) counts.resize(other.counts.size(), 0);
        for (size_t value = 0; value < other.counts.size(); ++value)
            counts[value] += other.counts[value];
    }
    void Into(ValueHistogram& histogram) const {
        for (size_t value = 0; value < counts.size(); ++value)
            histogram.Add(static_cast<int>(value), counts[value]);
    }
};

// The six cell properties counted per column.
struct ColumnSamples {
    ValueHistogram align;
    ValueHistogram covered;
    ValueHistogram empty;
    ValueHistogram text;
    ValueHistogram symbol;
    ValueHistogram number;
    SmallTally alignTally, coveredTally;
    YesNoTally emptyTally, textTally, symbolTally, numberTally;

    // Another lane's counts of the same column (only the tallies hold counts yet, but for
    // the odd value below 0).
    void Absorb(const ColumnSamples& other) {
        align.Absorb(other.align);
        covered.Absorb(other.covered);
        alignTally.Absorb(other.alignTally);
        coveredTally.Absorb(other.coveredTally);
        emptyTally.Absorb(other.emptyTally);
        textTally.Absorb(other.textTally);
        symbolTally.Absorb(other.symbolTally);
        numberTally.Absorb(other.numberTally);
    }
};

void DeriveFlags(TableColumn& column, ColumnSamples& s) {
    s.alignTally.Into(s.align);
    s.coveredTally.Into(s.covered);
    s.emptyTally.Into(s.empty);
    s.textTally.Into(s.text);
    s.symbolTally.Into(s.symbol);
    s.numberTally.Into(s.number);
    for (ValueHistogram* h : {&s.align, &s.covered, &s.empty, &s.text, &s.symbol, &s.number})
        h->Sort();
    const int samples = s.empty.Samples();
    column.align = s.align.Value(1, kAlignLeft);
    column.span = s.covered.Value(1, 1);
    if (column.span == 1 && 10LL * s.covered.Count(1) < 8LL * samples) column.span = 2;
    column.mostlyEmpty = s.empty.Value(1, 0) == 1 && 4LL * s.empty.Count(1) > 3LL * samples;
    column.entirelyEmpty = column.mostlyEmpty && s.empty.Count(1) == samples;
    column.symbolColumn = s.symbol.Value(1, 0) == 1;
    column.textColumn = !column.mostlyEmpty && !column.symbolColumn && s.text.Value(1, 0) == 1 &&
                        10LL * s.text.CountOf(1) >= 8LL * samples;
    column.numericColumn = !column.mostlyEmpty && s.number.Value(1, 0) == 1;
}

// Whether the memo was built from the block's columns and lines as they stand: the cells of
// every line, and so the statistics, would come out the same.
bool MemoHolds(const TableBlock& block) {
    const TableBlock::StatisticsMemo& memo = block.statisticsMemo;
    // Tagged lines and lines cut at their own bars are cut with more than the columns.
    if (block.kind == BlockKind::Tagged || block.barColumns) return false;
    if (!memo.valid || memo.kind != block.kind || memo.barColumns != block.barColumns ||
        memo.widest != block.widest || memo.removedIndent != block.removedIndent ||
        memo.classifiedIndent != block.classifiedIndent ||
        memo.firstAnalysedLine != block.firstAnalysedLine || memo.lineCount != block.lineCount ||
        memo.columns.size() != block.columns.size())
        return false;
    for (size_t c = 0; c < block.columns.size(); ++c) {
        const TableColumn& was = memo.columns[c];
        const TableColumn& is = block.columns[c];
        if (was.gapStart != is.gapStart || was.gapEnd != is.gapEnd || was.boundary != is.boundary ||
            was.markedAlign != is.markedAlign)
            return false;
    }
    return true;
}

void TakeFlags(TableColumn& column, const TableColumn& from) {
    column.align = from.align;
    column.span = from.span;
    column.mostlyEmpty = from.mostlyEmpty;
    column.entirelyEmpty = from.entirelyEmpty;
    column.symbolColumn = from.symbolColumn;
    column.textColumn = from.textColumn;
    column.numericColumn = from.numericColumn;
}

void Remember(TableBlock& block) {
    TableBlock::StatisticsMemo& memo = block.statisticsMemo;
    memo.valid = true;
    memo.columns = block.columns;
    memo.kind = block.kind;
    memo.barColumns = block.barColumns;
    memo.widest = block.widest;
    memo.removedIndent = block.removedIndent;
    memo.classifiedIndent = block.classifiedIndent;
    memo.firstAnalysedLine = block.firstAnalysedLine;
    memo.lineCount = block.lineCount;
    memo.crossingTotal = block.crossingTotal;
    memo.crossingCells = block.crossingCells;
    memo.crossingLines = block.crossingLines;
}

}  // namespace

void BuildColumnStatistics(TableBlock& block) {
    if (MemoHolds(block)) {
        const TableBlock::StatisticsMemo& memo = block.statisticsMemo;
        for (size_t c = 0; c < block.columns.size(); ++c)
            TakeFlags(block.columns[c], memo.columns[c]);
        block.crossingTotal = memo.crossingTotal;
        block.crossingCells = memo.crossingCells;
        block.crossingLines = memo.crossingLines;
        return;
    }
    const int columnCount = static_cast<int>(block.columns.size());
    const int ruleSet = block.fc.RuleSet();
    // What one lane of the pass counts.
    struct alignas(64) Lane {
        std::vector<ColumnSamples> samples;
        std::vector<TableCell> cells;
        int crossingTotal = 0;
        int crossingCells = 0;
        int crossingLines = 0;
    };
    std::vector<Lane> lanes(kPassLanes);
    for (Lane& lane : lanes) lane.samples.resize(columnCount);
    // Tagged and bar-cut lines may change the block as they are cut.
    const bool mayShare = block.kind != BlockKind::Tagged && !block.barColumns;
    const PlainLineCutter cutter(block);
    ShareLines(
        block, mayShare,
        [&block](const LinePass& line) {
            return line.Index() >= block.firstAnalysedLine && !line.Blank() && !line.Rule();
        },
        [&](int laneIndex, int, std::string_view text) {
            Lane& lane = lanes[laneIndex];
            std::vector<TableCell>& cells = lane.cells;
            cutter.Cut(text, CutFor::Analysis, cells);
            bool crossing = false;
            for (int c = 0; c < columnCount; c += std::max(cells[c].colSpan, 1)) {
                const TableCell& cell = cells[c];
                if (c < columnCount - 1 && cell.colSpan > 1) {
                    lane.crossingTotal += cell.colSpan - 1;
                    ++lane.crossingCells;
                    crossing = true;
                }
                const bool empty = cell.text.empty();
                ColumnSamples& s = lane.samples[c];
                s.alignTally.Add(cell.align, s.align);
                s.coveredTally.Add(cell.colSpan, s.covered);
                s.emptyTally.Add(empty);
                s.textTally.Add(!empty && !cell.symbol);
                s.symbolTally.Add(cell.symbol);
                s.numberTally.Add(empty || IsPlainNumber(cell.text, ruleSet));
            }
            if (crossing) ++lane.crossingLines;
        });
    block.crossingTotal = block.crossingCells = block.crossingLines = 0;
    for (const Lane& lane : lanes) {
        block.crossingTotal += lane.crossingTotal;
        block.crossingCells += lane.crossingCells;
        block.crossingLines += lane.crossingLines;
    }
    for (int c = 0; c < columnCount; ++c) {
        ColumnSamples& s = lanes[0].samples[c];
        for (size_t l = 1; l < lanes.size(); ++l) s.Absorb(lanes[l].samples[c]);
        DeriveFlags(block.columns[c], s);
    }
    Remember(block);
}

void MergeColumns(TableBlock& block, int i, int j) {
    const int count = static_cast<int>(block.columns.size());
    if (i < 0 || j <= i || j >= count) return;
    TableColumn& into = block.columns[i];
    const TableColumn& from = block.columns[j];
    into.gapStart = from.gapStart;
    into.gapEnd = from.gapEnd;
    into.boundary = from.boundary;
    into.score = from.score;
    for (int k = i + 1; k <= j; ++k) into.width += block.columns[k].width;
    into.span = std::max(into.span - (j - i), 1);
    block.columns.erase(block.columns.begin() + i + 1, block.columns.begin() + j + 1);
}

void SetColumnWidths(TableBlock& block) {
    const int count = static_cast<int>(block.columns.size());
    int previous = -1;
    for (int k = 0; k < count; ++k) {
        TableColumn& column = block.columns[k];
        const int end = k == count - 1 ? block.widest : column.boundary;
        column.width = end - (previous + 1);
        previous = column.boundary;
    }
}

}  // namespace tabulyst
