#include "output/escaping.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <span>

#include "output/entities.h"
#include "policy/fc.h"

namespace tabulyst {

namespace {

// ---- Character encodings ---------------------------------------------------------------

bool IsLatin1ForEscaping(std::string_view encoding) {
    return encoding.empty() || EqualsNoCase(encoding, "us-ascii") ||
           EqualsNoCase(encoding, "ascii") || EqualsNoCase(encoding, "iso-8859-1");
}

bool FoldsWindowsPunctuation(std::string_view encoding) {
    return encoding.empty() || EqualsNoCase(encoding, "ascii") ||
           EqualsNoCase(encoding, "iso-8859-1");
}

// The only encodings whose text is not ASCII-compatible: their shifted bytes can be "<".
bool IsIso2022(std::string_view encoding) {
    return StartsWithNoCase(encoding, "iso-2022") || StartsWithNoCase(encoding, "csiso2022");
}

// ---- DOS characters ----------------------------------------------------------------------

// Code page 437 bytes 128..255 to Windows Latin-1: a result byte, or kUnknown for the
// bytes that become "?" (except in RTF output, where they stay).
constexpr short kUnknown = -1;
constexpr std::array<short, 128> MakeDosTable() {
    std::array<short, 128> table{};
    constexpr short kLetters[] = {
        199, 252, 233, 226, 228, 224, 229, 231, 234, 235,      232, 239, 238, 236, 196, 197,  // 128
        201, 230, 198, 244, 246, 242, 251, 249, 253, 214,      220, 162, 163, 165, '.', 131,  // 144
        225, 237, 243, 250, 241, 209, 170, 176, 191, kUnknown, 202, 189, 188, 161, 171, 187,  // 160
    };
    for (int i = 0; i < 48; ++i) table[i] = kLetters[i];
    for (int b = 176; b <= 255; ++b) table[b - 128] = kUnknown;
    for (int b = 180; b <= 218; ++b) table[b - 128] = '+';
    table[179 - 128] = '|';
    table[186 - 128] = '|';
    table[196 - 128] = '-';
    table[205 - 128] = '=';
    table[241 - 128] = 177;
    table[246 - 128] = 247;
    table[248 - 128] = 176;
    table[249 - 128] = 149;
    table[250 - 128] = '.';
    table[252 - 128] = 'n';
    table[253 - 128] = 178;
    return table;
}
constexpr std::array<short, 128> kDosTable = MakeDosTable();

void ConvertDosCharacters(std::string& text, bool rtf) {
    for (char& c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 128) continue;
        short result = kDosTable[byte - 128];
        if (result == kUnknown) {
            if (!rtf) c = '?';
        } else {
            c = static_cast<char>(result);
        }
    }
}

// ---- Windows punctuation -----------------------------------------------------------------

// Bytes of the Windows Latin-1 code page folded to plain characters.
struct Folding {
    unsigned char byte;
    const char* text;
};
constexpr Folding kWindowsPunctuation[] = {
    {145, "`"}, {146, "'"}, {147, "\""}, {148, "\""},
    {149, "-"}, {150, "-"}, {151, "--"}, {160, " "},
};

const char* FoldingOf(unsigned char byte) {
    for (const Folding& folding : kWindowsPunctuation)
        if (folding.byte == byte) return folding.text;
    return nullptr;
}

void FoldWindowsPunctuation(std::string& text) {
    std::string out;
    bool changed = false;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(text[i]);
        const char* replacement = byte >= 128 ? FoldingOf(byte) : nullptr;
        if (!replacement && !changed) continue;
        if (!changed) {
            out.assign(text, 0, i);
            changed = true;
        }
        if (replacement)
            out.append(replacement);
        else
            out.push_back(text[i]);
    }
    if (changed) text.swap(out);
}

// ---- Quoted-printable --------------------------------------------------------------------

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

