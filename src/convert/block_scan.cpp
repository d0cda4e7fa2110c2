#include "convert/block_scan.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

namespace tabulyst {
namespace {

constexpr size_t kChunk = 1 << 16;

// True when the file may define a block: its bytes hold the prefix and "DEFINE_" somewhere,
// or they are UTF-16 text, whose bytes a search cannot tell.
bool MayDefineBlocks(const std::string& path, std::string_view prefix) {
    std::string needle(prefix.empty() ? kDefaultDirectivePrefix : prefix);
    needle.append("DEFINE_");
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) return true;  // the reading will say what is wrong with it
    std::vector<char> buffer(kChunk + needle.size());
    size_t kept = 0;  // the end of the previous chunk, where a needle may have begun
    bool first = true;
    for (;;) {
        const size_t got = std::fread(buffer.data() + kept, 1, kChunk, file.get());
        const size_t size = kept + got;
        if (first && size >= 2) {
            const auto b0 = static_cast<unsigned char>(buffer[0]);
            const auto b1 = static_cast<unsigned char>(buffer[1]);
            if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) return true;
        }
        first = false;
        if (std::string_view(buffer.data(), size).find(needle) != std::string_view::npos)
            return true;
        if (got == 0) return false;
        kept = std::min(size, needle.size() - 1);
        std::memmove(buffer.data(), buffer.data() + size - kept, kept);
    }
}

}  // namespace

SourceBlocks ScanSourceBlocks(const std::string& path, const std::vector<TextString>* lines,
                              const SourceOptions& options, int skipCount) {
    SourceBlocks blocks;
    if (!lines && !MayDefineBlocks(path, options.directivePrefix)) return blocks;
    SourceReader reader;
    if (lines) reader.SetMemoryRead(lines);
    if (!reader.OpenForReading(path)) return blocks;
    reader.SetSkipCount(skipCount);
    reader.options = options;
    SourceLine line;
    while (ReadSourceLine(reader, line)) blocks.Take(line, reader.options.directivePrefix);
    reader.Close();
    return blocks;
}

}  // namespace tabulyst
