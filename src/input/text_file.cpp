// Line-oriented file access: reading with an include stack, writing, in-memory lines.
#include "input/text_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/byte_scan.h"

namespace tabulyst {

namespace {

constexpr size_t kReadChunk = 64 * 1024;
constexpr size_t kWriteBuffer = 64 * 1024;
// Files replaced by SwitchTo are counted; the tenth switch fails, which stops a
// pair of files switching to each other for ever.
constexpr int kSwitchLimit = 10;

bool SameFile(std::string_view a, std::string_view b) {
    if (a == b) return true;
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::path(a), std::filesystem::path(b), error) &&
           !error;
}

// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, unsigned code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

constexpr unsigned kReplacement = 0xFFFD;

std::string SystemReason(int error) { return std::strerror(error); }

// Why a path cannot be read as text: what it is when it is neither a regular file nor a
// pipe; empty when it can be tried.
std::string UnreadableKind(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return SystemReason(errno);
    if (S_ISDIR(info.st_mode)) return SystemReason(EISDIR);
    if (S_ISCHR(info.st_mode)) return "is a character device, not a file";
    if (S_ISBLK(info.st_mode)) return "is a block device, not a file";
    if (S_ISSOCK(info.st_mode)) return "is a socket, not a file";
    return {};
}

// The permissions a new file gets: read and write for whoever the umask allows.
mode_t NewFileMode() {
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
}

// Creates the temporary file that will replace `target`: in the same directory, so that
// the replacement is one rename, with the permissions the target has or would get.
std::FILE* CreateTemporaryBeside(const std::string& target, bool binary, std::string& temp,
                                 std::string& error) {
    const std::filesystem::path path(target);
    std::error_code code;
    if (std::filesystem::is_directory(path, code)) {
        error = SystemReason(EISDIR);
        return nullptr;
    }
    const std::filesystem::path directory = path.has_parent_path() ? path.parent_path() : ".";
    std::string pattern = (directory / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error = SystemReason(errno);
        return nullptr;
    }
    struct stat info {};
    const mode_t mode = ::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)
                            ? static_cast<mode_t>(info.st_mode & 07777)
                            : NewFileMode();
    ::fchmod(fd, mode);
    std::FILE* stream = ::fdopen(fd, binary ? "wb" : "w");
    if (!stream) {
        error = SystemReason(errno);
        ::close(fd);
        std::remove(pattern.c_str());
        return nullptr;
    }
    temp = std::move(pattern);
    return stream;
}

// Converts gathered UTF-16 code units to UTF-8; false when a unit was above 127.
bool Utf16ToUtf8(const std::vector<unsigned>& units, std::string& out) {
    bool ascii = true;
    for (size_t i = 0; i < units.size(); ++i) {
        unsigned unit = units[i];
        if (unit >= 0x80) ascii = false;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
                unsigned code = 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00);
                AppendUtf8(out, code);
                ++i;
            } else {
                AppendUtf8(out, kReplacement);
            }
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            AppendUtf8(out, kReplacement);
        } else if (unit == 0) {
            // A NUL would end the text for every C routine downstream.
            out.push_back(' ');
        } else {
            AppendUtf8(out, unit);
        }
    }
    return ascii;
}

}  // namespace

TextFile::TextFile() = default;

TextFile::~TextFile() { Close(); }

void TextFile::Abandon() { abandoned_ = true; }

void TextFile::FinishWriting(OpenFile& file) {
    bool ok = !file.failed && !abandoned_;
    const auto fail = [&] {
        if (ok && writeError_.empty()) writeError_ = SystemReason(errno);
        ok = false;
    };
    if (std::fflush(file.stream) != 0 || std::ferror(file.stream)) fail();
    if (std::fclose(file.stream) != 0) fail();
    file.stream = nullptr;
    if (ok && held_) {
        held_->push_back({file.name, file.targetName});
        return;
    }
    if (ok && std::rename(file.name.c_str(), file.targetName.c_str()) != 0) fail();
    if (!ok) std::remove(file.name.c_str());
    if (!ok && !abandoned_) writeOk_ = false;
}

