#include "convert/convert_to_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "convert/convert_test_support.h"
#include "table/table_model.h"

namespace tabulyst {
namespace {

using testing_support::QuietContext;
using testing_support::ScratchDir;

std::string Row(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "r%03d", n);
    return text;
}

std::vector<TextString> Rows(int count) {
    std::vector<TextString> lines;
    for (int n = 1; n <= count; ++n) lines.emplace_back(Row(n));
    return lines;
}

std::string Joined(const std::vector<TextString>& lines) {
    std::string text;
    for (const TextString& line : lines) text.append(line.View()).push_back('\n');
    return text;
}

// Converts in-memory comma data into in-memory HTML and keeps what was reported.
struct Conversion : QuietContext {
    FC master{&context.sink};
    FC working{&context.sink};
    std::vector<TextString> result;
    bool ok = false;

    void Run(const std::vector<TextString>& lines, int formatCode = kFormatComma) {
        ok = ConvertToTable(master, nullptr, working, context, TextString("data.csv"), TextString(), formatCode,
                            &lines, &result);
    }
    std::string Document() const { return Joined(result); }
    // The rows that reached the table, in document order.
    std::vector<int> RowsFound(int upTo) const {
        const std::string doc = Document();
        std::vector<int> found;
        size_t last = 0;
        for (int n = 1; n <= upTo; ++n) {
            size_t at = doc.find(Row(n));
            if (at == std::string::npos) continue;
            EXPECT_GE(at, last) << Row(n) << " out of order";
            last = at;
            found.push_back(n);
        }
        return found;
    }
};

std::vector<int> Range(int first, int last) {
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n) numbers.push_back(n);
    return numbers;
}

TEST(ConvertToTableTest, EveryLinePassesTheWindowInOrder) {
    for (int count : {1, 39, 40, 41, 100}) {
        Conversion c;
        c.Run(Rows(count));
        ASSERT_TRUE(c.ok);
        EXPECT_EQ(c.RowsFound(count), Range(1, count)) << count << " lines";
    }
}

TEST(ConvertToTableTest, LinesIgnoredAtTheEnd) {
    struct Case {
        int lines, ignored;
        std::vector<int> kept;
    };
    const Case cases[] = {
        {10, 3, Range(1, 7)},    {100, 3, Range(1, 97)}, {100, 25, Range(1, 80)},
        {30, 25, Range(1, 10)},  {3, 5, {}},             {10, -1, Range(1, 10)},
        {39, 20, Range(1, 19)},
    };
    for (const Case& test : cases) {
        Conversion c;
        c.master.SetValue(P::LinesToIgnoreAtEndOfFile, test.ignored);
        c.Run(Rows(test.lines));
        ASSERT_TRUE(c.ok);
        EXPECT_EQ(c.RowsFound(test.lines), test.kept) << test.lines << " lines, " << test.ignored << " ignored";
        const bool tooMany = test.ignored > 20;
        EXPECT_EQ(c.err.str().find("ERROR: Ignore end of file cannot be larger than 20 \n") != std::string::npos,
                  tooMany);
    }
}

TEST(ConvertToTableTest, LinesIgnoredAtTheStart) {
    Conversion c;
    c.master.SetValue(P::LinesToIgnoreAtStartOfFile, 3);
    c.Run(Rows(2));
    ASSERT_TRUE(c.ok);
    EXPECT_TRUE(c.RowsFound(2).empty());

    Conversion d;
    d.master.SetValue(P::LinesToIgnoreAtStartOfFile, 3);
    d.Run(Rows(50));
    EXPECT_EQ(d.RowsFound(50), Range(4, 50));
}

TEST(ConvertToTableTest, BannersNameOnlyFileNamesFirstThenTheSpecification) {
    ScratchDir dir;
    const std::string input = dir.Write("x.csv", "a,b\n");
    Conversion c;
    c.context.options.policyFile.Assign("/some/where/p.pol");
    std::vector<TextString> lines{TextString("a,b")};
    c.ok = ConvertToTable(c.master, nullptr, c.working, c.context, TextString(input), TextString(), kFormatComma,
                          &lines, &c.result);
    ASSERT_TRUE(c.ok);
    const std::string row(50, '%');
    const std::string expected = row + "\nProcessing : \"x.csv\" using policy file \"p.pol\"\n" + row +
                                 "\nProcessing \"" + input + "\"\n";
    EXPECT_EQ(c.out.str().substr(0, expected.size()), expected);
}

