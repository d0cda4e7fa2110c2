#include "output/rtf_table.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "output/escaping.h"
#include "output/rtf_file.h"
#include "output/tagged_cell.h"
#include "policy/fc.h"
#include "table/classify.h"
#include "table/line_pass.h"
#include "table/rows.h"

namespace tabulyst {
namespace {

// A table of more lines than this keeps no row with the next.
constexpr int kKeepLimit = 40;

// Space between cell text and cell edge, and between two cells (twips).
constexpr int kCellGap = 108;
constexpr int kColumnGap = 216;
// How far one level of a stub indent moves a cell's text (twips).
constexpr int kStubIndent = 180;

// The colours of the document's colour table, by the names the colour check leaves.
struct ColourNumber {
    std::string_view name;
    int number;
};
constexpr ColourNumber kColourNumbers[] = {
    {"Black", 1},   {"Blue", 2},    {"Aqua", 3},   {"Lime", 4},  {"Fuchsia", 5}, {"Magenta", 5},
    {"Red", 6},     {"Yellow", 7},  {"White", 8},  {"Navy", 9},  {"Teal", 10},   {"Green", 11},
    {"Purple", 12}, {"Maroon", 13}, {"Olive", 14}, {"Gray", 15}, {"Silver", 16},
};

// The colour table's number of a colour; 0 for one the table does not hold.
int ColourNumberOf(std::string_view colour) {
    for (const ColourNumber& entry : kColourNumbers)
        if (EqualsNoCase(entry.name, colour)) return entry.number;
    return 0;
}

// The font table entries every document has, by face.
struct FixedFont {
    std::string_view face;
    int number;
};
constexpr FixedFont kFixedFonts[] = {
    {"Symbol", 1}, {"Courier New", 2}, {"Times New Roman", 4}, {"Arial", 5}};

bool Hidden(const TabConfig& config, size_t column) {
    return column < config.columnSpecs.size() && config.columnSpecs[column].hidden;
}

size_t Span(const TableRow& row, size_t column) {
    const int span = row.cells[column].colSpan;
    return std::clamp<size_t>(span > 0 ? static_cast<size_t>(span) : 1, 1,
                              row.cells.size() - column);
}

// The document indentation level the block's common indent matches: the number of
// indent positions above 0 up to it, or 0 when it matches none.
int IndentLevel(const TableBlock& block) {
    const int indent = block.commonIndent > 0 && block.commonIndent < 80 ? block.commonIndent : 0;
    if (indent == 0) return 0;
    const std::vector<int>& positions = block.fc.GetExtras().indentPositions;
    if (std::find(positions.begin(), positions.end(), indent) == positions.end()) return 0;
    return static_cast<int>(std::count_if(positions.begin(), positions.end(), [&](int position) {
        return position > 0 && position <= indent;
    }));
}

// One table's rows, written once the row after each is known.
class RtfTableMarkup {
  public:
    RtfTableMarkup(TableBlock& block, RTFFile& out)
        : block_(block), config_(BlockConfig(block)), fc_(block.fc), out_(out) {
        help_ = fc_.Flag(P::MakeWindowsHelpSourceFile);
        const int headerCols = config_.Value(P::DefaultTableHeaderCols);
        headerCols_ = headerCols > 0 ? headerCols : 0;
        tableLines_ = block.lineCount;
        const RtfStyle& style = out.Style(kStyleTable);
        fontStatement_ = ParagraphStart(&fc_, style, kParaFont);
        offset_ = 360 * IndentLevel(block) - 108;
        edges_ = RtfColumnEdges(block, style.font, out.state.utf8);
    }

