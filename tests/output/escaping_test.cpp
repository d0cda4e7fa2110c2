// Escaping for HTML and RTF, the source character conversions, entity acceptability and
// UTF-8 detection.
#include "output/escaping.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/messages.h"
#include "output/entities.h"
#include "policy/fc.h"

namespace tabulyst {
namespace {

// The settings of a case: an "Input file contains ..." policy switched on, the character
// encoding when stated, the output format and the UTF-8 flag.
struct Setup {
    std::optional<P> flag = {};
    const char* encoding = nullptr;
    OutputFormat format = OutputFormat::Html;
    bool utf8 = false;
};

struct Case {
    Setup setup;
    std::string text, expected;
};

struct Escaper {
    MessageSink sink;
    std::vector<std::string> messages;
    FC fc{&sink};
    DocumentState state;
    OutputFormat format;

    explicit Escaper(const Setup& setup = {}) {
        sink.messageCallback = [this](std::string_view text) { messages.emplace_back(text); };
        fc.SetValue(P::ErrorReportingLevel, 10);
        if (setup.flag) fc.SetValue(*setup.flag, 1);
        if (setup.encoding) fc.SetText(P::CharacterEncoding, setup.encoding);
        format = setup.format;
        state.utf8 = setup.utf8;
    }
    std::string Html(std::string_view text) {
        TextString t(text);
        EscapeHTML(fc, state, t);
        return t.Str();
    }
    std::string Tidy(std::string_view text) {
        TextString t(text);
        TidyLine(fc, state, format, t);
        return t.Str();
    }
    std::string Converted(std::string_view text) {
        TextString t(text);
        ConvertSourceCharacters(fc, state, format, t);
        return t.Str();
    }
};

TEST(EscapeHtml, MarkupCharactersByEncoding) {
    const Case cases[] = {
        {{}, "a<b & c>d [[FONT red]] &amp;", "a&lt;b &amp; c&gt;d [[FONT red]] &amp;amp;"},
        {{}, "say \"hi\"", "say \"hi\""},
        // An in-line tag keeps its characters, but can never open markup of its own.
        {{}, "[[<script>&]]", "[[&lt;script&gt;&]]"},
        {{}, "[[\xE9]]", "[[&eacute;]]"},
        {{}, "[[ a&b", "[[ a&amp;b"},  // no end delimiter: plain text
        // Other ASCII-compatible encodings still escape markup.
        {{.encoding = "windows-1251"}, "<script>\xE9", "&lt;script&gt;\xE9"},
        {{.encoding = "Shift_JIS"}, "a<b", "a&lt;b"},
        {{.encoding = "iso-2022-jp"}, "a<b", "a<b"},
        {{.flag = P::InputFileContainsJapaneseCharacters, .encoding = ""}, "a<b\xE9", "a<b\xE9"},
        {{.utf8 = true}, "caf\xC3\xA9 <b>", "caf\xC3\xA9 &lt;b&gt;"},
    };
    for (const Case& c : cases) EXPECT_EQ(Escaper(c.setup).Html(c.text), c.expected) << c.text;
}

TEST(EscapeHtml, EveryByteValueIsHandled) {
    Escaper e;
    for (int byte = 1; byte <= 255; ++byte) {
        std::string expected(1, static_cast<char>(byte));
        if (byte == '&') expected = "&amp;";
        if (byte == '<') expected = "&lt;";
        if (byte == '>') expected = "&gt;";
        if (byte > 160) expected = "&" + std::string(EntityName(byte)) + ";";  // 160 stays
        EXPECT_EQ(e.Html("x" + std::string(1, static_cast<char>(byte)) + "y"), "x" + expected + "y")
            << "byte " << byte;
    }
}

TEST(EscapeRtf, BackslashesAndBraces) {
    Escaper e;
    TextString t("a{b}c\\d");
    EscapeRTF(e.fc, t);
    EXPECT_EQ(t.Str(), "a\\'7bb\\'7dc\\\\d");
}

TEST(TidyLine, SourceCharacterConversionsAndOutputFormats) {
    constexpr P kDos = P::InputFileContainsDosCharacters;
    const Case cases[] = {
        {{kDos}, "\xDA\xC4\xC4\xBF", "+--+"},
        {{kDos}, "\xB3\xBA\xCD", "||="},
        {{kDos}, "caf\x82", "caf&eacute;"},  // DOS 130 is Latin-1 233
        {{kDos}, "\xB0\xFA", "?."},
        {{.flag = kDos, .format = OutputFormat::Rtf}, "\xB0", "\xB0"},  // no "?" in RTF
        {{.flag = kDos, .utf8 = true}, "\xC3\xA9", "\xC3\xA9"},         // UTF-8 is never DOS text
        // Windows punctuation folds only for Latin-1.
        {{}, "a\227b\x93q\x94\x91s\x92", "a--b\"q\"`s'"},
        {{}, "\x95\x96\xA0", "-- "},
        {{.encoding = "windows-1252"}, "a\227b", "a\227b"},
        // Quoted-printable decodes only printable codes.
        {{.flag = P::InputFileContainsMimeEncoding}, "a=3Db=41=0A=7e=z=", "a=bA=0A~=z="},
        // Bytes that a conversion brings in are escaped as well.
        {{.flag = P::InputFileContainsMimeEncoding}, "x=3Cy=26z", "x&lt;y&amp;z"},
        {{.flag = P::InputFileContainsMimeEncoding, .format = OutputFormat::Rtf},
         "=7B=5C",
         "\\'7b\\\\"},
        {{.format = OutputFormat::Rtf}, "{<}", "\\'7b<\\'7d"},
    };
    for (const Case& c : cases) EXPECT_EQ(Escaper(c.setup).Tidy(c.text), c.expected) << c.text;
}

TEST(TidyLine, PclCodesAndPassThrough) {
    Escaper pcl({.flag = P::InputFileContainsPclCodes});
    EXPECT_EQ(pcl.Converted("\33EHello\33&l0HWorld\33(10U!\33zQ<"), "Hello\fWorld!<");
    EXPECT_EQ(pcl.messages, std::vector<std::string>{"Unknown PCL Code \"Esc zQ\""});
    Escaper e;
    e.state.passThrough = true;
    EXPECT_EQ(e.Tidy("<B>"), "<B>");
}

TEST(Utf8Detection, ValidMultiByteTextOnly) {
    const std::pair<std::string_view, bool> cases[] = {
        {"caf\xC3\xA9", true},
        {"\xE2\x82\xAC and \xF0\x9F\x98\x80", true},
        {"plain ascii", false},
        {"caf\xE9", false},           // Latin-1
        {"caf\xC3", false},           // cut short
        {"\xC0\xAF", false},          // overlong
        {"\xED\xA0\x80", false},      // surrogate
        {"\xF4\x90\x80\x80", false},  // beyond U+10FFFF
        {"\xC3\xA9\x80", false},      // stray continuation byte
        // Long runs of ASCII around the sequences.
        {"abcdefghijklmnop\xC3\xA9qrstuvwxyz0123456", true},
        {"abcdefghijklmnopqrstuvw\xC3", false},
    };
    for (auto [text, utf8] : cases) EXPECT_EQ(IsUtf8Text(text), utf8) << text;
}

}  // namespace
}  // namespace tabulyst
