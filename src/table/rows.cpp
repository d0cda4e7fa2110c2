#include "table/rows.h"

#include <algorithm>
#include <optional>
#include <string>

#include "policy/fc.h"
#include "policy/line_message.h"
#include "table/cell_cutting.h"
#include "table/classify.h"
#include "table/delimited.h"
#include "table/hand_off.h"
#include "table/line_pass.h"
#include "table/tagged_table.h"

namespace tabulyst {
namespace {

// While the rows are built and written, messages are about the source line at hand.
class RowLines {
  public:
    explicit RowLines(TableBlock& block) : block_(block), scope_(block.fc, nullptr) {}

    // Line `index` of the block is at hand.
    void At(int index) {
        line_.lineNumber = block_.SourceLineNumber(index);
        block_.fc.SetCurrentLine(line_.lineNumber > 0 ? &line_ : nullptr);
    }

  private:
    TableBlock& block_;
    SourceLine line_;
    CurrentLineScope scope_;
};

// Takes a finished row: it may swap the row's storage for another row's, whose texts the
// builder then clears and reuses.
using RowTaker = std::function<void(TableRow&)>;

// Collects the lines of one row and hands the row on when it ends.
class RowBuilder {
  public:
    RowBuilder(TableBlock& block, const RowTaker& emit, RowLines* lines)
        : emit_(emit),
          lines_(lines),
          headerRows_(HeaderRowCount(block)),
          columns_(block.columns.size()),
          everyRow_(block.kind == BlockKind::Tagged) {
        row_.cells.resize(columns_);
    }

    // Ends the row being built; a row with no text is dropped, but for the rows of a tagged
    // table, which its writers judge themselves.
    void End() {
        if (!started_) return;
        const bool hasText = std::any_of(row_.cells.begin(), row_.cells.end(),
                                         [](const TableCell& cell) { return cell.lines > 0; });
        if (hasText || everyRow_) {
            row_.header = row_.firstLine < headerRows_;
            if (lines_) lines_->At(row_.lastLine);
            emit_(row_);
        }
        // The cells are cleared when next built on: a row of one line swaps in the cells its
        // line was cut into, which were cleared by the cutting.
        stale_ = true;
        row_.firstLine = row_.lastLine = -1;
        row_.ruleAbove = row_.ruleBelow = false;
        row_.rule = RuleKind::None;
        row_.valign = kVAlignNone;
        row_.strayTagEnds = 0;
        started_ = false;
    }

    // A rule row: every cell holds the rule.
    void StartRule(const LinePass& line, RuleKind rule) {
        Freshen();
        Begin(line);
        row_.rule = rule;
        for (TableCell& cell : row_.cells) {
            cell.lines = 1;
            cell.align = kAlignLeft;
        }
    }

    // A line that forms a row of its own: its cells become the row's cells.
    void TakeLine(const LinePass& line, std::vector<TableCell>& cells, int valign,
                  int strayTagEnds) {
        Begin(line);
        row_.valign = valign;
        row_.strayTagEnds = strayTagEnds;
        cells.resize(columns_);
        for (TableCell& cell : cells)
            cell.lines = IsBlankText(cell.text) ? 0 : std::max(1, cell.lines);
        row_.cells.swap(cells);
        stale_ = false;
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
    void AppendLine(const LinePass& line, const std::vector<TableCell>& cells) {
        Freshen();
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
            if (to.text.empty()) {
                to.align = from.align;
                to.valign = from.valign;
                to.valignOverride = from.valignOverride;
                to.kind = from.kind;
            } else {
                to.text.push_back('\n');
            }
            to.text.append(from.text);
            to.lines += std::max(1, from.lines);
        }
    }

  private:
    void Freshen() {
        if (!stale_) return;
        row_.cells.resize(columns_);
        for (TableCell& cell : row_.cells) cell.Reset();
        stale_ = false;
    }

    void Begin(const LinePass& line) {
        if (!started_) {
            row_.firstLine = line.Index();
            row_.ruleAbove = line.HasPrevious() && line.PreviousRule();
        }
        row_.lastLine = line.Index();
        row_.ruleBelow = line.NextRule();
        started_ = true;
    }