    void Write() {
        out_.WriteText("{");
        std::optional<TableRow> held;
        ForEachRow(block_, [&](const TableRow& row) {
            // Rule lines give no row: they draw the borders of the rows around them.
            if (row.rule != RuleKind::None) return;
            // The rows of a tagged table are counted as the source gives them, empty or not.
            const int number = row.header ? ++headerRows_ : ++dataRows_;
            TableRow escaped = row;
            if (!Escape(escaped)) {
                if (tagged_)
                    fc_.Issue("INFO: Discarding empty " +
                                  std::string(row.header ? "header" : "data") + " row No. " +
                                  std::to_string(number),
                              4);
                return;
            }
            // A row is written once the next one is known, so that the last row is known too.
            if (held) WriteRow(*held, false);
            held = std::move(escaped);
        });
        if (held) WriteRow(*held, true);
        out_.WriteText("}");
    }

  private:
    // The cells' texts escaped, their lines joined by "\par "; false when no cell that is
    // written has text (hidden layout columns are not) and no cell above reaches into it.
    bool Escape(TableRow& row) {
        bool any = false;
        for (size_t c = 0; c < row.cells.size(); ++c) {
            TableCell& cell = row.cells[c];
            if (cell.rowSpanned && !Hidden(config_, c)) any = true;
            if (cell.text.empty()) continue;
            const std::string source = std::move(cell.text);
            cell.text.clear();
            size_t from = 0;
            for (size_t end = 0; end != std::string::npos; from = end + 1) {
                end = source.find('\n', from);
                piece_.Assign(std::string_view(source).substr(
                    from, end == std::string::npos ? end : end - from));
                TidyLine(fc_, out_.state, OutputFormat::Rtf, piece_);
                if (from > 0) cell.text.append("\\par ");
                cell.text.append(piece_.View());
            }
            if (IsBlankText(cell.text))
                cell.lines = 0;
            else
                any = any || !Hidden(config_, c);
        }
        return any;
    }

    int Alignment(const TableCell& cell, size_t column) const {
        int align = cell.align;
        const int chosen = config_.Value(P::DefaultTableCellAlignment);
        if (chosen != kAlignNone) align = chosen;
        if (column < config_.columnSpecs.size()) align = config_.columnSpecs[column].align;
        return align;
    }

    int Edge(size_t column) const {
        if (edges_.empty()) return 0;
        return edges_[std::min(column, edges_.size() - 1)];
    }

    // The width of the text of a cell from `column` over `span` columns (twips).
    int TextWidth(size_t column, size_t span) const {
        const int left = column > 0 ? Edge(column - 1) : 0;
        return std::max(Edge(column + span - 1) - left - 2 * kCellGap, kCellGap);
    }

    // The cell's vertical alignment: its own, its layout column's, its tag's; in a tagged
    // table else its row's (header rows sit at the bottom).
    int VerticalAlignment(const TableRow& row, size_t c) const {
        const TableCell& cell = row.cells[c];
        int valign = cell.valign;
        if (c < config_.columnSpecs.size() && config_.columnSpecs[c].valign != kVAlignNone)
            valign = config_.columnSpecs[c].valign;
        if (cell.valignOverride != kVAlignNone) valign = cell.valignOverride;
        if (valign == kVAlignNone && tagged_) valign = row.header ? kVAlignBottom : row.valign;
        return valign;
    }

    // The table's font entry of a face, or -1 when the font table has none for it.
    int FontNumber(std::string_view face) const {
        for (size_t i = 0; i < out_.extraFonts.size(); ++i)
            if (EqualsNoCase(out_.extraFonts[i].face.View(), face))
                return kRtfExtraFontBase + static_cast<int>(i);
        for (int i = 0; i < kRtfStyleCount; ++i)
            if (EqualsNoCase(out_.Style(i).font.face.View(), face)) return out_.Style(i).fontNumber;
        for (const FixedFont& fixed : kFixedFonts)
            if (EqualsNoCase(fixed.face, face)) return fixed.number;
        return -1;
    }

