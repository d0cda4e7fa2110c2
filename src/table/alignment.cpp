// The alignment guess of a cell from the blanks around its text and what the text holds.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "policy/fc.h"
#include "table/analysis.h"
#include "table/classify.h"

namespace tabulyst {
namespace {

// Figure bytes: digits and the marks that figures carry; under a financial rule set also
// currency signs, brackets and signs. One lookup a byte: every cell's text passes here.
constexpr uint8_t kFigure = 1;
constexpr uint8_t kFinancialFigure = 2;
constexpr std::array<uint8_t, 256> kFigureBytes = [] {
    std::array<uint8_t, 256> table{};
    for (unsigned char c : std::string_view("0123456789%:,.*"))
        table[c] = kFigure | kFinancialFigure;
    for (unsigned char c : std::string_view("$()-+\xa3")) table[c] = kFinancialFigure;
    return table;
}();

bool IsNumericText(std::string_view trimmed, bool financial) {
    if (trimmed.empty()) return false;
    const uint8_t wanted = financial ? kFinancialFigure : kFigure;
    for (char c : trimmed)
        if (!(kFigureBytes[static_cast<unsigned char>(c)] & wanted)) return false;
    return true;
}

bool IsDelimitedBlock(const TableBlock& block) {
    return block.kind == BlockKind::Delimited || IsDelimited(block.format);
}

}  // namespace

AlignmentRules::AlignmentRules(const TableBlock& block)
    : chosen(BlockConfig(block).Value(P::DefaultTableCellAlignment)),
      financial(block.fc.RuleSet() == kMerrill || block.fc.RuleSet() == kSec),
      delimited(IsDelimitedBlock(block)) {}

int GuessAlignment(const TableBlock& block, std::string_view text, int width) {
    return GuessAlignment(AlignmentRules(block), text, width);
}

int GuessAlignment(const AlignmentRules& rules, std::string_view text, int width) {
    return GuessAlignment(rules, text, TrimBlanks(text), width);
}

int GuessAlignment(const AlignmentRules& rules, std::string_view text, std::string_view trimmed,
                   int width) {
    if (rules.chosen != kAlignNone) return rules.chosen;
    if (text.empty()) return kAlignLeft;

    // The blanks before and after the text; a text of blanks only has them all on both sides.
    const int length = static_cast<int>(text.size());
    const int lead = trimmed.empty() ? length : static_cast<int>(trimmed.data() - text.data());
    const int trail = trimmed.empty() ? length : length - lead - static_cast<int>(trimmed.size());
    const int right = trail + (length < width ? width - length : 0);
    const int total = right + lead;

    const bool numeric = IsNumericText(trimmed, rules.financial);

    if (!rules.delimited && width >= 1 && total >= width) return kAlignLeft;
    if (numeric) return kAlignRight;
    if (lead == 0) return kAlignLeft;
    if (right == 0 && lead > 1) return kAlignRight;
    if (total >= length) return kAlignLeft;
    if (std::abs(lead - right) < 2 && lead > 1) return kAlignCentre;
    if (lead <= right) return kAlignLeft;
    return lead > 1 ? kAlignRight : kAlignLeft;
}

}  // namespace tabulyst
