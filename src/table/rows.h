// Cutting lines into cells and grouping lines into rows: shared by every table writer.
#pragma once

#include <functional>
#include <vector>

#include "output/document_state.h"
#include "table/table_model.h"

namespace tabulyst {

// One row ready for a writer.
struct TableRow {
    std::vector<TableCell> cells;  // one per column; a spanning cell stands in its first column
    int firstLine = -1;            // source line indexes the row was built from
    int lastLine = -1;
    bool header = false;           // a header row (its first line lies below the header row count)
    bool ruleRow = false;          // built from a rule line (cells hold "<HR>" for HTML)
    int valign = kVAlignNone;      // tagged tables: the row's vertical alignment code
};

// Target of the cell texts: HTML joins lines with "<BR>", RTF with "\par ".
enum CellTarget : int { kCellsHtml = 0, kCellsRtf = 1 };

// Cuts one line of the block into cells: delimited splitting or plain-text cutting.
void BuildLineCells(TableBlock& block, int lineIndex, int target, std::vector<TableCell>& cells);
// Splits one line of a delimited block into one cell per field; texts are escaped for an
// HTML or RTF target and left as read for any other target.
void SplitDelimitedLine(TableBlock& block, int lineIndex, int target, std::vector<TableCell>& cells);
// Groups the block's lines into rows, in order, and hands each non-empty row to `emit`.
// A cell's line count is the number of lines that gave it text; blank texts add no line.
void ForEachRow(TableBlock& block, int target, const std::function<void(const TableRow&)>& emit);

// The number of header rows in force: 0 unless the block has a header.
int HeaderRowCount(const TableBlock& block);
// The document state cell texts are escaped with: that of the target's output file, or a
// plain one of the target's format when the block has no such file.
const DocumentState& CellState(const TableBlock& block, int target);

}  // namespace tabulyst
