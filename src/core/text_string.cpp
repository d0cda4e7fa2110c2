#include "core/text_string.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace tabulyst {
namespace {

int32_t BufferSizeFor(int32_t length) {
    return TextString::kBlock * ((length + 1) / TextString::kBlock + 1);
}

inline char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
inline bool SameByte(char a, char b, bool caseSensitive) {
    return caseSensitive ? a == b : Upper(a) == Upper(b);
}
inline bool IsBlank(char c) { return IsBlankChar(c); }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

int32_t ClampLength(size_t n) {
    return n > static_cast<size_t>(INT32_MAX - 2 * TextString::kBlock)
               ? INT32_MAX - 2 * TextString::kBlock
               : static_cast<int32_t>(n);
}

}  // namespace

TextString::TextString() : buf_(std::make_unique<char[]>(kBlock)), len_(0), limit_(kBlock - 1) {}

TextString::TextString(const char* text) : TextString() { Assign(text); }

TextString::TextString(std::string_view text) : TextString() { Assign(text); }

TextString::TextString(int value) : TextString() { AppendNumber('1', value); }

TextString::TextString(const TextString& other)
    : buf_(std::make_unique<char[]>(BufferSizeFor(other.len_))),
      len_(other.len_),
      limit_(BufferSizeFor(other.len_) - 1) {
    std::memcpy(buf_.get(), other.buf_.get(), static_cast<size_t>(len_) + 1);
}

TextString::TextString(TextString&& other) noexcept
    : buf_(std::move(other.buf_)), len_(other.len_), limit_(other.limit_) {
    // A moved-from string must still keep the never-null rule.
    other.buf_ = std::make_unique<char[]>(kBlock);
    other.len_ = 0;
    other.limit_ = kBlock - 1;
}

TextString& TextString::operator=(const TextString& other) {
    if (this != &other) Assign(other.View());
    return *this;
}

TextString& TextString::operator=(TextString&& other) noexcept {
    if (this != &other) {
        std::swap(buf_, other.buf_);
        std::swap(len_, other.len_);
        std::swap(limit_, other.limit_);
        other.Clear();
    }
    return *this;
}

TextString& TextString::operator=(std::string_view text) {
    Assign(text);
    return *this;
}

TextString& TextString::operator=(const char* text) {
    Assign(text);
    return *this;
}

TextString::~TextString() = default;

// A length that reaches the limit already takes the next block: 255 bytes need 512.
// A text that grows by appending takes half as much again as it had, so that a long text
// built piece by piece is copied a few times, not once a piece.
std::unique_ptr<char[]> TextString::Room(int32_t newLength, bool appending) {
    int64_t blocks = (static_cast<int64_t>(newLength) + 1) / kBlock + 1;
    if (appending)
        blocks = std::max<int64_t>(blocks, (static_cast<int64_t>(limit_) + 1) * 3 / 2 / kBlock);
    blocks = std::min<int64_t>(blocks, std::numeric_limits<int32_t>::max() / kBlock);
    limit_ = static_cast<int32_t>(blocks * kBlock) - 1;
    return std::make_unique<char[]>(static_cast<size_t>(limit_) + 1);
}

void TextString::Grow(int32_t newLength) {
    if (newLength < limit_) return;
    auto fresh = Room(newLength, false);
    std::memcpy(fresh.get(), buf_.get(), static_cast<size_t>(len_) + 1);
    buf_ = std::move(fresh);
}

void TextString::Assign(std::string_view text) {
    const int32_t n = ClampLength(text.size());
    if (n >= limit_) {
        // The text may be a view into this very buffer: it is copied before that goes.
        auto fresh = Room(n, false);
        std::memcpy(fresh.get(), text.data(), static_cast<size_t>(n));
        buf_ = std::move(fresh);
    } else if (n > 0) {
        std::memmove(buf_.get(), text.data(), static_cast<size_t>(n));
    }
    len_ = n;
    buf_[len_] = '\0';
}

void TextString::Assign(const char* text) {
    Assign(text ? std::string_view(text) : std::string_view());
}

