// The lines of a source file that reached the table, read again from the file: the reader
// runs afresh with the options it had at each line, directives are recognised but not
// executed, and the lines that did not reach the table are passed over. A file that does not
// read back as it first did is noticed.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "input/source_reader.h"
#include "table/line_source.h"

namespace tabulyst {

class FileLines : public LineSource {
  public:
    // The file and how its first reading began.
    FileLines(std::string path, const SourceOptions& options, int skipCount);

    // While the file is first read: the options the reading took up after a line (counted
    // from 1 in the order the reader delivered them).
    void NoteOptions(long afterLine, const SourceOptions& options);
    // At the end of the first reading: how many lines the reader delivered and how many of
    // the last of them stay out of the table.
    void NoteEnd(long linesRead, int ignoredAtEnd);

    void Rewind() override;
    bool Next(LineText& line) override;

    // True once a reading found the file other than it was at first: changed in size or
    // time, or ending before the lines it had.
    bool Changed() const { return changed_; }
    const std::string& Path() const { return path_; }

  private:
    // The file's size and modification time, to notice a change.
    std::pair<int64_t, int64_t> Stamp() const;

    std::string path_;
    SourceOptions first_;
    int skipCount_;
    std::vector<std::pair<long, SourceOptions>> changes_;
    long lastLine_ = 0;  // the last line read that may reach the table
    std::pair<int64_t, int64_t> stamp_;
    bool changed_ = false;

    SourceReader reader_;
    // Lines are read into the two in turn, so that a line stays whole while the next one
    // is read (a pass looks at both).
    SourceLine lines_[2];
    int turn_ = 0;
    long read_ = 0;
    size_t nextChange_ = 0;
};

}  // namespace tabulyst
