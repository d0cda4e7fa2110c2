// The lines of a table region, read from the first line on as often as the analysis and the
// writers need them: kept in memory, or read again from the file they came from.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tabulyst {

// The text of one line of a region.
struct LineText {
    std::string_view raw;   // as read, tabs kept: what the delimited splitter cuts
    std::string_view full;  // tabs expanded, indent kept
};

class LineSource {
  public:
    virtual ~LineSource() = default;
    // Goes back to the first line.
    virtual void Rewind() = 0;
    // The next line; false after the last. Its texts stay valid until the next call but
    // one (a line and the one after it can be looked at together), or for as long as the
    // source lives when StableTexts() says so.
    virtual bool Next(LineText& line) = 0;
    virtual bool StableTexts() const { return false; }
};

// Stable storage for line texts: large chunks, so views never move and a huge file
// costs little more than its own size.
class TextArena {
  public:
    std::string_view Store(std::string_view text);
    size_t Bytes() const { return bytes_; }

  private:
    std::vector<std::unique_ptr<char[]>> chunks_;
    size_t chunkSize_ = 0;
    size_t used_ = 0;
    size_t bytes_ = 0;
};

// Lines kept in memory.
class MemoryLines : public LineSource {
  public:
    // Keeps a line; `full` may be the same text as `raw`, which is then kept once.
    void Add(std::string_view raw, std::string_view full);
    void Rewind() override { next_ = 0; }
    bool Next(LineText& line) override;
    bool StableTexts() const override { return true; }
    size_t Bytes() const { return arena_.Bytes(); }

  private:
    TextArena arena_;
    std::vector<LineText> lines_;
    size_t next_ = 0;
};

}  // namespace tabulyst
