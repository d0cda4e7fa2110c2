// Plain-text column analysis, step by step: the steps are public so that each can be
// exercised on its own; AnalysePlainText (table/analysis.h) runs them in order.
#pragma once

#include <vector>

#include "table/table_model.h"
#include "table/value_histogram.h"

namespace tabulyst {

// What one character position looks like over the analysed lines.
// The blank and separator histograms of a position live only while its flags are decided:
// one line of 10 MB would otherwise keep two histograms for each of its ten million positions.
struct PositionStats {
    int samples = 0;
    bool gap = false;
    bool separatorFlag = false;  // a strict majority of the lines has a separator here
    int blankLines = 0;
    int separatorLines = 0;
};

// Removes the common indent from every line when it is between 1 and 79.
void RemoveCommonIndent(TableBlock& block);
// Sets the first analysed line from "Ignore table header during analysis".
void SetFirstAnalysedLine(TableBlock& block);
// Samples every non-blank analysed line at every position and decides the gap flags.
std::vector<PositionStats> GatherPositionStats(const TableBlock& block);
// The starting minimum column separation: the policy, but at least 2 below 6 lines.
int StartingSeparation(const TableBlock& block);
// Replaces the block's columns by those the statistics give for separation m.
void FindColumns(TableBlock& block, const std::vector<PositionStats>& stats, int m);
// Replaces the block's columns by those of the configuration's layout.
void TakeUserLayout(TableBlock& block);
// Cuts every line into cells and derives the column flags and the crossing totals.
void BuildColumnStatistics(TableBlock& block);
// Merges column j into column i (i < j).
void MergeColumns(TableBlock& block, int i, int j);
// Sets each column's width in characters from the boundaries.
void SetColumnWidths(TableBlock& block);

}  // namespace tabulyst