    // What the tags of a tagged cell add to its statement: font, colour and indent before
    // the text, the currency sign and dot leaders around it on tab stops at the cell's edge.
    // False when the text is placed by a tab stop, so that it takes no alignment.
    bool AddTaggedParts(const TableCell& cell, size_t c, size_t span, std::string& prefix,
                        std::string& text) {
        const CellTags& tags = cell.Tags();
        if (!tags.font.empty()) {
            const FontSpec font = TaggedCellFont(fc_, tags, out_.Style(kStyleTable).font);
            const int number = FontNumber(font.face.View());
            if (number >= 0) prefix += "\\f" + std::to_string(number);
            prefix += "\\fs" + std::to_string(2 * font.size);
            if (font.bold) prefix += "\\b";
            if (font.italic) prefix += "\\i";
            prefix += " ";
        }
        if (const int colour = ColourNumberOf(tags.colour); colour > 0)
            prefix += "\\cf" + std::to_string(colour) + " ";
        if (tags.stubIndent > 0)
            prefix += "\\li" + std::to_string(kStubIndent * tags.stubIndent) + " ";
        const std::string stop = std::to_string(TextWidth(c, span));
        if (!tags.currency.empty()) {
            piece_.Assign(tags.currency);
            TidyLine(fc_, out_.state, OutputFormat::Rtf, piece_);
            prefix += "\\tqr\\tx" + stop + " ";
            text = piece_.Str() + "\\tab " + text;
            return false;
        }
        if (tags.leaders) {
            prefix += "\\tqr\\tldot\\tx" + stop + " ";
            text += "\\tab";
            return false;
        }
        return true;
    }

    void WriteRow(const TableRow& row, bool last) {
        std::string borders;
        if (!help_) {
            if (row.ruleBelow) borders += "\\clbrdrb\\brdrs";
            if (row.ruleAbove) borders += "\\clbrdrt\\brdrs";
        }
        out_.WriteText("\\trowd \\trgaph108\\trleft" + std::to_string(offset_));

        const size_t count = row.cells.size();
        std::string cells;
        for (size_t c = 0; c < count; c += Span(row, c)) {
            if (Hidden(config_, c)) continue;
            // A cell over several rows is merged with the cells below it.
            if (row.cells[c].rowSpan > 1)
                cells += "\\clvmgf";
            else if (row.cells[c].rowSpanned)
                cells += "\\clvmrg";
            const int valign = VerticalAlignment(row, c);
            if (valign == kVAlignCentre) cells += "\\clvertalc";
            if (valign == kVAlignBottom) cells += "\\clvertalb";
            cells += borders + "\\cellx" + std::to_string(Edge(c + Span(row, c) - 1) + offset_);
        }
        out_.WriteText(cells);

        if (last && tableLines_ > 1) {
            out_.WriteText("\\widctlpar\\intbl\\adjustright");
        } else {
            const bool keep = tableLines_ >= 2 && tableLines_ < kKeepLimit && !help_;
            out_.WriteText(keep ? "\\keepn\\widctlpar\\intbl\\adjustright"
                                : "\\widctlpar\\intbl\\adjustright");
            out_.WriteText(fontStatement_);
        }
        out_.WriteText("{");

        bool first = true;
        for (size_t c = 0; c < count; c += Span(row, c)) {
            if (Hidden(config_, c)) continue;
            const TableCell& cell = row.cells[c];
            const bool empty = IsBlankText(cell.text);
            std::string statement;
            if (first)
                statement =
                    !last && tableLines_ < kKeepLimit && !help_ ? "\\keepn\\intbl " : "\\intbl ";
            first = false;

            const bool bold = row.header || c < static_cast<size_t>(headerCols_);
            std::string prefix = bold ? "\\b " : "";
            std::string_view text =
                cell.text.empty() ? std::string_view(" ") : std::string_view(cell.text);
            bool aligned = true;
            if (tagged_ && cell.Tags().Any()) {
                taggedText_.assign(text);
                aligned = AddTaggedParts(cell, c, Span(row, c), prefix, taggedText_);
                text = taggedText_;
            }
            const int align = empty || !aligned ? kAlignNone : Alignment(cell, c);
            if (align == kAlignCentre) prefix += "\\qc ";
            if (align == kAlignRight) prefix += "\\qr ";
            if (prefix.empty()) {
                statement.append(text).append("\\cell");
            } else {
                statement.append("{").append(prefix).append(text);
                if (bold) statement += "\\b0 ";
                statement += "\\cell}";
            }
            out_.WriteText(statement);
        }
        out_.WriteText("}\\nowidctlpar\\widctlpar\\intbl\\adjustright {\\row }");
    }

