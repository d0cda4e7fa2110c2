// A plain-text block built through the real line preparation, with its messages and
// statements recorded, for the tests of the column analysis and the cell cutting.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "table/cell_cutting.h"
#include "table/rows.h"
#include "table/table_capture.h"

namespace tabulyst::test {

struct PlainFixture {
    PlainFixture() : fc(&recorder.sink), block(fc, &html, nullptr, kFormatAuto) {
        fc.SetValue(P::ErrorReportingLevel, 10);  // every message reaches the recorder
        block.config = &fc.BaseConfig();
        block.writeHtml = true;
    }
    void Lines(std::initializer_list<std::string_view> lines) {
        for (std::string_view line : lines) block.AddLine(line, line);
    }
    // A line the reader took for a directive: never a row.
    void DirectiveLine(std::string_view line) { block.AddLine(line, line, kLineDirective, 1); }
    TabConfig& Config() { return fc.BaseConfig(); }

    std::vector<int> Boundaries() const {
        std::vector<int> result;
        for (const TableColumn& column : block.columns) result.push_back(column.boundary);
        return result;
    }
    // The cells of one line as the writer gets them; a spanning cell reads "text{n}" and
    // the columns it covers are left out.
    std::vector<std::string> Cells(int line, int target = kCellsHtml) {
        std::vector<TableCell> cells;
        CutPlainLine(block, line, target, cells);
        std::vector<std::string> texts;
        for (size_t c = 0; c < cells.size(); c += std::max(cells[c].colSpan, 1)) {
            std::string text = cells[c].text.Str();
            if (cells[c].colSpan > 1) text += "{" + std::to_string(cells[c].colSpan) + "}";
            texts.push_back(text);
        }
        return texts;
    }
    bool Said(std::string_view text) const {
        return std::find(recorder.messages.begin(), recorder.messages.end(), text) !=
               recorder.messages.end();
    }
    const std::vector<std::string>& Messages() const { return recorder.messages; }

    RecordingSink recorder;
    FC fc;
    CapturingOutput html;
    TableBlock block;
};

using Texts = std::vector<std::string>;
using Ints = std::vector<int>;

}  // namespace tabulyst::test
