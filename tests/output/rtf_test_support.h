// An RTF document written to memory lines, a syntax check of RTF text, and a real RTF reader
// (unrtf) run over written documents.
#pragma once

#include <unistd.h>

#include <cctype>
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

// Empty when the text is well-formed RTF: braces balance and never go below zero, and
// every control is a backslash followed by letters and an optional signed number, or by
// one other character (a \' followed by two hex digits).
inline std::string RtfSyntaxProblem(const std::vector<std::string>& lines) {
    auto alpha = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
    auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    int level = 0;
    for (size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        const std::string where = " in line " + std::to_string(n + 1) + ": " + line;
        for (size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '{') ++level;
            if (c == '}' && --level < 0) return "close brace below level 0" + where;
            if (c != '\\') continue;
            if (i + 1 >= line.size()) return "backslash at the end of a line" + where;
            if (alpha(line[i + 1])) {
                size_t j = i + 1;
                while (j < line.size() && alpha(line[j])) ++j;
                if (j < line.size() && line[j] == '-') {
                    if (j + 1 >= line.size() || !digit(line[j + 1]))
                        return "a minus sign without digits" + where;
                    ++j;
                }
                while (j < line.size() && digit(line[j])) ++j;
                i = j - 1;
            } else if (line[i + 1] == '\'') {
                if (i + 3 >= line.size() || !hex(line[i + 2]) || !hex(line[i + 3]))
                    return "\\' without two hex digits" + where;
                i += 3;
            } else {
                ++i;  // a control symbol: "\\", "\{", "\*", ...
            }
        }
    }
    if (level != 0) return "braces do not balance: level " + std::to_string(level) + " at the end";
    return {};
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
