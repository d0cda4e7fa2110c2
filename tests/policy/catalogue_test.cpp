// The catalogue against the list of keys, kinds, defaults, groups and sections.
#include "policy/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "policy/fc.h"

using namespace tabulyst;

namespace {

constexpr Kind Bo = Kind::Boolean, In = Kind::Integer, Al = Kind::Alignment, Tx = Kind::Text,
               Co = Kind::Colour, Fo = Kind::Font, Ch = Kind::Choice;

struct Row {
    const char* key;
    Kind kind;
    int group;
    const char* value;  // the default; a number for Boolean, Integer, Alignment and Choice
    bool optional = false;
};

// Every key as the policy catalogue lists it, by section ("" when never written); fonts
// and the title as a set without a linked target builds them.
const struct {
    const char* header;
    std::vector<Row> rows;
} kSections[] = {
    {"[Table generation]",
     {{"Minimum TABLE column separation", In, 2, "1", true}, {"Expect sparse tables", Bo, 2, "0"},
      {"Ignore table header during analysis", Bo, 2, "0"}, {"Add TABLE WIDTH markup", Bo, 3, "0"},
      {"Default TABLE even row colour", Co, 4, "E0F0E0"}, {"Default TABLE alignment", Al, 4, "0"},
      {"Default TABLE odd row colour", Co, 4, "F0F0F0"}, {"Attempt TABLE generation", Bo, 4, "1"},
      {"Column boundaries have zero width", Bo, 2, "0"}, {"Table extending factor", In, 2, "5"},
      {"Default TABLE cell spacing", In, 4, "2", true}, {"Column merging factor", In, 2, "5"},
      {"Default TABLE cell padding", In, 4, "2", true}, {"Default TABLE colour", Co, 4, ""},
      {"Default TABLE delimiter character", Tx, 4, ""}, {"Default table layout", Tx, 2, ""},
      {"Default TABLE border size", In, 4, "0", true}, {"Use <CODE>..</CODE> markup", Bo, 4, "0"},
      {"Default TABLE header rows", In, 2, "0", true}, {"Default TABLE border colour", Co, 4, ""},
      {"Default TABLE header cols", In, 2, "0", true}, {"Default TABLE width", Tx, 4, ""},
      {"Use percentage widths in tables", Bo, 3, "0"}, {"Colour data rows", Bo, 4, "0"},
      {"Could be blank line separated", Bo, 4, "1"}, {"Default TABLE cell alignment", Al, 4, "0"},
      {"Convert TABLE X-refs to links", Bo, 4, "0"}}},
    {"",
     {{"Colour tables with DOT_LEADERS", Bo, 3, "0"}, {"Generate diagnostics files", Bo, 3, "0"},
      {"Output log filename", Tx, 3, "Pagelyst.log"}, {"Scope COLOUR tags globally", Bo, 3, "1"},
      {"<P> inside list usage code", In, 3, "1"}, {"Output policy filename", Tx, 3, ""},
      {"Default TABLE caption", Tx, 4, ""}, {"Show Tags in output", Bo, 4, "0"},
      {"Output policy file", Bo, 3, "0"}, {"Create a log file", Bo, 3, "0"},
      {"Display messages", Bo, 4, "1"}, {"Output directory", Tx, 3, ""},
      {"Input directory", Tx, 2, ""}}},
    {"[Merrill]",
     {{"Use incremental indentation markup", Bo, 3, "0"}, {"Indentation markup code", In, 3, "0"},
      {"Apply FONT to empty table cells", Bo, 3, "0"}, {"Add FONT style markup", Bo, 3, "1"},
      {"Use of Microsoft entities code", In, 3, "0"}, {"Add FONT size markup", Bo, 3, "1"},
      {"Use of HTML 4.0 entities code", In, 3, "0"}, {"Add emphasis and bold markup", Bo, 3, "1"},
      {"Add FONT face markup", Bo, 3, "1"}, {"List markup code", In, 3, "0"},
      {"Add FONT markup", Bo, 3, "0"}}},
    {"[General Analysis]",
     {{"Input file contains Japanese characters", Bo, 1, "0"}, {"Text justification", Al, 2, "1"},
      {"Input file contains UNICODE characters", Bo, 1, "0"}, {"Expect code samples", Bo, 2, "0"},
      {"Input file contains DOS characters", Bo, 1, "0"}, {"Search for definitions", Bo, 2, "1"},
      {"Input file contains MIME encoding", Bo, 1, "0"}, {"Short line length", In, 2, "-1", true},
      {"Expect blank lines between paras", Bo, 2, "1"}, {"Min chapter size", In, 2, "8", true},
      {"Look for MAIL and USENET headers", Bo, 2, "1"}, {"Look for indentation", Bo, 2, "1"},
      {"Preserve new paragraph offset", Bo, 4, "1"}, {"Look for character encodings", Bo, 1, "1"},
      {"Input file contains PCL codes", Bo, 1, "0"}, {"New Paragraph Offset", In, 2, "-1", true},
      {"Input file is double spaced", Bo, 1, "0"}, {"Input file has page markers", Bo, 1, "0"},
      {"Page marker size (in lines)", In, 1, "0"}, {"Look for hanging paragraphs", Bo, 2, "1"},
      {"Input file has change bars", Bo, 1, "0"}, {"Look for preformatted text", Bo, 2, "1"},
      {"Look for horizontal rulers", Bo, 2, "1"}, {"Minimum ruler length", In, 2, "4", true},
      {"Look for short lines", Bo, 2, "1"}, {"Look for white space", Bo, 2, "1"},
      {"Look for quoted text", Bo, 2, "1"}, {"Look for diagrams", Bo, 2, "1"},
      {"Look for bullets", Bo, 2, "1"}, {"Keep it simple", Bo, 2, "0"}, {"TAB size", In, 2, "8"},
      {"Page Width", In, 2, "80"}}},
    {"[File generation]",
     {{"Preserve file structure using <PRE>", Bo, 3, "0"}, {"Output file extension", Tx, 3, ""},
      {"Omit <HEAD> and <BODY> from output", Bo, 1, "0"}, {"Minimise HTML file size", Bo, 3, "0"},
      {"Lines to ignore at start of file", In, 3, "0"}, {"Min HTML file size", In, 3, "-1", true},
      {"Lines to ignore at end of file", In, 3, "0"}, {"HTML version to be targeted", Ch, 3, "2"},
      {"Treat each line as a paragraph", Bo, 2, "0"}, {"Break up long HTML lines", Bo, 4, "1"},
      {"Preserve line structure", Bo, 2, "0"}, {"Use .HTM extension", Bo, 3, "0"},
      {"Split level", In, 3, "-1", true}, {"Add navigation bar", Bo, 3, "0"},
      {"Use DOS filenames", Bo, 3, "0"}, {"DOS filename root", Tx, 3, ""}}},
    {"[Added HTML]",
     {{"Document Title", Tx, 3, "Converted from \"[[FILENAME]]\""}, {"Text Colour", Co, 3, ""},
      {"Suppress all colour markup", Bo, 3, "0"}, {"Use first heading as Title", Bo, 3, "0"},
      {"Suppress all font markup", Bo, 3, "0"}, {"Use first line as Title", Bo, 3, "0"},
      {"Unvisited Link Colour", Co, 3, ""}, {"Document Description", Tx, 3, ""},
      {"Visited Link Colour", Co, 3, ""}, {"HTML fragments file", Tx, 3, ""},
      {"Character encoding", Tx, 1, ""}, {"Active Link Colour", Co, 3, ""},
      {"Document Keywords", Tx, 3, ""}, {"Background Colour", Co, 3, ""},
      {"Document Base URL", Tx, 3, ""}, {"HTML Script file", Tx, 3, ""},
      {"HTML header file", Tx, 3, ""}, {"HTML footer file", Tx, 3, ""},
      {"Background Image", Tx, 3, ""}}},
    {"[Style]",
     {{"Default font", Fo, 3, "Times New Roman, Regular, 12"}, {"Headings Colour", Co, 3, ""},
      {"Table of Contents font", Fo, 3, "Arial, Regular, 12"}, {"Style file", Tx, 3, ""},
      {"Table font", Fo, 3, "Times New Roman, Regular, 12"}, {"Document Style Sheet", Tx, 3, ""},
      {"Automatic centring tolerance", In, 2, "2", true}, {"Base FONT Size in pts", In, 3, "12"},
      {"Fixed font", Fo, 3, "Courier New, Regular, 10"}, {"Allow automatic centring", Bo, 2, "0"},
      {"Font stretch factor (in percent)", In, 3, "0"}, {"Highlight Definition Text", Bo, 4, "0"},
      {"Use <DL> markup for defn. paras", Bo, 4, "1"}, {"Use CSS to implement fonts", Bo, 3, "1"},
      {"Use <P> markup for paragraphs", Bo, 4, "1"}, {"Use <EM> and <STRONG> markup", Bo, 3, "1"},
      {"Heading font", Fo, 3, "Arial, Regular, 12"}, {"Allow definitions inside PRE", Bo, 4, "1"},
      {"Create embedded style sheet", Bo, 3, "0"}, {"Ignore multiple blank lines", Bo, 4, "0"},
      {"Smallest allowed <Hn> tag", In, 3, "4"}, {"Largest allowed <Hn> tag", In, 3, "2"},
      {"Delta FONT size in pts", In, 3, "0"}, {"Label style classes", Bo, 4, "0"},
      {"Scope for font tags", In, 3, "1"}, {"Search for emphasis", Bo, 4, "1"}}},
    {"[Messages]",
     {{"Suppress program ERROR messages", Bo, 3, "0"}, {"Suppress WARNING messages", Bo, 3, "0"},
      {"Error reporting level", In, 4, "5", true}, {"Suppress TAG ERROR messages", Bo, 3, "0"},
      {"Suppress INFO messages", Bo, 3, "0"}, {"Suppress URL messages", Bo, 3, "1"}}},
    {"[Added RTF]",
     {{"First line indentation (in blocks)", In, 4, "0"}, {"Language (for proofing)", Ch, 3, "1"},
      {"Make Windows Help source file", Bo, 3, "0"}, {"Bottom margin (in cm)", Tx, 3, "2.54"},
      {"Right margin (in cm)", Tx, 3, "3.175"}, {"Left margin (in cm)", Tx, 3, "3.175"},
      {"Top margin (in cm)", Tx, 3, "2.54"}, {"Document Company name", Tx, 3, ""},
      {"Use Landscape mode", Bo, 3, "0"}, {"Use of RTF Styles", In, 3, "1"},
      {"Document Category", Tx, 3, ""}, {"Document Comments", Tx, 3, ""},
      {"Document Subject", Tx, 3, ""}, {"Document Manager", Tx, 3, ""},
      {"Mirror margins", Bo, 3, "0"}, {"Document Author", Tx, 3, ""}, {"Paper size", Ch, 3, "1"}}},
    {"[Tagging]",
     {{"Suppress <Hn> markup for headings", Bo, 3, "0"}, {"Comment generation code", In, 3, "0"},
      {"Directive delimiter", Tx, 2, "$_$_"}, {"Monitor tag generation", Bo, 3, "0"},
      {"Remove redundant tags", Bo, 4, "0"}, {"Start tag delimiter", Tx, 2, "[["},
      {"End tag delimiter", Tx, 2, "]]"}, {"Avoid Tag breaks", Bo, 3, "0"}}},
    {"[Bullets]",
     {{"Expect Roman Numeral bullets", Bo, 2, "1"}, {"Expect alphabetic bullets", Bo, 2, "1"},
      {"Recognise '-' as a bullet", Bo, 2, "1"}, {"Recognise 'o' as a bullet", Bo, 2, "1"},
      {"Expect Numbered bullets", Bo, 2, "1"}}},
    {"[Headings]",
     {{"Number of words to include in filename", In, 3, "4"}, {"Heading key phrases", Tx, 2, ""},
      {"Check indentation for consistency", Bo, 2, "1"}, {"Expect Numbered Headings", Bo, 2, "1"},
      {"Preserve underlining of headings", Bo, 4, "1"}, {"Expect Embedded Headings", Bo, 2, "0"},
      {"Expect Capitalised Headings", Bo, 2, "1"}, {"Expect Second Word Headings", Bo, 2, "0"},
      {"Expect Underlined Headings", Bo, 2, "1"}, {"First Section Number", In, 2, "1"}}},
    {"[Pre-formatted text]", {{"Minimum automatic <PRE> size", In, 2, "-1", true}}},
    {"[Composition Units]", {{"Input file is a composition unit", Bo, 1, "0"}}},
    {"[Frames]",
     {{"Only allow pages to be viewed in frames", Bo, 3, "0"}, {"Add NOFRAMES links", Bo, 3, "1"},
      {"Number of levels in contents frame", In, 3, "0"}, {"First frame page number", In, 3, "1"},
      {"Use main header in header frame", Bo, 3, "1"}, {"Contents frame text colour", Co, 3, ""},
      {"Use main footer in footer frame", Bo, 3, "1"}, {"Place document in frames", Bo, 3, "0"},
      {"Contents frame background colour", Co, 3, ""}, {"Header frame text colour", Co, 3, ""},
      {"Add contents frame if possible", Bo, 3, "1"}, {"Footer frame text colour", Co, 3, ""},
      {"Open frame links in new window", Bo, 3, "1"}, {"Contents frame width", Tx, 3, "200"},
      {"New frame link window name", Tx, 3, "_top"}, {"Output frame name", Tx, 3, "*_frame.html"},
      {"Header frame background colour", Co, 3, ""}, {"Header frame depth", Tx, 3, "100"},
      {"Footer frame background colour", Co, 3, ""}, {"Footer frame depth", Tx, 3, "100"},
      {"Add frame border", Bo, 3, "1"}, {"NOFRAMES link URL", Tx, 3, ""}}},
    {"[Hyperlinks]",
     {{"Allow email beginning with numbers", Bo, 4, "0"}, {"Only use known groups", Bo, 4, "1"},
      {"Open links in new browser window", Bo, 4, "0"}, {"Cross-refs at level", In, 4, "2", true},
      {"Only allow explicit FTP links", Bo, 4, "1"}, {"New browser window name", Tx, 4, "other"},
      {"Add <BR> to lines with URLs", Bo, 4, "0"}, {"Check domain name syntax", Bo, 4, "1"},
      {"Create mailto links", Bo, 4, "1"}, {"Create Gopher links", Bo, 4, "1"},
      {"Create Telnet links", Bo, 4, "1"}, {"Create hyperlinks", Bo, 4, "1"},
      {"Create NEWS links", Bo, 4, "1"}, {"Create FTP links", Bo, 4, "1"}}},
    {"[Contents]",
     {{"Maximum level to show in contents", In, 3, "0", true}, {"Add contents list", Bo, 3, "0"},
      {"Add mail headers to contents list", Bo, 3, "1"}, {"Contents anchors level", In, 3, "1"},
      {"Generate external contents file", Bo, 1, "0"}, {"Hyperlinks on numbers", Bo, 3, "0"},
      {"Use any existing contents list", Bo, 3, "1"}, {"Expect Contents List", Bo, 2, "1"},
      {"External contents list filename", Tx, 3, ""}, {"Contents style code", In, 3, "0"},
      {"Add anchors to contents list", Bo, 3, "1"}}},
    {"[Directory Page]",
     {{"Directory return hyperlink text", Tx, 4, "Directory"}, {"Directory filename", Tx, 3, ""},
      {"Show file Titles in Directory", Bo, 3, "1"}, {"Indent headings in Directory", Bo, 3, "1"},
      {"Directory Description", Tx, 3, ""}, {"Directory Script file", Tx, 3, ""},
      {"Directory header file", Tx, 3, ""}, {"Directory footer file", Tx, 3, ""},
      {"Directory Keywords", Tx, 3, ""}, {"Make Directory", Bo, 3, "0"},
      {"Directory Title", Tx, 3, ""}}},
    {"[Preprocessor]", {{"Use Preprocessor", Bo, 2, "1"}}},
    {"[Page Formatting]",
     {{"CENTER whole document", Bo, 3, "0"}, {"Indent whole document", Bo, 3, "0"}}},
    {"[Link Dictionary]", {{"Link Dictionary file", Tx, 4, ""}}},
    {"[Text Substitution]", {{"Text substitution file", Tx, 4, ""}}},
};

}  // namespace

