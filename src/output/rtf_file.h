// The RTF output document: header, font, colour and style tables, the RTF line pipeline
// (character conversions and escapes, buffering) and the brace check.
#pragma once

#include <string>
#include <vector>

#include "output/output_file.h"
#include "output/rtf_frame.h"
#include "output/table_writer.h"

namespace tabulyst {

// An RTF document: the RTF header and end around the content, and the RTF line pipeline.
class RTFFile : public OutputFile {
  public:
    // A closed document with the default styles; brace checking starts with the open.
    RTFFile();
    // Derives the path, opens it (standard output with `console`) and writes the header.
    bool OpenDocument(std::string_view name, FC& fc, bool console) override;
    OutputFormat Format() const override { return OutputFormat::Rtf; }
    // Closes the paragraph, the content groups and the document; adds missing braces.
    bool EndDocument() override;
    std::unique_ptr<TableWriter> MakeTableWriter() override;
    // One line through the pipeline: KOI8-R conversion, escapes, buffering, brace check.
    bool WriteText(std::string_view text) override;
    bool WriteLine(std::string_view line, bool noBreak = false) override;
    // Writes the pending lines, unbroken.
    bool FlushPending(bool final) override;

    // Signed count of "{" minus "}" written so far (while brace checking is on).
    int BraceLevel() const { return braceLevel_; }
    // Brace checking is switched on by the open and may be switched off for raw output.
    void SetBraceChecking(bool on) { braceChecking_ = on; }
    bool BraceChecking() const { return braceChecking_; }

    // The paragraph styles of the document, set up by the open from its policies.
    const RtfStyle& Style(int index) const { return styles_[index]; }
    // The paragraph start of a style (see ParagraphStart) ending in a blank, so that the
    // paragraph's text can follow it directly.
    std::string StyleStart(int index, unsigned parts = kParaAll) const;

    // Further fonts registered for the document, numbered from 200 in the font table.
    std::vector<FontSpec> extraFonts;

  protected:
    // The character side of the pipeline: KOI8-R, then \' or \u escapes.
    std::string ConvertLine(std::string_view text) const;
    // Brace check, then PutLine.
    bool PutChecked(std::string_view line);
    // Scans a line's braces; writes the repair line in front of it when the level goes negative.
    bool CheckBraces(std::string_view line);

    int braceLevel_ = 0;
    bool braceChecking_ = false;
    RtfStyles styles_;
};

}  // namespace tabulyst
