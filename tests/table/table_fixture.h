// A table block with its own policy set whose messages are recorded, filled line by line,
// for the tests of the analysis and of the rows it gives.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "policy/fc.h"
#include "table/cell_cutting.h"
#include "table/line_pass.h"
#include "table/table_model.h"

namespace tabulyst::test {

using Texts = std::vector<std::string>;
using Ints = std::vector<int>;

// Collects the messages of a policy set instead of showing them.
struct RecordingSink {
    RecordingSink() {
        sink.messageCallback = [this](std::string_view text) { messages.emplace_back(text); };
    }
    MessageSink sink;
    Texts messages;
};

// A block of one format; lines are added as read, tabs and all.
struct BlockFixture {
    explicit BlockFixture(TableFormat format = TableFormat::Comma)
        : fc(&recorder.sink), block(fc, format) {
        fc.SetValue(P::ErrorReportingLevel, 10);  // every message reaches the recorder
    }
    void Lines(std::initializer_list<std::string_view> lines) {
        for (std::string_view line : lines) block.AddLine(line, line);
    }
    void Lines(const Texts& lines) {
        for (const std::string& line : lines) block.AddLine(line, line);
    }
    void Repeat(std::string_view line, int times) {
        for (int i = 0; i < times; ++i) block.AddLine(line, line);
    }
    // Analyses the block as its format says.
    void Analyse() { block.Analyse(static_cast<int>(block.format)); }
    // Adds the lines and analyses the block.
    TableBlock& Analysed(const Texts& lines) {
        Lines(lines);
        Analyse();
        return block;
    }
    TabConfig& Config() { return fc.BaseConfig(); }
    // The analysis text of one line, as a pass over the block reads it.
    std::string Text(int index) const {
        for (LinePass line(block); line.Next();)
            if (line.Index() == index) return std::string(line.Text());
        return {};
    }
    // The blank flags of the lines, as a pass over the block gives them.
    std::vector<bool> BlankFlags() const {
        std::vector<bool> flags;
        for (LinePass line(block); line.Next();) flags.push_back(line.Blank());
        return flags;
    }
    const Texts& Messages() const { return recorder.messages; }
    int Count(std::string_view text) const {
        return static_cast<int>(std::count(Messages().begin(), Messages().end(), text));
    }

    RecordingSink recorder;
    FC fc;
    TableBlock block;
};

// An automatically detected plain-text block.
struct PlainFixture : BlockFixture {
    PlainFixture() : BlockFixture(TableFormat::Auto) {}
    // A layout of one-position columns ending at the given (1-based) positions.
    void Layout(std::initializer_list<int> lasts) {
        for (int last : lasts) {
            ColumnSpec spec;
            spec.first = spec.last = last - 1;
            Config().columnSpecs.push_back(spec);
        }
    }
    Ints Boundaries() const {
        Ints result;
        for (const TableColumn& column : block.columns) result.push_back(column.boundary);
        return result;
    }
    // The cells of one line as a writer gets them; a spanning cell reads "text{n}" and
    // the columns it covers are left out.
    Texts Cells(int line) {
        std::vector<TableCell> cells;
        const std::string text = Text(line);
        CutPlainLine(block, text, CutFor::Writing, cells);
        Texts texts;
        for (size_t c = 0; c < cells.size(); c += std::max(cells[c].colSpan, 1)) {
            std::string text = cells[c].text;
            if (cells[c].colSpan > 1) text += "{" + std::to_string(cells[c].colSpan) + "}";
            texts.push_back(text);
        }
        return texts;
    }
};

}  // namespace tabulyst::test
