// The analysis loop of a plain-text block: columns, merges, and the decisions whether
// the block is a table, a text block, a diagram, a code sample or a mail header.
#include "table/column_analysis.h"

#include <algorithm>

#include "policy/fc.h"
#include "table/analysis.h"
#include "table/bar_table.h"
#include "table/cell_cutting.h"
#include "table/classify.h"
#include "table/line_pass.h"
#include "table/tagged_table.h"

namespace tabulyst {
namespace {

constexpr int kMaxSeparation = 7;  // wider separations are not tried
constexpr int kMaxPasses = 32;     // the separation only grows, so this is never reached

// Mal-formed limits on boundary crossings per data line and crossing cells per data line.
struct CrossingLimit {
    int maxLines;  // applies while D is at most this
    double crossings;
    double cells;
};
constexpr CrossingLimit kCrossingLimits[] = {
    {4, 1.5, 0.67},
    {9, 0.7, 0.5},
    {19, 0.5, 0.25},
    {0x7fffffff, 0.4, 0.2},
};

struct Analysis {
    TableBlock& block;
    const TabConfig& config;
    FC& fc;
    int lines;
    int mergeFactor;
    bool sparse;
    int merges = 0;

    // Data lines: analysed lines that are neither blank nor rules.
    int DataLines() const {
        return lines - block.firstAnalysedLine - block.ruleLines - block.blankLines;
    }
    bool StatisticalColumns() const { return !block.separatorColumns && !block.userLayout; }
    int ColumnCount() const { return static_cast<int>(block.columns.size()); }

    void MarkNot(BlockKind kind) {
        block.isTable = false;
        block.kind = kind;
    }

    void CheckCodeAndMail() {
        const int d = DataLines();
        if (fc.Flag(P::ExpectCodeSamples) && d > 0 && 10LL * block.codeLines > 7LL * d) {
            fc.Issue("INFO: Code sample detected", 4);
            block.isCodeSample = true;
            MarkNot(BlockKind::CodeSample);
        }
        if (block.isTable && d > 0 && 10LL * block.mailHeaderLines > 7LL * d) {
            fc.Issue("INFO: Mail header detected", 4);
            block.isMailHeader = true;
            MarkNot(BlockKind::MailHeader);
        }
    }

    void CheckBlankLineSeparated() {
        const int e = lines - block.firstAnalysedLine;
        const int blanks = block.blankLines;
        block.blankLineSeparated = e >= 1 && blanks >= block.ruleLines &&
                                   config.Flag(P::CouldBeBlankLineSeparated) &&
                                   100LL * blanks > 15LL * e && blanks > 2;
    }

    bool DropMostlyEmptyLastColumn() {
        const int count = ColumnCount();
        if (!StatisticalColumns() || sparse || count < 2 || !block.columns.back().mostlyEmpty)
            return false;
        TableColumn& before = block.columns[count - 2];
        const TableColumn& last = block.columns[count - 1];
        before.gapEnd = last.gapEnd;
        before.boundary = last.boundary;
        before.score = last.score;
        before.span = 1;
        block.columns.pop_back();
        ++merges;
        return true;
    }

    // A line with a blank line (or the block's edge) on both sides: a title, not data.
    static bool StandsAlone(const LinePass& line) {
        return (!line.HasPrevious() || line.PreviousBlank()) &&
               (!line.HasNext() || line.NextBlank());
    }

    // Merge rule (c): the first cell that runs into the next column where a column of the
    // pair is not numeric.
    bool MergeCrossingPair() {
        std::vector<TableCell> cells;
        for (LinePass line(block); line.Next();) {
            if (line.Index() < block.firstAnalysedLine || line.Blank() || StandsAlone(line))
                continue;
            CutPlainLine(block, line.Text(), CutFor::Analysis, cells);
            const int count = ColumnCount();
            for (int j = 0; j < count - 2; ++j) {
                if (cells[j].colSpan < 2) continue;
                if (block.columns[j].numericColumn && block.columns[j + 1].numericColumn) continue;
                MergeColumns(block, j, j + 1);
                return true;
            }
        }
        return false;
    }

