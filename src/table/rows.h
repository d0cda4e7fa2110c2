// Cutting lines into cells and grouping lines into rows: what every table writer reads.
#pragma once

#include <functional>
#include <vector>

#include "table/cell_cutting.h"
#include "table/line_pass.h"
#include "table/table_model.h"

namespace tabulyst {

// A row drawn from rule lines: one rule, or two rule lines in a row.
enum class RuleKind : uint8_t { None, Single, Double };

// One row ready for a writer.
struct TableRow {
    std::vector<TableCell> cells;  // one per column; a spanning cell stands in its first column
    int firstLine = -1;            // source line indexes the row was built from
    int lastLine = -1;
    bool header = false;  // a header row (its first line lies below the header row count)
    RuleKind rule = RuleKind::None;  // a rule row: every cell holds the rule
    bool ruleAbove = false;          // the line before the row is a rule line
    bool ruleBelow = false;          // the line after the row is a rule line
    int valign = kVAlignNone;        // tagged tables: the row's vertical alignment code
    int strayTagEnds = 0;            // built ahead: stray end tag delimiters, for the writer
};

// Cuts one line of the block into cells: delimited splitting or plain-text cutting.
void BuildLineCells(TableBlock& block, const LinePass& line, CutFor purpose,
                    std::vector<TableCell>& cells);
// Groups the block's lines into rows, in order, and hands each row with text to `emit`.
// A cell's line count is the number of lines that gave it text; blank texts add no line.
void ForEachRow(TableBlock& block, const std::function<void(const TableRow&)>& emit);

// The number of header rows in force: 0 unless the block has a header.
int HeaderRowCount(const TableBlock& block);

}  // namespace tabulyst
