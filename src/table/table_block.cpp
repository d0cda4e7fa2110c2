// The table region being collected, analysed and written.
#include <cstring>
#include <string>

#include "policy/fc.h"
#include "policy/fonts.h"
#include "table/analysis.h"
#include "table/delimited.h"
#include "table/table_model.h"

namespace tabulyst {

namespace {

constexpr size_t kChunk = 1u << 20;

int LeadingBlanks(std::string_view text) {
    size_t n = 0;
    while (n < text.size() && text[n] == ' ') ++n;
    return static_cast<int>(n);
}

// The first line the column analysis looks at when the header is to be ignored.
int FirstAnalysedLine(int count) {
    if (count > 25) return count / 5;
    if (count >= 8) return 5;
    return count - 2 > 0 ? count - 2 : 0;
}

}  // namespace

std::string_view TextArena::Store(std::string_view text) {
    if (text.empty()) return {};
    if (chunks_.empty() || used_ + text.size() > chunkSize_) {
        // Chunks of 1 MiB, or one of its own for a line that is larger.
        chunkSize_ = text.size() > kChunk ? text.size() : kChunk;
        // Left uninitialised: every byte is written before it is read.
        chunks_.push_back(std::make_unique_for_overwrite<char[]>(chunkSize_));
        used_ = 0;
    }
    char* at = chunks_.back().get() + used_;
    std::memcpy(at, text.data(), text.size());
    used_ += text.size();
    bytes_ += text.size();
    return {at, text.size()};
}

bool IsRuleText(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) return false;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '-' && c != '_' && c != '=') return false;
        while (i < text.size() && text[i] == c) ++i;
        if (i == text.size()) return true;
        // Runs are separated by exactly one blank.
        if (text[i] != ' ') return false;
        ++i;
        if (i >= text.size() || text[i] == ' ') return false;
    }
    return true;
}

TableBlock::TableBlock(FC& fc, TableFormat format) : fc(fc), format(format) {}

TableBlock::~TableBlock() = default;

void TableBlock::AddLine(const SourceLine& line) {
    AddLine(line.Raw(), line.text, line.lineNumber);
    if (line.mailHeader) {
        lines.back().mailHeader = true;
        ++mailHeaderLines;
    }
}

void TableBlock::NoteDirective(DirectiveCode code) {
    // Kept among the lines, a directive would shift every position the analysis counts
    // (header rows, rule lines, the line count of the border rule).
    if (code == DirectiveCode::BeginTaggedTable) taggedRegion = true;
}

void TableBlock::AddLine(std::string_view raw, std::string_view expanded, int lineNumber) {
    TableLine line;
    line.raw = arena.Store(raw);
    // Delimited data is split from the raw text alone: no second copy is kept.
    if (IsDelimited(format) || expanded == raw)
        line.full = line.raw;
    else
        line.full = arena.Store(expanded);
    line.text = line.full;
    line.length = static_cast<int32_t>(line.full.size());
    line.indent = LeadingBlanks(line.full);
    line.lineNumber = lineNumber;
    lines.push_back(line);

    if (line.length > line.indent) {
        // widest is 0 until the first non-blank line, which sets both.
        if (widest == 0 || line.length < narrowest) narrowest = line.length;
        if (line.length > widest) widest = line.length;
        if (line.indent < commonIndent && !IsRuleText(line.full)) commonIndent = line.indent;
    }
}

void TableBlock::Analyse(int code) {
    format = static_cast<TableFormat>(code);
    config = &fc.BaseConfig();
    const int count = static_cast<int>(lines.size());
    firstAnalysedLine =
        config->Flag(P::IgnoreTableHeaderDuringAnalysis) ? FirstAnalysedLine(count) : 0;
    // A TABLE_LAYOUT directive has already built the columns (and HIDE_COLUMN may have
    // marked some hidden); only a layout that came as a policy line still needs parsing.
    if (config->IsSet(P::DefaultTableLayout) && config->columnSpecs.empty()) {
        const std::string layout(config->Text(P::DefaultTableLayout).View());
        fc.ParseTableLayout(layout, *config);
    }
    delimiter = BlockDelimiter(*this);
    ApplyFontSpec(static_cast<const TextPolicy&>(fc.Record(P::TableFont)), config->tableFont);

    if (format == TableFormat::Auto || format == TableFormat::User) {
        kind = format == TableFormat::Auto ? BlockKind::PlainText : BlockKind::UserTable;
        AnalysePlainText(*this);
    } else if (IsDelimited(format)) {
        kind = BlockKind::Delimited;
        AnalyseDelimited(*this);
    } else if (IsPreformattedCode(code)) {
        // The pre-formatted kinds (code, diagram, pre-formatted text and the like) are
        // written as they stand, without analysis.
        kind = BlockKind::Preformatted;
        isTable = false;
    } else {
        TextString text("UNSUPPORTED CASE: Special Format Code ");
        text.AppendNumber('1', code);
        fc.Issue(text, 10);
    }
}

}  // namespace tabulyst