    // Merge rules (a) to (c); true when any merge was made.
    bool MergeOnce() {
        bool merged = false;
        for (int i = 0; i < ColumnCount() - 1; ++i) {
            if (block.columns[i].span <= 1) continue;
            MergeColumns(block, i, i + 1);
            ++merges;
            merged = true;
        }
        if (merged) return true;
        if (!sparse && ColumnCount() > 3) {
            for (int i = 1; i < ColumnCount() - 2; ++i) {
                if (!block.columns[i].mostlyEmpty) continue;
                MergeColumns(block, i - 1, i);
                merges = 0;
                return true;
            }
        }
        if (block.blankLineSeparated && MergeCrossingPair()) {
            merges = 0;
            return true;
        }
        return false;
    }

    // Steps 6 and 7: cells, flags, the dropped last column and the merges, until stable.
    void BuildAndMerge() {
        BuildColumnStatistics(block);
        for (;;) {
            if (DropMostlyEmptyLastColumn()) {
                BuildColumnStatistics(block);
                continue;
            }
            if (mergeFactor > 4 && StatisticalColumns() && MergeOnce()) {
                BuildColumnStatistics(block);
                continue;
            }
            break;
        }
    }

    // A lone column of an indented block becomes a text block: an indent column in front.
    void MakeTextBlockColumns(bool indentRemoved) {
        const int indent = block.commonIndent;
        const int shift = indentRemoved ? indent : 0;
        TableColumn& old = block.columns.front();
        old.gapStart += shift;
        old.gapEnd += shift;
        old.boundary += shift;
        TableColumn first;
        first.gapStart = 0;
        first.gapEnd = first.boundary = indent - 1;
        first.score = -1;
        first.mostlyEmpty = first.entirelyEmpty = true;
        block.columns.insert(block.columns.begin(), first);
        block.widest += shift;
        block.narrowest += shift;
        // The indent is back in front of every line.
        if (indentRemoved) block.removedIndent = 0;
        block.commonIndent = 0;
        BuildColumnStatistics(block);
    }

    void DecideTableOrTextBlock(bool& indentRemoved) {
        const int count = ColumnCount();
        if (count == 2 && block.columns[0].entirelyEmpty) {
            block.kind = BlockKind::TextBlock;
            return;
        }
        if (count != 1) return;
        if (lines == 3 && block.ruleLines == 1 && block.firstRule == 1) return;
        block.isTable = false;
        // Without an indent there is no indent column to make (a "Page Width" below 4
        // would otherwise turn every one-column block into one of zero width).
        if (block.commonIndent > 0 && block.commonIndent >= fc.Value(P::PageWidth) / 4) {
            MakeTextBlockColumns(indentRemoved);
            indentRemoved = false;
            block.isTable = true;
            block.kind = BlockKind::TextBlock;
        }
    }

    void CheckDiagram() {
        SetColumnWidths(block);
        if (!fc.Flag(P::LookForDiagrams) || block.userLayout) return;
        long textWidth = 0, symbolWidth = 0, totalWidth = 0;
        for (const TableColumn& column : block.columns) {
            if (column.textColumn) textWidth += column.width;
            if (column.symbolColumn) symbolWidth += column.width;
            totalWidth += column.width;
        }
        if ((textWidth == 0 || !block.separatorColumns) &&
            (textWidth < symbolWidth || 4 * textWidth < totalWidth)) {
            fc.Issue("INFO: Diagram detected", 4);
            block.isDiagram = true;
            MarkNot(BlockKind::Diagram);
        }
    }

    void CheckMalformed() {
        const int d = DataLines();
        double x = 0, y = 0;
        if (d >= 1) {
            x = static_cast<double>(block.crossingTotal) / d;
            y = static_cast<double>(block.crossingCells) / d;
        }
        const CrossingLimit* limit = &kCrossingLimits[0];
        for (const CrossingLimit& l : kCrossingLimits) {
            limit = &l;
            if (d <= l.maxLines) break;
        }
        const bool malformed = x > limit->crossings && y > limit->cells;
        if (malformed && fc.Flag(P::LookForDiagrams) && mergeFactor > 1 && StatisticalColumns()) {
            fc.Issue("WARNING: Mal-formed table", 7);
            block.isDiagram = true;
            MarkNot(BlockKind::Diagram);
        }
    }

