// The output document: opened by name, its frame written around the content, and the
// line pipeline (buffering, tidying, breaking) that every markup writer writes through.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "core/formats.h"
#include "core/text_string.h"
#include "input/text_file.h"
#include "output/document_state.h"

namespace tabulyst {

class FC;
class TableWriter;

class OutputFile : public TextFile {
  public:
    OutputFile() = default;
    ~OutputFile() override = default;

    // Short form of the open: no previous document; `option` is the console switch,
    // which both kinds of document honour.
    bool Open(std::string_view name, FC& fc, bool option) { return OpenDocument(name, fc, option); }
    // Derives the path, opens it and writes the document start.
    virtual bool OpenDocument(std::string_view name, FC& fc, bool console) = 0;
    // The format this document is written in.
    virtual OutputFormat Format() const = 0;
    // Writes the document end (footer and closing markup, or the RTF end with brace repair).
    virtual bool EndDocument() = 0;
    // The writer of tables into this document.
    virtual std::unique_ptr<TableWriter> MakeTableWriter() = 0;
    // One output statement; may be broken into several lines.
    virtual bool WriteText(std::string_view text) = 0;
    // One output line (buffered documents break it when they flush).
    virtual bool WriteLine(std::string_view line, bool noBreak = false) = 0;
    // Writes what is pending; unless final, a short tail stays behind for the tidying.
    virtual bool FlushPending(bool final) = 0;
    // Flushes what is pending and closes every stream.
    void Close() override;

    // The output path of a document: directory, name and extension from the policies and
    // the OUTPUT qualifier's specification. Fills "Output directory" when it is empty.
    bool MakeOutputName(std::string_view name, FC& fc, TextString& path) const;

    // The policy set of the running conversion (null before the open).
    FC* Conversion() const { return fc_; }
    // The path of the document opened last (empty before the open).
    const TextString& OutputPath() const { return outputPath_; }
    // The OUTPUT qualifier's specification; the driver sets it before the open when given.
    TextString outputSpecification;
    // What the document knows about itself while it is written.
    DocumentState state;

  protected:
    // The open steps shared by every format: remembers the conversion, derives and records
    // the path, issues "Generating <format> file ", writes the log lines and opens the
    // stream (to the console, to memory lines, or a new file). False, after the error
    // message, when the stream cannot be opened.
    bool OpenOutputStream(std::string_view name, FC& fc, bool console);

    FC* fc_ = nullptr;
    TextString baseName_;
    TextString pending_;  // lines not yet written, each followed by a line feed
    bool buffered_ = false;
    TextString outputPath_;
};

// The output path of a document named `name`: directory, name and extension from the
// policies and the OUTPUT qualifier's specification. Fills "Output directory" when it is empty.
TextString DocumentPath(std::string_view name, FC& fc, std::string_view outputSpecification);

}  // namespace tabulyst