void TextString::AssignN(const char* chars, int32_t n) {
    if (!chars || n <= 0) {
        Clear();
        return;
    }
    Assign(std::string_view(chars, static_cast<size_t>(n)));
}

void TextString::Append(std::string_view text) {
    if (text.empty()) return;
    const int32_t n = ClampLength(static_cast<size_t>(len_) + text.size()) - len_;
    if (n <= 0) return;
    if (len_ + n >= limit_) {
        // The text may live inside our own buffer, which stays until both are copied.
        auto fresh = Room(len_ + n, true);
        std::memcpy(fresh.get(), buf_.get(), static_cast<size_t>(len_));
        std::memcpy(fresh.get() + len_, text.data(), static_cast<size_t>(n));
        buf_ = std::move(fresh);
    } else {
        std::memmove(buf_.get() + len_, text.data(), static_cast<size_t>(n));
    }
    len_ += n;
    buf_[len_] = '\0';
}

void TextString::Append(const char* text) {
    if (text) Append(std::string_view(text));
}

void TextString::AppendChar(char byte) { Append(std::string_view(&byte, 1)); }

void TextString::Clear() {
    if (!buf_) {
        buf_ = std::make_unique<char[]>(kBlock);
        limit_ = kBlock - 1;
    }
    len_ = 0;
    buf_[0] = '\0';
}

void TextString::Reserve(int32_t n) {
    if (n >= limit_) Grow(n);
}

bool TextString::Insert(int32_t position, std::string_view text) {
    if (position < 0 || position > len_) return false;
    if (text.empty()) return true;
    std::string copy(text);
    int32_t n = ClampLength(copy.size());
    Grow(len_ + n);
    std::memmove(buf_.get() + position + n, buf_.get() + position,
                 static_cast<size_t>(len_ - position) + 1);
    std::memcpy(buf_.get() + position, copy.data(), static_cast<size_t>(n));
    len_ += n;
    return true;
}

bool TextString::InsertChar(int32_t position, char byte) {
    return Insert(position, std::string_view(&byte, 1));
}

bool TextString::Mid(int32_t start, int32_t count) {
    if (start < 0 || start > len_) return false;
    if (count < 0) count = 0;
    if (count > len_ - start) count = len_ - start;
    std::memmove(buf_.get(), buf_.get() + start, static_cast<size_t>(count));
    len_ = count;
    buf_[len_] = '\0';
    return true;
}

void TextString::SetAt(int32_t i, char byte) {
    if (i >= 0 && i < len_) buf_[i] = byte;
}

void TextString::Truncate(int32_t n) {
    if (n >= 0 && n < len_) {
        len_ = n;
        buf_[len_] = '\0';
    }
}

bool TextString::Find(int32_t start, std::string_view text, int32_t& position,
                      bool caseSensitive) const {
    position = -1;
    if (start < 0 || start > len_ || text.empty() || len_ == 0) return false;
    const int32_t n = ClampLength(text.size());
    if (caseSensitive) {
        std::string_view hay = View();
        size_t at = hay.find(text, static_cast<size_t>(start));
        if (at == std::string_view::npos) return false;
        position = static_cast<int32_t>(at);
        return true;
    }
    for (int32_t i = start; i + n <= len_; ++i) {
        int32_t k = 0;
        while (k < n && SameByte(buf_[i + k], text[k], false)) ++k;
        if (k == n) {
            position = i;
            return true;
        }
    }
    return false;
}

bool TextString::FindChar(int32_t start, char byte, int32_t& position, bool caseSensitive) const {
    return Find(start, std::string_view(&byte, 1), position, caseSensitive);
}

int32_t TextString::IndexOf(std::string_view text, int32_t start, bool caseSensitive) const {
    int32_t position = -1;
    Find(start, text, position, caseSensitive);
    return position;
}

int32_t TextString::CountChar(char byte) const {
    int32_t count = 0;
    for (int32_t i = 0; i < len_; ++i)
        if (buf_[i] == byte) ++count;
    return count;
}

