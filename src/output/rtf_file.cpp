#include "output/rtf_file.h"

#include <ctime>

#include "output/rtf_table.h"
#include "output/rtf_text.h"
#include "policy/fc.h"

namespace tabulyst {
namespace {

// Lines are written in batches once the pending buffer holds more than this.
constexpr int32_t kPendingLimit = 1024;

std::tm LocalNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

bool IsOneOf(std::string_view text, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (EqualsNoCase(text, name)) return true;
    return false;
}

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 128) return false;
    return true;
}

}  // namespace

RTFFile::RTFFile() { SetUpRtfStyles(nullptr, styles_); }

std::string RTFFile::StyleStart(int index, unsigned parts) const {
    if (index < 0 || index >= kRtfStyleCount) return {};
    std::string start = ParagraphStart(fc_, styles_[index], parts);
    // Text follows directly: without a blank, "\i0" and "2024" would read as "\i02024".
    if (!start.empty() && start.back() != ' ') start += ' ';
    return start;
}

bool RTFFile::OpenDocument(std::string_view name, FC& fc, bool console) {
    if (!OpenOutputStream(name, fc, console)) return false;

    int previousPhase = state.phase;
    if (state.phase == 0) state.phase = 3;
    SetUpRtfStyles(&fc, styles_);
    // The fonts of the styles file are the document's further fonts.
    if (fc.Settings()) extraFonts = fc.Settings()->styles;
    braceLevel_ = 0;
    braceChecking_ = true;
    for (const std::string& line : RtfHeaderLines(fc, state, styles_, extraFonts, LocalNow()))
        WriteText(line);
    state.phase = previousPhase;
    return true;
}

std::unique_ptr<TableWriter> RTFFile::MakeTableWriter() {
    return std::make_unique<RtfTableWriter>(*this);
}

bool RTFFile::EndDocument() {
    if (!IsOpen()) return false;
    state.phase = 3;
    bool ok = WriteText("\\par}");
    ok = WriteText("}}") && ok;
    ok = FlushPending(true) && ok;
    if (braceChecking_ && braceLevel_ >= 1) {
        if (fc_)
            fc_->Issue("PROGRAM ERROR: " + std::to_string(braceLevel_) +
                           " missing close braces.  Adding extra, but file may not be correct",
                       10);
        for (int missing = braceLevel_; missing > 0; --missing) ok = WriteText("}") && ok;
        ok = FlushPending(true) && ok;
    }
    state.phase = 0;
    return ok;
}

std::string RTFFile::ConvertLine(std::string_view text) const {
    if (!fc_ || IsAscii(text)) return std::string(text);
    std::string line(text);
    TextString encoding = fc_->Text(P::CharacterEncoding);
    encoding.Trim();
    if (EqualsNoCase(encoding.View(), "koi8-r")) Koi8ToWindows1251(line);
    // UTF-8 text keeps whole characters: a \' escape of one of its bytes would be read as
    // a character of the ANSI code page.
    if (state.utf8 || IsOneOf(encoding.View(), {"utf-8", "utf8"})) {
        std::string out;
        out.reserve(line.size() * 2);
        AppendUtf8Escaped(line, out);
        return out;
    }
    // Every other byte of 128 or above is written as its \' escape, which a reader takes
    // from the document's code page as it would the raw byte; Latin-1 text too: RTF is
    // seven-bit text, and a reader may drop a raw byte, or the cell it stands in.
    std::string out;
    out.reserve(line.size() * 2);
    AppendHighBytesEscaped(line, out);
    return out;
}

bool RTFFile::WriteText(std::string_view text) { return WriteLine(text, true); }

bool RTFFile::WriteLine(std::string_view text, bool) {
    std::string line = ConvertLine(text);
    if (buffered_) {
        bool ok = true;
        if (pending_.Length() > kPendingLimit) ok = FlushPending(false);
        pending_.Append(line);
        pending_.AppendChar('\n');
        return ok;
    }
    bool ok = true;
    if (buffered_) ok = FlushPending(false);
    return PutChecked(line) && ok;
}

bool RTFFile::FlushPending(bool) {
    if (pending_.Empty()) return true;
    TextString batch = std::move(pending_);
    pending_.Clear();
    std::string_view rest = batch.View();
    bool ok = true;
    while (!rest.empty() && ok) {
        size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        ok = PutChecked(line);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return ok;
}

bool RTFFile::PutChecked(std::string_view line) {
    bool ok = true;
    if (braceChecking_) ok = CheckBraces(line);
    return PutLine(line) && ok;
}

bool RTFFile::CheckBraces(std::string_view line) {
    bool ok = true;
    bool reachedZero = false;
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '\\') {
            // A control symbol is the backslash and the one character after it, whatever it
            // is: "\{", "\}" and "\\" all stand for text, so "\\}" still closes a group.
            ++i;
            continue;
        }
        if (c == '{') {
            ++braceLevel_;
        } else if (c == '}') {
            --braceLevel_;
            if (braceLevel_ == 0) reachedZero = true;
            if (braceLevel_ < 0) {
                if (fc_)
                    fc_->Issue(
                        "ERROR: Too many close braces.  Level = " + std::to_string(braceLevel_),
                        10);
                int extra = 1 - braceLevel_;
                std::string braces(static_cast<size_t>(extra), '{');
                ok = PutLine(braces) && ok;
                if (fc_)
                    fc_->Issue("WARNING: Inserting extra braces \"" + braces +
                                   "\".  Results may not be as expected",
                               10);
                braceLevel_ += extra;
            }
        }
    }
    if (braceLevel_ >= 1 && reachedZero && fc_)
        fc_->Issue("PROGRAM ERROR: Brace level reached zero.  Document will terminate prematurely",
                   10);
    return ok;
}

}  // namespace tabulyst