TEST(Catalogue, EveryKeyHasItsKindDefaultGroupAndSection) {
    // Kept by other modules only, and the dictionary, read through its include key.
    const P unread[] = {P::DefaultTableCaption, P::ColourTablesWithDotLeaders,
                        P::PInsideListUsageCode, P::LinkDictionaryFile};
    FC fc;
    int count = 0;
    for (const auto& section : kSections)
        for (const Row& row : section.rows) {
            SCOPED_TRACE(row.key);
            ++count;
            const PolicyDef* def = FindDef(row.key);
            ASSERT_NE(def, nullptr);
            EXPECT_EQ(def->kind, row.kind);
            EXPECT_EQ(def->group, row.group);
            EXPECT_EQ(SectionHeader(def->section), section.header);
            EXPECT_EQ(def->written(), *section.header != '\0');
            EXPECT_EQ(def->readable(), std::find(std::begin(unread), std::end(unread), def->id) ==
                                           std::end(unread));
            EXPECT_EQ(def->optional(), row.optional);
            EXPECT_EQ(fc.Record(def->id).Key().View(), row.key);
            EXPECT_EQ(fc.Record(def->id).Group(), row.group);
            EXPECT_FALSE(fc.IsSet(def->id));
            const bool text = row.kind == Tx || row.kind == Co || row.kind == Fo;
            EXPECT_EQ(text ? fc.Text(def->id).Str() : std::to_string(fc.Value(def->id)), row.value);
        }
    EXPECT_EQ(count, kPolicyCount);
}

TEST(Catalogue, LongerKeyIsOfferedBeforeItsPrefix) {
    auto rows = Catalogue();
    for (size_t i = 0; i < rows.size(); ++i)
        for (size_t j = i + 1; j < rows.size(); ++j)
            EXPECT_FALSE(rows[i].readable() && rows[j].readable() &&
                         StartsWithNoCase(rows[j].key, rows[i].key))
                << rows[i].key << " would claim the lines of " << rows[j].key;
}

TEST(Catalogue, ChoiceLists) {
    EXPECT_STREQ(Def(P::PaperSize).choices, "A4,Letter,Legal,Executive");
    EXPECT_STREQ(Def(P::HtmlVersionToBeTargeted).choices,
                 "HTML 3.2,HTML 4.0 Transitional,HTML 4.0 Strict");
    TextString languages(Def(P::LanguageForProofing).choices);
    EXPECT_EQ(languages.CountChar(','), 77);
    TextString word;
    ASSERT_TRUE(languages.GetWord(78, ',', word));
    EXPECT_EQ(word.View(), "Ukrainian");
}