bool TextString::Equals(std::string_view text, bool caseSensitive, bool ignoreBlanks) const {
    if (!ignoreBlanks) {
        if (static_cast<size_t>(len_) != text.size()) return false;
        for (int32_t i = 0; i < len_; ++i)
            if (!SameByte(buf_[i], text[static_cast<size_t>(i)], caseSensitive)) return false;
        return true;
    }
    size_t i = 0, j = 0;
    const size_t n = static_cast<size_t>(len_);
    for (;;) {
        while (i < n && IsBlank(buf_[i])) ++i;
        while (j < text.size() && IsBlank(text[j])) ++j;
        if (i >= n || j >= text.size()) return true;
        if (!SameByte(buf_[i], text[j], caseSensitive)) return false;
        ++i;
        ++j;
    }
}

bool TextString::GetWord(int n, char delimiter, TextString& word) const {
    int32_t offset = 0;
    return GetWord(0, n, delimiter, word, offset);
}

bool TextString::GetWord(int32_t from, int n, char delimiter, TextString& word,
                         int32_t& offset) const {
    word.Clear();
    offset = 0;
    if (from < 0 || from > len_ || n < 1) return false;
    const char* s = buf_.get();
    int32_t p = from;
    if (static_cast<unsigned char>(delimiter) == 191) {
        // Word mode: the first word up to a blank, punctuation or an escaped angle bracket.
        if (p >= len_) return false;
        int32_t e = p;
        while (e < len_) {
            char c = s[e];
            if (c == '\t' || c == ' ' || c == ',' || c == ';' || c == '<' || c == '>') break;
            if (c == '&' &&
                (std::strncmp(s + e, "&lt;", 4) == 0 || std::strncmp(s + e, "&gt;", 4) == 0))
                break;
            ++e;
        }
        word.AssignN(s + p, e - p);
        return true;
    }
    const bool blankMode = delimiter == ' ';
    auto isSep = [&](char c) { return blankMode ? IsBlank(c) : c == delimiter; };
    for (int field = 1; field < n; ++field) {
        while (p < len_ && !isSep(s[p])) ++p;
        if (p >= len_) return false;
        ++p;
        if (blankMode)
            while (p < len_ && IsBlank(s[p])) ++p;
    }
    // A delimiter at the very end adds no field, and an empty text has none.
    if (p >= len_ && (n > 1 || len_ == from)) return false;
    int32_t e = p;
    while (e < len_ && !isSep(s[e])) ++e;
    word.AssignN(s + p, e - p);
    offset = p - from;
    return true;
}

void TextString::Trim(bool rightOnly, std::string_view set) {
    const bool spaceMeansTab = set.find(' ') != std::string_view::npos;
    auto inSet = [&](char c) {
        return set.find(c) != std::string_view::npos || (spaceMeansTab && c == '\t');
    };
    int32_t begin = 0;
    if (!rightOnly)
        while (begin < len_ && inSet(buf_[begin])) ++begin;
    int32_t end = len_;
    // Trimming from the right never takes the first byte on its own.
    const int32_t floor = begin > 1 ? begin : 1;
    while (end > floor && inSet(buf_[end - 1])) --end;
    if (end < begin) end = begin;
    Mid(begin, end - begin);
}

void TextString::CollapseBlanks() {
    int32_t out = 0;
    for (int32_t i = 0; i < len_; ++i) {
        // buf_[i - 1] is still the original byte: writes never overtake the read position.
        if (i > 0 && IsBlank(buf_[i]) && IsBlank(buf_[i - 1])) continue;
        buf_[out++] = buf_[i];
    }
    len_ = out;
    buf_[len_] = '\0';
}

void TextString::ExpandTabs(int tabSize) {
    if (tabSize < 1) tabSize = 1;
    if (tabSize > 8) tabSize = 8;
    if (std::memchr(buf_.get(), '\t', static_cast<size_t>(len_)) == nullptr) return;
    std::string out;
    out.reserve(static_cast<size_t>(len_) + 64);
    for (int32_t i = 0; i < len_; ++i) {
        if (buf_[i] == '\t') {
            size_t p = out.size();
            size_t spaces = ((p + tabSize) / tabSize) * tabSize - p;
            out.append(spaces, ' ');
        } else {
            out.push_back(buf_[i]);
        }
    }
    Assign(out);
}