bool ReplaceWithHeld(const HeldFile& file, std::string& reason) {
    if (std::rename(file.temporary.c_str(), file.target.c_str()) == 0) return true;
    reason = SystemReason(errno);
    std::remove(file.temporary.c_str());
    return false;
}

void DiscardHeld(const HeldFile& file) { std::remove(file.temporary.c_str()); }

void TextFile::Close() {
    while (!files_.empty()) Pop();
    Reset();
    // A long line gathered once need not hold its room for the rest of the run.
    std::string().swap(scratch_);
}

bool TextFile::OpenForWriting(std::string_view name, bool console, bool binary) {
    binaryWrite_ = binary;
    openForReading_ = false;
    openError_.clear();
    writeOk_ = true;
    writeError_.clear();
    abandoned_ = false;
    if (memoryWrite_) {
        isOpen_ = true;
        return true;
    }
    OpenFile file;
    file.name.assign(name);
    if (console) {
        console_ = true;
        file.stream = stdout;
    } else {
        file.targetName.assign(name);
        file.stream = CreateTemporaryBeside(file.targetName, binary, file.name, openError_);
        if (!file.stream) return false;
        // A written file's read-ahead buffer serves as its stream buffer: documents run
        // to hundreds of megabytes, and the default buffer costs a system call a page.
        file.buffer.resize(kWriteBuffer);
        std::setvbuf(file.stream, file.buffer.data(), _IOFBF, file.buffer.size());
    }
    files_.push_back(std::move(file));
    if (Depth() > deepest_) deepest_ = Depth();
    isOpen_ = true;
    return true;
}

bool TextFile::OpenForReading(std::string_view name) {
    if (memoryRead_) {
        isOpen_ = true;
        openForReading_ = true;
        return true;
    }
    openError_.clear();
    // A file already on the stack would include itself without end.
    if (FindName(name)) {
        openError_ = "already being read";
        return false;
    }
    std::string path(name);
    // A device or a directory never ends or is no text: only files and pipes are read.
    openError_ = UnreadableKind(path);
    if (!openError_.empty()) return false;
    // Binary mode: line ends are handled here, the same on every platform.
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    if (!stream) {
        openError_ = SystemReason(errno);
        return false;
    }
    OpenFile file;
    file.name = std::move(path);
    file.stream = stream;
    files_.push_back(std::move(file));
    if (Depth() > deepest_) deepest_ = Depth();
    isOpen_ = true;
    openForReading_ = true;
    return true;
}

bool TextFile::SwitchTo(std::string_view name) {
    std::string target(name);  // the name may live in the file being popped
    Pop();
    ++switches_;
    if (switches_ >= kSwitchLimit) return false;
    return OpenForReading(target);
}

void TextFile::Reset() {
    for (OpenFile& file : files_) {
        if (file.stream && file.stream != stdout) std::fclose(file.stream);
        if (!file.targetName.empty()) std::remove(file.name.c_str());
    }
    files_.clear();
    console_ = false;
    isOpen_ = false;
    openForReading_ = false;
    binaryWrite_ = false;
    memoryIndex_ = 0;
}

void TextFile::Pop() {
    if (files_.empty()) return;
    OpenFile& file = files_.back();
    if (file.stream) {
        if (file.stream == stdout) {
            if (std::fflush(stdout) != 0) writeOk_ = false;
        } else if (!file.targetName.empty()) {
            FinishWriting(file);
        } else {
            std::fclose(file.stream);
        }
    }
    files_.pop_back();
    if (files_.empty()) {
        isOpen_ = memoryRead_ != nullptr || memoryWrite_ != nullptr;
        if (!isOpen_) openForReading_ = false;
        console_ = false;
    }
}

