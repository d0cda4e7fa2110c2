#include "core/file_identity.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace tabulyst {

bool SameExistingFile(std::string_view a, std::string_view b) {
    std::error_code error;
    const bool same = std::filesystem::equivalent(std::filesystem::path(std::string(a)),
                                                  std::filesystem::path(std::string(b)), error);
    return same && !error;
}

}  // namespace tabulyst
