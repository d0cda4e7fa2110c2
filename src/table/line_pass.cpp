#include "table/line_pass.h"

#include <algorithm>
#include <utility>

#include "table/classify.h"
#include "table/table_model.h"

namespace tabulyst {

LinePass::LinePass(const TableBlock& block)
    : source_(block.Lines()),
      indent_(static_cast<size_t>(std::max(block.removedIndent, 0))),
      classifiedIndent_(static_cast<size_t>(std::max(block.classifiedIndent, 0))),
      delimited_(IsDelimited(block.format)) {
    source_.Rewind();
    Fetch(next_);
}

void LinePass::Fetch(Slot& slot) {
    slot.valid = source_.Next(slot.text);
    if (!slot.valid) return;
    // Delimited data is analysed and cut as read.
    if (delimited_) slot.text.full = slot.text.raw;
    const std::string_view full = slot.text.full;
    slot.analysed = full.substr(std::min(full.size(), indent_));
    const std::string_view classified = full.substr(std::min(full.size(), classifiedIndent_));
    slot.blank = IsBlankText(classified);
    slot.rule = !slot.blank && IsRuleLine(classified);
}

bool LinePass::Next() {
    if (!next_.valid) return false;
    if (index_ >= 0) {
        previousBlank_ = current_.blank;
        previousRule_ = current_.rule;
    }
    std::swap(current_, next_);
    ++index_;
    Fetch(next_);
    return true;
}

}  // namespace tabulyst
