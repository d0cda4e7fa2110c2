// The source reader: skip count, page breaks, injected lines, tabs and directives.
#include "input/source_reader.h"

#include "policy/fc.h"
#include "table/directives.h"

namespace tabulyst {

namespace {

constexpr char kFormFeed = '\f';

// The directive prefix in force; the default when a policy file emptied it.
std::string_view DirectivePrefix(const FC& fc) {
    std::string_view prefix = fc.Text(P::DirectiveDelimiter).View();
    return prefix.empty() ? std::string_view("$_$_") : prefix;
}

// Turns <pre> sections of an HTML source into table regions and the rest into HTML.
void ApplyHtmlSource(SourceReader& reader, TextString& text, const FC& fc) {
    const std::string_view prefix = DirectivePrefix(fc);
    auto replace = [&](std::string_view now, std::string_view next) {
        text.Assign(prefix);
        text.Append(now);
        TextString injected(prefix);
        injected.Append(next);
        reader.Inject(injected);
    };
    if (text.Contains("<pre>") || text.Contains("<PRE>")) {
        replace("END_HTML", "BEGIN_TABLE");
    } else if (text.Contains("</pre>") || text.Contains("</PRE>")) {
        replace("END_TABLE", "BEGIN_HTML");
    }
}

// The steps every delivered line passes: raw copy, tab expansion, directive recognition.
void FinishLine(SourceReader& reader, SourceLine& line, FC& fc) {
    line.raw = line.text;
    if (fc.RuleSet() == kNoRuleSet) line.text.ExpandTabs(fc.Value(P::TabSize));
    line.lineNumber = reader.LinesRead();
    line.kind = kLineOrdinary;
    line.directive = RecogniseDirective(fc, line.text);
    // Inside a block definition or an ignored section every line but its end is content
    // of the definition or left out: none of it is executed or reaches the table.
    const int open = fc.documentCounters[kSwallowCounter];
    if (open != 0 && !EndsSwallowedSection(open, line.directive)) {
        line.kind = kLineIgnored;
        return;
    }
    if (line.directive != 0) line.kind = ExecuteDirective(fc, line.directive, line.text);
}

}  // namespace

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

bool SourceReader::Include(FC& fc, std::string_view name) {
    if (FindName(name)) {
        TextString text("ERROR: Include loop at ");
        text.Append(name);
        fc.Issue(text, 10);
        return false;
    }
    if (!OpenForReading(name)) {
        TextString text("ERROR: Error opening ");
        text.Append(name);
        fc.Issue(text, 10);
        return false;
    }
    return true;
}

bool ReadSourceLine(SourceReader& reader, SourceLine& line, FC& fc) {
    line.mailHeader = false;
    line.annotation.Clear();
    if (reader.hasPending_) {
        reader.hasPending_ = false;
        line.text = reader.pending_;
    } else if (reader.TakeInjected(line.text)) {
        FinishLine(reader, line, fc);
        return true;
    } else {
        for (;;) {
            if (!reader.ReadLine(line.text)) {
                if (reader.endOfInput_) return false;
                reader.endOfInput_ = true;
                if (reader.hook_) reader.hook_(reader);
                if (!reader.TakeInjected(line.text)) return false;
                FinishLine(reader, line, fc);
                return true;
            }
            if (reader.skip_ <= 0) break;
            --reader.skip_;
        }
        // A page break at the end of a line becomes a line of its own, ahead of the text.
        if (line.text.Length() > 1 && line.text[line.text.Length() - 1] == kFormFeed) {
            reader.pending_ = line.text;
            reader.pending_.Replace(std::string_view(&kFormFeed, 1), " ");
            reader.hasPending_ = true;
            line.text.Assign(std::string_view(&kFormFeed, 1));
            FinishLine(reader, line, fc);
            return true;
        }
    }
    if (reader.htmlSource) ApplyHtmlSource(reader, line.text, fc);
    FinishLine(reader, line, fc);
    return true;
}

}  // namespace tabulyst
