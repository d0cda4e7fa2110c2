#include "table/delimited.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/byte_scan.h"
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
    } else {
        // Without quotes to mind, the search for a quote is one for the delimiter again.
        const char quote = quoteAware_ ? '"' : delimiter_;
        const size_t n = line_.size();
        size_t at = next_;
        while ((at = FindEitherByte(line_, at, delimiter_, quote)) < n && line_[at] != delimiter_) {
            // A quote opens a quoted run wherever it stands; a doubled quote stays inside
            // it and a single one ends it. An unclosed run takes the rest of the line.
            ++at;
            while ((at = FindEitherByte(line_, at, '"', '"')) < n) {
                ++at;
                if (at < n && line_[at] == '"') {
                    ++at;
                    continue;
                }
                break;
            }
        }
        p = line_.data() + std::min(at, n);
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

size_t CountFields(std::string_view line, char delimiter) {
    if (delimiter == ' ' || line.empty()) {
        FieldSplitter split(line, delimiter);
        size_t fields = 0;
        for (std::string_view field; split.Next(field);) ++fields;
        return fields;
    }
    // A quoted run, doubled quotes and all, is exactly a stretch after an odd number of
    // quotes: a separator counts when the quotes before it are even.
    using namespace detail;
    const bool quoteAware = delimiter == ',';
    const size_t n = line.size();
    const char* data = line.data();
    size_t separators = 0;
    bool quoted = false;
    bool endsWithSeparator = false;
    size_t i = 0;
    for (; i + kWord <= n; i += kWord) {
        const uint64_t word = LoadWord(data + i);
        const uint64_t quotes = quoteAware ? BytesEqual(word, '"') : 0;
        if (!quotes) {
            if (!quoted) separators += CountMarked(BytesEqual(word, delimiter));
            continue;
        }
        if constexpr (std::endian::native == std::endian::little) {
            // Each byte's mark becomes the parity of the quotes up to it (a prefix XOR
            // toward the higher bytes, which come later in memory).
            uint64_t inside = quotes ^ (quotes << 8);
            inside ^= inside << 16;
            inside ^= inside << 32;
            if (quoted) inside = ~inside & kHighs;
            separators += CountMarked(BytesEqual(word, delimiter) & ~inside);
            quoted = (inside >> 63) != 0;
            continue;
        }
        for (size_t k = i; k < i + kWord; ++k) {
            if (data[k] == '"')
                quoted = !quoted;
            else if (data[k] == delimiter && !quoted)
                ++separators;
        }
    }
    for (; i < n; ++i) {
        if (quoteAware && data[i] == '"')
            quoted = !quoted;
        else if (data[i] == delimiter && !quoted)
            ++separators;
    }
    // The last byte is a separator outside quotes only if the quotes before it are even,
    // which the parity after it says as well (it is no quote).
    endsWithSeparator = data[n - 1] == delimiter && !quoted;
    return separators + 1 - (endsWithSeparator ? 1 : 0);
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

char DelimiterFor(TableFormat format, const TextString& chosen) {
    if (!chosen.Empty()) return chosen[0];
    return format == TableFormat::Comma ? ',' : '\t';
}

char BlockDelimiter(const TableBlock& block) {
    return DelimiterFor(block.format, BlockConfig(block).Text(P::DefaultTableDelimiterCharacter));
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
        ClassifyLines(block, [&](const LinePass& line) {
            columnCount = std::max(columnCount, CountFields(line.Raw(), block.delimiter));
        });
    }
    // A row's cells are held while it is written: past a million of them a line is no
    // table row but a dump, and its remaining fields are left out.
    if (columnCount > kMostColumns) {
        block.fc.Issue("WARNING: A line has " + std::to_string(columnCount) +
                           " fields: only the first " + std::to_string(kMostColumns) +
                           " become columns",
                       10);
        columnCount = kMostColumns;
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
    const AlignmentRules rules(block);
    // Only a record whose quoted fields spanned lines holds line ends: a line each.
    const bool lineEnds = raw.find('\n') != std::string_view::npos;
    std::string_view field;
    for (size_t n = 0; n < columnCount && split.Next(field); ++n) {
        TableCell& cell = cells[n];
        FieldText(field, block.delimiter, cell.text);
        cell.align = GuessAlignment(rules, cell.text, -1);
        if (IsBlankText(cell.text))
            cell.lines = 0;
        else
            cell.lines =
                lineEnds
                    ? 1 + static_cast<int>(std::count(cell.text.begin(), cell.text.end(), '\n'))
                    : 1;
    }
}

}  // namespace tabulyst
