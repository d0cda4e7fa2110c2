// The writers of an analysed table block: one implementation per output format.
#pragma once

#include "table/table_model.h"

namespace tabulyst {

// Writes analysed table blocks into one document. The block holds source text only; the
// writer escapes it, joins the lines of a cell and adds the markup of its format.
class TableWriter {
  public:
    virtual ~TableWriter() = default;
    // Writes the block as a table.
    virtual void WriteTable(TableBlock& block) = 0;
    // Writes a block that is no table (diagram, code sample, mail header) as it stands.
    virtual void WritePreformatted(const TableBlock& block) = 0;
};

// Writes the analysed block: as a table, or as it stands when the analysis found no table.
void ParseTable(TableBlock& block, TableWriter& writer);

}  // namespace tabulyst