    void ReportSeparation(int m) {
        TextString message("INFO: Increasing min column separation in table to ");
        message.AppendNumber('d', m);
        message.Append(" spaces");
        fc.Issue(message, 10);
    }
};

}  // namespace

void AnalysePlainText(TableBlock& block) {
    if (IsTaggedBlock(block)) {
        AnalyseTaggedTable(block);
        return;
    }
    const TabConfig& config = BlockConfig(block);
    Analysis a{block,
               config,
               block.fc,
               block.lineCount,
               config.Value(P::ColumnMergingFactor),
               config.Flag(P::ExpectSparseTables)};
    SetFirstAnalysedLine(block);
    const bool indentRemovedAtStart = block.commonIndent > 0 && block.commonIndent < 80;
    RemoveCommonIndent(block);
    bool indentRemoved = indentRemovedAtStart;
    // The lines were classified as they were read; only an indent removed or a header left
    // out changes what the classification sees, and only bars need the lines scanned again.
    BarScan bars;
    if (!block.tally.plain || block.removedIndent != 0 || block.classifiedIndent != 0 ||
        block.firstAnalysedLine != 0 || block.tally.bars)
        ClassifyLines(block, [&bars](const LinePass& line) { bars.Take(line); });
    block.doubleBarRows = bars.DoubleBarRows();
    block.delimiterRow = bars.DelimiterRow();
    if (block.widest > kWidestTable && config.columnSpecs.empty()) {
        block.fc.Issue(
            "INFO: Lines wider than " + std::to_string(kWidestTable) + " characters are no table",
            4);
        a.MarkNot(BlockKind::Preformatted);
        return;
    }
    block.isTable = true;
    const bool layout = !config.columnSpecs.empty();
    if (!layout && bars.SplitsAtBars()) {
        // A pipe table whose bars wander: each line is cut at its own bars.
        TakeBarColumns(block, bars.MostCells());
        MarkColumnAlignments(block, bars.AlignmentRow());
        BuildColumnStatistics(block);
        RecogniseHeader(block);
        return;
    }
    const std::vector<PositionStats> stats = GatherPositionStats(block);

    const int policySeparation = config.Value(P::MinimumTableColumnSeparation);
    int m = StartingSeparation(block);
    const int f = a.mergeFactor;

    for (int pass = 0; pass < kMaxPasses; ++pass) {
        if (m != policySeparation && m > kMaxSeparation) break;
        if (layout)
            TakeUserLayout(block);
        else
            FindColumns(block, stats, m);
        a.merges = 0;

        a.CheckCodeAndMail();
        if (!block.isTable) break;
        a.CheckBlankLineSeparated();
        a.BuildAndMerge();
        a.DecideTableOrTextBlock(indentRemoved);
        a.CheckDiagram();
        if (!block.isDiagram) a.CheckMalformed();
        if (!block.isTable || block.userLayout) break;

        if (a.merges == 0) {
            if (f >= 2 && a.ColumnCount() > 2 && m <= 1) {
                const std::vector<TableColumn> kept = block.columns;
                FindColumns(block, stats, 2);
                if (a.ColumnCount() > 1) {
                    m = 2;
                    a.ReportSeparation(m);
                    continue;
                }
                if (m == 1) {
                    block.columns = kept;
                } else {
                    FindColumns(block, stats, 1);
                    BuildColumnStatistics(block);
                    SetColumnWidths(block);
                }
            }
            break;
        }
        if (f >= 2 && !config.IsSet(P::MinimumTableColumnSeparation) && block.separatorColumns) {
            a.merges = 0;
            m = std::max(m, 1) * 2;
            a.ReportSeparation(m);
            continue;
        }
        break;
    }
    if (block.isTable && !block.userLayout) MarkColumnAlignments(block, bars.AlignmentRow());
    RecogniseHeader(block);
}

}  // namespace tabulyst
