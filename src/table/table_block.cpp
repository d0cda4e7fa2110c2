// The table region being collected, analysed and written.
#include <algorithm>
#include <cstring>
#include <string>

#include "policy/fc.h"
#include "policy/fonts.h"
#include "table/analysis.h"
#include "table/classify.h"
#include "table/delimited.h"
#include "table/table_model.h"

namespace tabulyst {

namespace {

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
    if (line.lineNumber > 0 && SourceLineNumber(lineCount) != line.lineNumber)
        numberJumps_.emplace_back(lineCount, line.lineNumber);
    AddLine(line.Raw(), line.text);
    if (line.mailHeader) ++mailHeaderLines;
}

void TableBlock::NoteDirective(DirectiveCode code) {
    // Kept among the lines, a directive would shift every position the analysis counts
    // (header rows, rule lines, the line count of the border rule).
    if (code == DirectiveCode::BeginTaggedTable) taggedRegion = true;
}

void TableBlock::TallyPositions(bool blank, std::string_view full) {
    PositionTally& positions = tally.positions;
    if (blank || !positions.valid) return;
    // Wider lines are no table unless a layout says where the columns are; the positions
    // are then counted again, and the counts need not hold room for every character.
    if (full.size() > static_cast<size_t>(kWidestTable)) {
        positions = PositionTally{};
        positions.valid = false;
        return;
    }
    positions.Add(full, full.size());
}

void TableBlock::TallyDelimited(std::string_view raw) {
    const char used = BlockDelimiter(*this);
    if (lineCount == 0) tally.delimiter = used;
    if (used != tally.delimiter) tally.valid = false;  // a directive changed it
    if (!tally.valid) return;
    const bool blank = IsBlankText(raw);
    TallyLine(*this, lineCount, blank, !blank && IsRuleLine(raw), raw);
    tally.columns = std::max(tally.columns, CountFields(raw, used));
}

int TableBlock::SourceLineNumber(int index) const {
    // The last jump at or before the index.
    auto after =
        std::upper_bound(numberJumps_.begin(), numberJumps_.end(), index,
                         [](int i, const std::pair<int, int>& jump) { return i < jump.first; });
    if (after == numberJumps_.begin()) return 0;
    --after;
    return after->second + (index - after->first);
}

LineSource& TableBlock::Lines() const { return source_ ? *source_ : ownLines_; }

void TableBlock::AddLine(std::string_view raw, std::string_view expanded) {
    // Delimited data is split from the raw text alone: no second copy is kept.
    const std::string_view full = IsDelimited(format) ? raw : expanded;
    if (!source_) ownLines_.Add(raw, full);
    if (IsDelimited(format)) {
        TallyDelimited(full);
        tally.plain = false;
    } else {
        // The classification as the analysis would make it with no indent removed and no
        // header left out, which is how most tables come; it is made again otherwise.
        const bool blank = IsBlankText(full);
        TallyLine(*this, lineCount, blank, !blank && IsRuleLine(full), full);
        if (lineCount == 0) tally.plain = true;
        if (!tally.bars && full.find('|') != std::string_view::npos) tally.bars = true;
        TallyPositions(blank, full);
    }
    ++lineCount;
    const int length = static_cast<int>(full.size());
    const int indent = LeadingBlanks(full);
    if (length > indent) {
        // widest is 0 until the first non-blank line, which sets both.
        if (widest == 0 || length < narrowest) narrowest = length;
        if (length > widest) widest = length;
        if (indent < commonIndent && !IsRuleText(full)) commonIndent = indent;
    }
}

void TableBlock::Analyse(int code) {
    format = static_cast<TableFormat>(code);
    config = &fc.BaseConfig();
    const int count = lineCount;
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
