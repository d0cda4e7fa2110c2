// Whether two names reach the same file: the test that keeps a run from writing over
// what it reads.
#pragma once

#include <string_view>

namespace tabulyst {

// True when both names reach one existing file (through links, "..", or another spelling).
bool SameExistingFile(std::string_view a, std::string_view b);

}  // namespace tabulyst
