// Keeping the documents the tests write for the real readers (tests/real_readers.py): every
// whole HTML or RTF document a test or a corpus replay produces is copied into the
// directory named by TABULYST_KEPT_DOCUMENTS, which CTest sets and a last test reads.
// Without that variable nothing is kept.
#pragma once

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tabulyst::testing_support {

// True when the group an RTF text opens with is closed again. A document cut short never
// closes it; one closed too early is whole, and its readers say what is wrong with it.
inline bool ClosesItsFirstGroup(std::string_view text) {
    int level = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\')
            ++i;
        else if (text[i] == '{')
            ++level;
        else if (text[i] == '}' && --level == 0)
            return true;
    }
    return false;
}

// The extension a whole document of this text is kept under, or empty when the text is
// none: a fragment, a document cut short, or a file that only looks like one by its name.
inline std::string_view DocumentExtension(std::string_view text) {
    const size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) return {};
    text.remove_prefix(start);
    if (text.rfind("{\\rtf", 0) == 0) return ClosesItsFirstGroup(text) ? ".rtf" : "";
    std::string folded(text);
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool opens = folded.rfind("<!doctype html", 0) == 0 || folded.rfind("<html", 0) == 0;
    return opens && folded.find("</html>") != std::string::npos ? ".html" : "";
}

// Keeps the text when it is a whole document; `origin` (the test's name) names the copy.
inline void KeepDocument(std::string_view origin, std::string_view text) {
    const char* directory = std::getenv("TABULYST_KEPT_DOCUMENTS");
    const std::string_view extension = DocumentExtension(text);
    if (!directory || !*directory || extension.empty()) return;
    std::string name;
    for (char c : origin) name.push_back(std::isalnum(static_cast<unsigned char>(c)) ? c : '_');
    name += "-" + std::to_string(::getpid()) + "-";
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    for (int serial = 1;; ++serial) {
        const std::filesystem::path path = std::filesystem::path(directory) /
                                           (name + std::to_string(serial) + std::string(extension));
        if (std::filesystem::exists(path, error)) continue;
        std::ofstream(path, std::ios::binary) << text;
        return;
    }
}

// Keeps a document written as lines, each ended by a line feed as a file would hold it.
template <class Lines>
void KeepDocumentLines(std::string_view origin, const Lines& lines) {
    if (!std::getenv("TABULYST_KEPT_DOCUMENTS")) return;
    std::string text;
    for (const auto& line : lines) {
        text.append(std::string_view(line));
        text.push_back('\n');
    }
    KeepDocument(origin, text);
}

// Keeps every whole document among the files of a directory tree, before it is removed.
inline void KeepDocumentsIn(std::string_view origin, const std::filesystem::path& root) {
    if (!std::getenv("TABULYST_KEPT_DOCUMENTS")) return;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(root, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file(error)) continue;
        std::ifstream in(it->path(), std::ios::binary);
        KeepDocument(origin, std::string(std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()));
    }
}

}  // namespace tabulyst::testing_support