void DecodeQuotedPrintable(std::string& text) {
    if (text.find('=') == std::string::npos) return;
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size()) {
            int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
            int value = high * 16 + low;
            if (high >= 0 && low >= 0 && value >= 32 && value <= 127) {
                out.push_back(static_cast<char>(value));
                i += 2;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    text.swap(out);
}

// ---- PCL codes ---------------------------------------------------------------------------

bool EndsWithOneOf(std::string_view sequence, std::string_view letters) {
    return !sequence.empty() && letters.find(sequence.back()) != std::string_view::npos;
}

bool IsKnownPclSequence(std::string_view s) {
    if (s == "E") return true;
    if (s.size() >= 2 && s[0] == '%') return EndsWithOneOf(s, "B");
    if (s.size() >= 3 && s.substr(0, 2) == "&l") return EndsWithOneOf(s, "APH");
    if (s.size() >= 3 && s.substr(0, 2) == "*c") return EndsWithOneOf(s, "DF");
    if (s.size() >= 3 && s.substr(0, 2) == "(s") return EndsWithOneOf(s, "T");
    if (s.size() >= 3 && s[0] == '(' && s[1] >= '0' && s[1] <= '9')
        return EndsWithOneOf(s, "DEFGIJLMNSTU");
    return false;
}

void RemovePclCodes(const FC& fc, std::string& text) {
    size_t escape = text.find('\x1b');
    while (escape != std::string::npos) {
        size_t end = escape + 1;
        while (end < text.size() && !(text[end] >= 'A' && text[end] <= 'Z')) ++end;
        if (end < text.size()) ++end;  // the sequence includes its final letter
        std::string sequence = text.substr(escape + 1, end - escape - 1);
        if (!IsKnownPclSequence(sequence)) fc.Issue("Unknown PCL Code \"Esc " + sequence + "\"", 7);
        if (sequence == "&l0H") {
            text.replace(escape, end - escape, "\f");  // page eject
            ++escape;
        } else {
            text.erase(escape, end - escape);
        }
        escape = text.find('\x1b', escape);
    }
}

// ---- Entities ----------------------------------------------------------------------------

struct CodeRange {
    int low, high;
};
// The classes of character codes for which a reference may be written.
constexpr CodeRange kPlainCodes[] = {{0, 127}, {161, 255}};
constexpr CodeRange kWindowsPunctuationCodes[] = {{130, 140}, {145, 156}, {159, 159}};
constexpr CodeRange kWindowsExtraCodes[] = {{128, 128}, {142, 142}, {158, 158}};
constexpr CodeRange kHtml40Level2Codes[] = {{402, 402},   {710, 710},   {732, 732},   {8211, 8212},
                                            {8216, 8218}, {8220, 8222}, {8224, 8226}, {8230, 8230},
                                            {8240, 8240}, {8249, 8250}, {8364, 8364}, {8482, 8482}};
constexpr CodeRange kHtml40Level3Codes[] = {
    {338, 339},   {352, 353},   {376, 376},   {913, 929},   {931, 937},   {945, 969},
    {8242, 8243}, {8254, 8254}, {8260, 8260}, {8592, 8596}, {8706, 8706}, {8719, 8719},
    {8721, 8722}, {8730, 8730}, {8734, 8734}, {8745, 8745}, {8747, 8747}, {8776, 8776},
    {8800, 8801}, {8804, 8805}, {9674, 9674}, {9824, 9824}, {9827, 9827}, {9829, 9830}};

bool InClass(std::span<const CodeRange> ranges, int code) {
    for (const CodeRange& range : ranges)
        if (code >= range.low && code <= range.high) return true;
    return false;
}

// A setting of -1 means "all levels".
bool LevelAllows(int setting, int level) { return setting == -1 || setting >= level; }

// ---- Fast scans --------------------------------------------------------------------------

// What a byte may ask of the conversions and escapers. Every cell and line is scanned
// once, one table lookup a byte, and nearly all of them hold no byte of any class.
enum ByteClass : uint8_t {
    kEscapeByte = 1,      // starts a PCL code
    kEqualsByte = 2,      // may start a quoted-printable code
    kHighByte = 4,        // 128 and above: DOS characters, punctuation, entities
    kHtmlMarkupByte = 8,  // "&", "<", ">"
    kRtfMarkupByte = 16,  // "\\", "{", "}"
    kControlByte = 32,    // a control character that no document may hold: all but tab
    kLineFeedByte = 64,   // ends a line of a cell that spans lines
};
constexpr uint8_t kSourceBytes = kEscapeByte | kEqualsByte | kHighByte;

constexpr std::array<uint8_t, 256> kByteClasses = [] {
    std::array<uint8_t, 256> table{};
    for (int b = 1; b < 0x20; ++b)
        if (b != '\t' && b != '\n' && b != '\r') table[b] = kControlByte;
    table[0x7f] = kControlByte;
    table[0x1b] = kEscapeByte | kControlByte;
    table['\n'] = kLineFeedByte;
    table['='] = kEqualsByte;
    for (int b = 128; b < 256; ++b) table[b] = kHighByte;
    for (unsigned char c : std::string_view("&<>")) table[c] = kHtmlMarkupByte;
    for (unsigned char c : std::string_view("\\{}")) table[c] = kRtfMarkupByte;
    return table;
}();

// The classes of all the bytes of a text together.
uint8_t ByteClassesIn(std::string_view text) {
    uint8_t classes = 0;
    for (char c : text) classes |= kByteClasses[static_cast<unsigned char>(c)];
    return classes;
}

// True when the eight bytes at `at` are all plain ASCII.
bool AsciiWordAt(std::string_view text, size_t at) {
    if (at + 8 > text.size()) return false;
    uint64_t word;
    std::memcpy(&word, text.data() + at, 8);
    return (word & 0x8080808080808080ULL) == 0;
}

}  // namespace

