// Table blocks for the writer tests, and documents that keep what a writer hands them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "output/html_file.h"
#include "output/rtf_file.h"
#include "policy/fc.h"
#include "table/table_model.h"

namespace tabulyst::testing {

using Texts = std::vector<std::string>;

// An HTML document that keeps each statement as it is written, before the line pipeline.
class StatementHtml : public HTMLFile {
  public:
    bool WriteText(std::string_view text) override {
        statements.emplace_back(text);
        return true;
    }
    bool WriteLine(std::string_view line, bool) override { return WriteText(line); }

    Texts statements;
};

// An RTF document that is never opened: its styles are the defaults, and its lines, after
// the character pipeline, go to memory.
struct MemoryRtf {
    MemoryRtf() { file.SetMemoryWrite(&lines); }
    Texts Lines() const {
        Texts out;
        for (const TextString& line : lines) out.push_back(line.Str());
        return out;
    }
    std::vector<TextString> lines;
    RTFFile file;
};

// A block of one format with its own policy set, whose messages are kept.
struct WriterBlock {
    explicit WriterBlock(TableFormat format = TableFormat::Comma) : fc(&sink), block(fc, format) {
        sink.messageCallback = [this](std::string_view text) { messages.emplace_back(text); };
        fc.SetValue(P::ErrorReportingLevel, 10);
    }
    // Adds the lines as read and analyses the block.
    TableBlock& Analysed(const Texts& lines) {
        for (const std::string& line : lines) block.AddLine(line, line);
        block.Analyse(static_cast<int>(block.format));
        return block;
    }
    TabConfig& Config() { return fc.BaseConfig(); }

    MessageSink sink;
    Texts messages;
    FC fc;
    TableBlock block;
};

}  // namespace tabulyst::testing
