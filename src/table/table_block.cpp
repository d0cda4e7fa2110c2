// The table region being collected, analysed and written.
#include <cstring>
#include <string>

#include "policy/fc.h"
#include "policy/fonts.h"
#include "table/analysis.h"
#include "table/directives.h"
#include "table/table_model.h"
#include "table/table_writers.h"

namespace tabulyst {

namespace {

constexpr size_t kChunk = 1u << 20;

bool IsDelimitedCode(int code) { return code == kFormatTab || code == kFormatComma; }

int LeadingBlanks(std::string_view text) {
    size_t n = 0;
    while (n < text.size() && text[n] == ' ') ++n;
    return static_cast<int>(n);
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
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

TableBlock::TableBlock(FC& fc, OutputFile* html, OutputFile* rtf, int formatCode)
    : fc(fc), htmlFile(html), rtfFile(rtf), writeHtml(html != nullptr), writeRtf(rtf != nullptr),
      formatCode(formatCode) {}

TableBlock::~TableBlock() = default;

void TableBlock::AddLine(const SourceLine& line) {
    AddLine(line.raw, line.text, line.kind, line.directive, line.lineNumber);
    if (line.mailHeader) {
        lines.back().mailHeader = true;
        ++mailHeaderLines;
    }
}

void TableBlock::AddLine(std::string_view raw, std::string_view expanded, int kind, int directive,
                         int lineNumber) {
    // A directive did its work when it was read. Kept among the lines it would shift every
    // position the analysis counts (header rows, rule lines, the line count of the border
    // rule), so only the opening of a tagged region is remembered.
    if (kind == kLineDirective) {
        if (directive == kDirBeginTaggedTable) taggedRegion = true;
        return;
    }
    TableLine line;
    line.raw = arena.Store(raw);
    // Delimited data is split from the raw text alone: no second copy is kept.
    if (IsDelimitedCode(formatCode) || expanded == raw)
        line.full = line.raw;
    else
        line.full = arena.Store(expanded);
    line.text = line.full;
    line.length = static_cast<int32_t>(line.full.size());
    line.indent = LeadingBlanks(line.full);
    line.lineNumber = lineNumber;
    line.directive = static_cast<int16_t>(directive);
    line.type = kind == kLineDirective ? kTableLinePolicy : kTableLineText;
    lines.push_back(line);
    if (line.type == kTableLinePolicy) return;

    if (line.length > line.indent) {
        // widest is 0 until the first non-blank line, which sets both.
        if (widest == 0 || line.length < narrowest) narrowest = line.length;
        if (line.length > widest) widest = line.length;
        if (line.indent < commonIndent && !IsRuleText(line.full)) commonIndent = line.indent;
    }
}

void TableBlock::Finish(int code) {
    formatCode = code;
    config = code == kFormatAuto ? &fc.BaseConfig() : &fc.OldestConfig();
    const int count = static_cast<int>(lines.size());
    firstAnalysedLine = config->Flag(P::IgnoreTableHeaderDuringAnalysis) ? FirstAnalysedLine(count) : 0;
    // A TABLE_LAYOUT directive has already built the columns (and HIDE_COLUMN may have
    // marked some hidden); only a layout that came as a policy line still needs parsing.
    if (config->IsSet(P::DefaultTableLayout) && config->columnSpecs.empty()) {
        const std::string layout(config->Text(P::DefaultTableLayout).View());
        fc.ParseTableLayout(layout, *config);
    }
    delimiter = code == kFormatComma ? ',' : '\t';
    const TextString& chosen = config->Text(P::DefaultTableDelimiterCharacter);
    if (!chosen.Empty()) delimiter = chosen[0];
    ApplyFontSpec(static_cast<const TextPolicy&>(fc.Record(P::TableFont)), config->tableFont);

    switch (code) {
        case kFormatAuto:
        case kFormatUser:
            kind = code == kFormatAuto ? BlockKind::PlainText : BlockKind::UserTable;
            AnalysePlainText(*this);
            break;
        case kFormatTab:
        case kFormatComma:
            kind = BlockKind::Delimited;
            AnalyseDelimited(*this);
            break;
        case 2: case 3: case 4: case 5: case 6: case 9: case 10:
            // The pre-formatted kinds (code, diagram, pre-formatted text and the like) are
            // written as they stand, without analysis.
            kind = BlockKind::Preformatted;
            isTable = false;
            break;
        default: {
            TextString text("UNSUPPORTED CASE: Special Format Code ");
            text.AppendNumber('1', code);
            fc.Issue(text, 10);
            break;
        }
    }
    ParseTable(*this);
    if (fc.NumTabConfigs() > 0) fc.DeleteOldTabConfig();
    config = nullptr;
}

}  // namespace tabulyst
