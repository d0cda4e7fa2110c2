// Escaping for HTML and RTF, the source character conversions, entity acceptability and
// UTF-8 detection.
#include "output/escaping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/messages.h"
#include "output/entities.h"
#include "policy/fc.h"

namespace tabulyst {
namespace {

struct Escaper {
    MessageSink sink;
    std::vector<std::string> messages;
    FC fc{&sink};
    DocumentState state;

    Escaper() {
        sink.messageCallback = [this](std::string_view text) { messages.emplace_back(text); };
        fc.SetValue(P::ErrorReportingLevel, 10);
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

TEST(EscapeHtml, MarkupCharactersOutsideInlineTags) {
    Escaper e;
    EXPECT_EQ(e.Html("a<b & c>d [[FONT red]] &amp;"), "a&lt;b &amp; c&gt;d [[FONT red]] &amp;amp;");
    EXPECT_EQ(e.Html("say \"hi\""), "say \"hi\"");
    // An in-line tag keeps its characters, but can never open markup of its own.
    EXPECT_EQ(e.Html("[[<script>&]]"), "[[&lt;script&gt;&]]");
    // A start delimiter without an end is plain text.
    EXPECT_EQ(e.Html("[[ a&b"), "[[ a&amp;b");
}

TEST(EscapeHtml, HighBytesBecomeEntitiesButNoBreakSpaceStays) {
    Escaper e;
    EXPECT_EQ(e.Html("caf\xE9"), "caf&eacute;");
    EXPECT_EQ(e.Html("a\xA0"
                     "b"),
              "a\xA0"
              "b");
    EXPECT_EQ(e.Html("[[\xE9]]"), "[[&eacute;]]");
}

TEST(EscapeHtml, EveryByteValueIsHandled) {
    Escaper e;
    for (int byte = 1; byte <= 255; ++byte) {
        std::string text = "x";
        text += static_cast<char>(byte);
        text += "y";
        std::string expected = "x";
        if (byte == '&')
            expected += "&amp;";
        else if (byte == '<')
            expected += "&lt;";
        else if (byte == '>')
            expected += "&gt;";
        else if (byte > 160)
            expected += "&" + std::string(EntityName(byte)) + ";";
        else
            expected += static_cast<char>(byte);
        expected += "y";
        EXPECT_EQ(e.Html(text), expected) << "byte " << byte;
    }
}

TEST(EscapeHtml, OtherAsciiCompatibleEncodingsStillEscapeMarkup) {
    Escaper e;
    e.fc.SetText(P::CharacterEncoding, "windows-1251");
    EXPECT_EQ(e.Html("<script>\xE9"), "&lt;script&gt;\xE9");
    e.fc.SetText(P::CharacterEncoding, "Shift_JIS");
    EXPECT_EQ(e.Html("a<b"), "a&lt;b");
}

TEST(EscapeHtml, Iso2022AndJapaneseWithoutEncodingStayUnchanged) {
    Escaper e;
    e.fc.SetText(P::CharacterEncoding, "iso-2022-jp");
    EXPECT_EQ(e.Html("a<b"), "a<b");
    e.fc.SetText(P::CharacterEncoding, "");
    e.fc.SetValue(P::InputFileContainsJapaneseCharacters, 1);
    EXPECT_EQ(e.Html("a<b\xE9"), "a<b\xE9");
}

TEST(EscapeHtml, Utf8DocumentPassesHighBytes) {
    Escaper e;
    e.state.utf8 = true;
    EXPECT_EQ(e.Html("caf\xC3\xA9 <b>"), "caf\xC3\xA9 &lt;b&gt;");
}

TEST(EscapeRtf, BackslashesAndBraces) {
    Escaper e;
    TextString t("a{b}c\\d");
    EscapeRTF(e.fc, t);
    EXPECT_EQ(t.Str(), "a\\'7bb\\'7dc\\\\d");
}

TEST(SourceCharacters, DosBoxDrawingAndLetters) {
    Escaper e;
    e.fc.SetValue(P::InputFileContainsDosCharacters, 1);
    EXPECT_EQ(e.Tidy("\xDA\xC4\xC4\xBF"), "+--+");
    EXPECT_EQ(e.Tidy("\xB3\xBA\xCD"), "||=");
    EXPECT_EQ(e.Tidy("caf\x82"), "caf&eacute;");  // DOS 130 is Latin-1 233
    EXPECT_EQ(e.Tidy("\xB0\xFA"), "?.");
    e.state.outputFormat = kOutputRtf;
    EXPECT_EQ(e.Tidy("\xB0"), "\xB0");  // no "?" in RTF
    e.state.outputFormat = kOutputHtml;
    e.state.utf8 = true;  // UTF-8 text is never taken for DOS characters
    EXPECT_EQ(e.Tidy("\xC3\xA9"), "\xC3\xA9");
}

TEST(SourceCharacters, WindowsPunctuationFoldsOnlyForLatin1) {
    Escaper e;
    std::string folded = e.Tidy(
        "a\x97"
        "b\x93q\x94\x91s\x92");
    EXPECT_EQ(folded, "a--b\"q\"`s'");
    EXPECT_EQ(e.Tidy("\x95\x96\xA0"), "-- ");
    e.fc.SetText(P::CharacterEncoding, "windows-1252");
    EXPECT_EQ(e.Tidy("a\x97"
                     "b"),
              "a\x97"
              "b");
}

TEST(SourceCharacters, QuotedPrintableDecodesOnlyPrintableCodes) {
    Escaper e;
    e.fc.SetValue(P::InputFileContainsMimeEncoding, 1);
    e.state.outputFormat = 2;  // no escaping, to see the decoded text itself
    EXPECT_EQ(e.Tidy("a=3Db=41=0A=7e=z="), "a=bA=0A~=z=");
}

TEST(SourceCharacters, PclSequencesAreRemovedAndUnknownOnesReported) {
    Escaper e;
    e.fc.SetValue(P::InputFileContainsPclCodes, 1);
    e.state.outputFormat = 2;
    EXPECT_EQ(e.Tidy("\x1B"
                     "EHello\x1B&l0HWorld\x1B(10U!\x1BzQ"),
              "Hello\fWorld!");
    EXPECT_EQ(e.messages, std::vector<std::string>{"Unknown PCL Code \"Esc zQ\""});
}

TEST(TidyLine, OutputFormatsAndPassThrough) {
    Escaper e;
    e.state.outputFormat = kOutputRtf;
    EXPECT_EQ(e.Tidy("{<}"), "\\'7b<\\'7d");
    e.state.outputFormat = 3;
    EXPECT_EQ(e.Tidy("<&>"), "<&>");
    e.state.outputFormat = kOutputHtml;
    e.state.passThrough = true;
    EXPECT_EQ(e.Tidy("<B>"), "<B>");
    e.state.outputFormat = 7;
    EXPECT_EQ(e.Tidy("<B>"), "<B>");
    EXPECT_EQ(e.messages, std::vector<std::string>{"UNSUPPORTED CASE: Output Format in TidyLine"});
}

TEST(Entities, TextOfACode) {
    TextString out;
    EntityText(233, out);
    EXPECT_EQ(out.Str(), "&eacute;");
    EntityText(8364, out);
    EXPECT_EQ(out.Str(), "&euro;");
    EntityText(300, out);
    EXPECT_EQ(out.Str(), "&#300;");
}

TEST(Entities, AcceptabilityByClassAndPolicy) {
    FC fc;
    EXPECT_TRUE(EntityAcceptable(fc, 65));
    EXPECT_TRUE(EntityAcceptable(fc, 233));
    EXPECT_FALSE(EntityAcceptable(fc, 160));
    EXPECT_FALSE(EntityAcceptable(fc, 150));
    EXPECT_FALSE(EntityAcceptable(fc, 8364));
    fc.SetValue(P::UseOfMicrosoftEntitiesCode, 1);
    EXPECT_TRUE(EntityAcceptable(fc, 150));
    EXPECT_FALSE(EntityAcceptable(fc, 128));
    fc.SetValue(P::UseOfMicrosoftEntitiesCode, -1);
    EXPECT_TRUE(EntityAcceptable(fc, 128));
    fc.SetValue(P::UseOfHtml40EntitiesCode, 2);
    EXPECT_TRUE(EntityAcceptable(fc, 8364));
    EXPECT_FALSE(EntityAcceptable(fc, 913));
    fc.SetValue(P::UseOfHtml40EntitiesCode, -1);
    EXPECT_TRUE(EntityAcceptable(fc, 913));
    EXPECT_FALSE(EntityAcceptable(fc, 977));
    fc.SetRuleSet(kSec, true);
    EXPECT_FALSE(EntityAcceptable(fc, 913));
    EXPECT_FALSE(EntityAcceptable(fc, 128));
    EXPECT_TRUE(EntityAcceptable(fc, 150));
}

TEST(Utf8Detection, ValidMultiByteTextOnly) {
    EXPECT_TRUE(IsUtf8Text("caf\xC3\xA9"));
    EXPECT_TRUE(IsUtf8Text("\xE2\x82\xAC and \xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsUtf8Text("plain ascii"));
    EXPECT_FALSE(IsUtf8Text("caf\xE9"));           // Latin-1
    EXPECT_FALSE(IsUtf8Text("caf\xC3"));           // cut short
    EXPECT_FALSE(IsUtf8Text("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsUtf8Text("\xE0\x80\xAF"));      // overlong, three bytes
    EXPECT_FALSE(IsUtf8Text("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsUtf8Text("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(IsUtf8Text("\xC3\xA9\x80"));      // stray continuation byte
    // Long runs of ASCII around the sequences.
    EXPECT_TRUE(IsUtf8Text("abcdefghijklmnop\xC3\xA9qrstuvwxyz0123456"));
    EXPECT_FALSE(IsUtf8Text("abcdefghijklmnop\xE9qrstuvwxyz0123456"));
    EXPECT_FALSE(IsUtf8Text("abcdefghijklmnopqrstuvw\xC3"));
}

}  // namespace
}  // namespace tabulyst
