// The RTF output document: header, font, colour and style tables, brace checking.
#pragma once

#include "output/output_file.h"

namespace tabulyst {

class RTFFile : public OutputFile {
public:
    RTFFile();
    bool OpenDocument(std::string_view name, FC& fc, bool console) override;
    bool EndDocument(std::string_view footer) override;
    bool WriteText(std::string_view text) override;
    bool WriteLine(std::string_view line, bool noBreak = false) override;
    bool FlushPending(bool final) override;

    int BraceLevel() const { return braceLevel_; }

protected:
    int braceLevel_ = 0;
    bool braceChecking_ = false;
};

}  // namespace tabulyst
