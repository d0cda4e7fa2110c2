// An RTF document written to memory lines, a brace count of RTF text, and a real RTF reader
// (unrtf) run over written documents.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "html_test_support.h"
#include "output/rtf_file.h"

namespace tabulyst::testing {

// An RTF run: RTF fonts, justified text, ".rtf".
struct RtfHarness : DocumentHarness<RTFFile> {
    ProgramSettings settings;
    RtfHarness() {
        settings.target = OutputFormat::Rtf;
        fc->LinkSettings(&settings);
    }
};

// The groups left open at the end: "{" less "}", escaped braces skipped; -1 as soon as a "}"
// closes a group that was never opened.
inline int OpenGroups(const std::vector<std::string>& lines) {
    int level = 0;
    for (const std::string& line : lines)
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\\')
                ++i;
            else if (line[i] == '{')
                ++level;
            else if (line[i] == '}' && --level < 0)
                return -1;
        }
    return level;
}

// What a shell command writes to standard output.
inline std::string CommandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, got);
        ::pclose(pipe);
    }
    return out;
}

// What unrtf makes of the document: "--text" (ASCII only) or "--html".
inline std::string ReadBackWithUnrtf(const std::vector<std::string>& lines,
                                     const std::string& mode = "--text") {
    static int serial = 0;
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("tabulyst_rtf_" + std::to_string(::getpid()) + "_" + std::to_string(++serial) + ".rtf");
    {
        std::ofstream out(path, std::ios::binary);
        for (const std::string& line : lines) out << line << '\n';
    }
    const std::string text =
        CommandOutput("unrtf " + mode + " '" + path.string() + "' 2>/dev/null");
    std::filesystem::remove(path);
    return text;
}

// True when every piece occurs in the text, each after the one before it.
inline bool InOrder(std::string_view text, const std::vector<std::string>& pieces) {
    size_t at = 0;
    for (const std::string& piece : pieces) {
        at = text.find(piece, at);
        if (at == std::string_view::npos) return false;
        at += piece.size();
    }
    return true;
}

}  // namespace tabulyst::testing
