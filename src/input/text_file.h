// Line-oriented file access: reading with an include stack, writing, in-memory lines.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/line_sink.h"
#include "core/text_string.h"

namespace tabulyst {

// A written file held back from replacing its target: complete, under its temporary name.
struct HeldFile {
    std::string temporary;
    std::string target;
};
// Lets a held file replace its target; false, with the system's reason, when it cannot
// (the temporary file is then removed).
bool ReplaceWithHeld(const HeldFile& file, std::string& reason);
// Drops a held file: its target stays as it was.
void DiscardHeld(const HeldFile& file);

// The file behind every file read or written: source, policy files, log, documents.
// Reading keeps a stack of open files for includes; lines of any length arrive whole, and
// LF, CR LF and a lone CR all end a line. Only regular files and pipes are read. A file
// written is first a temporary file beside it, which replaces it only when it is closed
// with every line written: an older file stays as it was until then.
class TextFile : public LineSink {
  public:
    TextFile();
    ~TextFile() override;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Pops every file, then resets. A file being written replaces its target now, unless
    // a line could not be written or the file was abandoned.
    virtual void Close();
    // Creates a file for writing ("w"/"wb"), or writes to standard output with console.
    virtual bool OpenForWriting(std::string_view name, bool console = false, bool binary = false);
    // Opens a regular file or a pipe for reading and pushes it; with memory lines this
    // succeeds at once. A directory or a device is refused.
    virtual bool OpenForReading(std::string_view name);
    // Drops what is being written: the target keeps its older content (or stays absent).
    // Otherwise closing (or the end of the object) lets a complete file replace it.
    void Abandon();
    // Replaces the innermost file by another (at most 9 switches succeed).
    virtual bool SwitchTo(std::string_view name);
    // Forgets every name and stream.
    virtual void Reset();
    // Closes the innermost file.
    virtual void Pop();
    // True when the name is already open somewhere on the stack.
    virtual bool FindName(std::string_view name) const;
    // Reads the next line (line end removed, UTF-16 converted to UTF-8); false at the end.
    virtual bool ReadLine(TextString& line);

    bool PutLine(std::string_view text) override;

    // Why the last open failed, as the system says it ("No such file or directory",
    // "Is a directory"); empty after a successful open.
    const std::string& OpenError() const { return openError_; }
    // False once a line could not be written or a written file could not replace its target.
    bool WriteOk() const { return writeOk_; }
    // Why writing failed, in the system's words ("No space left on device"); empty if not.
    const std::string& WriteError() const { return writeError_; }
    // Files written from now on do not replace their targets when closed: each complete
    // one is added to `held`, for whoever holds the list to let through or drop (null:
    // they replace their targets at once).
    void HoldReplacementsIn(std::vector<HeldFile>* held) { held_ = held; }
    // Lines longer than this many bytes are cut to it as they are read (0: no limit); the
    // rest of such a line is passed over without being kept.
    void SetLineLimit(size_t bytes) { lineLimit_ = bytes; }
    // Whether the line read last was cut.
    bool LastLineCut() const { return lastLineCut_; }

    bool IsOpen() const { return isOpen_; }
    bool IsOpenForReading() const { return openForReading_; }
    int Depth() const { return static_cast<int>(files_.size()); }
    int DeepestDepth() const { return deepest_; }
    // Name of the file being read (innermost); empty when none.
    std::string_view CurrentName() const;
    // Number of the line read last from the innermost file (1 for its first line).
    int CurrentLine() const { return files_.empty() ? 0 : files_.back().lines; }
    bool IsConsole() const { return console_; }
    bool Utf16() const { return utf16le_ || utf16be_; }
    bool AllAscii() const { return allAscii_; }
    int LinesRead() const { return linesRead_; }

    // In-memory lines: read from / write to these lists instead of a file (not owned).
    void SetMemoryRead(const std::vector<TextString>* lines);
    void SetMemoryWrite(std::vector<TextString>* lines);
    bool WritesToMemory() const { return memoryWrite_ != nullptr; }

  protected:
    // One file on the stack with its own read-ahead buffer, so that a line of any
    // length is gathered whole and line ends are found without per-byte calls.
    struct OpenFile {
        std::string name;
        std::FILE* stream = nullptr;
        bool byteReading = false;
        bool utf16le = false, utf16be = false;
        bool firstLine = true;
        bool ended = false;
        bool afterCr = false;      // the last line ended with a CR: a LF next belongs to it
        int lines = 0;             // lines read from this file
        std::string targetName;    // written files: what the temporary file will replace
        bool failed = false;       // written files: a line could not be written
        std::vector<char> buffer;  // read-ahead when reading, the stream buffer when writing
        size_t position = 0;
        size_t end = 0;
    };
    // Gathers the next line of one file into `line`; false at its end.
    bool ReadFrom(OpenFile& file, TextString& line);
    bool Refill(OpenFile& file);
    // Closes a written file; it replaces its target when every line reached it.
    void FinishWriting(OpenFile& file);
    // Appends to the line being gathered, up to the line limit.
    void Gather(const char* start, size_t count);
    // Takes the line in `text` (cut to the line limit) into `line`.
    // `maybeNul`: the text may hold a NUL (else it is known to hold none).
    void TakeLine(std::string_view text, TextString& line, bool maybeNul);
    std::string scratch_;  // reused between lines so a long line costs one copy
    std::vector<OpenFile> files_;
    bool console_ = false;
    bool isOpen_ = false;
    bool openForReading_ = false;
    bool binaryWrite_ = false;
    bool utf16le_ = false, utf16be_ = false;
    bool allAscii_ = true;
    int deepest_ = 0;
    int linesRead_ = 0;
    int switches_ = 0;
    const std::vector<TextString>* memoryRead_ = nullptr;
    std::vector<TextString>* memoryWrite_ = nullptr;
    size_t memoryIndex_ = 0;
    std::string openError_;
    bool writeOk_ = true;
    std::string writeError_;
    std::vector<HeldFile>* held_ = nullptr;
    bool abandoned_ = false;
    size_t lineLimit_ = 0;
    bool lastLineCut_ = false;
};

// The share (0 to 1) of control characters other than tab, line ends and form feed among
// the first bytes of a file: high for a program or an image, near 0 for text. A UTF-16
// file (its NULs are half of its text) gives 0.
double ControlByteShare(std::string_view path);

}  // namespace tabulyst
