// The HTML markup of tables: comments, placement, TABLE tag, caption, rows and cells, the
// table font around cell texts; and blocks that are no table, inside PRE.
#pragma once

#include "output/table_writer.h"

namespace tabulyst {

class HTMLFile;

class HtmlTableWriter : public TableWriter {
  public:
    explicit HtmlTableWriter(HTMLFile& file) : file_(file) {}
    void WriteTable(TableBlock& block) override;
    void WritePreformatted(const TableBlock& block) override;

  private:
    HTMLFile& file_;
};

}  // namespace tabulyst
