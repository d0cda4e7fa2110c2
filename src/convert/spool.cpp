#include "convert/spool.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace tabulyst {

bool IsRegularFile(std::string_view path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(std::string(path)), error);
}

Spool::~Spool() {
    if (!copy_.empty()) std::remove(copy_.c_str());
}

bool Spool::Take(std::string_view input, std::string& error) {
    path_.assign(input);
    if (IsRegularFile(input)) return true;
    std::error_code code;
    const std::filesystem::path directory = std::filesystem::temp_directory_path(code);
    if (code) {
        error = "no temporary directory: " + code.message();
        return false;
    }
    std::string pattern = (directory / "tabulyst-spool-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error = "can't create a file in " + directory.string() + ": " + std::strerror(errno);
        return false;
    }
    copy_ = pattern;
    std::FILE* out = ::fdopen(fd, "wb");
    std::FILE* in = std::fopen(path_.c_str(), "rb");
    if (!out || !in) {
        error = std::strerror(errno);
        if (out)
            std::fclose(out);
        else
            ::close(fd);
        if (in) std::fclose(in);
        return false;
    }
    std::vector<char> buffer(64 * 1024);
    bool ok = true;
    for (size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), in)) > 0;)
        if (std::fwrite(buffer.data(), 1, got, out) != got) {
            ok = false;
            break;
        }
    if (std::ferror(in)) ok = false;
    const int saved = errno;
    std::fclose(in);
    if (std::fclose(out) != 0) ok = false;
    if (!ok) {
        error = "can't copy it to " + copy_ + ": " + std::strerror(saved ? saved : EIO);
        return false;
    }
    path_ = copy_;
    return true;
}

}  // namespace tabulyst
