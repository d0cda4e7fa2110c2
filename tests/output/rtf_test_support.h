// An RTF document written to memory lines with a policy set whose messages are collected,
// a syntax check of RTF text, and a real RTF reader (unrtf) run over written documents.
#pragma once

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "core/text_string.h"
#include "output/rtf_file.h"
#include "policy/fc.h"

namespace tabulyst::testing {

struct RtfHarness {
    MessageSink sink;
    ProgramSettings settings;
    std::vector<std::string> messages;
    std::vector<std::string> status;
    std::unique_ptr<FC> fc;
    std::vector<TextString> lines;
    RTFFile file;

    RtfHarness() {
        sink.messageCallback = [this](std::string_view text) { messages.emplace_back(text); };
        sink.statusCallback = [this](std::string_view text) { status.emplace_back(text); };
        sink.reportingLevel = 10;
        settings.targetFormat = 1;  // an RTF run: RTF fonts, justified text, ".rtf"
        fc = std::make_unique<FC>(&sink);
        fc->LinkSettings(&settings);
        fc->SetValue(P::ErrorReportingLevel, 10);
        fc->passHtml = true;  // the driver raises both flags for an RTF conversion
        fc->passRtf = true;
        file.SetMemoryWrite(&lines);
        file.state.inputFileName = "data.csv";
    }

    bool Open(std::string_view name = "data") { return file.OpenDocument(name, *fc, false); }

    std::vector<std::string> Lines() const {
        std::vector<std::string> out;
        for (const TextString& line : lines) out.push_back(line.Str());
        return out;
    }

    // The lines written from `from` on.
    std::vector<std::string> LinesFrom(size_t from) const {
        std::vector<std::string> all = Lines();
        return {all.begin() + static_cast<long>(std::min(from, all.size())), all.end()};
    }

    bool HasMessage(std::string_view text) const {
        for (const std::string& message : messages)
            if (message == text) return true;
        return false;
    }
};

// Empty when the text is well-formed RTF: braces balance and never go below zero, and
// every control is a backslash followed by letters and an optional signed number, or by
// one other character (a \' followed by two hex digits).
inline std::string RtfSyntaxProblem(const std::vector<std::string>& lines) {
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
            const char next = line[i + 1];
            if (std::isalpha(static_cast<unsigned char>(next))) {
                size_t j = i + 1;
                while (j < line.size() && std::isalpha(static_cast<unsigned char>(line[j]))) ++j;
                if (j < line.size() && line[j] == '-') {
                    if (j + 1 >= line.size() ||
                        !std::isdigit(static_cast<unsigned char>(line[j + 1])))
                        return "a minus sign without digits" + where;
                    ++j;
                }
                while (j < line.size() && std::isdigit(static_cast<unsigned char>(line[j]))) ++j;
                i = j - 1;
            } else if (next == '\'') {
                if (i + 3 >= line.size() ||
                    !std::isxdigit(static_cast<unsigned char>(line[i + 2])) ||
                    !std::isxdigit(static_cast<unsigned char>(line[i + 3])))
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
    std::string command = "unrtf " + mode + " '" + path.string() + "' 2>/dev/null";
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, got);
        ::pclose(pipe);
    }
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
