// The source reader: skip count, page breaks, injected lines, tabs and directives.
#include "input/source_reader.h"

namespace tabulyst {

namespace {

constexpr char kFormFeed = '\f';

LineKind KindOf(DirectiveCode code) {
    switch (RouteOf(code)) {
        case DirectiveRoute::Reading:
            return LineKind::Swallowed;
        case DirectiveRoute::Policy:
            return LineKind::Policy;
        case DirectiveRoute::Table:
            break;
    }
    return LineKind::Directive;
}

}  // namespace

void SourceReader::ApplyHtmlSource(TextString& text) {
    const std::string_view prefix = options.directivePrefix;
    auto replace = [&](std::string_view now, std::string_view next) {
        text.Assign(prefix);
        text.Append(now);
        TextString injected(prefix);
        injected.Append(next);
        Inject(injected);
    };
    if (text.Contains("<pre>") || text.Contains("<PRE>")) {
        replace("END_HTML", "BEGIN_TABLE");
    } else if (text.Contains("</pre>") || text.Contains("</PRE>")) {
        replace("END_TABLE", "BEGIN_HTML");
    }
}

void SourceReader::FinishLine(SourceLine& line) {
    line.lineNumber = LinesRead();
    line.kind = LineKind::Ordinary;
    // Tabs never stand in a directive's keyword, so they can be expanded after it is known.
    line.directive = RecogniseDirective(options.directivePrefix, line.text);
    // A second copy only when tabs make the line differ from what it was.
    line.rawDiffers = options.expandTabs &&
                      (!options.delimitedData || line.directive != DirectiveCode::None) &&
                      line.text.View().find('\t') != std::string_view::npos;
    if (line.rawDiffers) {
        line.raw = line.text;
        line.text.ExpandTabs(options.tabSize);
    }
    // Inside a block definition or an ignored section every line but its end is content
    // of the definition or left out: none of it is executed or reaches the table.
    if (openSection_ != DirectiveCode::None) {
        if (!EndsSection(openSection_, line.directive)) {
            line.kind = LineKind::Ignored;
            return;
        }
        openSection_ = DirectiveCode::None;
    } else if (OpensSection(line.directive)) {
        openSection_ = line.directive;
    }
    if (line.directive != DirectiveCode::None) line.kind = KindOf(line.directive);
}

namespace {

// Whether an odd number of quotes stand in the text: a quoted run is still open after it.
bool OddQuotes(std::string_view text) {
    size_t quotes = 0;
    for (size_t at = text.find('"'); at != std::string_view::npos; at = text.find('"', at + 1))
        ++quotes;
    return quotes % 2 == 1;
}

}  // namespace

bool SourceReader::JoinQuotedLines(SourceLine& line) {
    if (!OddQuotes(line.text.View())) return false;
    line.lineNumber = LinesRead();
    TextString next;
    for (bool open = true; open;) {
        // A quote that never closes takes no more than the longest line: the lines after
        // that are read as lines again.
        if (static_cast<size_t>(line.text.Length()) >= kLongestLine) {
            line.unclosedQuoteLine = line.lineNumber;
            return true;
        }
        if (!ReadLine(next)) {
            line.unclosedQuoteLine = line.lineNumber;
            line.unclosedAtEnd = true;
            return true;
        }
        line.cut = line.cut || LastLineCut();
        line.text.AppendChar('\n');
        line.text.Append(next);
        if (OddQuotes(next.View())) open = false;
    }
    return true;
}

void SourceReader::Inject(std::string_view text) { injected_.emplace_back(text); }

bool SourceReader::TakeInjected(TextString& text) {
    if (injectedIndex_ >= injected_.size()) return false;
    text = injected_[injectedIndex_++];
    if (injectedIndex_ >= injected_.size()) {
        injected_.clear();
        injectedIndex_ = 0;
    }
    return true;
}

bool ReadSourceLine(SourceReader& reader, SourceLine& line) {
    line.mailHeader = false;
    line.cut = false;
    line.unclosedQuoteLine = 0;
    line.unclosedAtEnd = false;
    line.annotation.Clear();
    if (reader.hasPending_) {
        reader.hasPending_ = false;
        line.text = reader.pending_;
    } else if (reader.TakeInjected(line.text)) {
        reader.FinishLine(line);
        return true;
    } else {
        do {
            if (!reader.ReadLine(line.text)) return false;
        } while (reader.skip_ > 0 && reader.skip_--);
        line.cut = reader.LastLineCut();
        if (reader.options.quotedLineBreaks && reader.JoinQuotedLines(line)) {
            // A record of several lines is known by the line it starts on.
            const int first = line.lineNumber;
            reader.FinishLine(line);
            line.lineNumber = first;
            return true;
        }
        // A page break at the end of a line becomes a line of its own, ahead of the text.
        if (line.text.Length() > 1 && line.text[line.text.Length() - 1] == kFormFeed) {
            reader.pending_ = line.text;
            reader.pending_.Replace(std::string_view(&kFormFeed, 1), " ");
            reader.hasPending_ = true;
            line.text.Assign(std::string_view(&kFormFeed, 1));
            reader.FinishLine(line);
            return true;
        }
    }
    if (reader.options.htmlSource) reader.ApplyHtmlSource(line.text);
    reader.FinishLine(line);
    return true;
}

}  // namespace tabulyst
