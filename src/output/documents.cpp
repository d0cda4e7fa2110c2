#include "output/documents.h"

#include "output/html_file.h"
#include "output/rtf_file.h"

namespace tabulyst {

std::unique_ptr<OutputFile> MakeDocument(OutputFormat format) {
    switch (format) {
        case OutputFormat::Rtf:
            return std::make_unique<RTFFile>();
        case OutputFormat::Html:
            break;
    }
    return std::make_unique<HTMLFile>();
}

}  // namespace tabulyst
