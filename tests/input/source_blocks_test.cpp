// Block definitions followed through the lines the source reader delivers.
#include "input/source_blocks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/source_reader.h"

namespace tabulyst {
namespace {

using Lines = std::vector<std::string>;
using F = BlockDirectiveFault;

TEST(SourceBlocksTest, DefinitionsResetsIgnoredSectionsAndFaults) {
    const std::vector<TextString> source = {
        "$_$_DEFINE_BLOCK HTML_FOOTER extra words",
        "<p>old\tfooter</p>",
        "$_$_END_BLOCK",
        "$_$_BEGIN_IGNORE",
        "$_$_DEFINE_BLOCK HTML_HEADER",  // ignored: defines nothing
        "$_$_END_BLOCK",
        "$_$_END_IGNORE",
        "$_$_DEFINE_HTML_FRAGMENT HTML_FOOTER",  // a later definition replaces the first
        "<p>new</p>",
        "$_$_RESET_HTML_FRAGMENT X",  // a reset inside a definition is refused
        "$_$_END_BLOCK",
        "$_$_DEFINE_BLOCK HEAD_SCRIPT",
        "$_$_END_BLOCK",
        "$_$_RESET_BLOCK HEAD_SCRIPT",
        "$_$_RESET_BLOCK",
        "$_$_DEFINE_VARIABLE",
        "$_$_END_BLOCK",
        "$_$_DEFINE_BLOCK OPEN",
        "text",
    };
    SourceReader reader;
    reader.SetMemoryRead(&source);
    ASSERT_TRUE(reader.OpenForReading(""));
    SourceBlocks blocks;
    std::vector<F> faults;
    for (SourceLine line; ReadSourceLine(reader, line);)
        faults.push_back(blocks.Take(line, "$_$_"));
    EXPECT_EQ(faults, (std::vector<F>{F::None, F::None, F::None, F::None, F::None, F::None, F::None,
                                      F::None, F::None, F::Recursive, F::None, F::None, F::None,
                                      F::None, F::FailedToParse, F::FailedToParse,
                                      F::EndNotExpected, F::None, F::None}));
    ASSERT_NE(blocks.Find("HTML_FOOTER"), nullptr);
    EXPECT_EQ(*blocks.Find("HTML_FOOTER"), Lines{"<p>new</p>"});
    EXPECT_EQ(blocks.Find("HTML_HEADER"), nullptr);
    EXPECT_EQ(blocks.Find("HEAD_SCRIPT"), nullptr) << "reset";
    EXPECT_EQ(blocks.UnendedDefinition(), 18);
}

TEST(SourceBlocksTest, ADefinitionKeepsAMegabyteAtMost) {
    std::vector<TextString> source = {"$_$_DEFINE_BLOCK HTML_FOOTER"};
    const std::string line(999, 'x');  // a thousand bytes a line, its line feed counted
    for (int i = 0; i < 1100; ++i) source.emplace_back(line);
    source.emplace_back("$_$_END_BLOCK");
    SourceReader reader;
    reader.SetMemoryRead(&source);
    ASSERT_TRUE(reader.OpenForReading(""));
    SourceBlocks blocks;
    std::vector<int> tooLong;
    for (SourceLine line; ReadSourceLine(reader, line);)
        if (blocks.Take(line, "$_$_") == F::TooLong) tooLong.push_back(line.lineNumber);
    EXPECT_EQ(tooLong, std::vector<int>{1050}) << "reported once, where it outgrows 1048576";
    ASSERT_NE(blocks.Find("HTML_FOOTER"), nullptr);
    EXPECT_EQ(blocks.Find("HTML_FOOTER")->size(), 1048u);
}

}  // namespace
}  // namespace tabulyst
