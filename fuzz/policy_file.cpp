// Fuzz target: a policy file read from disk, with its includes, switches and link
// dictionaries (named files are looked for beside it, in a directory of this process).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "fuzz_support.h"
#include "policy/fc.h"

namespace {

// A directory of this process's own, so that two fuzzers or a replay never share a file;
// removed when the process ends.
class ScratchDirectory {
  public:
    ScratchDirectory()
        : path_(std::filesystem::temp_directory_path() /
                ("tabulyst-fuzz-policy-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

const ScratchDirectory& Scratch() {
    static const ScratchDirectory directory;
    return directory;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tabulyst;
    const std::string path = (Scratch().Path() / "input.pol").string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    fuzz::SilentSink silent;
    FC fc(&silent.sink);
    LoadPolicyFile(fc, path);
    return 0;
}
