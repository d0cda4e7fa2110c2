// The engine's own growable 8-bit text: zero-terminated, deep-copied, lenient.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tabulyst {

// A zero-terminated byte string whose buffer is always a whole number of 256-byte
// blocks and never shrinks. Operations report failure instead of throwing: a bad
// position leaves the text unchanged. The buffer is never null, so c_str() is always
// safe to hand to C routines.
class TextString {
  public:
    static constexpr int32_t kBlock = 256;

    TextString();
    TextString(const char* text);  // NOLINT: implicit on purpose, as for std::string
    TextString(std::string_view text);
    explicit TextString(int value);
    TextString(const TextString& other);
    TextString(TextString&& other) noexcept;
    TextString& operator=(const TextString& other);
    TextString& operator=(TextString&& other) noexcept;
    TextString& operator=(std::string_view text);
    TextString& operator=(const char* text);
    ~TextString();

    // Access.
    const char* c_str() const { return buf_.get(); }
    int32_t Length() const { return len_; }
    int32_t Limit() const { return limit_; }
    bool Empty() const { return len_ == 0; }
    std::string_view View() const { return {buf_.get(), static_cast<size_t>(len_)}; }
    operator std::string_view() const { return View(); }  // NOLINT: cheap interop
    std::string Str() const { return std::string(View()); }
    char operator[](int32_t i) const { return buf_[i]; }
    unsigned char At(int32_t i) const { return static_cast<unsigned char>(buf_[i]); }

    // Content.
    void Assign(std::string_view text);
    void Assign(const char* text);
    void AssignN(const char* chars, int32_t n);
    void Append(std::string_view text);
    void Append(const char* text);
    void AppendChar(char byte);
    void Clear();
    void Reserve(int32_t n);
    bool Insert(int32_t position, std::string_view text);
    bool InsertChar(int32_t position, char byte);
    bool Mid(int32_t start, int32_t count);
    // Replaces the byte at a position (no-op outside the text).
    void SetAt(int32_t i, char byte);
    // Drops bytes from the end so that the length becomes n (no-op when n >= length).
    void Truncate(int32_t n);

    // Searching and comparing.
    bool Find(int32_t start, std::string_view text, int32_t& position,
              bool caseSensitive = true) const;
    bool FindChar(int32_t start, char byte, int32_t& position, bool caseSensitive = true) const;
    // Convenience: position of text at or after start, -1 when absent.
    int32_t IndexOf(std::string_view text, int32_t start = 0, bool caseSensitive = true) const;
    bool Contains(std::string_view text, bool caseSensitive = true) const {
        return IndexOf(text, 0, caseSensitive) >= 0;
    }
    int32_t CountChar(char byte) const;
    bool Equals(std::string_view text, bool caseSensitive = true, bool ignoreBlanks = false) const;
    bool GetWord(int n, char delimiter, TextString& word) const;
    bool GetWord(int32_t from, int n, char delimiter, TextString& word, int32_t& offset) const;

    // Editing.
    void Trim(bool rightOnly = false, std::string_view set = " ");
    void CollapseBlanks();
    void ExpandTabs(int tabSize);
    bool Replace(int32_t start, std::string_view find, const char* replacement, int maxCount = 0,
                 bool caseSensitive = true, int fillByte = -1);
    bool Replace(std::string_view find, std::string_view replacement, int maxCount = 0,
                 bool caseSensitive = true);
    void ToUpper();

    // Numbers.
    void AppendNumber(char style, long value, bool trailingBlank = false);
    void AppendFixed(double value, bool trailingBlank = false);
    bool IsNumber(double& value) const;
    bool ParseNumberInStyle(char style, long& value) const;

    friend bool operator==(const TextString& a, const TextString& b) {
        return a.View() == b.View();
    }
    friend bool operator==(const TextString& a, std::string_view b) { return a.View() == b; }

  private:
    // A new buffer for a text of newLength bytes (the limit is set for it).
    std::unique_ptr<char[]> Room(int32_t newLength, bool appending);
    void Grow(int32_t newLength);

    std::unique_ptr<char[]> buf_;
    int32_t len_ = 0;
    int32_t limit_ = 0;
};

// Three-way comparison of at most n bytes; a text that ends first is the smaller.
int CompareN(const char* a, const char* b, int n, bool foldCase);

// Case-insensitive equality of two byte strings (C locale folding).
bool EqualsNoCase(std::string_view a, std::string_view b);
// Case-insensitive search; npos when absent.
size_t FindNoCase(std::string_view haystack, std::string_view needle, size_t from = 0);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// A blank of the text analysis: a space or a tab.
constexpr bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }
// The text without its leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);
// True for an empty text or one made only of blanks.
// Inline: it is asked of every cell, and nearly always answered by the first byte.
inline bool IsBlankText(std::string_view text) {
    for (char c : text)
        if (!IsBlankChar(c)) return false;
    return true;
}

// Path parts: directory up to the last '\' or '/', name, and extension with its point.
void SplitPath(std::string_view spec, TextString& directory, TextString& name,
               TextString& extension);
// Everything up to and including the last ']', '/' or '\'.
void DirectoryOf(std::string_view spec, TextString& directory);

}  // namespace tabulyst