bool TextFile::FindName(std::string_view name) const {
    for (const OpenFile& file : files_) {
        if (SameFile(file.name, name)) return true;
    }
    return false;
}

std::string_view TextFile::CurrentName() const {
    if (files_.empty()) return {};
    return files_.back().name;
}

void TextFile::SetMemoryRead(const std::vector<TextString>* lines) {
    memoryRead_ = lines;
    memoryIndex_ = 0;
}

void TextFile::SetMemoryWrite(std::vector<TextString>* lines) { memoryWrite_ = lines; }

bool TextFile::Refill(OpenFile& file) {
    if (file.ended || !file.stream) return false;
    if (file.buffer.size() < kReadChunk) file.buffer.resize(kReadChunk);
    size_t got = std::fread(file.buffer.data(), 1, file.buffer.size(), file.stream);
    file.position = 0;
    file.end = got;
    // A read error ends the input just as the end of the file does.
    if (got == 0) file.ended = true;
    return got > 0;
}

bool TextFile::ReadFrom(OpenFile& file, TextString& line) {
    if (file.firstLine) {
        file.firstLine = false;
        // fread fills the whole buffer unless the file is shorter, so a mark is never split.
        if (file.position >= file.end) Refill(file);
        if (file.end - file.position >= 2) {
            auto b0 = static_cast<unsigned char>(file.buffer[file.position]);
            auto b1 = static_cast<unsigned char>(file.buffer[file.position + 1]);
            if (b0 == 0xFF && b1 == 0xFE) file.utf16le = true;
            if (b0 == 0xFE && b1 == 0xFF) file.utf16be = true;
            if (file.utf16le || file.utf16be) {
                file.byteReading = true;
                file.position += 2;
                utf16le_ = utf16le_ || file.utf16le;
                utf16be_ = utf16be_ || file.utf16be;
            } else if (file.end - file.position >= 3 && b0 == 0xEF && b1 == 0xBB &&
                       static_cast<unsigned char>(file.buffer[file.position + 2]) == 0xBF) {
                // The UTF-8 mark that spreadsheet exports put in front would otherwise
                // stick to the first cell.
                file.position += 3;
            }
        }
    }

    // A CR that ended the last line at the end of a fill may be followed by its LF.
    if (file.afterCr) {
        file.afterCr = false;
        if (file.byteReading)
            file.afterCr = true;  // the UTF-16 reading looks at whole characters
        else if ((file.position < file.end || Refill(file)) && file.buffer[file.position] == '\n')
            ++file.position;
    }

    scratch_.clear();
    lastLineCut_ = false;
    if (!file.byteReading) {
        // A line that lies whole in the read-ahead buffer is copied once, straight from
        // there; only a line cut by a refill is gathered in scratch_ first.
        std::string_view text;
        bool any = false;
        bool nul = false;
        for (;;) {
            if (file.position >= file.end && !Refill(file)) {
                text = scratch_;
                break;
            }
            any = true;
            const char* start = file.buffer.data() + file.position;
            size_t count = file.end - file.position;
            // The line ends at the first LF or CR: a CR right before the LF is its line end
            // too, and a CR anywhere else ends a line of its own. One scan finds either, and
            // notices a NUL on the way.
            const size_t at = FindLineEnd(std::string_view(start, count), nul);
            if (at < count) {
                const bool cr = start[at] == '\r';
                size_t length = at;
                file.position += length + 1;
                if (cr) {
                    if (file.position < file.end) {
                        if (file.buffer[file.position] == '\n') ++file.position;
                    } else {
                        file.afterCr = true;
                    }
                }
                if (scratch_.empty()) {
                    text = std::string_view(start, length);
                } else {
                    Gather(start, length);
                    text = scratch_;
                }
                break;
            }
            Gather(start, count);
            file.position = file.end;
        }
        if (!any) return false;
        TakeLine(text, line, nul);
        return true;
    }

    std::vector<unsigned> units;
    bool any = false;
    for (;;) {
        unsigned char pair[2];
        int got = 0;
        while (got < 2) {
            if (file.position >= file.end && !Refill(file)) break;
            pair[got++] = static_cast<unsigned char>(file.buffer[file.position++]);
        }
        if (got < 2) break;  // an odd trailing byte is no character: dropped
        unsigned unit = file.utf16le ? (pair[0] | (pair[1] << 8)) : ((pair[0] << 8) | pair[1]);
        if (file.afterCr) {
            file.afterCr = false;
            if (unit == '\n') continue;
        }
        any = true;
        if (unit == '\n') break;
        if (unit == '\r') {
            file.afterCr = true;
            break;
        }
        if (lineLimit_ == 0 || units.size() < lineLimit_)
            units.push_back(unit);
        else
            lastLineCut_ = true;
    }
    if (!any) return false;
    if (!Utf16ToUtf8(units, scratch_)) allAscii_ = false;
    TakeLine(scratch_, line, true);
    return true;
}

