// Temporary until the text file lands.
#include "input/text_file.h"
namespace tabulyst {
TextFile::TextFile() = default;
TextFile::~TextFile() = default;
void TextFile::Close() {}
bool TextFile::OpenForWriting(std::string_view, bool, bool) { return false; }
bool TextFile::OpenForReading(std::string_view) { return false; }
bool TextFile::SwitchTo(std::string_view) { return false; }
void TextFile::Reset() {}
void TextFile::Pop() {}
bool TextFile::FindName(std::string_view) const { return false; }
bool TextFile::ReadLine(TextString&) { return false; }
bool TextFile::PutLine(std::string_view) { return false; }
std::string_view TextFile::CurrentName() const { return {}; }
void TextFile::SetMemoryRead(const std::vector<TextString>* lines) { memoryRead_ = lines; }
void TextFile::SetMemoryWrite(std::vector<TextString>* lines) { memoryWrite_ = lines; }
}  // namespace tabulyst
