// The RTF markup of tables: rows of cells with their right edges, borders from the rule
// lines around them and keep-with-next controls; and blocks that are no table, as
// paragraphs in a pre-formatted style.
#pragma once

#include <string_view>
#include <vector>

#include "output/table_writer.h"
#include "policy/fonts.h"

namespace tabulyst {

class RTFFile;

class RtfTableWriter : public TableWriter {
  public:
    explicit RtfTableWriter(RTFFile& file) : file_(file) {}
    void WriteTable(TableBlock& block) override;
    void WritePreformatted(const TableBlock& block) override;

  private:
    RTFFile& file_;
};

// Width in twips of one line of cell text in a font. An average character is taken to be
// half an em wide, scaled by the face's width factor: characters x size x 10 x factor,
// rounded up. With `escaped`, an RTF escape ("\'7b", "\\") counts as one character; in
// UTF-8 text (`utf8`) so does each multi-byte sequence.
int RtfTextWidth(std::string_view text, const FontSpec& font, bool escaped, bool utf8);

// The right edge of every column in twips, before the table's left offset: each column
// takes its widest single-column cell text plus 108, and 216 more for the gap. Hidden
// layout columns take no room.
std::vector<int> RtfColumnEdges(TableBlock& block, const FontSpec& font, bool utf8);

// The paragraph style a block that is no table is written in, by the block's kind.
int PreformattedRtfStyle(const TableBlock& block);

}  // namespace tabulyst
