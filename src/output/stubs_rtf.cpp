// Temporary until the RTF document lands.
#include "output/rtf_file.h"
namespace tabulyst {
RTFFile::RTFFile() = default;
bool RTFFile::OpenDocument(std::string_view, FC&, bool) { return false; }
bool RTFFile::EndDocument(std::string_view) { return true; }
bool RTFFile::WriteText(std::string_view) { return true; }
bool RTFFile::WriteLine(std::string_view, bool) { return true; }
bool RTFFile::FlushPending(bool) { return true; }
}  // namespace tabulyst
