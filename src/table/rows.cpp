#include "table/rows.h"

#include <algorithm>
#include <string>

#include "policy/fc.h"
#include "table/classify.h"
#include "table/delimited.h"

namespace tabulyst {
namespace {

// Collects the lines of one row and hands the row on when it ends.
class RowBuilder {
  public:
    RowBuilder(TableBlock& block, const std::function<void(const TableRow&)>& emit)
        : emit_(emit), headerRows_(HeaderRowCount(block)), columns_(block.columns.size()) {
        row_.cells.resize(columns_);
    }

    // Ends the row being built; a row with no text is dropped.
    void End() {
        if (!started_) return;
        const bool hasText = std::any_of(row_.cells.begin(), row_.cells.end(),
                                         [](const TableCell& cell) { return cell.lines > 0; });
        if (hasText) {
            row_.header = row_.firstLine < headerRows_;
            emit_(row_);
        }
        for (TableCell& cell : row_.cells) cell.Reset();
        row_.firstLine = row_.lastLine = -1;
        row_.rule = RuleKind::None;
        row_.valign = kVAlignNone;
        started_ = false;
    }

    // A rule row: every cell holds the rule.
    void StartRule(int line, RuleKind rule) {
        Begin(line);
        row_.rule = rule;
        for (TableCell& cell : row_.cells) {
            cell.lines = 1;
            cell.align = kAlignLeft;
        }
    }

    // A line that forms a row of its own: its cells become the row's cells.
    void TakeLine(int line, std::vector<TableCell>& cells) {
        Begin(line);
        cells.resize(columns_);
        for (TableCell& cell : cells)
            cell.lines = IsBlankText(cell.text) ? 0 : std::max(1, cell.lines);
        row_.cells.swap(cells);
    }

    // The first column where the line's cells span differently from the row being built,
    // or -1 when they agree (or no row is being built).
    int SpanConflict(const std::vector<TableCell>& cells, int& was, int& now) const {
        if (!started_) return -1;
        const size_t count = std::min(columns_, cells.size());
        for (size_t c = 0; c < count; c += static_cast<size_t>(std::max(1, cells[c].colSpan))) {
            if (cells[c].colSpan != row_.cells[c].colSpan) {
                was = row_.cells[c].colSpan;
                now = cells[c].colSpan;
                return static_cast<int>(c);
            }
        }
        return -1;
    }

    // Appends the line's cell texts to the row being built, one text line each.
    void AppendLine(int line, const std::vector<TableCell>& cells) {
        const bool first = !started_;
        Begin(line);
        const size_t count = std::min(columns_, cells.size());
        for (size_t c = 0; c < count; ++c) {
            const TableCell& from = cells[c];
            TableCell& to = row_.cells[c];
            if (first) {
                to.colSpan = from.colSpan;
                to.rowSpan = from.rowSpan;
                to.crossings = from.crossings;
            }
            if (IsBlankText(from.text)) continue;
            if (to.text.Empty()) {
                to.align = from.align;
                to.valign = from.valign;
                to.valignOverride = from.valignOverride;
                to.kind = from.kind;
            } else {
                to.text.AppendChar('\n');
            }
            to.text.Append(from.text);
            to.lines += std::max(1, from.lines);
        }
    }

  private:
    void Begin(int line) {
        if (!started_) row_.firstLine = line;
        row_.lastLine = line;
        started_ = true;
    }

    const std::function<void(const TableRow&)>& emit_;
    int headerRows_;
    size_t columns_;
    TableRow row_;
    bool started_ = false;
};

}  // namespace

int HeaderRowCount(const TableBlock& block) {
    return block.hasHeader ? std::max(0, block.headerRows) : 0;
}

void BuildLineCells(TableBlock& block, int lineIndex, CutFor purpose,
                    std::vector<TableCell>& cells) {
    if (block.kind == BlockKind::Delimited)
        SplitDelimitedLine(block, lineIndex, cells);
    else
        CutPlainLine(block, lineIndex, purpose, cells);
}

void ForEachRow(TableBlock& block, const std::function<void(const TableRow&)>& emit) {
    RowBuilder rows(block, emit);
    const int lineCount = static_cast<int>(block.lines.size());
    const int headerRows = HeaderRowCount(block);
    std::vector<TableCell> cells;
    for (int i = 0; i < lineCount; ++i) {
        const TableLine& line = block.lines[i];
        if (line.blank) {
            rows.End();
            continue;
        }
        if (line.rule) {
            rows.End();
            if (block.blankLineSeparated || i < headerRows) continue;
            // A rule line right after another one was drawn with it.
            if (i > 0 && block.lines[i - 1].rule) continue;
            const bool twice = i + 1 < lineCount && block.lines[i + 1].rule;
            rows.StartRule(i, twice ? RuleKind::Double : RuleKind::Single);
            continue;
        }
        BuildLineCells(block, i, CutFor::Writing, cells);
        if (!block.blankLineSeparated) {
            rows.End();
            rows.TakeLine(i, cells);
            rows.End();
            continue;
        }
        int was = 0;
        int now = 0;
        const int column = rows.SpanConflict(cells, was, now);
        if (column >= 0) {
            block.fc.Issue("WARNING: Ambiguous ColSpan Creating new row at (" + std::to_string(i) +
                               "," + std::to_string(column) + ") was " + std::to_string(was) +
                               " now " + std::to_string(now),
                           10);
            rows.End();
        }
        rows.AppendLine(i, cells);
    }
    rows.End();
}

}  // namespace tabulyst
