// Test doubles for the table writers: an output document that records its statements,
// a message sink that records its messages, and a block built line by line in memory.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "output/output_file.h"
#include "policy/fc.h"
#include "table/table_model.h"

namespace tabulyst::test {

using Texts = std::vector<std::string>;
using Ints = std::vector<int>;

// Records every statement a writer hands to the document, one entry each.
class CapturingOutput : public OutputFile {
public:
    bool OpenDocument(std::string_view, FC&, bool) override { return true; }
    bool EndDocument(std::string_view) override { return true; }
    bool WriteText(std::string_view text) override {
        statements.emplace_back(text);
        return true;
    }
    bool WriteLine(std::string_view line, bool) override {
        statements.emplace_back(line);
        return true;
    }
    bool FlushPending(bool) override { return true; }

    Texts statements;
};

// A policy set whose messages are collected instead of shown.
struct RecordingSink {
    RecordingSink() {
        sink.messageCallback = [this](std::string_view text) { messages.emplace_back(text); };
    }
    MessageSink sink;
    Texts messages;
};

// Appends a line as the reader keeps delimited lines: the text as read, tabs and all.
inline void AddRawLine(TableBlock& block, std::string_view raw, int type = kTableLineText) {
    TableLine line;
    line.raw = block.arena.Store(raw);
    line.full = line.raw;
    line.text = line.raw;
    line.length = static_cast<int32_t>(raw.size());
    line.type = static_cast<int16_t>(type);
    block.lines.push_back(line);
}

// A block of one format with its own policy set and HTML document.
struct BlockFixture {
    explicit BlockFixture(int format = kFormatComma)
        : fc(&recorder.sink), block(fc, &html, nullptr, format) {
        block.config = &fc.BaseConfig();
        block.formatCode = format;
        block.kind = format == kFormatTab || format == kFormatComma ? BlockKind::Delimited
                     : format == kFormatUser                        ? BlockKind::UserTable
                                                                    : BlockKind::PlainText;
        block.writeHtml = true;
    }
    void Lines(std::initializer_list<std::string_view> lines) {
        for (std::string_view line : lines) AddRawLine(block, line);
    }
    const Texts& Messages() const { return recorder.messages; }
    int Count(std::string_view text) const {
        return static_cast<int>(std::count(Messages().begin(), Messages().end(), text));
    }

    RecordingSink recorder;
    FC fc;
    CapturingOutput html;
    TableBlock block;
};

}  // namespace tabulyst::test
