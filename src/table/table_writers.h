// The writers of an analysed table: one per output format.
#pragma once

#include "table/table_model.h"

namespace tabulyst {

// Writes the block to its HTML or RTF output as the block's flags say.
void ParseTable(TableBlock& block);
// HTML table markup.
void WriteHtmlTable(TableBlock& block);
// RTF table markup.
void WriteRtfTable(TableBlock& block);
// A block that is no table (diagram, code sample, mail header): preformatted, escaped.
void WritePreformattedBlock(TableBlock& block);

}  // namespace tabulyst
