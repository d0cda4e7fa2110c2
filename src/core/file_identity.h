// Whether two names reach the same file: the test that keeps a run from writing over
// what it reads.
#pragma once

#include <string_view>

namespace tabulyst {

// True when both names reach one existing file (through links, "..", or another spelling).
bool SameExistingFile(std::string_view a, std::string_view b);
// True when both names would reach one file, whether it exists yet or not: the same file,
// or the same place once links and ".." are resolved as far as the paths exist.
bool SamePlace(std::string_view a, std::string_view b);

}  // namespace tabulyst
