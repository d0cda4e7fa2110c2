#include "table/delimited.h"

#include <algorithm>

#include "policy/fc.h"
#include "table/analysis.h"
#include "table/classify.h"
#include "table/rows.h"
#include "output/escaping.h"

namespace tabulyst {

FieldSplitter::FieldSplitter(std::string_view line, char delimiter)
    : line_(line),
      delimiter_(delimiter),
      quoteAware_(delimiter == ','),
      blankMode_(delimiter == ' '),
      done_(line.empty()) {}

bool FieldSplitter::IsSeparator(char c) const {
    return blankMode_ ? (c == ' ' || c == '\t') : c == delimiter_;
}

bool FieldSplitter::Next(std::string_view& field) {
    // next_ stands just after the last separator passed: at the end of the line that
    // separator was the line's last character, and it adds no field.
    if (done_ || next_ >= line_.size()) {
        done_ = true;
        field = {};
        return false;
    }
    const size_t start = next_;
    size_t end = start;
    bool quoted = false;
    while (end < line_.size()) {
        const char c = line_[end];
        if (quoted) {
            if (c == '"') {
                if (end + 1 < line_.size() && line_[end + 1] == '"') {
                    end += 2;  // a doubled quote stays inside the quoted run
                    continue;
                }
                quoted = false;
            }
        } else if (IsSeparator(c)) {
            break;
        } else if (quoteAware_ && c == '"') {
            quoted = true;  // wherever it stands in the field
        }
        ++end;
    }
    field = line_.substr(start, end - start);
    if (end >= line_.size()) {
        done_ = true;
    } else {
        next_ = end + 1;
        if (blankMode_)
            while (next_ < line_.size() && IsSeparator(line_[next_])) ++next_;
    }
    return true;
}

void FieldText(std::string_view field, char delimiter, TextString& text) {
    // A lone quote is both first and last character: it encloses nothing, so it stays.
    if (delimiter != ',' || field.size() < 2 || field.front() != '"' || field.back() != '"') {
        text.AssignN(field.data(), static_cast<int32_t>(field.size()));
        return;
    }
    text.Clear();
    const std::string_view inner = field.substr(1, field.size() - 2);
    text.Reserve(static_cast<int32_t>(inner.size()));
    for (size_t i = 0; i < inner.size(); ++i) {
        text.AppendChar(inner[i]);
        if (inner[i] == '"' && i + 1 < inner.size() && inner[i + 1] == '"') ++i;
    }
}

char BlockDelimiter(const TableBlock& block) {
    const TextString& chosen = BlockConfig(block).Text(P::DefaultTableDelimiterCharacter);
    if (!chosen.Empty()) return chosen[0];
    return block.formatCode == kFormatComma ? ',' : '\t';
}

void AnalyseDelimited(TableBlock& block) {
    block.kind = BlockKind::Delimited;
    block.isTable = true;
    // Delimited lines are kept as read; the classification looks at that same text.
    for (TableLine& line : block.lines) {
        if (line.text.empty() && !line.raw.empty()) {
            line.text = line.raw;
            line.length = static_cast<int32_t>(line.raw.size());
        }
    }
    block.delimiter = BlockDelimiter(block);
    ClassifyLines(block);

    size_t columnCount = 0;
    std::string_view field;
    for (const TableLine& line : block.lines) {
        if (line.type == kTableLinePolicy) continue;
        FieldSplitter split(line.raw, block.delimiter);
        size_t fields = 0;
        while (split.Next(field)) ++fields;
        columnCount = std::max(columnCount, fields);
    }
    // Delimited columns have no positions: every field position is a column.
    block.columns.assign(columnCount, TableColumn{});
    RecogniseHeader(block);
}

void SplitDelimitedLine(TableBlock& block, int lineIndex, int target, std::vector<TableCell>& cells) {
    const size_t columnCount = block.columns.size();
    cells.resize(columnCount);
    for (TableCell& cell : cells) cell.Reset();
    if (lineIndex < 0 || lineIndex >= static_cast<int>(block.lines.size())) return;
    const TableLine& line = block.lines[lineIndex];
    if (line.type == kTableLinePolicy) return;

    const DocumentState& state = CellState(block, target);
    FieldSplitter split(line.raw, block.delimiter);
    std::string_view field;
    for (size_t n = 0; n < columnCount && split.Next(field); ++n) {
        TableCell& cell = cells[n];
        FieldText(field, block.delimiter, cell.text);
        // The guess reads the text as written in the source, before any escaping.
        cell.align = GuessAlignment(block, cell.text, -1);
        TidyLine(block.fc, state, cell.text);
        cell.lines = IsBlankText(cell.text) ? 0 : 1;
    }
}

}  // namespace tabulyst
