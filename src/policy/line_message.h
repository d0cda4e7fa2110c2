// Messages about one source line: kept on the line for the diagnostics, and routed with
// its line number when the policy set is not quiet.
#pragma once

#include <string_view>

#include "input/source_line.h"

namespace tabulyst {

class FC;

// Annotates the line (when the run has a log) and, unless either quiet flag of the set is
// raised, issues "Line N - text" at the same importance.
void IssueLineMessage(SourceLine& line, const FC& fc, std::string_view text, int importance);

}  // namespace tabulyst
