#include "table/delimited.h"

#include <algorithm>
#include <cstring>

#include "policy/fc.h"
#include "table/analysis.h"
#include "table/classify.h"
#include "table/line_pass.h"

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
    const char* const begin = line_.data() + next_;
    const char* const last = line_.data() + line_.size();
    const char* p = begin;
    if (blankMode_) {
        while (p < last && *p != ' ' && *p != '\t') ++p;
    } else if (!quoteAware_) {
        const void* hit = std::memchr(p, delimiter_, static_cast<size_t>(last - p));
        p = hit ? static_cast<const char*>(hit) : last;
    } else {
        while (p < last && *p != delimiter_) {
            if (*p != '"') {
                ++p;
                continue;
            }
            // A quote opens a quoted run wherever it stands; a doubled quote stays inside
            // it and a single one ends it. An unclosed run takes the rest of the line.
            ++p;
            while (p < last) {
                const void* hit = std::memchr(p, '"', static_cast<size_t>(last - p));
                if (!hit) {
                    p = last;
                    break;
                }
                p = static_cast<const char*>(hit) + 1;
                if (p < last && *p == '"') {
                    ++p;
                    continue;
                }
                break;
            }
        }
    }
    field = std::string_view(begin, static_cast<size_t>(p - begin));
    if (p >= last) {
        done_ = true;
    } else {
        next_ = static_cast<size_t>(p - line_.data()) + 1;
        if (blankMode_)
            while (next_ < line_.size() && IsSeparator(line_[next_])) ++next_;
    }
    return true;
}

void FieldText(std::string_view field, char delimiter, std::string& text) {
    // A lone quote is both first and last character: it encloses nothing, so it stays.
    if (delimiter != ',' || field.size() < 2 || field.front() != '"' || field.back() != '"') {
        text.assign(field);
        return;
    }
    text.clear();
    std::string_view rest = field.substr(1, field.size() - 2);
    // Copied in runs that end just after each doubled quote's first half.
    for (size_t pair = rest.find("\"\""); pair != std::string_view::npos;
         pair = rest.find("\"\"")) {
        text.append(rest.substr(0, pair + 1));
        rest.remove_prefix(pair + 2);
    }
    text.append(rest);
}

char BlockDelimiter(const TableBlock& block) {
    const TextString& chosen = BlockConfig(block).Text(P::DefaultTableDelimiterCharacter);
    if (!chosen.Empty()) return chosen[0];
    return block.format == TableFormat::Comma ? ',' : '\t';
}

void AnalyseDelimited(TableBlock& block) {
    block.kind = BlockKind::Delimited;
    block.isTable = true;
    block.delimiter = BlockDelimiter(block);
    size_t columnCount = block.tally.columns;
    // The tally of the lines as they were added holds unless the delimiter changed or the
    // first lines are to be left out of the counts.
    if (!block.tally.valid || block.tally.delimiter != block.delimiter ||
        block.firstAnalysedLine != 0 || block.LineCount() == 0) {
        // Delimited lines are kept as read: the classification looks at that same text, and
        // the fields of every line are counted in the same pass.
        columnCount = 0;
        std::string_view field;
        ClassifyLines(block, [&](const LinePass& line) {
            FieldSplitter split(line.Raw(), block.delimiter);
            size_t fields = 0;
            while (split.Next(field)) ++fields;
            columnCount = std::max(columnCount, fields);
        });
    }
    // Delimited columns have no positions: every field position is a column.
    block.columns.assign(columnCount, TableColumn{});
    RecogniseHeader(block);
}

void SplitDelimitedLine(const TableBlock& block, std::string_view raw,
                        std::vector<TableCell>& cells) {
    const size_t columnCount = block.columns.size();
    cells.resize(columnCount);
    for (TableCell& cell : cells) cell.Reset();
    FieldSplitter split(raw, block.delimiter);
    std::string_view field;
    for (size_t n = 0; n < columnCount && split.Next(field); ++n) {
        TableCell& cell = cells[n];
        FieldText(field, block.delimiter, cell.text);
        cell.align = GuessAlignment(block, cell.text, -1);
        cell.lines = IsBlankText(cell.text) ? 0 : 1;
    }
}

}  // namespace tabulyst