void TextFile::Gather(const char* start, size_t count) {
    if (lineLimit_ != 0 && scratch_.size() + count > lineLimit_) {
        lastLineCut_ = true;
        count = scratch_.size() < lineLimit_ ? lineLimit_ - scratch_.size() : 0;
    }
    scratch_.append(start, count);
}

void TextFile::TakeLine(std::string_view text, TextString& line, bool maybeNul) {
    if (lineLimit_ != 0 && text.size() > lineLimit_) {
        lastLineCut_ = true;
        text = text.substr(0, lineLimit_);
    }
    line.Assign(text);
    // A NUL would end the text for every C routine downstream.
    if (maybeNul && std::memchr(line.c_str(), '\0', static_cast<size_t>(line.Length())))
        for (int32_t i = 0; i < line.Length(); ++i)
            if (line[i] == '\0') line.SetAt(i, ' ');
}

bool TextFile::ReadLine(TextString& line) {
    if (memoryRead_) {
        if (memoryIndex_ >= memoryRead_->size()) return false;
        line = (*memoryRead_)[memoryIndex_++];
        ++linesRead_;
        return true;
    }
    while (!files_.empty()) {
        if (ReadFrom(files_.back(), line)) {
            ++linesRead_;
            ++files_.back().lines;
            return true;
        }
        // The end of an included file: go on in the file that included it.
        if (files_.size() == 1) return false;
        Pop();
    }
    return false;
}

bool TextFile::PutLine(std::string_view text) {
    if (memoryWrite_) {
        memoryWrite_->emplace_back(text);
        return true;
    }
    std::FILE* stream = nullptr;
    if (console_) {
        stream = stdout;
    } else if (!files_.empty()) {
        stream = files_.back().stream;
    }
    if (!stream) return false;
    // After a failed write (a full disk) the rest of a long document is not tried.
    if (!writeOk_) return false;
    if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stream);
    std::fputc('\n', stream);
    if (std::ferror(stream) == 0) return true;
    if (!files_.empty()) files_.back().failed = true;
    if (writeError_.empty()) writeError_ = SystemReason(errno);
    writeOk_ = false;
    return false;
}

double ControlByteShare(std::string_view path) {
    constexpr size_t kSample = 64 * 1024;
    std::FILE* stream = std::fopen(std::string(path).c_str(), "rb");
    if (!stream) return 0;
    std::vector<unsigned char> bytes(kSample);
    const size_t got = std::fread(bytes.data(), 1, bytes.size(), stream);
    std::fclose(stream);
    if (got >= 2 &&
        ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF)))
        return 0;
    size_t control = 0;
    for (size_t i = 0; i < got; ++i) {
        const unsigned char b = bytes[i];
        if ((b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f') || b == 0x7f) ++control;
    }
    return got == 0 ? 0 : static_cast<double>(control) / static_cast<double>(got);
}

}  // namespace tabulyst
