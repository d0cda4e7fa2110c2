// The HTML document frame: everything before the converted content (document type, HEAD
// with title, META lines and style block, the BODY line, header) and after it (footer,
// closing tags).
#pragma once

#include <string_view>

#include "core/text_string.h"

namespace tabulyst {

class FC;
class HTMLFile;
struct DocumentState;

// The five texts of the document head, computed when the document is opened.
struct DocumentHeadTexts {
    TextString title;
    TextString description;
    TextString keywords;
    TextString styleSheetUrl;
    TextString baseUrl;
};

// Per-call options that the open passes to the start and the end of the document.
struct HeaderFrameOptions {
    bool directoryLinks = false;
    bool navigationBar = true;
    bool furtherSwitches[3] = {true, true, true};  // not read by the start or the end
    bool framePage = false;
    bool contentsIndentation = false;
    bool directoryTitle = false;
    TextString backgroundColourOverride;
    TextString textColourOverride;
    TextString baseTarget;
};

// The header of a document: the block HTML_HEADER when the source defines one (as its
// marker "*HTML_HEADER*"), else the "HTML header file" policy.
TextString DocumentHeader(const FC& fc, const DocumentState& state);
// The footer likewise: the block HTML_FOOTER, else the "HTML footer file" policy.
TextString DocumentFooter(const FC& fc, const DocumentState& state);
// The head texts from the policies (the source analysis supplies none here).
DocumentHeadTexts ComputeDocumentHeadTexts(const FC& fc);
// The frame options of an open; `directoryLinks` is the open's directory-link switch.
HeaderFrameOptions MakeHeaderFrameOptions(bool directoryLinks);

// Writes the document start; false ("PROGRAM ERROR: File not open in HTML_StartDocument!")
// when the file is missing or not open.
bool HTML_StartDocument(HTMLFile* file, const DocumentHeadTexts& head, std::string_view header,
                        FC& fc, const HeaderFrameOptions& options);
// Writes the document end and flushes; false ("PROGRAM ERROR: File not open in
// HTML_EndDocument!") when the file is missing or not open.
bool HTML_EndDocument(HTMLFile* file, FC& fc, std::string_view footer,
                      const HeaderFrameOptions& options);

// The document type line for the targeted HTML version (empty without HEAD and BODY).
TextString DocumentTypeLine(const FC& fc);
// The title line with the FILENAME tag filled in from the document's input file name.
TextString TitleLine(const FC& fc, const DocumentState& state, std::string_view title,
                     bool directoryTitle);
// The BODY start tag, with the right-to-left division appended when the encoding asks.
TextString BodyLine(const FC& fc, const HeaderFrameOptions& options);

}  // namespace tabulyst
