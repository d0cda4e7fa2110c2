// The source reader: delivers the source lines of one conversion, one by one.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "core/text_string.h"
#include "input/source_line.h"
#include "input/text_file.h"

namespace tabulyst {

class FC;

// A text file read as the source of a conversion: start lines skipped, page breaks split
// off, injected lines delivered in between, tabs expanded, directives recognised.
class SourceReader : public TextFile {
public:
    // Lines still to drop at the start of the file ("Lines to ignore at start of file").
    void SetSkipCount(int count) { skip_ = count > 0 ? count : 0; }
    // Queues a line to be delivered before the next line of the file.
    void Inject(std::string_view text);
    // Runs once at the end of the input; may inject closing lines.
    void SetEndOfFileHook(std::function<void(SourceReader&)> hook) { hook_ = std::move(hook); }
    // Opens a source include on top of the stack; refuses (and reports) an include loop.
    bool Include(FC& fc, std::string_view name);
    // True once the end-of-file hook has run.
    bool EndOfInput() const { return endOfInput_; }

    // HTML source: <pre> sections become tables, the rest HTML (the /HTML qualifier).
    bool htmlSource = false;

private:
    friend bool ReadSourceLine(SourceReader& reader, SourceLine& line, FC& fc);
    bool TakeInjected(TextString& text);

    std::vector<TextString> injected_;
    size_t injectedIndex_ = 0;
    bool endOfInput_ = false;
    int skip_ = 0;
    TextString pending_;
    bool hasPending_ = false;
    std::function<void(SourceReader&)> hook_;
};

// Fills the line with the next source line; false at the end of the input.
bool ReadSourceLine(SourceReader& reader, SourceLine& line, FC& fc);

}  // namespace tabulyst
