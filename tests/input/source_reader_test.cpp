#include "input/source_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/input_test_support.h"

namespace tabulyst {
namespace {

using Lines = std::vector<std::string>;

class SourceReaderTest : public ::testing::Test {
  protected:
    // Opens a file of these bytes in the reader.
    void Open(SourceReader& reader, const std::string& bytes) {
        ASSERT_TRUE(reader.OpenForReading(dir_.Write("in" + std::to_string(++files_), bytes)));
    }
    static std::vector<SourceLine> ReadAll(SourceReader& reader) {
        std::vector<SourceLine> lines;
        for (SourceLine line; ReadSourceLine(reader, line);) lines.push_back(line);
        return lines;
    }
    static Lines Texts(SourceReader& reader) {
        Lines texts;
        for (const SourceLine& line : ReadAll(reader)) texts.push_back(line.text.Str());
        return texts;
    }

    testing_support::ScratchDir dir_;
    int files_ = 0;
};

TEST_F(SourceReaderTest, LinesToSkipAtTheStartKeepTheirNumbers) {
    SourceReader four;
    Open(four, "1\n2\n3\n4\n");
    four.SetSkipCount(2);
    std::vector<SourceLine> lines = ReadAll(four);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text.Str(), "3");
    EXPECT_EQ(lines[0].lineNumber, 3);
    EXPECT_EQ(lines[1].lineNumber, 4);
}

TEST_F(SourceReaderTest, TabsAreExpandedButTheRawCopyKeepsThem) {
    SourceReader reader, kept;
    reader.options.tabSize = 4;
    Open(reader, "ab\tc\n");
    std::vector<SourceLine> lines = ReadAll(reader);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text.Str(), "ab  c");
    EXPECT_EQ(lines[0].raw.Str(), "ab\tc");

    kept.options.expandTabs = false;  // as under a rule set
    Open(kept, "ab\tc\n");
    EXPECT_EQ(Texts(kept), (Lines{"ab\tc"}));
}

TEST_F(SourceReaderTest, InjectedLinesComeFirstAndAFormFeedAtTheEndIsSplitOff) {
    SourceReader reader;
    Open(reader, "abc\f\n\f\nx\fy\f\nlast\n");
    reader.Inject("first");
    EXPECT_EQ(Texts(reader), (Lines{"first", "\f", "abc ", "\f", "\f", "x y ", "last"}));
}

TEST_F(SourceReaderTest, HtmlSourcePreSectionsBecomeTablesUnderTheChosenPrefix) {
    SourceReader html;
    html.options.htmlSource = true;
    html.options.directivePrefix = "@@";
    Open(html, "<p>text\n<PRE>\na  b\n</pre>\n");
    std::vector<SourceLine> lines = ReadAll(html);
    Lines texts;
    std::vector<DirectiveCode> codes;
    for (const SourceLine& line : lines) {
        texts.push_back(line.text.Str());
        codes.push_back(line.directive);
    }
    EXPECT_EQ(texts, (Lines{"<p>text", "@@END_HTML", "@@BEGIN_TABLE", "a  b", "@@END_TABLE",
                            "@@BEGIN_HTML"}));
    using D = DirectiveCode;
    EXPECT_EQ(codes, (std::vector<D>{D::None, D::EndHtml, D::BeginTable, D::None, D::EndTable,
                                     D::BeginHtml}));
}

TEST_F(SourceReaderTest, LineKindsDecideWhatReachesTheTable) {
    // Block definitions and ignored sections hold content that is neither executed nor a row,
    // directives included; reading directives never reach the table.
    using K = LineKind;
    const std::pair<const char*, LineKind> lines[] = {
        {"$_$_TABLE_BORDER 1", K::Directive},
        {"$_$_DEFINE_BLOCK HTML_FOOTER", K::Directive},
        {"<p>footer</p>", K::Ignored},
        {"$_$_TABLE_BORDER 9", K::Ignored},
        {"$_$_END_BLOCK", K::Directive},
        {"a,1", K::Ordinary},
        {"$_$_BEGIN_IGNORE", K::Swallowed},
        {"q,r", K::Ignored},
        {"$_$_END_BLOCK", K::Ignored},
        {"$_$_END_IGNORE", K::Swallowed},
        {"$_$_BEGIN_USER_TABLE", K::Swallowed},
        {"$_$_END_COMMA_DELIMITED_TABLE", K::Swallowed},
        {"$_$_PARA", K::Directive},
        {"$_$_CHANGE_POLICY TAB size : 4", K::Policy},
        {" $_$_TABLE_BORDER 2", K::Ordinary},
        {"", K::Ordinary},
    };
    std::string bytes;
    for (const auto& [text, kind] : lines) bytes += std::string(text) + "\n";
    SourceReader reader;
    Open(reader, bytes);
    const std::vector<SourceLine> read = ReadAll(reader);
    ASSERT_EQ(read.size(), std::size(lines));
    for (size_t i = 0; i < read.size(); ++i)
        EXPECT_EQ(read[i].kind, lines[i].second) << lines[i].first;
}

TEST_F(SourceReaderTest, AQuotedFieldHoldsLineEndsUntilItClosesOrTheFileEnds) {
    SourceReader reader;
    reader.options.quotedLineBreaks = true;
    Open(reader, "a,\"x\r\n\"\"y\",b\nnext\n\"open,\nrest\n");
    std::vector<SourceLine> lines = ReadAll(reader);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text.Str(), "a,\"x\n\"\"y\",b");
    EXPECT_EQ(lines[0].lineNumber, 1);
    EXPECT_EQ(lines[0].unclosedQuoteLine, 0);
    EXPECT_EQ(lines[1].text.Str(), "next");
    EXPECT_EQ(lines[1].lineNumber, 3);
    // The quote that never closes is known by the line it opened on; nothing after it is lost.
    EXPECT_EQ(lines[2].text.Str(), "\"open,\nrest");
    EXPECT_EQ(lines[2].unclosedQuoteLine, 4);
    EXPECT_TRUE(lines[2].unclosedAtEnd);

    // A NUL inside the quotes is a blank, as anywhere else, and ends nothing.
    SourceReader nul;
    nul.options.quotedLineBreaks = true;
    Open(nul, std::string("\"x\0\ny\",1\n", 9));
    EXPECT_EQ(Texts(nul), (Lines{"\"x \ny\",1"}));
}

TEST_F(SourceReaderTest, AMillionLinesArriveInOrder) {
    const int count = 1000000;
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += {static_cast<char>('a' + i % 26), '\n'};
    SourceReader reader;
    Open(reader, bytes);
    SourceLine line;
    int n = 0;
    bool inOrder = true;
    for (; ReadSourceLine(reader, line); ++n)
        inOrder = inOrder && line.text.Length() == 1 && line.text[0] == 'a' + n % 26;
    EXPECT_EQ(n, count);
    EXPECT_TRUE(inOrder);
    EXPECT_EQ(line.lineNumber, count);
}

}  // namespace
}  // namespace tabulyst
