#include "policy/policy.h"

namespace tabulyst {

Policy::Policy(const PolicyDef& def) : def_(&def), key_(def.key) {}

ValuePolicy::ValuePolicy(const PolicyDef& def) : Policy(def), value_(def.defaultValue) {}
TextPolicy::TextPolicy(const PolicyDef& def) : Policy(def), tValue(def.defaultText) {}
ChoicePolicy::ChoicePolicy(const PolicyDef& def)
    : Policy(def), value_(def.defaultValue), choices_(def.choices) {}

void ValuePolicy::Reset() {
    value_ = def_->defaultValue;
    set_ = setByRuleSet_ = false;
}
void TextPolicy::Reset() {
    tValue.Assign(def_->defaultText);
    set_ = setByRuleSet_ = false;
}
void ChoicePolicy::Reset() {
    value_ = def_->defaultValue;
    set_ = setByRuleSet_ = false;
}

std::unique_ptr<Policy> ValuePolicy::Clone() const { return std::make_unique<ValuePolicy>(*this); }
std::unique_ptr<Policy> TextPolicy::Clone() const { return std::make_unique<TextPolicy>(*this); }
std::unique_ptr<Policy> ChoicePolicy::Clone() const { return std::make_unique<ChoicePolicy>(*this); }

std::unique_ptr<Policy> MakePolicy(const PolicyDef& def) {
    if (def.isValueKind()) return std::make_unique<ValuePolicy>(def);
    if (def.isTextKind()) return std::make_unique<TextPolicy>(def);
    return std::make_unique<ChoicePolicy>(def);
}

}  // namespace tabulyst