void EscapeAttributeValue(std::string_view text, std::string& out) {
    for (char c : text) {
        if (c == '"')
            out.append("&quot;");
        else
            EscapeMarkupCharacters(std::string_view(&c, 1), out);
    }
}

std::string CssName(std::string_view text) {
    std::string name;
    for (char c : text)
        if (std::string_view("<>{};\"\\").find(c) == std::string_view::npos) name.push_back(c);
    return name;
}

void EscapeMarkupCharacters(std::string_view text, std::string& out) {
    for (char c : text) {
        switch (c) {
            case '&':
                out.append("&amp;");
                break;
            case '<':
                out.append("&lt;");
                break;
            case '>':
                out.append("&gt;");
                break;
            default:
                out.push_back(c);
                break;
        }
    }
}

void ConvertSourceCharacters(const FC& fc, const DocumentState& state, OutputFormat format,
                             TextString& text) {
    // Each conversion needs bytes of its own; look at the policies only when they occur.
    const uint8_t classes = ByteClassesIn(text.View());
    if (!(classes & kSourceBytes)) return;
    const bool escape = classes & kEscapeByte;
    const bool equals = classes & kEqualsByte;
    const bool highBytes = classes & kHighByte;

    const bool pcl = escape && fc.Flag(P::InputFileContainsPclCodes);
    const bool mime = equals && fc.Flag(P::InputFileContainsMimeEncoding);
    const bool dos = highBytes && !state.utf8 && fc.Flag(P::InputFileContainsDosCharacters);
    const bool punctuation = !state.utf8 && FoldsWindowsPunctuation(fc.Text(P::CharacterEncoding));
    if (!pcl && !mime && !dos && !(punctuation && highBytes)) return;

    std::string work(text.View());
    if (pcl) RemovePclCodes(fc, work);
    if (dos) ConvertDosCharacters(work, format == OutputFormat::Rtf);
    if (mime) DecodeQuotedPrintable(work);
    if (punctuation) FoldWindowsPunctuation(work);
    text.Assign(work);
}

void EscapeHTML(const FC& fc, const DocumentState& state, TextString& text) {
    // Most texts hold nothing that any rule would change: leave them untouched before
    // asking the policies anything (tags only shield characters from these rules).
    const std::string_view in = text.View();
    if (!(ByteClassesIn(in) & (kHtmlMarkupByte | kHighByte))) return;

    const TextString& encoding = fc.Text(P::CharacterEncoding);
    const bool japanese = fc.Flag(P::InputFileContainsJapaneseCharacters);
    if (IsIso2022(encoding)) return;
    if (japanese && encoding.Empty() && !state.utf8) return;
    const bool entities = !state.utf8 && !japanese && IsLatin1ForEscaping(encoding);
    const std::string_view startTag = fc.Text(P::StartTagDelimiter).View();
    const std::string_view endTag = fc.Text(P::EndTagDelimiter).View();

    std::string out;
    out.reserve(in.size() + in.size() / 4 + 16);
    size_t tagEnd = 0;  // inside an in-line tag up to this position
    for (size_t i = 0; i < in.size(); ++i) {
        if (i >= tagEnd && !startTag.empty() && !endTag.empty() &&
            in.compare(i, startTag.size(), startTag) == 0) {
            size_t close = in.find(endTag, i + startTag.size());
            if (close != std::string_view::npos) tagEnd = close + endTag.size();
        }
        const bool inTag = i < tagEnd;
        const char c = in[i];
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '&' && !inTag) {
            out.append("&amp;");
        } else if (c == '<') {
            out.append("&lt;");
        } else if (c == '>') {
            out.append("&gt;");
        } else if (entities && byte > 160) {
            out.push_back('&');
            out.append(EntityName(byte));
            out.push_back(';');
        } else {
            out.push_back(c);
        }
    }
    text.Assign(out);
}