bool TextString::Replace(int32_t start, std::string_view find, const char* replacement,
                         int maxCount, bool caseSensitive, int fillByte) {
    if (start < 0 || start > len_ || find.empty()) return false;
    if (!replacement && fillByte < 0) return false;
    if (len_ == 0 || start == len_) return maxCount == 0;
    const int32_t n = ClampLength(find.size());
    int made = 0;
    if (!replacement) {
        int32_t p = start;
        while ((maxCount == 0 || made < maxCount) && Find(p, find, p, caseSensitive)) {
            std::memset(buf_.get() + p, fillByte, static_cast<size_t>(n));
            p += n;
            ++made;
            if (p > len_) break;
        }
        return maxCount == 0 || made == maxCount;
    }
    std::string_view rep(replacement);
    std::string out(buf_.get(), static_cast<size_t>(start));
    int32_t p = start;
    int32_t hit = -1;
    while ((maxCount == 0 || made < maxCount) && p <= len_ && Find(p, find, hit, caseSensitive)) {
        out.append(buf_.get() + p, static_cast<size_t>(hit - p));
        out.append(rep);
        p = hit + n;
        ++made;
    }
    if (p < len_) out.append(buf_.get() + p, static_cast<size_t>(len_ - p));
    if (made > 0) Assign(out);
    return maxCount == 0 || made == maxCount;
}

bool TextString::Replace(std::string_view find, std::string_view replacement, int maxCount,
                         bool caseSensitive) {
    std::string rep(replacement);
    return Replace(0, find, rep.c_str(), maxCount, caseSensitive);
}

void TextString::ToUpper() {
    for (int32_t i = 0; i < len_; ++i) buf_[i] = Upper(buf_[i]);
}

void TextString::AppendNumber(char style, long value, bool trailingBlank) {
    std::string text;
    if (style == 'a' || style == 'A') {
        if (value >= 1) {
            long v = value;
            for (int letters = 0; v > 0 && letters < 3; ++letters) {
                long digit = (v - 1) % 26;
                text.insert(text.begin(), static_cast<char>((style == 'a' ? 'a' : 'A') + digit));
                v = (v - 1) / 26;
            }
        }
    } else if (style == 'i' || style == 'I') {
        static const char* const kThousands[] = {"", "m", "mm", "mmm"};
        static const char* const kHundreds[] = {"",  "c",  "cc",  "ccc",  "cd",
                                                "d", "dc", "dcc", "dccc", "cm"};
        static const char* const kTens[] = {"",  "x",  "xx",  "xxx",  "xl",
                                            "l", "lx", "lxx", "lxxx", "xc"};
        static const char* const kUnits[] = {"",  "i",  "ii",  "iii",  "iv",
                                             "v", "vi", "vii", "viii", "ix"};
        if (value > 0) {
            long thousands = value / 1000;
            if (thousands >= 1 && thousands <= 3) text += kThousands[thousands];
            text += kHundreds[(value / 100) % 10];
            text += kTens[(value / 10) % 10];
            text += kUnits[value % 10];
        }
        if (style == 'I')
            for (char& c : text) c = Upper(c);
    } else {
        text = std::to_string(value);
    }
    if (trailingBlank) text.push_back(' ');
    Append(text);
}

void TextString::AppendFixed(double value, bool trailingBlank) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%18.3f", value);
    const char* p = buffer;
    while (*p == ' ') ++p;
    Append(p);
    if (trailingBlank) AppendChar(' ');
}

bool TextString::IsNumber(double& value) const {
    value = -1;
    int32_t first = -1, last = -1;
    for (int32_t i = 0; i < len_; ++i) {
        if (IsLetter(buf_[i])) return false;
        if (IsDigit(buf_[i])) {
            if (first < 0) first = i;
            last = i;
        }
    }
    if (first < 0) return false;
    int points = 0;
    for (int32_t i = first; i <= last; ++i) {
        if (IsDigit(buf_[i])) continue;
        if (buf_[i] == '.' && ++points == 1) continue;
        return false;
    }
    int32_t from = first;
    if (from > 0 && (buf_[from - 1] == '-' || buf_[from - 1] == '+')) --from;
    std::string part(buf_.get() + from, static_cast<size_t>(last - from + 1));
    double v = 0;
    if (std::sscanf(part.c_str(), "%lf", &v) != 1) return false;
    value = v;
    return true;
}

