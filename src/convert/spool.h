// Inputs that cannot be read twice: a pipe is copied to a temporary file first, which
// stands in for it while the file is converted.
#pragma once

#include <string>
#include <string_view>

namespace tabulyst {

// True for a path that reaches a regular file (following links).
bool IsRegularFile(std::string_view path);

// A copy of an input that is not a regular file, removed when the spool goes.
class Spool {
  public:
    Spool() = default;
    Spool(const Spool&) = delete;
    Spool& operator=(const Spool&) = delete;
    ~Spool();

    // Copies the input into a new file of the temporary directory when it is no regular
    // file; false, with the reason, when the copy cannot be made.
    bool Take(std::string_view input, std::string& error);
    // What to read: the copy when one was made, else the input itself.
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::string copy_;
};

}  // namespace tabulyst