void EscapeRTF(const FC&, TextString& text) {
    const std::string_view in = text.View();
    if (!(ByteClassesIn(in) & kRtfMarkupByte)) return;
    std::string out;
    out.reserve(in.size() + 16);
    for (char c : in) {
        switch (c) {
            case '\\':
                out.append("\\\\");
                break;
            case '{':
                out.append("\\'7b");
                break;
            case '}':
                out.append("\\'7d");
                break;
            default:
                out.push_back(c);
                break;
        }
    }
    text.Assign(out);
}

void TidyLine(const FC& fc, const DocumentState& state, OutputFormat format, TextString& text) {
    // One scan tells which steps can change the text; the conversions may bring in bytes
    // that the escapers change, so the text they changed is scanned again.
    uint8_t classes = ByteClassesIn(text.View());
    if (classes & kSourceBytes) {
        ConvertSourceCharacters(fc, state, format, text);
        classes = ByteClassesIn(text.View());
    }
    // Control characters (a PCL code's escape has been dealt with by now) become blanks,
    // as NUL already does when the line is read.
    if (classes & kControlByte)
        for (int32_t i = 0; i < text.Length(); ++i)
            if (kByteClasses[text.At(i)] & kControlByte) text.SetAt(i, ' ');
    switch (format) {
        case OutputFormat::Html:
            if (!state.passThrough && (classes & (kHtmlMarkupByte | kHighByte)))
                EscapeHTML(fc, state, text);
            break;
        case OutputFormat::Rtf:
            if (classes & kRtfMarkupByte) EscapeRTF(fc, text);
            break;
    }
}

bool TidyingLeavesAlone(std::string_view text, OutputFormat format) {
    const uint8_t markup = format == OutputFormat::Html ? kHtmlMarkupByte : kRtfMarkupByte;
    return !(ByteClassesIn(text) & (kSourceBytes | kControlByte | kLineFeedByte | markup));
}

void EntityText(int code, TextString& out) {
    std::string_view name = EntityName(code);
    std::string text("&");
    if (name.empty())
        text.append("#").append(std::to_string(code));
    else
        text.append(name);
    text.push_back(';');
    out.Assign(text);
}

bool EntityAcceptable(const FC& fc, int code) {
    const int microsoft = fc.Value(P::UseOfMicrosoftEntitiesCode);
    const int html40 = fc.Value(P::UseOfHtml40EntitiesCode);
    const bool sec = fc.RuleSet() == kSec;
    if (InClass(kPlainCodes, code)) return true;
    if (InClass(kWindowsPunctuationCodes, code)) return LevelAllows(microsoft, 1);
    if (InClass(kWindowsExtraCodes, code)) return LevelAllows(microsoft, 2) && !sec;
    if (InClass(kHtml40Level2Codes, code)) return LevelAllows(html40, 2) && !sec;
    if (InClass(kHtml40Level3Codes, code)) return LevelAllows(html40, 3) && !sec;
    return false;
}

bool IsUtf8Text(std::string_view bytes) {
    bool multiByte = false;
    size_t i = 0;
    while (i < bytes.size()) {
        // Whole files pass here: skip plain ASCII eight bytes at a time.
        if (AsciiWordAt(bytes, i)) {
            i += 8;
            continue;
        }
        unsigned char lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int count;
        unsigned int code;
        if (lead >= 0xC2 && lead <= 0xDF) {
            count = 1, code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            count = 2, code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            count = 3, code = lead & 0x07;
        } else {
            return false;  // a continuation byte, an overlong lead or beyond U+10FFFF
        }
        if (i + static_cast<size_t>(count) >= bytes.size()) return false;  // cut short
        for (int k = 1; k <= count; ++k) {
            unsigned char next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        if ((count == 2 && code < 0x800) || (count == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        multiByte = true;
        i += static_cast<size_t>(count) + 1;
    }
    return multiByte;
}

}  // namespace tabulyst
