// The HTML output document: pending buffer, markup tidying, lines broken at 90 columns.
#pragma once

#include "output/output_file.h"

namespace tabulyst {

class HTMLFile : public OutputFile {
public:
    HTMLFile();
    bool OpenDocument(std::string_view name, FC& fc, bool console) override;
    bool EndDocument(std::string_view footer) override;
    bool WriteText(std::string_view text) override;
    bool WriteLine(std::string_view line, bool noBreak = false) override;
    bool FlushPending(bool final) override;
    // Writes one line cut into pieces of at most 90 characters.
    bool WriteLineBroken(std::string_view line, bool noBreak);

    static constexpr int kMaxLineLength = 90;
};

// Where a line of at most `maximum` characters from `start` should end (inclusive index).
int FindBreak(std::string_view line, int start, int maximum, bool japanese = false);
// Indents block markup by nesting level (two blanks a level) unless output is minimised.
TextString IndentMarkup(const FC& fc, int level, std::string_view text);

}  // namespace tabulyst
