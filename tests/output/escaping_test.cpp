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

// The settings of one case; a null encoding or an empty flag leaves the policy unset.
struct Case {
    std::optional<P> flag;  // an "Input file contains ..." policy switched on
    const char* encoding;
    int format;
    bool utf8;
    std::string text, expected;
};

struct Escaper {
    MessageSink sink;
    std::vector<std::string> messages;
    FC fc{&sink};
    DocumentState state;

    explicit Escaper(const Case& c = {{}, nullptr, kOutputHtml, false, "", ""}) {
        sink.messageCallback = [this](std::string_view text) { messages.emplace_back(text); };
        fc.SetValue(P::ErrorReportingLevel, 10);
        if (c.flag) fc.SetValue(*c.flag, 1);
        if (c.encoding) fc.SetText(P::CharacterEncoding, c.encoding);
        state.outputFormat = c.format;
        state.utf8 = c.utf8;
    }
    std::string Html(std::string_view text) {
        TextString t(text);
        EscapeHTML(fc, state, t);
        return t.Str();
    }
    std::string Tidy(std::string_view text) {
        TextString t(text);
        TidyLine(fc, state, t);
        return t.Str();
    }
};

constexpr int kHtml = kOutputHtml, kRtf = kOutputRtf, kText = 2;  // 2: no escaping at all
constexpr P kJapanese = P::InputFileContainsJapaneseCharacters;
constexpr P kDos = P::InputFileContainsDosCharacters;

TEST(EscapeHtml, MarkupCharactersByEncoding) {
    const Case cases[] = {
        {{},
         nullptr,
         kHtml,
         false,
         "a<b & c>d [[FONT red]] &amp;",
         "a&lt;b &amp; c&gt;d [[FONT red]] &amp;amp;"},
        {{}, nullptr, kHtml, false, "say \"hi\"", "say \"hi\""},
        // An in-line tag keeps its characters, but can never open markup of its own.
        {{}, nullptr, kHtml, false, "[[<script>&]]", "[[&lt;script&gt;&]]"},
        {{}, nullptr, kHtml, false, "[[\xE9]]", "[[&eacute;]]"},
        {{}, nullptr, kHtml, false, "[[ a&b", "[[ a&amp;b"},  // no end: plain text
        // Other ASCII-compatible encodings still escape markup.
        {{}, "windows-1251", kHtml, false, "<script>\xE9", "&lt;script&gt;\xE9"},
        {{}, "Shift_JIS", kHtml, false, "a<b", "a&lt;b"},
        {{}, "iso-2022-jp", kHtml, false, "a<b", "a<b"},
        {kJapanese, "", kHtml, false, "a<b\xE9", "a<b\xE9"},
        {{}, nullptr, kHtml, true, "caf\xC3\xA9 <b>", "caf\xC3\xA9 &lt;b&gt;"},  // UTF-8
    };
    for (const Case& c : cases) EXPECT_EQ(Escaper(c).Html(c.text), c.expected) << c.text;
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
    const Case cases[] = {
        {kDos, nullptr, kHtml, false, "\xDA\xC4\xC4\xBF", "+--+"},
        {kDos, nullptr, kHtml, false, "\xB3\xBA\xCD", "||="},
        {kDos, nullptr, kHtml, false, "caf\x82", "caf&eacute;"},  // DOS 130 is Latin-1 233
        {kDos, nullptr, kHtml, false, "\xB0\xFA", "?."},
        {kDos, nullptr, kRtf, false, "\xB0", "\xB0"},          // no "?" in RTF
        {kDos, nullptr, kHtml, true, "\xC3\xA9", "\xC3\xA9"},  // UTF-8 is never DOS text
        // Windows punctuation folds only for Latin-1.
        {{},
         nullptr,
         kHtml,
         false,
         "a\x97"
         "b\x93q\x94\x91s\x92",
         "a--b\"q\"`s'"},
        {{}, nullptr, kHtml, false, "\x95\x96\xA0", "-- "},
        {{},
         "windows-1252",
         kHtml,
         false,
         "a\x97"
         "b",
         "a\x97"
         "b"},
        // Quoted-printable decodes only printable codes.
        {P::InputFileContainsMimeEncoding, nullptr, kText, false,
         "a=3Db=41=0A=7e=z=", "a=bA=0A~=z="},
        {{}, nullptr, kRtf, false, "{<}", "\\'7b<\\'7d"},
        {{}, nullptr, 3, false, "<&>", "<&>"},
    };
    for (const Case& c : cases) EXPECT_EQ(Escaper(c).Tidy(c.text), c.expected) << c.text;
}

