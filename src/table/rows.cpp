#include "table/rows.h"

#include <algorithm>
#include <string>

#include "output/output_file.h"
#include "policy/fc.h"
#include "table/cell_cutting.h"
#include "table/classify.h"

namespace tabulyst {
namespace {

constexpr std::string_view kRuleCell = "<HR>";
constexpr std::string_view kDoubleRuleCell = "<HR SIZE=5 NOSHADE>";

// Collects the lines of one row and hands the row on when it ends.
class RowBuilder {
public:
    RowBuilder(TableBlock& block, int target, const std::function<void(const TableRow&)>& emit)
        : emit_(emit),
          joiner_(target == kCellsRtf ? "\\par " : "<BR>"),
          headerRows_(HeaderRowCount(block)),
          columns_(block.columns.size()) {
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
        row_.ruleRow = false;
        row_.valign = kVAlignNone;
        started_ = false;
    }

    // A rule row: every cell holds a rule, unless the text is left out (RTF output, or a
    // rule line that directly follows another one).
    void StartRule(int line, std::string_view text) {
        Begin(line);
        row_.ruleRow = true;
        if (text.empty()) return;
        for (TableCell& cell : row_.cells) {
            cell.text.Assign(text);
            cell.lines = 1;
            cell.align = kAlignLeft;
        }
    }

    // A line that forms a row of its own: its cells become the row's cells.
    void TakeLine(int line, std::vector<TableCell>& cells) {
        Begin(line);
        cells.resize(columns_);
        for (TableCell& cell : cells) cell.lines = IsBlankText(cell.text) ? 0 : std::max(1, cell.lines);
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
                to.text.Append(joiner_);
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
    std::string_view joiner_;
    int headerRows_;
    size_t columns_;
    TableRow row_;
    bool started_ = false;
};

}  // namespace

int HeaderRowCount(const TableBlock& block) {
    return block.hasHeader ? std::max(0, block.headerRows) : 0;
}

const DocumentState& CellState(const TableBlock& block, int target) {
    static const DocumentState html = [] {
        DocumentState state;
        state.outputFormat = kOutputHtml;
        return state;
    }();
    static const DocumentState rtf = [] {
        DocumentState state;
        state.outputFormat = kOutputRtf;
        return state;
    }();
    if (target == kCellsRtf) return block.rtfFile ? block.rtfFile->state : rtf;
    return block.htmlFile ? block.htmlFile->state : html;
}

void BuildLineCells(TableBlock& block, int lineIndex, int target, std::vector<TableCell>& cells) {
    if (block.kind == BlockKind::Delimited)
        SplitDelimitedLine(block, lineIndex, target, cells);
    else
        CutPlainLine(block, lineIndex, target, cells);
}

void ForEachRow(TableBlock& block, int target, const std::function<void(const TableRow&)>& emit) {
    RowBuilder rows(block, target, emit);
    const int lineCount = static_cast<int>(block.lines.size());
    const int headerRows = HeaderRowCount(block);
    const bool writing = block.fc.passHtml || block.fc.passRtf;
    std::vector<TableCell> cells;
    for (int i = 0; i < lineCount; ++i) {
        const TableLine& line = block.lines[i];
        if (line.type == kTableLinePolicy) {
            // Its change took effect when the line was read; it never becomes a row.
            if (!writing) block.fc.Issue("UNSUPPORTED CASE: Policy line inside ParseTable", 10);
            continue;
        }
        if (line.blank) {
            rows.End();
            continue;
        }
        if (line.rule) {
            rows.End();
            if (block.blankLineSeparated || i < headerRows) continue;
            std::string_view text;
            const bool afterRule = i > 0 && block.lines[i - 1].rule;
            if (target == kCellsHtml && !afterRule)
                text = i + 1 < lineCount && block.lines[i + 1].rule ? kDoubleRuleCell : kRuleCell;
            rows.StartRule(i, text);
            continue;
        }
        BuildLineCells(block, i, target, cells);
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
            block.fc.Issue("WARNING: Ambiguous ColSpan Creating new row at (" + std::to_string(i) + "," +
                               std::to_string(column) + ") was " + std::to_string(was) + " now " +
                               std::to_string(now),
                           10);
            rows.End();
        }
        rows.AppendLine(i, cells);
    }
    rows.End();
}

}  // namespace tabulyst
