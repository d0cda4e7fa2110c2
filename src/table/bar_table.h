// Pipe tables, as markdown and wikis write them: cells between bars ("| a | b |", or
// "||a||b||" for a wiki's header cells), a markdown delimiter row ("|:---|---:|") under the
// header. Bars that line up are found by the column statistics like any other; bars that do
// not are followed line by line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "table/line_pass.h"
#include "table/table_model.h"

namespace tabulyst {

// What the bars of a plain-text block's lines say about it, gathered in the pass that
// classifies the lines.
class BarScan {
  public:
    // Takes the next line of the pass (line classification must be known).
    void Take(const LinePass& line);

    // True when the block is a pipe table whose bars do not line up: every text line holds
    // a bar and starts with one, or the block has a delimiter row with bars; and the bars of
    // the text lines stand at different places.
    bool SplitsAtBars() const;
    // The most cells a line of the block has between its bars.
    int MostCells() const { return mostCells_; }
    // The leading lines of a wiki table whose cells are parted by "||" while every later
    // line's are parted by "|": its header rows (0 when there are none).
    int DoubleBarRows() const;
    // The first rule line of the block when it is a delimiter row with alignment colons;
    // empty when there is none.
    const std::string& AlignmentRow() const { return alignmentRow_; }
    // The index of the block's first rule line when it is a markdown delimiter row (a rule
    // line with bars); -1 when it is not, or there is none.
    int DelimiterRow() const { return delimiterRow_; }

  private:
    int textLines_ = 0;
    int barLines_ = 0;            // text lines holding a bar
    int leadingBarLines_ = 0;     // text lines starting with a bar
    bool barRule_ = false;        // a rule line holds a bar
    bool aligned_ = true;         // every text line has its bars where the first has them
    std::vector<int> firstBars_;  // where the first text line's runs of bars start
    int mostCells_ = 0;
    int doubleBarEnd_ = 0;  // index after the last leading line with "||"
    bool singleBarSeen_ = false;
    bool laterDoubleBar_ = false;
    bool ruleSeen_ = false;
    int delimiterRow_ = -1;
    std::string alignmentRow_;
    std::vector<int> bars_;  // reused for every line
};

// Gives the block one column per cell position of its lines, cut at each line's own bars.
void TakeBarColumns(TableBlock& block, int count);
// Cuts a line of a pipe table into its cells: text between the bars (a "\|" stays in the
// text as a bar), outer bars and blanks dropped; a run of bars parts two cells.
void SplitBarLine(const TableBlock& block, std::string_view text, std::vector<TableCell>& cells);
// The alignment the colons of a delimiter row cell give ("---:" right, ":---:" centre,
// ":---" left); kAlignNone without colons.
int DelimiterAlignment(std::string_view cell);
// Reads the alignments of a delimiter row into the columns it lies across.
void MarkColumnAlignments(TableBlock& block, std::string_view row);

}  // namespace tabulyst
