#include "output/html_file.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "output/html_frame.h"
#include "output/html_table.h"
#include "output/markup_tidy.h"
#include "policy/fc.h"

namespace tabulyst {

namespace {

// Continuation pieces carry the line's indentation but always keep this much room.
constexpr int kMinimumPieceLength = 30;

// Writes a text that may hold line feeds as separate lines.
bool PutLines(TextFile& file, std::string_view text) {
    bool ok = true;
    size_t start = 0;
    while (true) {
        size_t lf = text.find('\n', start);
        if (lf == std::string_view::npos) return file.PutLine(text.substr(start)) && ok;
        ok = file.PutLine(text.substr(start, lf - start)) && ok;
        start = lf + 1;
    }
}

}  // namespace

std::vector<int> BreakPositions(std::string_view line) {
    std::vector<int> breaks;
    enum class In { Text, Tag, Quoted, Comment } in = In::Text;
    char quote = 0;
    for (size_t p = 0; p < line.size(); ++p) {
        const char c = line[p];
        switch (in) {
            case In::Text:
                if (c == '<')
                    in = line.compare(p, 4, "<!--") == 0 ? In::Comment : In::Tag;
                else if (c == ' ' || c == '\t')
                    breaks.push_back(static_cast<int>(p));
                break;
            case In::Tag:
                if (c == '>') {
                    in = In::Text;
                } else if (c == '"' || c == '\'') {
                    in = In::Quoted;
                    quote = c;
                } else if (c == ' ' || c == '\t') {
                    breaks.push_back(static_cast<int>(p));
                }
                break;
            case In::Quoted:
                if (c == quote) in = In::Tag;
                break;
            case In::Comment:
                if (line.compare(p, 3, "-->") == 0) {
                    in = In::Text;
                    p += 2;
                }
                break;
        }
    }
    return breaks;
}

int FindBreak(std::string_view line, const std::vector<int>& breaks, int start, int maximum) {
    const int length = static_cast<int>(line.size());
    const int end = start + maximum;
    if (end >= length) return length - 1;
    // The line's own indentation is no place to break: a piece of blanks alone says nothing.
    int indent = start;
    while (indent < end && line[indent] == ' ') ++indent;
    // The last break within reach; a blank at the end itself is dropped from the piece, so
    // it may stand there, while a tab must leave the piece within the maximum.
    auto after = std::upper_bound(breaks.begin(), breaks.end(), end);
    for (auto it = after; it != breaks.begin();) {
        const int p = *--it;
        if (p <= indent) break;
        if (p < end || line[p] == ' ') return p;
    }
    // A word longer than the line stays whole: the next break after it, or the line's end.
    for (; after != breaks.end(); ++after)
        if (*after > indent) return *after;
    return length - 1;
}

bool NextLinePiece(std::string_view line, const std::vector<int>& breaks, int& start, int maximum,
                   std::string_view& piece) {
    const int length = static_cast<int>(line.size());
    if (start > 0 && start < length && line[start] == ' ') ++start;
    if (start >= length) return false;
    int position = FindBreak(line, breaks, start, maximum);
    int pieceEnd = position + 1;
    if (pieceEnd > start && (line[pieceEnd - 1] == ' ' || line[pieceEnd - 1] == '\t')) --pieceEnd;
    piece = line.substr(static_cast<size_t>(start), static_cast<size_t>(pieceEnd - start));
    start = position + 1;
    return true;
}

TextString IndentMarkup(const FC& fc, int level, std::string_view text) {
    std::string result;
    std::string_view body = text;
    if (fc.RuleSet() == kNoRuleSet) {
        size_t first = body.find_first_not_of(' ');
        body = first == std::string_view::npos ? std::string_view() : body.substr(first);
        size_t last = body.find_last_not_of(' ');
        body = last == std::string_view::npos ? std::string_view() : body.substr(0, last + 1);
    }
    if (!fc.Flag(P::MinimiseHtmlFileSize) && level > 0)
        result.assign(static_cast<size_t>(level) * 2, ' ');
    result.append(body);
    return TextString(result);
}

HTMLFile::HTMLFile() = default;

HTMLFile::~HTMLFile() {
    if (IsOpen()) FlushPending(true);
}

bool HTMLFile::OpenDocument(std::string_view name, FC& fc, bool console) {
    buffer_.clear();
    preformattedLines_.clear();
    if (!OpenOutputStream(name, fc, console)) return false;
    removeRedundant_ = fc.Flag(P::RemoveRedundantTags);
    monitoring_ = fc.Flag(P::MonitorTagGeneration);
    monitor_.Clear();
    DocumentHeadTexts head = ComputeDocumentHeadTexts(fc);
    HeaderFrameOptions options = MakeHeaderFrameOptions(false);
    return HTML_StartDocument(this, head, DocumentHeader(fc, state), fc, options);
}

bool HTMLFile::EndDocument() {
    if (!fc_) return false;  // never opened: there is no conversion to report through
    return HTML_EndDocument(this, *fc_, DocumentFooter(*fc_, state), MakeHeaderFrameOptions(false));
}

std::unique_ptr<TableWriter> HTMLFile::MakeTableWriter() {
    return std::make_unique<HtmlTableWriter>(*this);
}

bool HTMLFile::WriteText(std::string_view text) {
    if (buffered_) return WriteLine(text, false);
    // Whatever is pending goes first, so that the order of the lines is kept.
    bool ok = buffered_ ? FlushPending(true) : true;
    if (monitoring_) monitor_.Record(text);
    return PutLines(*this, text) && ok;
}

bool HTMLFile::WriteLine(std::string_view line, bool noBreak) {
    if (buffered_) {
        bool ok = true;
        if (buffer_.size() > static_cast<size_t>(kFlushThreshold)) ok = FlushPending(false);
        // A line written inside preformatted output keeps that when it is flushed later,
        // after the preformatted state has ended: its layout is its content.
        if (state.preformatted) preformattedLines_.push_back(buffer_.size());
        // Each line is tidied as it joins the buffer, against the tidied lines before it,
        // which is the same as tidying the buffer whole when it is flushed (the rules never
        // reach back over a line feed into the lines before it).
        AppendTidied(line, buffer_, removeRedundant_);
        buffer_.push_back('\n');
        return ok;
    }
    bool ok = buffered_ ? FlushPending(true) : true;
    if (monitoring_) monitor_.Record(line);
    return WriteLineBroken(line, noBreak) && ok;
}

bool HTMLFile::WriteTidyLines(std::string_view lines) {
    if (!buffered_) return WriteText(lines);
    if (removeRedundant_ || state.preformatted) {
        bool ok = true;
        size_t start = 0;
        for (size_t lf; (lf = lines.find('\n', start)) != std::string_view::npos; start = lf + 1)
            ok = WriteLine(lines.substr(start, lf - start), false) && ok;
        return WriteLine(lines.substr(start), false) && ok;
    }
    bool ok = true;
    if (buffer_.size() > static_cast<size_t>(kFlushThreshold)) ok = FlushPending(false);
    buffer_.append(lines);
    buffer_.push_back('\n');
    return ok;
}

bool HTMLFile::FlushPending(bool final) {
    // The tidying variant is read once a batch: the policies do not change while a
    // table is being written.
    if (fc_) removeRedundant_ = fc_->Flag(P::RemoveRedundantTags);
    if (buffer_.empty()) return true;
    const bool breaking = !state.preformatted && (!fc_ || fc_->Flag(P::BreakUpLongHtmlLines));
    const std::string_view text = buffer_;

    // Lines written as they stand go to a file in runs, one write for many lines; memory
    // lines keep one entry per line.
    const bool runs = !WritesToMemory();
    size_t runStart = std::string_view::npos, runEnd = 0;
    bool ok = true;
    auto writeRun = [&]() {
        if (runStart == std::string_view::npos) return;
        if (ok) ok = PutLine(text.substr(runStart, runEnd - runStart));
        runStart = std::string_view::npos;
    };

    size_t position = 0;
    size_t nextPreformatted = 0;  // the first mark not yet passed
    while (position < text.size()) {
        if (!final && text.size() - position <= static_cast<size_t>(kPendingTail)) break;
        size_t lf = text.find('\n', position);
        size_t lineEnd = lf == std::string_view::npos ? text.size() : lf;
        std::string_view line = text.substr(position, lineEnd - position);
        const size_t lineStart = position;
        position = lf == std::string_view::npos ? text.size() : lf + 1;
        bool preformattedLine = false;
        while (nextPreformatted < preformattedLines_.size() &&
               preformattedLines_[nextPreformatted] <= lineStart)
            preformattedLine = preformattedLines_[nextPreformatted++] == lineStart;
        if (!ok) continue;  // after a failed write no further line is written
        if (monitoring_) monitor_.Record(line);
        // A link is never broken (in either case of the attribute: a broken link in an
        // included header is as broken as one of ours); short lines need no search.
        const bool longLine = line.size() > static_cast<size_t>(kMaxLineLength);
        // The document type declaration stays whole: it is the document's first line.
        const bool noBreak = preformattedLine || !breaking ||
                             (longLine && (FindNoCase(line, "HREF=") != std::string_view::npos ||
                                           line.starts_with("<!DOCTYPE")));
        const bool asItStands = noBreak || (!longLine && (line.empty() || line.back() != ' '));
        if (runs && asItStands) {
            if (runStart == std::string_view::npos) runStart = lineStart;
            runEnd = lineEnd;
            continue;
        }
        writeRun();
        if (ok) ok = WriteLineBroken(line, noBreak);
    }
    writeRun();
    buffer_.erase(0, position);
    // Marks of the lines that stay behind move with them.
    preformattedLines_.erase(preformattedLines_.begin(),
                             preformattedLines_.begin() + static_cast<long>(nextPreformatted));
    for (size_t& start : preformattedLines_) start -= position;
    return ok;
}

void HTMLFile::ReportTags() {
    if (!monitoring_ || !fc_) return;
    std::string summary = monitor_.Summary();
    if (!summary.empty()) fc_->Issue(summary, 10);
    for (const std::string& warning : monitor_.Imbalances()) fc_->Issue(warning, 10);
}

bool HTMLFile::WriteLineBroken(std::string_view line, bool noBreak) {
    if (!IsOpen()) return false;
    if (line.empty() || noBreak || static_cast<int>(line.size()) <= kMaxLineLength) {
        // A short line is one piece: written whole, less a trailing blank.
        if (!noBreak && !line.empty() && line.back() == ' ') line.remove_suffix(1);
        return PutLine(line);
    }

    const std::vector<int> breaks = BreakPositions(line);
    const size_t indent = std::min(line.find_first_not_of(' '), line.size());
    const std::string margin(indent, ' ');
    const int continuationLength =
        std::max(kMaxLineLength - static_cast<int>(indent), kMinimumPieceLength);

    std::string buffer;
    std::string_view piece;
    int start = 0;
    bool first = true;
    while (NextLinePiece(line, breaks, start, first ? kMaxLineLength : continuationLength, piece)) {
        if (first) {
            if (!PutLine(piece)) return false;
            first = false;
            continue;
        }
        if (piece.find_first_not_of(' ') == std::string_view::npos) continue;
        buffer.assign(margin).append(piece);
        if (!PutLine(buffer)) return false;
    }
    return true;
}

}  // namespace tabulyst
