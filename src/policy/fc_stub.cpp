// Temporary: replaced by the full consolidation, copy and policy-file implementation.
#include "policy/colours.h"
#include "policy/fc.h"

namespace tabulyst {
void FC::Consolidate(bool) {}
void FC::CopyFrom(const FC& other, bool carryFlags) {
    for (const PolicyDef& def : Catalogue()) Record(def.id).CopyFrom(other.Record(def.id), carryFlags);
}
int FC::ParsePolicyLine(std::string_view, int& group, bool) {
    group = 0;
    return kUnclaimed;
}
void FC::ApplyCommandLineRuleSet(std::string_view) {}
void FC::SavePolicyFile(LineSink&, bool) const {}
bool FC::SetTableLayout(std::string_view) { return false; }
bool LoadPolicyFile(FC&, std::string_view) { return false; }
bool CheckColour(std::string_view text, TextString& normalised) {
    normalised.Assign(text);
    return true;
}
}  // namespace tabulyst
