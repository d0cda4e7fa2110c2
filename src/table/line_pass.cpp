#include "table/line_pass.h"

#include <algorithm>
#include <utility>

#include "table/classify.h"
#include "table/table_model.h"

namespace tabulyst {

LinePass::LinePass(const TableBlock& block)
    : source_(block.Lines()),
      stable_(source_.StableTexts()),
      indent_(static_cast<size_t>(std::max(block.removedIndent, 0))),
      classifiedIndent_(static_cast<size_t>(std::max(block.classifiedIndent, 0))),
      delimited_(IsDelimited(block.format)) {
    source_.Rewind();
    Fetch(next_);
}

void LinePass::Point(Slot& slot) const {
    slot.text.raw = slot.raw;
    slot.text.full = slot.sameText ? slot.text.raw : std::string_view(slot.full);
    const std::string_view full = slot.text.full;
    slot.analysed = full.substr(std::min(full.size(), indent_));
}

void LinePass::Fetch(Slot& slot) {
    slot.valid = source_.Next(slot.text);
    if (!slot.valid) return;
    // Delimited data is analysed and cut as read.
    if (delimited_) slot.text.full = slot.text.raw;
    if (!stable_) {
        // The source reuses its buffers: the line after the current one is kept here.
        slot.sameText = slot.text.full.data() == slot.text.raw.data();
        slot.raw.assign(slot.text.raw);
        if (!slot.sameText) slot.full.assign(slot.text.full);
        Point(slot);
    }
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
    // A short copy moves with the slot: its views are made again.
    if (!stable_) Point(current_);
    ++index_;
    Fetch(next_);
    return true;
}

}  // namespace tabulyst
