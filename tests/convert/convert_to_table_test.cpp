#include "convert/convert_to_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "convert/convert_test_support.h"

namespace tabulyst {
namespace {

using testing_support::Contains;

std::string Row(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "r%03d", n);
    return text;
}

// Converts in-memory comma data into in-memory HTML and keeps what was reported.
struct Conversion : testing_support::QuietContext {
    FC master{&context.sink};
    FC working{&context.sink};
    std::vector<TextString> result;
    bool ok = false;

    void Run(const std::vector<TextString>& lines, const std::string& input = "data.csv") {
        ok = ConvertToTable(master, nullptr, working, context, TextString(input), TextString(),
                            TableFormat::Comma, &lines, &result);
        testing_support::KeepDocumentLines("ConvertToTable", result);
    }
    std::string Document() const {
        std::string text;
        for (const TextString& line : result) text.append(line.View()).push_back('\n');
        return text;
    }
    // The numbers of the rows that reached the table, which must be in document order.
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

TEST(ConvertToTableTest, EveryLinePassesTheWindowInOrderButTheIgnoredOnes) {
    const struct {
        int lines, atStart, atEnd, first, last;  // rows first..last are kept
    } cases[] = {
        {1, 0, 0, 1, 1},     {39, 0, 0, 1, 39}, {40, 0, 0, 1, 40},  {41, 0, 0, 1, 41},
        {100, 0, 0, 1, 100}, {10, 0, 3, 1, 7},  {100, 0, 3, 1, 97}, {100, 0, 25, 1, 80},
        {30, 0, 25, 1, 10},  {3, 0, 5, 1, 0},   {10, 0, -1, 1, 10}, {39, 0, 20, 1, 19},
        {50, 3, 0, 4, 50},
    };
    for (const auto& test : cases) {
        Conversion c;
        if (test.atStart) c.master.SetValue(P::LinesToIgnoreAtStartOfFile, test.atStart);
        if (test.atEnd) c.master.SetValue(P::LinesToIgnoreAtEndOfFile, test.atEnd);
        std::vector<TextString> lines;
        for (int n = 1; n <= test.lines; ++n) lines.emplace_back(Row(n));
        c.Run(lines);
        ASSERT_TRUE(c.ok);
        std::vector<int> kept;
        for (int n = test.first; n <= test.last; ++n) kept.push_back(n);
        EXPECT_EQ(c.RowsFound(test.lines), kept)
            << test.lines << " lines, " << test.atStart << " and " << test.atEnd << " ignored";
        const std::string limit = "ERROR: Ignore end of file cannot be larger than 20 \n";
        EXPECT_EQ(c.err.str().find(limit) != std::string::npos, test.atEnd > 20);
    }
}

TEST(ConvertToTableTest, WhatCountsAsAUtf8InputAndItPassesThrough) {
    Conversion c;
    c.Run({TextString("caf\xC3\xA9,na\xC3\xAFve")});
    ASSERT_TRUE(c.ok);
    EXPECT_TRUE(Contains(c.Document(), "caf\xC3\xA9"));

    testing_support::ScratchDir dir;  // one byte that is no UTF-8 makes the whole input Latin-1
    EXPECT_TRUE(InputIsUtf8(dir.Write("u16.txt", std::string("\xFF\xFEh\0i\0", 6)), nullptr));
    EXPECT_TRUE(InputIsUtf8(dir.Write("u8.txt", "a\n\xC3\xA9\n"), nullptr));
    EXPECT_FALSE(InputIsUtf8(dir.Write("l1.txt", "\xC3\xA9\n\xE9\n"), nullptr));
    // The file is read in blocks of a megabyte: characters cut by a block's end or by a
    // line end, and the mark that spreadsheet exports put in front.
    for (size_t before : {(1u << 20) - 1, (1u << 20) - 2, (1u << 20) - 3}) {
        const std::string lead(before, 'a');
        EXPECT_TRUE(InputIsUtf8(dir.Write("cut.txt", lead + "\xF0\x9F\x98\x80\n"), nullptr));
        EXPECT_FALSE(InputIsUtf8(dir.Write("bad.txt", lead + "\xF0\x9F\x98\n"), nullptr));
    }
    EXPECT_FALSE(InputIsUtf8(dir.Write("split.txt", "\xC3\n\xA9"), nullptr));
    EXPECT_FALSE(InputIsUtf8(dir.Write("end.txt", "abc\xE2\x82"), nullptr));
    EXPECT_FALSE(InputIsUtf8(dir.Write("bom.txt", "\xEF\xBB\xBFplain\n"), nullptr));
}

}  // namespace
}  // namespace tabulyst
