// Anything that accepts whole lines of text: files, the console, in-memory lists.
#pragma once

#include <string_view>

namespace tabulyst {

// One whole line at a time; the sink adds its own line end.
class LineSink {
  public:
    virtual ~LineSink() = default;
    // Returns false when the line could not be written.
    virtual bool PutLine(std::string_view line) = 0;
};

}  // namespace tabulyst
