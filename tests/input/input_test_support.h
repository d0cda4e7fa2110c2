// Shared helpers of the file-reading tests: a scratch directory per test and a substring check.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "kept_documents.h"

namespace tabulyst::testing_support {

namespace fs = std::filesystem;

// True when `part` occurs in `text`; on failure the whole text is shown.
inline ::testing::AssertionResult Contains(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << part << "\" not found in:\n" << text;
}

// A fresh directory named after the running test, removed afterwards.
class ScratchDir {
  public:
    ScratchDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        origin_ = std::string(info->test_suite_name()) + "_" + info->name();
        path_ = fs::path(::testing::TempDir()) / ("tabulyst_" + origin_);
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~ScratchDir() {
        KeepDocumentsIn(origin_, path_);
        std::error_code error;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(path_, error);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // The directory with a trailing separator, as the engine's directory parts are.
    std::string Dir() const { return path_.string() + "/"; }
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
        return (path_ / name).string();
    }
    std::string Read(const std::string& name) const { return ReadFile((path_ / name).string()); }
    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const fs::path& Path() const { return path_; }

  private:
    std::string origin_;
    fs::path path_;
};

}  // namespace tabulyst::testing_support