    TableBlock& block_;
    const TabConfig& config_;
    FC& fc_;
    RTFFile& out_;
    const bool tagged_ = block_.kind == BlockKind::Tagged;
    int headerRows_ = 0;  // the header and data rows met so far
    int dataRows_ = 0;
    std::string taggedText_;  // a tagged cell's text with its tags' parts
    TextString piece_;
    bool help_ = false;
    int headerCols_ = 0;
    int tableLines_ = 0;
    int offset_ = -108;
    std::string fontStatement_;
    std::vector<int> edges_;
};

}  // namespace

int RtfTextWidth(std::string_view text, const FontSpec& font, bool escaped, bool utf8) {
    long characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (escaped && byte == '\\' && i + 1 < text.size()) {
            i += text[i + 1] == '\'' ? 3 : 1;
        } else if (utf8 && (byte & 0xC0) == 0x80) {
            continue;  // a continuation byte belongs to the character before it
        }
        ++characters;
    }
    const double factor = font.widthFactor > 0 ? font.widthFactor : 1.0;
    const double twips = std::ceil(static_cast<double>(characters) * font.size * 10 * factor);
    return twips > 1e7 ? 10000000 : static_cast<int>(twips);
}

std::vector<int> RtfColumnEdges(TableBlock& block, const FontSpec& font, bool utf8) {
    const TabConfig& config = BlockConfig(block);
    std::vector<int> widest(block.columns.size(), 0);
    // Lines are cut the way the analysis cuts them: texts as read, no message issued twice.
    std::vector<TableCell> cells;
    for (LinePass line(block); line.Next();) {
        if (line.Blank() || line.Rule()) continue;
        BuildLineCells(block, line, CutFor::Analysis, cells);
        if (cells.size() > widest.size()) widest.resize(cells.size(), 0);
        for (size_t c = 0; c < cells.size(); ++c)
            if (cells[c].colSpan <= 1)
                widest[c] = std::max(widest[c], RtfTextWidth(cells[c].text, font, false, utf8));
    }
    std::vector<int> edges(widest.size(), 0);
    int edge = 0;
    for (size_t c = 0; c < widest.size(); ++c) {
        const int width = widest[c] + kCellGap;
        if (!Hidden(config, c)) edge += width + kColumnGap;
        edges[c] = edge;
    }
    return edges;
}

int PreformattedRtfStyle(const TableBlock& block) {
    if (block.isCodeSample || block.kind == BlockKind::CodeSample) return kStyleCode;
    if (block.isDiagram || block.kind == BlockKind::Diagram) return kStyleDiagram;
    return kStylePreformatted;
}

void RtfTableWriter::WriteTable(TableBlock& block) { RtfTableMarkup(block, file_).Write(); }

void RtfTableWriter::WritePreformatted(const TableBlock& block) {
    const std::string start = file_.StyleStart(PreformattedRtfStyle(block));
    TextString text;
    for (LinePass line(block); line.Next();) {
        // The line as it stood in the source: tabs expanded, indent kept.
        text.Assign(line.Full());
        text.Trim(true);
        TidyLine(block.fc, file_.state, OutputFormat::Rtf, text);
        TextString paragraph(start);
        paragraph.Append(text);
        paragraph.Append("\\par");
        file_.WriteText(paragraph);
    }
}

}  // namespace tabulyst
