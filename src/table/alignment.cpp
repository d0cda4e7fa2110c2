// The alignment guess of a cell from the blanks around its text and what the text holds.
#include <cstdlib>

#include "policy/fc.h"
#include "table/analysis.h"
#include "table/classify.h"

namespace tabulyst {
namespace {

bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }

// Digits and the marks that figures carry; under a financial rule set also currency
// signs, brackets and signs.
bool IsFigureChar(unsigned char c, bool financial) {
    if (c >= '0' && c <= '9') return true;
    switch (c) {
        case '%': case ':': case ',': case '.': case '*':
            return true;
        case '$': case 163: case '(': case ')': case '-': case '+':
            return financial;
        default:
            return false;
    }
}

bool IsNumericText(std::string_view trimmed, bool financial) {
    if (trimmed.empty()) return false;
    for (char c : trimmed)
        if (!IsFigureChar(static_cast<unsigned char>(c), financial)) return false;
    return true;
}

bool IsDelimitedBlock(const TableBlock& block) {
    return block.kind == BlockKind::Delimited || block.formatCode == kFormatTab ||
           block.formatCode == kFormatComma;
}

}  // namespace

int GuessAlignment(const TableBlock& block, std::string_view text, int width) {
    const int chosen = BlockConfig(block).Value(P::DefaultTableCellAlignment);
    if (chosen != kAlignNone) return chosen;
    if (text.empty()) return kAlignLeft;

    const int length = static_cast<int>(text.size());
    int lead = 0;
    while (lead < length && IsBlankChar(text[lead])) ++lead;
    int trail = 0;
    while (trail < length && IsBlankChar(text[length - 1 - trail])) ++trail;
    const int right = trail + (length < width ? width - length : 0);
    const int total = right + lead;

    const std::string_view trimmed =
        lead >= length ? std::string_view{} : text.substr(lead, length - lead - trail);
    const int ruleSet = block.fc.RuleSet();
    const bool numeric = IsNumericText(trimmed, ruleSet == kMerrill || ruleSet == kSec);

    if (!IsDelimitedBlock(block) && width >= 1 && total >= width) return kAlignLeft;
    if (numeric) return kAlignRight;
    if (lead == 0) return kAlignLeft;
    if (right == 0 && lead > 1) return kAlignRight;
    if (total >= length) return kAlignLeft;
    if (std::abs(lead - right) < 2 && lead > 1) return kAlignCentre;
    if (lead <= right) return kAlignLeft;
    return lead > 1 ? kAlignRight : kAlignLeft;
}

}  // namespace tabulyst
