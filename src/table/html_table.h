// The HTML markup of a table: comments, placement, TABLE tag, caption, rows and cells.
#pragma once

#include <functional>

#include "table/rows.h"

namespace tabulyst {

// How a table is marked up beyond what its block says.
struct HtmlTableOptions {
    // A table opened by a tagged-table directive: its own border and padding rules, bottom-
    // aligned header rows, row classes and row alignment codes, and its own comments.
    bool tagged = false;
};

// Produces the rows of a table, in order, handing each one to `emit`.
using RowSource = std::function<void(const std::function<void(const TableRow&)>& emit)>;

// Writes the block's rows (grouped by ForEachRow) with the given options.
void WriteHtmlTable(TableBlock& block, const HtmlTableOptions& options);
// Writes rows that the caller builds itself (tagged tables carry row spans and row alignment).
void WriteHtmlTable(TableBlock& block, const HtmlTableOptions& options, const RowSource& rows);

}  // namespace tabulyst
