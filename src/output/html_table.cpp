#include "output/html_table.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

#include "output/escaping.h"
#include "output/font_markup.h"
#include "output/html_file.h"
#include "output/tagged_cell.h"
#include "policy/fc.h"
#include "table/classify.h"
#include "table/line_pass.h"
#include "table/rows.h"

namespace tabulyst {
namespace {

// The comments that open and close each kind of table.
struct KindComments {
    BlockKind kind;
    std::string_view open;
    std::string_view close;
};

constexpr KindComments kComments[] = {
    {BlockKind::UserTable, "<!-- User-specified TABLE structure -->",
     "<!-- end of user-specified TABLE structure -->"},
    {BlockKind::Delimited, "<!-- User-specified DELIMITED TABLE structure -->",
     "<!-- end of DELIMITED TABLE structure -->"},
    {BlockKind::TextBlock, "<!-- Automatically detected Text Block structure -->",
     "<!-- end of automatically detected Text Block structure -->"},
    {BlockKind::Tagged, "<!-- User-specified TAGGED TABLE -->",
     "<!-- end of user-specified TAGGED TABLE -->"},
    {BlockKind::PlainText, "<!-- Automatically detected TABLE structure -->",
     "<!-- end of automatically detected TABLE structure -->"},
};

const KindComments& CommentsFor(BlockKind kind) {
    for (const KindComments& entry : kComments)
        if (entry.kind == kind) return entry;
    return kComments[std::size(kComments) - 1];
}

// Appends an attribute with its value in quotes, preceded by a blank. Values come from
// policies and directives, so a quote or bracket in one must not end the tag.
void AppendQuoted(std::string& out, std::string_view name, std::string_view value) {
    out.append(" ").append(name).append("=\"");
    EscapeAttributeValue(value, out);
    out.append("\"");
}

// The next "<BR>" at or after `from`, npos when none. It is found by its "B", which far
// fewer bytes of a cell's markup are than "<".
size_t FindBreakTag(std::string_view text, size_t from) {
    for (size_t b = text.find('B', from + 1); b != std::string_view::npos;
         b = text.find('B', b + 1))
        if (text.substr(b - 1, 4) == "<BR>") return b - 1;
    return std::string_view::npos;
}

// Whether tidying could change a text: only "&nbsp;" and "<BR>" are its business.
bool NeedsTidying(std::string_view text) {
    return text.find("&nbsp;") != std::string_view::npos ||
           text.find("<BR>") != std::string_view::npos;
}

bool MayBeRule(std::string_view text) {
    if (text.empty()) return false;
    const char c = text.front();
    return c == '-' || c == '_' || c == '=' || IsBlankChar(c);
}

// The indent removed from the block's lines: 80 and above is never removed (and 80 is
// what a block without text lines reports).
int RemovedIndent(const TableBlock& block) {
    return block.commonIndent > 0 && block.commonIndent < 80 ? block.commonIndent : 0;
}

bool ParsePlainNumber(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// The table font around a cell's content; both texts empty unless "Add FONT markup" is on
// and the document writes FONT tags.
void TableCellFontMarkup(const TableBlock& block, const DocumentState& state, TextString& start,
                         TextString& end) {
    start.Clear();
    end.Clear();
    // Checked first: a table of a million cells asks a million times.
    if (!block.fc.Flag(P::AddFontMarkup)) return;
    const FontSpec& configured = BlockConfig(block).tableFont;
    if (configured.valid && !configured.face.Empty()) {
        GetStartFontMarkup(kFontMarkupTableCell, block.fc, state, &configured, start);
        GetEndFontMarkup(kFontMarkupTableCell, block.fc, state, &configured, end);
        return;
    }
    const FontSpec font = DocumentTableFont(block.fc);
    GetStartFontMarkup(kFontMarkupTableCell, block.fc, state, &font, start);
    GetEndFontMarkup(kFontMarkupTableCell, block.fc, state, &font, end);
}

// One table's markup, written statement by statement as its rows arrive.
class HtmlTableMarkup {
  public:
    HtmlTableMarkup(TableBlock& block, HTMLFile& out)
        : block_(block),
          config_(BlockConfig(block)),
          fc_(block.fc),
          out_(out),
          tagged_(block.kind == BlockKind::Tagged),
          minimise_(fc_.Flag(P::MinimiseHtmlFileSize)),
          noColour_(fc_.Flag(P::SuppressAllColourMarkup)),
          strong_(fc_.Flag(P::UseEmAndStrongMarkup)),
          fontOnEmpty_(fc_.Flag(P::ApplyFontToEmptyTableCells)),
          cellAlign_(config_.Value(P::DefaultTableCellAlignment)),
          pageWidth_(fc_.Value(P::PageWidth)) {
        const int cols = config_.Value(P::DefaultTableHeaderCols);
        headerCols_ = cols > 0 ? cols : 0;
        const KindComments& comments = CommentsFor(tagged_ ? BlockKind::Tagged : block.kind);
        closeComment_ = comments.close;
        SettlePlacement();
        // The same for every cell: policies and document state hold still while a table
        // is written.
        TableCellFontMarkup(block_, out_.state, fontStart_, fontEnd_);
        tidyFree_ = !fc_.Flag(P::RemoveRedundantTags) && !NeedsTidying(fontStart_.View()) &&
                    !NeedsTidying(fontEnd_.View());
        opening_.emplace_back(comments.open);
        opening_.push_back(StartTag());
        TextString caption = config_.Text(P::DefaultTableCaption);
        if (config_.IsSet(P::DefaultTableCaption) && !caption.Empty()) {
            TidyLine(block_.fc, out_.state, OutputFormat::Html, caption);  // text, like a cell's
            opening_.push_back("<CAPTION>" + caption.Str() + "</CAPTION>");
        }
    }

    // The table is opened with its first row, so that a table with no row leaves no markup.
    void Row(const TableRow& row) {
        EscapeCells(row);
        // Empty, or with text only in hidden columns: nothing of it would show. A row that a
        // cell above reaches into (ROWSPAN) is there all the same.
        bool shows = false;
        for (size_t c = 0; c < row.cells.size() && !shows; ++c)
            shows = !Hidden(c) && (!blank_[c] || row.cells[c].rowSpanned);
        if (!shows) return;
        if (!opened_) {
            for (const std::string& statement : opening_) Write(statement);
            opened_ = true;
        }
        WriteRow(row);
    }

    void Finish() {
        if (!opened_) return;
        Write(align_ != kAlignLeft ? "</TABLE></DIV>" : "</TABLE>");
        Write(closeComment_);
    }

  private:
    // Statements are written in order: the row's untidied lines go before any other.
    void Write(std::string_view statement) {
        FlushRowLines();
        out_.WriteText(statement);
    }

    void WriteTidyFree(std::string_view line) {
        rowLines_.append(line);
        rowLines_.push_back('\n');
    }

    void FlushRowLines() {
        if (rowLines_.empty()) return;
        rowLines_.pop_back();
        out_.WriteTidyLines(rowLines_);
        rowLines_.clear();
    }

    // The cells' markup texts: a rule, or the source lines each escaped and joined by "<BR>".
    // Most cells hold nothing to escape and are taken as they are.
    void EscapeCells(const TableRow& row) {
        const size_t count = row.cells.size();
        texts_.resize(count);
        blank_.resize(count);
        plain_.assign(count, false);
        if (escaped_.size() < count) escaped_.resize(count);
        if (tagged_ && decorated_.size() < count) decorated_.resize(count);
        for (size_t c = 0; c < count; ++c) {
            std::string_view& text = texts_[c];
            if (row.rule != RuleKind::None) {
                text = row.rule == RuleKind::Double ? "<HR SIZE=5 NOSHADE>" : "<HR>";
                blank_[c] = false;
                continue;
            }
            const std::string_view source = row.cells[c].text;
            if (TidyingLeavesAlone(source, OutputFormat::Html)) {
                text = source;
                plain_[c] = true;
            } else {
                std::string& store = escaped_[c];
                store.clear();
                size_t from = 0;
                for (size_t end = 0; end != std::string_view::npos; from = end + 1) {
                    end = source.find('\n', from);
                    piece_.Assign(
                        source.substr(from, end == std::string_view::npos ? end : end - from));
                    TidyLine(fc_, out_.state, OutputFormat::Html, piece_);
                    if (from > 0) store.append("<BR>");
                    store.append(piece_.View());
                }
                text = store;
                plain_[c] = text.find_first_of("&<") == std::string_view::npos;
            }
            if (tagged_ && row.cells[c].Tags().Any()) {
                text = Decorated(row.cells[c], c, text);
                plain_[c] = false;  // decorations are markup
            }
            blank_[c] = IsBlankText(text);
        }
    }

    // A tagged cell's text with what its tags ask for.
    std::string_view Decorated(const TableCell& cell, size_t c, std::string_view text) {
        decorated_[c] = TaggedCellHtml(fc_, out_.state, cell, text, block_.columns[c].width);
        return decorated_[c];
    }

    // A cell with no text after escaping has no lines.
    int LinesOf(const TableRow& row, size_t c) const { return blank_[c] ? 0 : row.cells[c].lines; }

    void SettlePlacement() {
        const int indent = RemovedIndent(block_);
        const std::vector<int>& levels = fc_.GetExtras().indentPositions;
        const bool matchesLevel = std::find(levels.begin(), levels.end(), indent) != levels.end();
        // Judged afresh for every table: an indented table must not centre the ones after it.
        const bool autoCentre = indent > 0 && !matchesLevel && indent / 6 >= 3;
        if (block_.config) block_.config->autoCentre = autoCentre;
        const int chosen = config_.Value(P::DefaultTableAlignment);
        if (config_.IsSet(P::DefaultTableAlignment) && chosen != kAlignNone)
            align_ = chosen;
        else
            align_ = autoCentre ? kAlignCentre : kAlignLeft;
    }

    std::string StartTag() {
        std::string tag;
        if (align_ != kAlignLeft) {
            const char* side = align_ == kAlignCentre  ? "CENTER"
                               : align_ == kAlignRight ? "RIGHT"
                                                       : "LEFT";
            tag.append("<DIV ALIGN=\"").append(side).append("\">");
        }
        tag += "<TABLE";
        tag += BorderAttribute();
        tag += WidthAttribute();
        const int spacing = config_.Value(P::DefaultTableCellSpacing);
        tag +=
            " CELLSPACING=" +
            std::to_string(config_.IsSet(P::DefaultTableCellSpacing) && spacing > 0 ? spacing : 0);
        int padding;
        if (config_.IsSet(P::DefaultTableCellPadding))
            padding = std::max(0, config_.Value(P::DefaultTableCellPadding));
        else if (tagged_)
            padding = hasBorder_ ? 4 : 0;
        else
            padding = hasBorder_ ? 2 : 4;
        tag += " CELLPADDING=" + std::to_string(padding);
        if (!noColour_) {
            for (P colour : {P::DefaultTableColour, P::DefaultTableBorderColour}) {
                const TextString& text = config_.Text(colour);
                if (config_.IsSet(colour) && !text.Empty())
                    AppendQuoted(tag, colour == P::DefaultTableColour ? "BGCOLOR" : "BORDERCOLOR",
                                 text);
            }
        }
        tag += ">";
        return tag;
    }

    std::string BorderAttribute() {
        const int size = config_.Value(P::DefaultTableBorderSize);
        if (config_.IsSet(P::DefaultTableBorderSize) || tagged_) {
            if (config_.IsSet(P::DefaultTableBorderSize) && size > 0) {
                hasBorder_ = true;
                return " BORDER=" + std::to_string(size);
            }
            return " BORDER=0";
        }
        const int lines = block_.lineCount;
        if (block_.hasHeader && lines >= 4) {
            hasBorder_ = true;
            return " BORDER=2";
        }
        const int remaining =
            lines - block_.firstAnalysedLine - block_.blankLines - block_.ruleLines;
        if (block_.ruleLines > 1 || block_.firstRule >= 4 || remaining < 4) return " BORDER=0";
        if (block_.columns.size() == 2 && block_.columns[0].mostlyEmpty) return "";
        hasBorder_ = true;
        return " BORDER=2";
    }

    std::string WidthAttribute() {
        const TextString& width = config_.Text(P::DefaultTableWidth);
        const bool widthGiven = config_.IsSet(P::DefaultTableWidth) && !width.Empty();
        if (tagged_ && config_.Flag(P::AddTableWidthMarkup)) {
            int sum = 0;
            for (const ColumnSpec& spec : config_.columnSpecs)
                if (!spec.hidden) sum += spec.width + spec.gutter;
            if (sum > 0) {
                int given = 0;
                if (widthGiven && ParsePlainNumber(width.View(), given) && given < sum) {
                    fc_.Issue("WARNING: Specified Table width " + std::to_string(given) +
                                  " is less than the sum of column widths " + std::to_string(sum),
                              10);
                    sum = given;
                }
                std::string attribute;
                AppendQuoted(attribute, "WIDTH", std::to_string(sum));
                return attribute;
            }
        }
        std::string attribute;
        if (widthGiven) AppendQuoted(attribute, "WIDTH", width);
        return attribute;
    }

    bool Hidden(size_t column) const {
        return column < config_.columnSpecs.size() && config_.columnSpecs[column].hidden;
    }

    // Appends the colour of a data row; false when the row stays uncoloured.
    bool AppendRowColour(std::string& tag) const {
        if (!config_.Flag(P::ColourDataRows) || noColour_) return false;
        // Dot leaders already lead the eye along a row; colours too only when asked for.
        if (block_.dotLeaders && !config_.Flag(P::ColourTablesWithDotLeaders)) return false;
        const TextString& colour = config_.Text(dataRows_ % 2 == 1 ? P::DefaultTableOddRowColour
                                                                   : P::DefaultTableEvenRowColour);
        if (colour.Empty()) return false;
        AppendQuoted(tag, "BGCOLOR", colour);
        return true;
    }

    // The row's alignment code of a tagged data row, written as its VALIGN attribute.
    int AppendTaggedAlignment(std::string& tag, int code) const {
        switch (code) {
            case kVAlignNone:
            case kVAlignTop:
                AppendQuoted(tag, "VALIGN", "TOP");
                return kVAlignTop;
            case kVAlignBottom:
                AppendQuoted(tag, "VALIGN", "BOTTOM");
                return kVAlignBottom;
            case kVAlignCentre:
                return kVAlignCentre;
            default:
                fc_.Issue("UNSUPPORTED CASE: Vertical alignment code " + std::to_string(code), 10);
                return kVAlignNone;
        }
    }

    void WriteRow(const TableRow& row) {
        const size_t count = row.cells.size();
        int most = 0;
        for (size_t c = 0; c < count; c += Span(row, c))
            if (!Hidden(c)) most = std::max(most, LinesOf(row, c));
        // An empty cell has no text lines, but it does not make a one-line row ragged:
        // only cells with text must all have the row's number of lines.
        bool uniform = true;
        for (size_t c = 0; c < count; c += Span(row, c))
            if (!Hidden(c) && !blank_[c] && LinesOf(row, c) != most) uniform = false;

        std::string& tag = tag_;
        tag.assign(minimise_ ? "<TR" : "  <TR");
        if (row.header)
            dataRows_ = 0;
        else
            ++dataRows_;
        int rowAlign = kVAlignNone;
        if (tagged_) {
            if (row.header) {
                AppendQuoted(tag, "VALIGN", "BOTTOM");
                rowAlign = kVAlignBottom;
            } else {
                const bool coloured = AppendRowColour(tag);
                if (!coloured && fc_.Value(P::HtmlVersionToBeTargeted) > 1 &&
                    fc_.Flag(P::LabelStyleClasses))
                    AppendQuoted(tag, "CLASS", dataRows_ % 2 == 1 ? "OddRow" : "EvenRow");
                rowAlign = AppendTaggedAlignment(tag, row.valign);
            }
        } else {
            if (!row.header) AppendRowColour(tag);
            if (!uniform || most > 1) {
                AppendQuoted(tag, "VALIGN", "TOP");
                rowAlign = kVAlignTop;
            }
        }
        tag += ">";
        WriteTidyFree(tag);
        for (size_t c = 0; c < count; c += Span(row, c))
            if (!Hidden(c) && !row.cells[c].rowSpanned) WriteCell(row, c, rowAlign);
        WriteTidyFree(minimise_ ? "</TR>" : "  </TR>");
        FlushRowLines();
    }

    static size_t Span(const TableRow& row, size_t column) {
        const int span = row.cells[column].colSpan;
        return std::clamp<size_t>(span > 0 ? static_cast<size_t>(span) : 1, 1,
                                  row.cells.size() - column);
    }

    // The width of an indent column, in proportion to the page.
    int IndentColumnWidth() const {
        const int x = block_.columns[0].boundary + RemovedIndent(block_);
        // A page width of 0 or less cannot scale: it counts as narrower than the column.
        if (pageWidth_ <= 0 || pageWidth_ < x) return 120 * x / 100;
        return 800 * x / pageWidth_;
    }

    void WriteCell(const TableRow& row, size_t c, int rowAlign) {
        const TableCell& cell = row.cells[c];
        const size_t span = Span(row, c);
        const bool th = row.header;
        const bool empty = blank_[c];
        const std::vector<ColumnSpec>& specs = config_.columnSpecs;

        std::string_view text = texts_[c];
        // Escaped text holds no tag: one look tells whether a rule or a break can be in it,
        // and none is needed for a text known to hold no "<".
        const bool tagsInText = !plain_[c] && text.find('<') != std::string_view::npos;
        bool rule = tagsInText && text.find("<HR") != std::string_view::npos;
        // A rule text starts with a rule character or a blank: most texts are passed by
        // their first byte.
        if (!rule && LinesOf(row, c) == 1 && MayBeRule(text)) {
            const std::string_view trimmed = TrimBlanks(text);
            if (trimmed.size() >= 4 && IsRuleText(trimmed)) {
                text = "<HR>";
                rule = true;
            }
        }

        int valign = cell.valign;
        if (c < specs.size() && specs[c].valign != kVAlignNone) valign = specs[c].valign;
        if (cell.valignOverride != kVAlignNone) valign = cell.valignOverride;
        if (valign == rowAlign) valign = kVAlignNone;

        // A cell of one plain line is written as tidying would leave it, straight into the
        // row's text: the break that ends every cell's text goes before the end tag anyway.
        const bool tidyFree = tidyFree_ && !rule && (empty || plain_[c]);
        std::string& markup = tidyFree ? rowLines_ : markup_;
        if (!tidyFree) markup.clear();
        markup.append(minimise_ ? "" : "    ");
        markup += th ? "<TH" : "<TD";
        if (c == 0 && specs.empty() && !block_.columns.empty() && block_.columns[0].mostlyEmpty) {
            const int width = IndentColumnWidth();
            if (width > 0 && span == 1) markup += " WIDTH=" + std::to_string(width);
        }
        size_t covered = span;
        for (size_t k = c; k < c + span; ++k)
            if (Hidden(k)) --covered;
        if (covered > 1) markup += " COLSPAN=" + std::to_string(covered);
        if (cell.rowSpan > 1) markup += " ROWSPAN=" + std::to_string(cell.rowSpan);

        int align = cell.align;
        if (cellAlign_ != kAlignNone) align = cellAlign_;
        if (c < specs.size()) align = specs[c].align;
        // Cell attributes are written as whole texts: a table may have millions of cells.
        if (!empty) {
            if (align == kAlignCentre)
                markup += " ALIGN=\"CENTER\"";
            else if (align == kAlignRight)
                markup += " ALIGN=\"RIGHT\"";
            else if (th)
                markup += " ALIGN=\"LEFT\"";
        }
        if (!th) {
            if (valign == kVAlignTop) markup += " VALIGN=\"TOP\"";
            if (valign == kVAlignBottom) markup += " VALIGN=\"BOTTOM\"";
            if (valign == kVAlignCentre) markup += " VALIGN=\"CENTER\"";
        }
        markup += ">";
        const bool headerColumn = !row.header && c < static_cast<size_t>(headerCols_);
        if (headerColumn) markup += strong_ ? "<STRONG>" : "<B>";

        if (empty) {
            if (fontOnEmpty_) markup += fontStart_.View();
            markup += "&nbsp;";
            if (fontOnEmpty_) markup += fontEnd_.View();
        } else {
            markup.append(fontStart_.View()).append(text).append(fontEnd_.View());
        }

        if (headerColumn) markup += strong_ ? "</STRONG>" : "</B>";
        if (tidyFree) {
            markup.append(th ? "</TH>\n" : "</TD>\n");
            return;
        }
        if (!rule && cell.kind != 1 && cell.kind != 2) markup += "<BR>";
        markup += th ? "</TH>" : "</TD>";
        // A break that starts a new line can only come from the text: the markup around it
        // has none but the one just before the end tag.
        if (tagsInText)
            WriteCellLines(markup);
        else
            Write(markup);
    }

    // One statement per line break; a break just before the end tag stays with it.
    void WriteCellLines(std::string_view markup) {
        const std::string_view indent = minimise_ ? "" : "      ";
        size_t from = 0;
        size_t at = 0;
        bool first = true;
        while ((at = FindBreakTag(markup, at)) != std::string_view::npos) {
            at += 4;
            const std::string_view rest = markup.substr(at);
            if (rest.starts_with("</TD") || rest.starts_with("</TH")) continue;
            WritePiece(markup.substr(from, at - from), first, indent);
            first = false;
            from = at;
        }
        if (from < markup.size()) WritePiece(markup.substr(from), first, indent);
    }

    void WritePiece(std::string_view piece, bool first, std::string_view indent) {
        if (first || indent.empty()) {
            Write(piece);
            return;
        }
        line_.assign(indent);
        line_ += piece;
        Write(line_);
    }

    TableBlock& block_;
    const TabConfig& config_;
    FC& fc_;
    HTMLFile& out_;
    bool tagged_;
    bool minimise_;
    bool noColour_;
    bool strong_;
    bool fontOnEmpty_;
    int cellAlign_;
    int pageWidth_;
    int headerCols_ = 0;
    int align_ = kAlignLeft;
    bool hasBorder_ = false;
    int dataRows_ = 0;
    bool opened_ = false;
    std::vector<std::string> opening_;
    std::string_view closeComment_;
    // Reused for every cell: a table may have millions of them.
    std::string tag_;
    std::string markup_;
    std::string line_;
    // The markup text of each cell of the row: its source, or its escaped copy.
    std::vector<std::string_view> texts_;
    std::vector<char> blank_;  // whether each cell's markup text is blank
    // Whether each cell's markup text holds no "&" and no tag: its line needs no tidying.
    std::vector<char> plain_;
    // Lines of the row that need no tidying, each ended by a line feed, written together.
    std::string rowLines_;
    bool tidyFree_;  // the markup around cell texts never needs tidying in this table
    std::vector<std::string> escaped_;    // empty strings cost no storage: a row may be wide
    std::vector<std::string> decorated_;  // tagged cells' texts with what their tags ask for
    TextString piece_;
    // The table font's markup around every cell's content (see cell_font.h).
    TextString fontStart_;
    TextString fontEnd_;
};

}  // namespace

void HtmlTableWriter::WriteTable(TableBlock& block) {
    HtmlTableMarkup markup(block, file_);
    ForEachRow(block, [&markup](const TableRow& row) { markup.Row(row); });
    markup.Finish();
}

void HtmlTableWriter::WritePreformatted(const TableBlock& block) {
    const bool wasPreformatted = file_.state.preformatted;
    file_.WriteLine("<PRE>", true);
    file_.state.preformatted = true;
    TextString text;
    for (LinePass line(block); line.Next();) {
        // The line as it stood in the source: tabs expanded, indent kept.
        text.Assign(line.Full());
        text.Trim(true);
        TidyLine(block.fc, file_.state, OutputFormat::Html, text);
        file_.WriteLine(text, true);
    }
    file_.state.preformatted = wasPreformatted;
    file_.WriteLine("</PRE>", true);
}

}  // namespace tabulyst
