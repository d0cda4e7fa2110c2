// The HTML output document: pending buffer, markup tidying, lines broken at 90 columns.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/output_file.h"
#include "output/table_writer.h"
#include "output/tag_monitor.h"

namespace tabulyst {

class HTMLFile : public OutputFile {
  public:
    HTMLFile();
    ~HTMLFile() override;

    // Opens the document (to the console when asked) and writes the document start.
    bool OpenDocument(std::string_view name, FC& fc, bool console) override;
    OutputFormat Format() const override { return OutputFormat::Html; }
    // Writes the document end with the footer of the policies.
    bool EndDocument() override;
    std::unique_ptr<TableWriter> MakeTableWriter() override;
    // One statement into the pending buffer (written at once when the file is unbuffered).
    bool WriteText(std::string_view text) override;
    // One line into the pending buffer, tidied; the buffer is flushed first when it is full.
    bool WriteLine(std::string_view line, bool noBreak = false) override;
    // Lines (joined by line feeds) that tidying would leave as they are: they hold no
    // "&nbsp;" and no "<BR>". They join the pending buffer in one piece, untouched unless
    // "Remove redundant tags" is on; a table's rows come this way.
    virtual bool WriteTidyLines(std::string_view lines);
    // Writes the pending lines, broken at 90 columns unless breaking is off, preformatted
    // or a link; unless final, a tail of at most 341 characters stays behind.
    bool FlushPending(bool final) override;
    // Writes one line cut into pieces of at most 90 characters (whole when noBreak).
    bool WriteLineBroken(std::string_view line, bool noBreak);
    // Issues the tag monitor's report when "Monitor tag generation" was on at the open.
    void ReportTags();

    // The longest line the pipeline writes when it breaks lines.
    static constexpr int kMaxLineLength = 90;
    // The pending buffer is flushed before a line is added once it holds more than this.
    static constexpr int kFlushThreshold = 1024;
    // A flush that is not final keeps a tail of at most this many characters.
    static constexpr int kPendingTail = 341;

  private:
    // The pending lines, tidied, each followed by a line feed (storage reused).
    std::string buffer_;
    bool removeRedundant_ = false;  // "Remove redundant tags", read at the open and each flush
    bool monitoring_ = false;       // every line written is also counted by the monitor
    std::vector<size_t> preformattedLines_;  // buffer offsets of lines never to be broken
    TagMonitor monitor_;
};

// Where a line of markup may be broken without changing the document: the blanks of its
// text and those between the attributes of a tag, never one inside a quoted value or a
// comment. (No break falls inside an entity or a tag name, which hold no blank.)
std::vector<int> BreakPositions(std::string_view line);
// Where a piece of at most `maximum` characters from `start` should end (inclusive index):
// the last break within reach, else the first after it, else the end of the line.
int FindBreak(std::string_view line, const std::vector<int>& breaks, int start, int maximum);
// The next piece of a line being broken: skips a space at `start` (except at the line's
// start), ends at FindBreak less a trailing blank, and moves `start` past the break.
// False when nothing of the line is left.
bool NextLinePiece(std::string_view line, const std::vector<int>& breaks, int& start, int maximum,
                   std::string_view& piece);
// Indents block markup by nesting level (two blanks a level) unless output is minimised.
TextString IndentMarkup(const FC& fc, int level, std::string_view text);

}  // namespace tabulyst
