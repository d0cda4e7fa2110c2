#include "policy/line_message.h"

#include "policy/fc.h"

namespace tabulyst {

void IssueLineMessage(SourceLine& line, const FC& fc, std::string_view text, int importance) {
    // The URL class is left to the routing itself, as for every other message.
    struct ClassFilter {
        P policy;
        std::string_view mark;
    };
    static constexpr ClassFilter kFilters[] = {
        {P::SuppressInfoMessages, "INFO:"},
        {P::SuppressWarningMessages, "WARNING:"},
        {P::SuppressProgramErrorMessages, "PROGRAM ERROR:"},
        {P::SuppressTagErrorMessages, "TAG ERROR:"},
    };
    for (const ClassFilter& filter : kFilters)
        if (fc.Flag(filter.policy) && FindNoCase(text, filter.mark) != std::string_view::npos)
            return;

    if (fc.Sink() && fc.Sink()->logFile) {
        line.annotation.Append(line.annotation.Empty() ? "*** " : "\n*** ");
        line.annotation.Append(text);
    }
    if (fc.collecting || fc.quiet) return;
    TextString routed("Line ");
    routed.AppendNumber('1', line.lineNumber);
    routed.Append(" - ");
    routed.Append(text);
    fc.IssueUnattached(routed, importance);
}

CurrentLineScope::CurrentLineScope(FC& fc, SourceLine* line)
    : fc_(fc), previous_(fc.CurrentLine()) {
    fc.SetCurrentLine(line);
}

CurrentLineScope::~CurrentLineScope() { fc_.SetCurrentLine(previous_); }

IssuingPass::IssuingPass(FC& fc) : fc_(fc), collecting_(fc.collecting) { fc.collecting = false; }

IssuingPass::~IssuingPass() { fc_.collecting = collecting_; }

}  // namespace tabulyst
