#include "policy/fc.h"

#include <algorithm>
#include <iostream>
#include <iterator>

#include "policy/colours.h"
#include "policy/line_message.h"

namespace tabulyst {

FC::FC(MessageSink* sink) : sink_(sink) {
    BuildRecords();
    Consolidate(false);
}

FC::~FC() = default;

void FC::CopyAll(const FC& other) {
    if (&other == this) return;
    for (size_t i = 0; i < records_.size(); ++i)
        records_[i] = other.records_[i] ? other.records_[i]->Clone() : nullptr;
    baseConfig_ = other.baseConfig_;
    indentationPattern_ = other.indentationPattern_;
    productText_ = other.productText_;
    origin_ = other.origin_;
    outputExtension_ = other.outputExtension_;
    ruleSet_ = other.ruleSet_;
    ruleSetStated_ = other.ruleSetStated_;
    extras_ = other.extras_;
    collecting = other.collecting;
    quiet = other.quiet;
    reporting = other.reporting;
    pastEndOfInput = other.pastEndOfInput;
    sourceFileName = other.sourceFileName;
    std::copy(std::begin(other.documentCounters), std::end(other.documentCounters),
              std::begin(documentCounters));
}

void FC::BuildRecords() {
    records_.clear();
    records_.resize(kPolicyCount);
    for (const PolicyDef& def : Catalogue())
        if (def.tableIndex < 0) records_[static_cast<size_t>(def.id)] = MakePolicy(def);
}

Policy& FC::Record(P id) {
    const PolicyDef& def = Def(id);
    if (def.tableIndex >= 0) return baseConfig_.RecordAt(def.tableIndex);
    return *records_[static_cast<size_t>(id)];
}

const Policy& FC::Record(P id) const {
    const PolicyDef& def = Def(id);
    if (def.tableIndex >= 0) return baseConfig_.RecordAt(def.tableIndex);
    return *records_[static_cast<size_t>(id)];
}

int FC::Value(P id) const {
    const Policy& record = Record(id);
    if (record.GetKind() == Kind::Choice) return static_cast<const ChoicePolicy&>(record).Value();
    if (record.Def().isValueKind()) return static_cast<const ValuePolicy&>(record).Value();
    return 0;
}

const TextString& FC::Text(P id) const {
    return static_cast<const TextPolicy&>(Record(id)).Value();
}

void FC::SetValue(P id, int value, bool markSet) {
    Policy& record = Record(id);
    if (record.GetKind() == Kind::Choice)
        static_cast<ChoicePolicy&>(record).SetValue(value);
    else
        static_cast<ValuePolicy&>(record).SetValue(value);
    if (markSet) record.MarkSet();
}

void FC::SetText(P id, std::string_view text, bool markSet) {
    Policy& record = Record(id);
    static_cast<TextPolicy&>(record).SetValue(text);
    if (markSet) record.MarkSet();
}

void FC::Issue(std::string_view text, int importance) const {
    if (currentLine_)
        IssueLineMessage(*currentLine_, *this, text, importance);
    else
        IssueUnattached(text, importance);
}

void FC::IssueUnattached(std::string_view text, int importance) const {
    if (origin_.Empty()) {
        Route(text, importance);
        return;
    }
    std::string located(text);
    located.append(origin_.View());
    Route(located, importance);
}

void FC::Route(std::string_view text, int importance) const {
    if (!sink_) {
        if (Flag(P::DisplayMessages)) std::cerr << text << '\n';
        return;
    }
    // The policies of the set that speaks are the ones that apply.
    sink_->reportingLevel = Value(P::ErrorReportingLevel);
    sink_->display = Flag(P::DisplayMessages);
    sink_->suppressUrl = Flag(P::SuppressUrlMessages);
    sink_->suppressInfo = Flag(P::SuppressInfoMessages);
    sink_->suppressWarning = Flag(P::SuppressWarningMessages);
    sink_->suppressProgramError = Flag(P::SuppressProgramErrorMessages);
    sink_->suppressTagError = Flag(P::SuppressTagErrorMessages);
    RouteMessage(*sink_, text, importance);
}

void FC::IssueStatus(std::string_view text) const {
    if (!sink_) {
        if (Flag(P::DisplayMessages)) std::cout << text << '\n';
        return;
    }
    sink_->reportingLevel = Value(P::ErrorReportingLevel);
    sink_->display = Flag(P::DisplayMessages);
    RouteStatusLine(*sink_, text);
}

void FC::ResetToDefaults() {
    for (auto& record : records_)
        if (record) {
            record->Reset();
            record->SetKey(record->Def().key);
        }
    baseConfig_.Reset();
    ruleSet_ = kNoRuleSet;
    ruleSetStated_ = false;
    extras_ = Extras{};
    pastEndOfInput = false;
    Consolidate(false);
}

void FC::SetRuleSet(int code, bool stated) {
    ruleSet_ = code;
    ruleSetStated_ = stated;
}

void FC::LinkSettings(const ProgramSettings* settings) {
    writableSettings_ = nullptr;
    Link(settings);
}

void FC::LinkSettings(ProgramSettings* settings) {
    writableSettings_ = settings;
    Link(settings);
}

void FC::Link(const ProgramSettings* settings) {
    settings_ = settings;
    // Product texts by the settings' product code; code 7 was never given out.
    static constexpr const char* kProducts[] = {
        "Pagelyst 4.1", "Tabulyst 4.0",  "Richlyst 1.5", "Richlyst 1.5", "Linklyst 1.0",
        "Textlyst 1.0", "Striplyst 1.0", "xxxxlyst ?.?", "Backlyst 1.0",
    };
    const int code = settings ? settings->productCode : 1;
    productText_.Assign(code >= 0 && code < static_cast<int>(std::size(kProducts))
                            ? kProducts[code]
                            : "xxxxlyst ?.?");
    Consolidate(false);
}

void FC::CopyFrom(const FC& other, bool carryFlags) {
    if (other.ruleSet_ != kNoRuleSet) {
        ruleSet_ = other.ruleSet_;
        if (carryFlags) ruleSetStated_ = other.ruleSetStated_;
    }
    for (const PolicyDef& def : Catalogue())
        Record(def.id).CopyFrom(other.Record(def.id), carryFlags);
    if (!other.extras_.indentPositions.empty())
        extras_.indentPositions = other.extras_.indentPositions;
}

void FC::SetTableValue(P id, int value) { baseConfig_.SetValue(id, value, true); }

void FC::SetTableText(P id, std::string_view text) { baseConfig_.SetText(id, text, true); }

void FC::SetTableColour(P id, std::string_view colour) {
    TextString normalised;
    if (!CheckColour(colour, normalised)) Issue(NonStandardColourMessage(colour), 7);
    baseConfig_.SetText(id, normalised, true);
}

}  // namespace tabulyst
