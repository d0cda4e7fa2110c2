// What the output document knows about itself while it is written.
#pragma once

#include <vector>

#include "core/text_string.h"
#include "input/source_blocks.h"
#include "policy/fonts.h"

namespace tabulyst {

struct DocumentState {
    int phase = 0;              // 1 reading a statement, 3 writing the frame, 0 otherwise
    int ruleSet = 0;            // 0 none, 1 "Merrill", 2 "SEC"
    bool preformatted = false;  // preformatted output is open (no line breaking)
    bool paragraphOpen = false;
    bool passThrough = false;  // lines that must stay unescaped
    // The input is UTF-8 text (valid, with multi-byte sequences, or read from UTF-16):
    // bytes of 128 and above pass through, no punctuation folding, no DOS conversion.
    bool utf8 = false;
    TextString inputFileName;  // what the FILENAME tag becomes
    bool fontTags = true;      // fonts as FONT tags (off: the style sheet carries them)
    FontSpec currentFont;
    int currentSize = 12;
    std::vector<TextString> fontClasses;   // "number-face-family-style"
    const SourceBlocks* blocks = nullptr;  // the blocks the source defines, when known
};

}  // namespace tabulyst