    const RowTaker& emit_;
    RowLines* lines_;
    int headerRows_;
    size_t columns_;
    bool everyRow_;
    TableRow row_;
    bool started_ = false;
    bool stale_ = false;  // the row's cells still hold an ended row's texts
};

}  // namespace

int HeaderRowCount(const TableBlock& block) {
    return block.hasHeader ? std::max(0, block.headerRows) : 0;
}

void BuildLineCells(TableBlock& block, const LinePass& line, CutFor purpose,
                    std::vector<TableCell>& cells) {
    if (block.kind == BlockKind::Delimited)
        SplitDelimitedLine(block, line.Raw(), cells);
    else if (block.kind == BlockKind::Tagged)
        CutTaggedLine(block, line.Index(), line.Text(), purpose, cells);
    else
        CutPlainLine(block, line.Text(), purpose, cells);
}

namespace {

// Builds the rows of the block in order. `lines`, when given, follows the source line at
// hand, so that messages name it; a builder on a thread of its own gives none.
void BuildRows(TableBlock& block, const RowTaker& emit, RowLines* lines) {
    RowBuilder rows(block, emit, lines);
    const int headerRows = HeaderRowCount(block);
    std::vector<TableCell> cells;
    // Plain lines are cut by one cutter for the whole pass; the others as BuildLineCells does.
    std::optional<PlainLineCutter> cutter;
    if (block.kind != BlockKind::Delimited && block.kind != BlockKind::Tagged)
        cutter.emplace(block);
    for (LinePass line(block); line.Next();) {
        const int i = line.Index();
        if (lines) lines->At(i);
        if (line.Blank()) {
            rows.End();
            continue;
        }
        if (line.Rule()) {
            rows.End();
            if (block.blankLineSeparated || i < headerRows) continue;
            // A rule line right after another one was drawn with it.
            if (line.HasPrevious() && line.PreviousRule()) continue;
            rows.StartRule(line, line.NextRule() ? RuleKind::Double : RuleKind::Single);
            continue;
        }
        // Built ahead, a row carries what is wrong with its line to the writing thread.
        int strayTagEnds = 0;
        if (cutter)
            cutter->Cut(line.Text(), CutFor::Writing, cells, lines ? nullptr : &strayTagEnds);
        else
            BuildLineCells(block, line, CutFor::Writing, cells);
        if (!block.blankLineSeparated) {
            rows.End();
            if (cells.empty()) continue;  // a tagged line that is no row
            rows.TakeLine(line, cells, block.spans.rowValign, strayTagEnds);
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
        rows.AppendLine(line, cells);
    }
    rows.End();
}

// Rows handed from the thread that builds them to the one that writes them. A batch ends
// after so many rows or so many bytes (cells and their texts), so that wide rows do not
// pile up.
struct RowBatch {
    static constexpr size_t kRows = 256;
    static constexpr size_t kBytes = 1 << 20;
    std::vector<TableRow> rows;  // reused: the row texts keep their storage
    size_t count = 0;
    size_t bytes = 0;
};
using RowPipe = HandOff<RowBatch>;

// Thrown inside the builder thread when the writer has stopped taking rows.
struct WriterStopped {};

// A long table of one line a row is built ahead on a second thread while its rows are
// written: the cutting of lines and the writing of markup then take turns on two
// processors. Such building issues no message of its own (only rows built from several
// lines, tagged lines and lines cut at their own bars can, and those are built in turn);
// what is wrong with a line goes with its row. The policies and the block hold still while
// a table is written, so both threads only read them.
bool BuildsAhead(const TableBlock& block) {
    return block.kind != BlockKind::Tagged && !block.blankLineSeparated && !block.barColumns &&
           block.lineCount >= kLinesWorthAThread;
}

void BuildRowsAhead(TableBlock& block, const std::function<void(const TableRow&)>& emit) {
    RowPipe pipe;
    RunBeside(
        pipe,
        [&] {
            RowBatch* batch = pipe.TakeEmpty();
            try {
                BuildRows(
                    block,
                    [&](TableRow& row) {
                        if (!batch) throw WriterStopped{};
                        if (batch->count == batch->rows.size()) batch->rows.emplace_back();
                        batch->bytes += row.cells.size() * sizeof(TableCell);
                        for (const TableCell& cell : row.cells) batch->bytes += cell.text.size();
                        std::swap(batch->rows[batch->count++], row);
                        if (batch->count == RowBatch::kRows || batch->bytes >= RowBatch::kBytes) {
                            pipe.PassFull(batch);
                            batch = pipe.TakeEmpty();
                        }
                    },
                    nullptr);
            } catch (const WriterStopped&) {
                return;
            }
            if (!batch) return;
            if (batch->count > 0) pipe.PassFull(batch);
            pipe.Close();
        },
        [&] {
            RowLines lines(block);
            for (RowBatch* batch; (batch = pipe.TakeFull()) != nullptr;) {
                for (size_t i = 0; i < batch->count; ++i) {
                    const TableRow& row = batch->rows[i];
                    lines.At(row.lastLine);
                    ReportStrayTagEnds(block, row.strayTagEnds);
                    emit(row);
                }
                batch->count = 0;
                batch->bytes = 0;
                pipe.ReturnEmpty(batch);
            }
        });
}

}  // namespace

void ForEachRow(TableBlock& block, const std::function<void(const TableRow&)>& emit) {
    if (BuildsAhead(block)) {
        BuildRowsAhead(block, emit);
        return;
    }
    RowLines lines(block);
    BuildRows(
        block, [&emit](TableRow& row) { emit(row); }, &lines);
}

}  // namespace tabulyst
