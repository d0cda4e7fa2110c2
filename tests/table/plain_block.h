// A plain-text block built through the real line preparation, with its messages and
// statements recorded, for the tests of the column analysis and the cell cutting.
#pragma once

#include "table/cell_cutting.h"
#include "table/rows.h"
#include "table/table_capture.h"

namespace tabulyst::test {

struct PlainFixture : BlockFixture {
    PlainFixture() : BlockFixture(kFormatAuto) {
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
    // A line the reader took for a directive: never a row.
    void DirectiveLine(std::string_view line) { block.AddLine(line, line, kLineDirective, 1); }
    TabConfig& Config() { return fc.BaseConfig(); }
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
    // The cells of one line as the writer gets them; a spanning cell reads "text{n}" and
    // the columns it covers are left out.
    Texts Cells(int line, int target = kCellsHtml) {
        std::vector<TableCell> cells;
        CutPlainLine(block, line, target, cells);
        Texts texts;
        for (size_t c = 0; c < cells.size(); c += std::max(cells[c].colSpan, 1)) {
            std::string text = cells[c].text.Str();
            if (cells[c].colSpan > 1) text += "{" + std::to_string(cells[c].colSpan) + "}";
            texts.push_back(text);
        }
        return texts;
    }
};

}  // namespace tabulyst::test
