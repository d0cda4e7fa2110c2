#include "policy/tab_config.h"

namespace tabulyst {

TabConfig::TabConfig() {
    for (const PolicyDef& def : Catalogue())
        if (def.tableIndex >= 0) records_[def.tableIndex] = MakePolicy(def);
}

TabConfig::TabConfig(const TabConfig& other)
    : columnSpecs(other.columnSpecs), autoCentre(other.autoCentre), tableFont(other.tableFont) {
    for (size_t i = 0; i < records_.size(); ++i) records_[i] = other.records_[i]->Clone();
}

TabConfig& TabConfig::operator=(const TabConfig& other) {
    if (this != &other) {
        for (size_t i = 0; i < records_.size(); ++i) records_[i] = other.records_[i]->Clone();
        columnSpecs = other.columnSpecs;
        autoCentre = other.autoCentre;
        tableFont = other.tableFont;
    }
    return *this;
}

Policy& TabConfig::Record(P id) { return *records_[Def(id).tableIndex]; }
const Policy& TabConfig::Record(P id) const { return *records_[Def(id).tableIndex]; }

int TabConfig::Value(P id) const {
    const Policy& record = Record(id);
    if (record.GetKind() == Kind::Choice) return static_cast<const ChoicePolicy&>(record).Value();
    if (record.Def().isValueKind()) return static_cast<const ValuePolicy&>(record).Value();
    return 0;
}

const TextString& TabConfig::Text(P id) const {
    return static_cast<const TextPolicy&>(Record(id)).Value();
}

void TabConfig::SetValue(P id, int value, bool markSet) {
    Policy& record = Record(id);
    static_cast<ValuePolicy&>(record).SetValue(value);
    if (markSet) record.MarkSet();
}

void TabConfig::SetText(P id, std::string_view text, bool markSet) {
    Policy& record = Record(id);
    static_cast<TextPolicy&>(record).SetValue(text);
    if (markSet) record.MarkSet();
}

void TabConfig::Reset() {
    for (auto& record : records_) record->Reset();
    columnSpecs.clear();
    autoCentre = false;
}

}  // namespace tabulyst
