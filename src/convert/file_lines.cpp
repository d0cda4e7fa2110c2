#include "convert/file_lines.h"

#include <sys/stat.h>

namespace tabulyst {

FileLines::FileLines(std::string path, const SourceOptions& options, int skipCount)
    : path_(std::move(path)), first_(options), skipCount_(skipCount), stamp_(Stamp()) {}

std::pair<int64_t, int64_t> FileLines::Stamp() const {
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0) return {-1, -1};
    return {static_cast<int64_t>(info.st_size),
            static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

void FileLines::NoteOptions(long afterLine, const SourceOptions& options) {
    changes_.emplace_back(afterLine, options);
}

void FileLines::NoteEnd(long linesRead, int ignoredAtEnd) { lastLine_ = linesRead - ignoredAtEnd; }

void FileLines::Rewind() {
    reader_.Close();
    read_ = 0;
    nextChange_ = 0;
    if (Stamp() != stamp_) changed_ = true;
    if (changed_ || !reader_.OpenForReading(path_)) {
        changed_ = true;
        return;
    }
    reader_.options = first_;
    reader_.SetSkipCount(skipCount_);
}

bool FileLines::Next(LineText& line) {
    if (changed_) return false;
    while (read_ < lastLine_) {
        SourceLine& read = lines_[turn_];
        if (!ReadSourceLine(reader_, read)) {
            changed_ = true;  // fewer lines than the first reading found
            return false;
        }
        ++read_;
        while (nextChange_ < changes_.size() && changes_[nextChange_].first <= read_)
            reader_.options = changes_[nextChange_++].second;
        if (!ReachesTable(read)) continue;
        line.raw = read.Raw();
        line.full = read.text.View();
        turn_ = 1 - turn_;
        return true;
    }
    // A change made while this pass read the file, even one its read-ahead did not see.
    if (Stamp() != stamp_) changed_ = true;
    return false;
}

}  // namespace tabulyst