TEST(ConvertToTableTest, AnInputThatCannotBeOpenedFailsWithoutAnOutput) {
    ScratchDir dir;
    Conversion c;
    const std::string missing = dir.Dir() + "missing.csv";
    c.ok = ConvertToTable(c.master, nullptr, c.working, c.context, TextString(missing), TextString(), kFormatComma);
    EXPECT_FALSE(c.ok);
    EXPECT_NE(c.err.str().find("ERROR: Error opening " + missing + "\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.Dir() + "missing.html"));
}

TEST(ConvertToTableTest, AnOutputThatWouldReplaceItsInputIsRefused) {
    ScratchDir dir;
    const std::string input = dir.Write("x.html", "a,b\n");
    Conversion c;
    c.ok = ConvertToTable(c.master, nullptr, c.working, c.context, TextString(input), TextString(), kFormatComma);
    EXPECT_TRUE(c.ok);
    EXPECT_EQ(c.context.refusedFiles, 1);
    EXPECT_NE(c.err.str().find("ERROR: Output file would overwrite input file " + input + "\n"), std::string::npos);
    EXPECT_EQ(dir.Read("x.html"), "a,b\n");
}

TEST(ConvertToTableTest, TargetFormats) {
    Conversion rtf;
    rtf.context.targetFormat = 1;
    rtf.Run(Rows(3));
    ASSERT_TRUE(rtf.ok);
    ASSERT_FALSE(rtf.result.empty());
    EXPECT_EQ(rtf.result.front().Str().substr(0, 6), "{\\rtf1");

    Conversion other;
    other.context.targetFormat = 2;
    other.Run(Rows(3));
    EXPECT_FALSE(other.ok);
    EXPECT_TRUE(other.result.empty());
    EXPECT_EQ(other.err.str(), "");
}

TEST(ConvertToTableTest, AnEmptyInputGivesACompleteDocument) {
    Conversion c;
    c.Run({});
    EXPECT_TRUE(c.ok);
    EXPECT_NE(c.Document().find("</HTML>"), std::string::npos);
    EXPECT_EQ(c.err.str().find("ERROR"), std::string::npos);
}

TEST(ConvertToTableTest, Utf8InputPassesThroughAsUtf8) {
    Conversion c;
    c.Run({TextString("caf\xC3\xA9,na\xC3\xAFve")});
    ASSERT_TRUE(c.ok);
    EXPECT_NE(c.Document().find("caf\xC3\xA9"), std::string::npos);
}

TEST(ConvertToTableTest, WhatCountsAsAUtf8Input) {
    ScratchDir dir;
    auto lines = [](std::initializer_list<const char*> texts) {
        std::vector<TextString> result;
        for (const char* text : texts) result.emplace_back(text);
        return result;
    };
    std::vector<TextString> ascii = lines({"plain", "text"});
    std::vector<TextString> utf8 = lines({"plain", "\xE2\x82\xAC 5"});
    std::vector<TextString> broken = lines({"\xE2\x82\xAC 5", "caf\xE9"});
    EXPECT_FALSE(InputIsUtf8("", &ascii));
    EXPECT_TRUE(InputIsUtf8("", &utf8));
    EXPECT_FALSE(InputIsUtf8("", &broken));
    EXPECT_TRUE(InputIsUtf8(dir.Write("u16.txt", std::string("\xFF\xFEh\0i\0", 6)), nullptr));
    EXPECT_TRUE(InputIsUtf8(dir.Write("u8.txt", "a\n\xC3\xA9\n"), nullptr));
    EXPECT_FALSE(InputIsUtf8(dir.Write("l1.txt", "\xC3\xA9\n\xE9\n"), nullptr));
}

}  // namespace
}  // namespace tabulyst