bool TextString::ParseNumberInStyle(char style, long& value) const {
    value = 0;
    std::string_view t = View();
    t = TrimBlanks(t);
    if (t.empty()) return false;
    if (style == 'a' || style == 'A') {
        long v = 0;
        for (char c : t) {
            if (!IsLetter(c) || v > 100000) return false;
            v = v * 26 + (Upper(c) - 'A' + 1);
        }
        value = v;
        return true;
    }
    if (style == 'i' || style == 'I') {
        auto digit = [](char c) -> int {
            switch (Upper(c)) {
                case 'I':
                    return 1;
                case 'V':
                    return 5;
                case 'X':
                    return 10;
                case 'L':
                    return 50;
                case 'C':
                    return 100;
                case 'D':
                    return 500;
                case 'M':
                    return 1000;
                default:
                    return 0;
            }
        };
        long total = 0;
        for (size_t i = 0; i < t.size(); ++i) {
            int d = digit(t[i]);
            if (d == 0) return false;
            int next = i + 1 < t.size() ? digit(t[i + 1]) : 0;
            total += next > d ? -d : d;
        }
        if (total <= 0) return false;
        value = total;
        return true;
    }
    // Decimal: no letter anywhere, only digits from the first digit to the last, and a
    // sign may stand right before the first ("7%" and "8." read as 7 and 8).
    for (char c : t)
        if (IsLetter(c)) return false;
    const size_t first = t.find_first_of("0123456789");
    if (first == std::string_view::npos) return false;
    const size_t last = t.find_last_of("0123456789");
    const bool negative = first > 0 && t[first - 1] == '-';
    long long v = 0;
    for (size_t i = first; i <= last; ++i) {
        if (!IsDigit(t[i])) return false;
        v = v * 10 + (t[i] - '0');
        if (v > static_cast<long long>(INT32_MAX) + 1) return false;
    }
    if (!negative && v > INT32_MAX) return false;
    value = static_cast<long>(negative ? -v : v);
    return true;
}

int CompareN(const char* a, const char* b, int n, bool foldCase) {
    if (n < 1) return 0;
    if (!a) return b ? -1 : 0;
    if (!b) return 1;
    for (int i = 0; i < n; ++i) {
        char x = foldCase ? Upper(a[i]) : a[i];
        char y = foldCase ? Upper(b[i]) : b[i];
        if (x != y) {
            if (x == '\0') return -1;
            if (y == '\0') return 1;
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
        }
        if (x == '\0') return 0;
    }
    return 0;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

size_t FindNoCase(std::string_view haystack, std::string_view needle, size_t from) {
    if (needle.empty()) return from <= haystack.size() ? from : std::string_view::npos;
    if (needle.size() > haystack.size()) return std::string_view::npos;
    for (size_t i = from; i + needle.size() <= haystack.size(); ++i) {
        size_t k = 0;
        while (k < needle.size() && Upper(haystack[i + k]) == Upper(needle[k])) ++k;
        if (k == needle.size()) return i;
    }
    return std::string_view::npos;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

void SplitPath(std::string_view spec, TextString& directory, TextString& name,
               TextString& extension) {
    directory.Clear();
    name.Clear();
    extension.Clear();
    if (spec.empty()) return;
    size_t slash = spec.find_last_of("\\/");
    std::string_view rest = spec;
    if (slash != std::string_view::npos) {
        directory.Assign(spec.substr(0, slash + 1));
        rest = spec.substr(slash + 1);
    }
    size_t dot = rest.find_last_of('.');
    if (dot != std::string_view::npos) {
        extension.Assign(rest.substr(dot));
        rest = rest.substr(0, dot);
    }
    name.Assign(rest);
}

void DirectoryOf(std::string_view spec, TextString& directory) {
    directory.Clear();
    size_t at = spec.find_last_of("]\\/");
    if (at != std::string_view::npos) directory.Assign(spec.substr(0, at + 1));
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlankChar(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankChar(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace tabulyst
