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

bool SamePlace(std::string_view a, std::string_view b) {
    if (SameExistingFile(a, b)) return true;
    std::error_code error;
    const auto place = [&error](std::string_view name) {
        return std::filesystem::weakly_canonical(
            std::filesystem::absolute(std::filesystem::path(std::string(name)), error), error);
    };
    const std::filesystem::path pa = place(a);
    const std::filesystem::path pb = place(b);
    return !error && pa == pb;
}

}  // namespace tabulyst
