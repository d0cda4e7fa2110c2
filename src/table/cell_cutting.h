// Cutting a plain-text line into cells at the column boundaries.
#pragma once

#include <vector>

#include "table/analysis.h"
#include "table/table_model.h"

namespace tabulyst {

// Who a line is cut for: the analysis measures and counts quietly; cutting for the writer
// reports what is wrong with a line and reads the alignment words of cell tags.
enum class CutFor : uint8_t { Analysis, Writing };

// Cuts a line of an analysed plain-text block (its analysis text) into one cell per column
// (a cell whose text runs across boundaries covers several columns). Cell texts are the
// source texts, trimmed; their alignment is guessed.
// When `strayTagEnds` is given, end tag delimiters with no start before them are counted
// there rather than reported: a line cut on a thread of its own leaves the report to the
// thread that writes (ReportStrayTagEnds).
void CutPlainLine(TableBlock& block, std::string_view text, CutFor purpose,
                  std::vector<TableCell>& cells, int* strayTagEnds = nullptr);

// Cuts the lines of one block as CutPlainLine does, with what the block and its policies
// say about cutting looked up once rather than for every line. The block and the policies
// must hold still while it lives; it may cut on several threads at once.
class PlainLineCutter {
  public:
    explicit PlainLineCutter(TableBlock& block);
    void Cut(std::string_view text, CutFor purpose, std::vector<TableCell>& cells,
             int* strayTagEnds = nullptr) const;

  private:
    TableBlock& block_;
    AlignmentRules rules_;
    bool zeroWidth_;
    std::string_view tagStart_;
    std::string_view tagEnd_;
    std::vector<int> widths_;  // each column's share of the line, for the alignment guess
};
// Reports `count` end tag delimiters with no start before them.
void ReportStrayTagEnds(const TableBlock& block, int count);
// Gives the row one empty cell per column.
void StartLineCells(const TableBlock& block, std::vector<TableCell>& cells);

}  // namespace tabulyst
