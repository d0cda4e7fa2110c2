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

// Makes a line the current one of a policy set for as long as it lives (null: none), and
// gives the set back the one it had.
class CurrentLineScope {
  public:
    CurrentLineScope(FC& fc, SourceLine* line);
    ~CurrentLineScope();
    CurrentLineScope(const CurrentLineScope&) = delete;
    CurrentLineScope& operator=(const CurrentLineScope&) = delete;

  private:
    FC& fc_;
    SourceLine* previous_;
};

// Lowers the collecting flag of a policy set for as long as it lives: the set is in the
// pass whose line messages are issued.
class IssuingPass {
  public:
    explicit IssuingPass(FC& fc);
    ~IssuingPass();
    IssuingPass(const IssuingPass&) = delete;
    IssuingPass& operator=(const IssuingPass&) = delete;

  private:
    FC& fc_;
    bool collecting_;
};

}  // namespace tabulyst
