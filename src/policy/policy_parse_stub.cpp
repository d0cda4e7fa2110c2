// Temporary: replaced by the full parse/write implementation.
#include "policy/policy.h"

namespace tabulyst {
bool Policy::MatchLine(PolicyLine&) const { return false; }
bool Policy::AllowRepeat(PolicyLine&) const { return true; }
void Policy::WriteLine(LineSink&, std::string_view) const {}
void ValuePolicy::Parse(PolicyLine&, int, int) {}
void TextPolicy::Parse(PolicyLine&, int, int) {}
void ChoicePolicy::Parse(PolicyLine&, int, int) {}
void ValuePolicy::Write(LineSink&, bool) const {}
void TextPolicy::Write(LineSink&, bool) const {}
void ChoicePolicy::Write(LineSink&, bool) const {}
void ValuePolicy::CopyFrom(const Policy& other, bool carry) {
    if (!other.IsSet()) return;
    value_ = static_cast<const ValuePolicy&>(other).value_;
    if (carry) SetFlags(other.IsSet(), other.IsSetByRuleSet());
}
void TextPolicy::CopyFrom(const Policy& other, bool carry) {
    if (!other.IsSet()) return;
    tValue = static_cast<const TextPolicy&>(other).tValue;
    if (carry) SetFlags(other.IsSet(), other.IsSetByRuleSet());
}
void ChoicePolicy::CopyFrom(const Policy& other, bool carry) {
    if (!other.IsSet()) return;
    value_ = static_cast<const ChoicePolicy&>(other).value_;
    if (carry) SetFlags(other.IsSet(), other.IsSetByRuleSet());
}
TextString ValuePolicy::ValueText() const { return TextString(value_); }
TextString TextPolicy::ValueText() const { return tValue.Empty() ? TextString("(none)") : tValue; }
TextString ChoicePolicy::ValueText() const { return TextString(value_); }
void ValuePolicy::ApplyRuleSetValue(FC&, int32_t, bool) {}
void TextPolicy::ApplyRuleSetValue(FC&, std::string_view, bool) {}
void ChoicePolicy::ApplyRuleSetValue(FC&, int32_t, bool) {}
}  // namespace tabulyst