TEST(TidyLine, PclCodesPassThroughAndUnsupportedFormats) {
    Escaper pcl({P::InputFileContainsPclCodes, nullptr, kText, false, "", ""});
    EXPECT_EQ(pcl.Tidy("\x1B"
                       "EHello\x1B&l0HWorld\x1B(10U!\x1BzQ"),
              "Hello\fWorld!");
    EXPECT_EQ(pcl.messages, std::vector<std::string>{"Unknown PCL Code \"Esc zQ\""});
    Escaper e;
    e.state.passThrough = true;
    EXPECT_EQ(e.Tidy("<B>"), "<B>");
    e.state.outputFormat = 7;
    EXPECT_EQ(e.Tidy("<B>"), "<B>");
    EXPECT_EQ(e.messages, std::vector<std::string>{"UNSUPPORTED CASE: Output Format in TidyLine"});
}

TEST(Entities, TextOfACodeAndAcceptabilityByClassAndPolicy) {
    for (auto [code, text] : {std::pair{233, "&eacute;"}, {8364, "&euro;"}, {300, "&#300;"}}) {
        TextString out;
        EntityText(code, out);
        EXPECT_EQ(out.Str(), text);
    }
    FC fc;
    auto acceptable = [&fc](std::initializer_list<int> codes) {
        std::string yes;
        for (int code : codes) yes += EntityAcceptable(fc, code) ? 'y' : 'n';
        return yes;
    };
    // One letter a code: "y" for acceptable.
    EXPECT_EQ(acceptable({65, 233, 160, 150, 8364}), "yynnn");
    fc.SetValue(P::UseOfMicrosoftEntitiesCode, 1);
    EXPECT_EQ(acceptable({150, 128}), "yn");
    fc.SetValue(P::UseOfMicrosoftEntitiesCode, -1);
    EXPECT_EQ(acceptable({128}), "y");
    fc.SetValue(P::UseOfHtml40EntitiesCode, 2);
    EXPECT_EQ(acceptable({8364, 913}), "yn");
    fc.SetValue(P::UseOfHtml40EntitiesCode, -1);
    EXPECT_EQ(acceptable({913, 977}), "yn");
    fc.SetRuleSet(kSec, true);
    EXPECT_EQ(acceptable({913, 128, 150}), "nny");
}

TEST(Utf8Detection, ValidMultiByteTextOnly) {
    const std::pair<std::string_view, bool> cases[] = {
        {"caf\xC3\xA9", true},
        {"\xE2\x82\xAC and \xF0\x9F\x98\x80", true},
        {"plain ascii", false},
        {"caf\xE9", false},           // Latin-1
        {"caf\xC3", false},           // cut short
        {"\xC0\xAF", false},          // overlong
        {"\xE0\x80\xAF", false},      // overlong, three bytes
        {"\xED\xA0\x80", false},      // surrogate
        {"\xF4\x90\x80\x80", false},  // beyond U+10FFFF
        {"\xC3\xA9\x80", false},      // stray continuation byte
        // Long runs of ASCII around the sequences.
        {"abcdefghijklmnop\xC3\xA9qrstuvwxyz0123456", true},
        {"abcdefghijklmnop\xE9qrstuvwxyz0123456", false},
        {"abcdefghijklmnopqrstuvw\xC3", false},
    };
    for (auto [text, utf8] : cases) EXPECT_EQ(IsUtf8Text(text), utf8) << text;
}

}  // namespace
}  // namespace tabulyst
