// The source reader: delivers the source lines of one conversion, one by one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/text_string.h"
#include "input/source_line.h"
#include "input/text_file.h"

namespace tabulyst {

// What the reading of source lines depends on. The driver takes these from the policies
// and hands them over again whenever a policy line may have changed them.
struct SourceOptions {
    int tabSize = 8;
    bool expandTabs = true;  // rule sets keep tabs as they are
    std::string directivePrefix{kDefaultDirectivePrefix};
    bool htmlSource = false;  // <pre> sections become tables, the rest HTML (/HTML)
    // Delimited data: its lines are cut as read, so only directive lines have their tabs
    // expanded.
    bool delimitedData = false;
    // Comma data whose quoted fields may hold line ends: a line with a quote still open is
    // joined by the lines after it, with a line feed between, until the quote closes.
    bool quotedLineBreaks = false;
};

// A text file read as the source of a conversion: start lines skipped, page breaks split
// off, injected lines delivered in between, tabs expanded, directives recognised, and the
// lines of block definitions and ignored sections marked as such.
class SourceReader : public TextFile {
  public:
    // The longest source line kept, in bytes: a file of one endless line (a dump with no
    // line feed) is read in bounded memory, its line cut there.
    static constexpr size_t kLongestLine = 16 * 1024 * 1024;

    SourceReader() { SetLineLimit(kLongestLine); }
    // Lines still to drop at the start of the file ("Lines to ignore at start of file").
    void SetSkipCount(int count) { skip_ = count > 0 ? count : 0; }
    // Queues a line to be delivered before the next line of the file.
    void Inject(std::string_view text);
    // Joins the lines after a line with a quoted field still open, until it closes (see
    // SourceOptions::quotedLineBreaks); false when the line closes its quotes itself.
    bool JoinQuotedLines(SourceLine& line);

    SourceOptions options;

  private:
    friend bool ReadSourceLine(SourceReader& reader, SourceLine& line);
    bool TakeInjected(TextString& text);
    void FinishLine(SourceLine& line);
    void ApplyHtmlSource(TextString& text);

    std::vector<TextString> injected_;
    size_t injectedIndex_ = 0;
    int skip_ = 0;
    TextString pending_;
    bool hasPending_ = false;
    DirectiveCode openSection_ = DirectiveCode::None;  // a definition or ignored section
};

// Fills the line with the next source line; false at the end of the input.
bool ReadSourceLine(SourceReader& reader, SourceLine& line);

}  // namespace tabulyst
