// One pass over the lines of a block, in order: each line's texts and classification, and
// whether the lines around it are blank or rule lines. Every analysis step and every writer
// reads the lines this way, so that they need not all be held in memory.
#pragma once

#include <string_view>

#include "table/line_source.h"

namespace tabulyst {

class TableBlock;

class LinePass {
  public:
    // Starts at the block's first line (the source is rewound).
    explicit LinePass(const TableBlock& block);
    LinePass(const LinePass&) = delete;
    LinePass& operator=(const LinePass&) = delete;

    // Moves to the next line; false after the last.
    bool Next();
    // The line's index in the block, from 0.
    int Index() const { return index_; }
    std::string_view Raw() const { return current_.text.raw; }
    std::string_view Full() const { return current_.text.full; }
    // What the analysis sees: the full text less the indent removed from the block.
    std::string_view Text() const { return current_.analysed; }
    bool Blank() const { return current_.blank; }
    bool Rule() const { return current_.rule; }
    // The lines around this one (false where there is none).
    bool HasPrevious() const { return index_ > 0; }
    bool HasNext() const { return next_.valid; }
    bool PreviousBlank() const { return previousBlank_; }
    bool PreviousRule() const { return previousRule_; }
    bool NextBlank() const { return next_.valid && next_.blank; }
    bool NextRule() const { return next_.valid && next_.rule; }

  private:
    // A line's texts are views into the source, which keeps them while the next is read.
    struct Slot {
        LineText text;
        std::string_view analysed;
        bool blank = false;
        bool rule = false;
        bool valid = false;
    };
    void Fetch(Slot& slot);

    LineSource& source_;
    const size_t indent_;
    const size_t classifiedIndent_;
    const bool delimited_;
    Slot current_, next_;
    bool previousBlank_ = false;
    bool previousRule_ = false;
    int index_ = -1;
};

}  // namespace tabulyst
