// The output document: opened by name, its frame written around the content, and the
// line pipeline (buffering, tidying, breaking) that every markup writer writes through.
#pragma once

#include <string_view>
#include <vector>

#include "core/text_string.h"
#include "input/text_file.h"
#include "output/document_state.h"

namespace tabulyst {

class FC;

class OutputFile : public TextFile {
public:
    OutputFile() = default;
    ~OutputFile() override = default;

    // Short form of the open: no previous document; `option` is the console switch,
    // which only the RTF document honours (HTML honours it too, see the driver).
    bool Open(std::string_view name, FC& fc, bool option) { return OpenDocument(name, fc, option); }
    // Derives the path, opens it and writes the document start.
    virtual bool OpenDocument(std::string_view name, FC& fc, bool console) = 0;
    // Writes the document end (footer and closing markup, or the RTF end with brace repair).
    virtual bool EndDocument(std::string_view footer) = 0;
    // One output statement; may be broken into several lines.
    virtual bool WriteText(std::string_view text) = 0;
    virtual bool WriteLine(std::string_view line, bool noBreak = false) = 0;
    virtual bool FlushPending(bool final) = 0;
    // Flushes what is pending and closes every stream.
    void Close() override;

    // The output path of a document (see the batch run's naming rules).
    bool MakeOutputName(std::string_view name, FC& fc, TextString& path) const;

    FC* Conversion() const { return fc_; }
    const TextString& OutputPath() const { return outputPath_; }
    DocumentState state;

protected:
    FC* fc_ = nullptr;
    TextString baseName_;
    TextString pending_;
    bool buffered_ = false;
    TextString outputPath_;
};

}  // namespace tabulyst
