// Temporary until delimited data, rows and the HTML writer land.
#include "table/analysis.h"
#include "table/rows.h"
#include "table/table_writers.h"
namespace tabulyst {
void AnalyseDelimited(TableBlock&) {}
int GuessAlignment(const TableBlock&, std::string_view, int) { return kAlignLeft; }
void BuildLineCells(TableBlock&, int, int, std::vector<TableCell>& cells) { cells.clear(); }
void SplitDelimitedLine(TableBlock&, int, int, std::vector<TableCell>& cells) { cells.clear(); }
void ForEachRow(TableBlock&, int, const std::function<void(const TableRow&)>&) {}
void ParseTable(TableBlock&) {}
void WriteHtmlTable(TableBlock&) {}
void WritePreformattedBlock(TableBlock&) {}
}  // namespace tabulyst
