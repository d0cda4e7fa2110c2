// One conversion: one input file becomes one document holding one table.
#pragma once

#include <vector>

#include "convert/conversion_context.h"
#include "core/formats.h"
#include "core/text_string.h"

namespace tabulyst {

// Converts one input file as a table of the given format, into a document of the run's
// target format. `user` may be null. `outputSpecification` may be empty. `sourceLines`
// (optional) replaces the input file; `resultLines` (optional) receives the document
// instead of a file. False when the input cannot be opened. A file whose output would
// replace it is refused (reported, counted in the context) and the result is true so that
// a run goes on.
bool ConvertToTable(FC& master, const FC* user, FC& working, ConversionContext& context,
                    const TextString& inputSpecification, const TextString& outputSpecification,
                    TableFormat format, const std::vector<TextString>* sourceLines = nullptr,
                    std::vector<TextString>* resultLines = nullptr);

// The path of the document that converting the file would write, worked out as the
// conversion does it; empty when the document goes to standard output.
TextString PlannedDocumentPath(FC& master, const FC* user, ConversionContext& context,
                               const TextString& input, const TextString& outputSpecification);

// The table format the command options ask for: comma, else tab, else the given one.
TableFormat FormatFromOptions(const CommandOptions& options, TableFormat format);

// True when the input is to be written as a UTF-8 document: read from UTF-16, or valid
// UTF-8 with at least one multi-byte sequence.
bool InputIsUtf8(std::string_view path, const std::vector<TextString>* sourceLines);

}  // namespace tabulyst
