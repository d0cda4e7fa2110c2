// Temporary until the output pipeline lands.
#include "output/escaping.h"
#include "output/html_file.h"
#include "output/rtf_file.h"
namespace tabulyst {
void OutputFile::Close() { TextFile::Close(); }
bool OutputFile::MakeOutputName(std::string_view name, FC&, TextString& path) const {
    path.Assign(name);
    return true;
}
HTMLFile::HTMLFile() = default;
bool HTMLFile::OpenDocument(std::string_view, FC&, bool) { return false; }
bool HTMLFile::EndDocument(std::string_view) { return true; }
bool HTMLFile::WriteText(std::string_view) { return true; }
bool HTMLFile::WriteLine(std::string_view, bool) { return true; }
bool HTMLFile::FlushPending(bool) { return true; }
bool HTMLFile::WriteLineBroken(std::string_view, bool) { return true; }
void ConvertSourceCharacters(const FC&, const DocumentState&, TextString&) {}
void EscapeHTML(const FC&, const DocumentState&, TextString&) {}
void EscapeRTF(const FC&, TextString&) {}
void TidyLine(const FC&, const DocumentState&, TextString&) {}
void EntityText(int, TextString&) {}
bool EntityAcceptable(const FC&, int) { return true; }
bool IsUtf8Text(std::string_view) { return false; }
}  // namespace tabulyst
