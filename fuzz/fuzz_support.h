// What the fuzz targets share: a message sink that builds every message and shows none,
// and the cutting of raw input bytes into lines as the file reader hands them on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string_view>
#include <utility>
#include <vector>

#include "core/messages.h"
#include "core/text_string.h"

namespace tabulyst::fuzz {

// A sink that lets every message be composed and routed, then drops it: a message built
// from hostile text is part of what is searched, but printing it would only slow the search.
struct SilentSink {
    SilentSink() {
        sink.reportingLevel = 10;
        sink.runDisplay = false;
        sink.err = &discard;
        sink.out = &discard;
        // Every byte of a message is read, so that one built past its text is noticed.
        sink.messageCallback = [this](std::string_view text) {
            for (char c : text) checksum += static_cast<unsigned char>(c);
        };
        sink.statusCallback = sink.messageCallback;
    }
    SilentSink(const SilentSink&) = delete;
    SilentSink& operator=(const SilentSink&) = delete;

    std::ostream discard{nullptr};  // a stream without a buffer drops what it is given
    MessageSink sink;
    unsigned checksum = 0;
};

// The input as text.
inline std::string_view Bytes(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The lines of the input as the file reader gives them: a line ends at LF, CR LF or a lone
// CR, and a NUL byte reads as a blank (no reader hands a NUL to the engine).
inline std::vector<TextString> ReaderLines(std::string_view bytes) {
    std::vector<TextString> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        TextString line(bytes.substr(start, end - start));
        for (int32_t i = 0; i < line.Length(); ++i)
            if (line[i] == '\0') line.SetAt(i, ' ');
        lines.push_back(std::move(line));
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
            bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

}  // namespace tabulyst::fuzz
