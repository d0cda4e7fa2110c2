// The catalogue against the list of keys, kinds, defaults, groups and sections.
#include "policy/catalogue.h"

#include <gtest/gtest.h>

#include "policy/fc.h"

using namespace tabulyst;

namespace {

struct Expected {
    const char* key;
    Kind kind;
    int value;         // Boolean, Integer, Alignment, Choice
    const char* text;  // Text, Colour, Font
    int group;
    const char* section;  // empty when never written
    bool optional;
};

// Every key as the policy catalogue lists it; fonts and the title as a set without a
// linked target builds them.
const Expected kExpected[] = {
    {"Use <CODE>..</CODE> markup", Kind::Boolean, 0, nullptr, 4, "[Table generation]", false},
    {"Attempt TABLE generation", Kind::Boolean, 1, nullptr, 4, "[Table generation]", false},
    {"Default TABLE border size", Kind::Integer, 0, nullptr, 4, "[Table generation]", true},
    {"Default TABLE header rows", Kind::Integer, 0, nullptr, 2, "[Table generation]", true},
    {"Default TABLE header cols", Kind::Integer, 0, nullptr, 2, "[Table generation]", true},
    {"Default TABLE cell spacing", Kind::Integer, 2, nullptr, 4, "[Table generation]", true},
    {"Default TABLE cell padding", Kind::Integer, 2, nullptr, 4, "[Table generation]", true},
    {"Default TABLE cell alignment", Kind::Alignment, 0, nullptr, 4, "[Table generation]", false},
    {"Default TABLE alignment", Kind::Alignment, 0, nullptr, 4, "[Table generation]", false},
    {"Default TABLE colour", Kind::Colour, 0, "", 4, "[Table generation]", false},
    {"Default TABLE border colour", Kind::Colour, 0, "", 4, "[Table generation]", false},
    {"Colour data rows", Kind::Boolean, 0, nullptr, 4, "[Table generation]", false},
    {"Default TABLE odd row colour", Kind::Colour, 0, "F0F0F0", 4, "[Table generation]", false},
    {"Default TABLE even row colour", Kind::Colour, 0, "E0F0E0", 4, "[Table generation]", false},
    {"Add TABLE WIDTH markup", Kind::Boolean, 0, nullptr, 3, "[Table generation]", false},
    {"Could be blank line separated", Kind::Boolean, 1, nullptr, 4, "[Table generation]", false},
    {"Use percentage widths in tables", Kind::Boolean, 0, nullptr, 3, "[Table generation]", false},
    {"Default TABLE delimiter character", Kind::Text, 0, "", 4, "[Table generation]", false},
    {"Default TABLE width", Kind::Text, 0, "", 4, "[Table generation]", false},
    {"Convert TABLE X-refs to links", Kind::Boolean, 0, nullptr, 4, "[Table generation]", false},
    {"Minimum TABLE column separation", Kind::Integer, 1, nullptr, 2, "[Table generation]", true},
    {"Expect sparse tables", Kind::Boolean, 0, nullptr, 2, "[Table generation]", false},
    {"Table extending factor", Kind::Integer, 5, nullptr, 2, "[Table generation]", false},
    {"Column merging factor", Kind::Integer, 5, nullptr, 2, "[Table generation]", false},
    {"Ignore table header during analysis", Kind::Boolean, 0, nullptr, 2, "[Table generation]", false},
    {"Default table layout", Kind::Text, 0, "", 2, "[Table generation]", false},
    {"Column boundaries have zero width", Kind::Boolean, 0, nullptr, 2, "[Table generation]", false},
    {"Default TABLE caption", Kind::Text, 0, "", 4, "", false},
    {"Colour tables with DOT_LEADERS", Kind::Boolean, 0, nullptr, 3, "", false},
    {"Apply FONT to empty table cells", Kind::Boolean, 0, nullptr, 3, "[Merrill]", false},
    {"TAB size", Kind::Integer, 8, nullptr, 2, "[General Analysis]", false},
    {"Lines to ignore at start of file", Kind::Integer, 0, nullptr, 3, "[File generation]", false},
    {"Lines to ignore at end of file", Kind::Integer, 0, nullptr, 3, "[File generation]", false},
    {"Input directory", Kind::Text, 0, "", 2, "", false},
    {"Output directory", Kind::Text, 0, "", 3, "", false},
    {"Output file extension", Kind::Text, 0, "", 3, "[File generation]", false},
    {"Use .HTM extension", Kind::Boolean, 0, nullptr, 3, "[File generation]", false},
    {"Use DOS filenames", Kind::Boolean, 0, nullptr, 3, "[File generation]", false},
    {"DOS filename root", Kind::Text, 0, "", 3, "[File generation]", false},
    {"HTML version to be targeted", Kind::Choice, 2, nullptr, 3, "[File generation]", false},
    {"Omit <HEAD> and <BODY> from output", Kind::Boolean, 0, nullptr, 1, "[File generation]", false},
    {"Minimise HTML file size", Kind::Boolean, 0, nullptr, 3, "[File generation]", false},
    {"Break up long HTML lines", Kind::Boolean, 1, nullptr, 4, "[File generation]", false},
    {"Document Title", Kind::Text, 0, "Converted from \"[[FILENAME]]\"", 3, "[Added HTML]", false},
    {"Document Keywords", Kind::Text, 0, "", 3, "[Added HTML]", false},
    {"Document Description", Kind::Text, 0, "", 3, "[Added HTML]", false},
    {"HTML Script file", Kind::Text, 0, "", 3, "[Added HTML]", false},
    {"Character encoding", Kind::Text, 0, "", 1, "[Added HTML]", false},
    {"HTML header file", Kind::Text, 0, "", 3, "[Added HTML]", false},
    {"HTML footer file", Kind::Text, 0, "", 3, "[Added HTML]", false},
    {"Text Colour", Kind::Colour, 0, "", 3, "[Added HTML]", false},
    {"Background Colour", Kind::Colour, 0, "", 3, "[Added HTML]", false},
    {"Background Image", Kind::Text, 0, "", 3, "[Added HTML]", false},
    {"Unvisited Link Colour", Kind::Colour, 0, "", 3, "[Added HTML]", false},
    {"Visited Link Colour", Kind::Colour, 0, "", 3, "[Added HTML]", false},
    {"Active Link Colour", Kind::Colour, 0, "", 3, "[Added HTML]", false},
    {"Suppress all colour markup", Kind::Boolean, 0, nullptr, 3, "[Added HTML]", false},
    {"Suppress all font markup", Kind::Boolean, 0, nullptr, 3, "[Added HTML]", false},
    {"Document Style Sheet", Kind::Text, 0, "", 3, "[Style]", false},
    {"Create embedded style sheet", Kind::Boolean, 0, nullptr, 3, "[Style]", false},
    {"Default font", Kind::Font, 0, "Times New Roman, Regular, 12", 3, "[Style]", false},
    {"Table font", Kind::Font, 0, "Times New Roman, Regular, 12", 3, "[Style]", false},
    {"Fixed font", Kind::Font, 0, "Courier New, Regular, 10", 3, "[Style]", false},
    {"Base FONT Size in pts", Kind::Integer, 12, nullptr, 3, "[Style]", false},
    {"Delta FONT size in pts", Kind::Integer, 0, nullptr, 3, "[Style]", false},
    {"Use CSS to implement fonts", Kind::Boolean, 1, nullptr, 3, "[Style]", false},
    {"Error reporting level", Kind::Integer, 5, nullptr, 4, "[Messages]", true},
    {"Suppress URL messages", Kind::Boolean, 1, nullptr, 3, "[Messages]", false},
    {"Suppress INFO messages", Kind::Boolean, 0, nullptr, 3, "[Messages]", false},
    {"Suppress WARNING messages", Kind::Boolean, 0, nullptr, 3, "[Messages]", false},
    {"Suppress program ERROR messages", Kind::Boolean, 0, nullptr, 3, "[Messages]", false},
    {"Suppress TAG ERROR messages", Kind::Boolean, 0, nullptr, 3, "[Messages]", false},
    {"Display messages", Kind::Boolean, 1, nullptr, 4, "", false},
    {"Create a log file", Kind::Boolean, 0, nullptr, 3, "", false},
    {"Output log filename", Kind::Text, 0, "Pagelyst.log", 3, "", false},
    {"Output policy file", Kind::Boolean, 0, nullptr, 3, "", false},
    {"Output policy filename", Kind::Text, 0, "", 3, "", false},
    {"Generate diagnostics files", Kind::Boolean, 0, nullptr, 3, "", false},
    {"Input file contains DOS characters", Kind::Boolean, 0, nullptr, 1, "[General Analysis]", false},
    {"Language (for proofing)", Kind::Choice, 1, nullptr, 3, "[Added RTF]", false},
    {"Use of RTF Styles", Kind::Integer, 1, nullptr, 3, "[Added RTF]", false},
    {"Paper size", Kind::Choice, 1, nullptr, 3, "[Added RTF]", false},
    {"Use Landscape mode", Kind::Boolean, 0, nullptr, 3, "[Added RTF]", false},
    {"Top margin (in cm)", Kind::Text, 0, "2.54", 3, "[Added RTF]", false},
    {"Bottom margin (in cm)", Kind::Text, 0, "2.54", 3, "[Added RTF]", false},
    {"Left margin (in cm)", Kind::Text, 0, "3.175", 3, "[Added RTF]", false},
    {"Right margin (in cm)", Kind::Text, 0, "3.175", 3, "[Added RTF]", false},
    {"Mirror margins", Kind::Boolean, 0, nullptr, 3, "[Added RTF]", false},
    {"Document Subject", Kind::Text, 0, "", 3, "[Added RTF]", false},
    {"Document Author", Kind::Text, 0, "", 3, "[Added RTF]", false},
    {"Document Manager", Kind::Text, 0, "", 3, "[Added RTF]", false},
    {"Document Category", Kind::Text, 0, "", 3, "[Added RTF]", false},
    {"Document Comments", Kind::Text, 0, "", 3, "[Added RTF]", false},
    {"Document Company name", Kind::Text, 0, "", 3, "[Added RTF]", false},
    {"Add FONT markup", Kind::Boolean, 0, nullptr, 3, "[Merrill]", false},
    {"Add FONT size markup", Kind::Boolean, 1, nullptr, 3, "[Merrill]", false},
    {"Add FONT style markup", Kind::Boolean, 1, nullptr, 3, "[Merrill]", false},
    {"Add FONT face markup", Kind::Boolean, 1, nullptr, 3, "[Merrill]", false},
    {"Add emphasis and bold markup", Kind::Boolean, 1, nullptr, 3, "[Merrill]", false},
    {"Use of Microsoft entities code", Kind::Integer, 0, nullptr, 3, "[Merrill]", false},
    {"Use of HTML 4.0 entities code", Kind::Integer, 0, nullptr, 3, "[Merrill]", false},
    {"Indentation markup code", Kind::Integer, 0, nullptr, 3, "[Merrill]", false},
    {"Use incremental indentation markup", Kind::Boolean, 0, nullptr, 3, "[Merrill]", false},
    {"List markup code", Kind::Integer, 0, nullptr, 3, "[Merrill]", false},
    {"Avoid Tag breaks", Kind::Boolean, 0, nullptr, 3, "[Tagging]", false},
    {"Comment generation code", Kind::Integer, 0, nullptr, 3, "[Tagging]", false},
    {"Remove redundant tags", Kind::Boolean, 0, nullptr, 4, "[Tagging]", false},
    {"Start tag delimiter", Kind::Text, 0, "[[", 2, "[Tagging]", false},
    {"End tag delimiter", Kind::Text, 0, "]]", 2, "[Tagging]", false},
    {"Directive delimiter", Kind::Text, 0, "$_$_", 2, "[Tagging]", false},
    {"Monitor tag generation", Kind::Boolean, 0, nullptr, 3, "[Tagging]", false},
    {"Suppress <Hn> markup for headings", Kind::Boolean, 0, nullptr, 3, "[Tagging]", false},
    {"Search for definitions", Kind::Boolean, 1, nullptr, 2, "[General Analysis]", false},
    {"Page Width", Kind::Integer, 80, nullptr, 2, "[General Analysis]", false},
    {"Text justification", Kind::Alignment, 1, nullptr, 2, "[General Analysis]", false},
    {"Expect blank lines between paras", Kind::Boolean, 1, nullptr, 2, "[General Analysis]", false},
    {"New Paragraph Offset", Kind::Integer, -1, nullptr, 2, "[General Analysis]", true},
    {"Preserve new paragraph offset", Kind::Boolean, 1, nullptr, 4, "[General Analysis]", false},
    {"Input file contains Japanese characters", Kind::Boolean, 0, nullptr, 1, "[General Analysis]", false},
    {"Input file contains PCL codes", Kind::Boolean, 0, nullptr, 1, "[General Analysis]", false},
    {"Input file contains UNICODE characters", Kind::Boolean, 0, nullptr, 1, "[General Analysis]", false},
    {"Input file contains MIME encoding", Kind::Boolean, 0, nullptr, 1, "[General Analysis]", false},
    {"Input file is double spaced", Kind::Boolean, 0, nullptr, 1, "[General Analysis]", false},
    {"Input file has change bars", Kind::Boolean, 0, nullptr, 1, "[General Analysis]", false},
    {"Input file has page markers", Kind::Boolean, 0, nullptr, 1, "[General Analysis]", false},
    {"Page marker size (in lines)", Kind::Integer, 0, nullptr, 1, "[General Analysis]", false},
    {"Keep it simple", Kind::Boolean, 0, nullptr, 2, "[General Analysis]", false},
    {"Min chapter size", Kind::Integer, 8, nullptr, 2, "[General Analysis]", true},
    {"Look for indentation", Kind::Boolean, 1, nullptr, 2, "[General Analysis]", false},
    {"Look for short lines", Kind::Boolean, 1, nullptr, 2, "[General Analysis]", false},
    {"Look for bullets", Kind::Boolean, 1, nullptr, 2, "[General Analysis]", false},
    {"Look for white space", Kind::Boolean, 1, nullptr, 2, "[General Analysis]", false},
    {"Look for MAIL and USENET headers", Kind::Boolean, 1, nullptr, 2, "[General Analysis]", false},
    {"Look for quoted text", Kind::Boolean, 1, nullptr, 2, "[General Analysis]", false},
    {"Look for preformatted text", Kind::Boolean, 1, nullptr, 2, "[General Analysis]", false},
    {"Look for diagrams", Kind::Boolean, 1, nullptr, 2, "[General Analysis]", false},
    {"Look for character encodings", Kind::Boolean, 1, nullptr, 1, "[General Analysis]", false},
    {"Short line length", Kind::Integer, -1, nullptr, 2, "[General Analysis]", true},
    {"Expect code samples", Kind::Boolean, 0, nullptr, 2, "[General Analysis]", false},
    {"Look for horizontal rulers", Kind::Boolean, 1, nullptr, 2, "[General Analysis]", false},
    {"Look for hanging paragraphs", Kind::Boolean, 1, nullptr, 2, "[General Analysis]", false},
    {"Minimum ruler length", Kind::Integer, 4, nullptr, 2, "[General Analysis]", true},
    {"Expect Numbered bullets", Kind::Boolean, 1, nullptr, 2, "[Bullets]", false},
    {"Expect alphabetic bullets", Kind::Boolean, 1, nullptr, 2, "[Bullets]", false},
    {"Expect Roman Numeral bullets", Kind::Boolean, 1, nullptr, 2, "[Bullets]", false},
    {"Recognise '-' as a bullet", Kind::Boolean, 1, nullptr, 2, "[Bullets]", false},
    {"Recognise 'o' as a bullet", Kind::Boolean, 1, nullptr, 2, "[Bullets]", false},
    {"First Section Number", Kind::Integer, 1, nullptr, 2, "[Headings]", false},
    {"Expect Numbered Headings", Kind::Boolean, 1, nullptr, 2, "[Headings]", false},
    {"Expect Underlined Headings", Kind::Boolean, 1, nullptr, 2, "[Headings]", false},
    {"Expect Capitalised Headings", Kind::Boolean, 1, nullptr, 2, "[Headings]", false},
    {"Expect Embedded Headings", Kind::Boolean, 0, nullptr, 2, "[Headings]", false},
    {"Number of words to include in filename", Kind::Integer, 4, nullptr, 3, "[Headings]", false},
    {"Preserve underlining of headings", Kind::Boolean, 1, nullptr, 4, "[Headings]", false},
    {"Check indentation for consistency", Kind::Boolean, 1, nullptr, 2, "[Headings]", false},
    {"Heading key phrases", Kind::Text, 0, "", 2, "[Headings]", false},
    {"Expect Second Word Headings", Kind::Boolean, 0, nullptr, 2, "[Headings]", false},
    {"Minimum automatic <PRE> size", Kind::Integer, -1, nullptr, 2, "[Pre-formatted text]", true},
    {"Use first heading as Title", Kind::Boolean, 0, nullptr, 3, "[Added HTML]", false},
    {"Use first line as Title", Kind::Boolean, 0, nullptr, 3, "[Added HTML]", false},
    {"Document Base URL", Kind::Text, 0, "", 3, "[Added HTML]", false},
    {"HTML fragments file", Kind::Text, 0, "", 3, "[Added HTML]", false},
    {"First line indentation (in blocks)", Kind::Integer, 0, nullptr, 4, "[Added RTF]", false},
    {"Make Windows Help source file", Kind::Boolean, 0, nullptr, 3, "[Added RTF]", false},
    {"Input file is a composition unit", Kind::Boolean, 0, nullptr, 1, "[Composition Units]", false},
    {"Place document in frames", Kind::Boolean, 0, nullptr, 3, "[Frames]", false},
    {"Output frame name", Kind::Text, 0, "*_frame.html", 3, "[Frames]", false},
    {"Header frame depth", Kind::Text, 0, "100", 3, "[Frames]", false},
    {"Footer frame depth", Kind::Text, 0, "100", 3, "[Frames]", false},
    {"Contents frame width", Kind::Text, 0, "200", 3, "[Frames]", false},
    {"Use main header in header frame", Kind::Boolean, 1, nullptr, 3, "[Frames]", false},
    {"Use main footer in footer frame", Kind::Boolean, 1, nullptr, 3, "[Frames]", false},
    {"Add contents frame if possible", Kind::Boolean, 1, nullptr, 3, "[Frames]", false},
    {"Add frame border", Kind::Boolean, 1, nullptr, 3, "[Frames]", false},
    {"Open frame links in new window", Kind::Boolean, 1, nullptr, 3, "[Frames]", false},
    {"New frame link window name", Kind::Text, 0, "_top", 3, "[Frames]", false},
    {"Add NOFRAMES links", Kind::Boolean, 1, nullptr, 3, "[Frames]", false},
    {"NOFRAMES link URL", Kind::Text, 0, "", 3, "[Frames]", false},
    {"Only allow pages to be viewed in frames", Kind::Boolean, 0, nullptr, 3, "[Frames]", false},
    {"First frame page number", Kind::Integer, 1, nullptr, 3, "[Frames]", false},
    {"Number of levels in contents frame", Kind::Integer, 0, nullptr, 3, "[Frames]", false},
    {"Header frame background colour", Kind::Colour, 0, "", 3, "[Frames]", false},
    {"Header frame text colour", Kind::Colour, 0, "", 3, "[Frames]", false},
    {"Contents frame background colour", Kind::Colour, 0, "", 3, "[Frames]", false},
    {"Contents frame text colour", Kind::Colour, 0, "", 3, "[Frames]", false},
    {"Footer frame background colour", Kind::Colour, 0, "", 3, "[Frames]", false},
    {"Footer frame text colour", Kind::Colour, 0, "", 3, "[Frames]", false},
    {"Create hyperlinks", Kind::Boolean, 1, nullptr, 4, "[Hyperlinks]", false},
    {"Create mailto links", Kind::Boolean, 1, nullptr, 4, "[Hyperlinks]", false},
    {"Create FTP links", Kind::Boolean, 1, nullptr, 4, "[Hyperlinks]", false},
    {"Create NEWS links", Kind::Boolean, 1, nullptr, 4, "[Hyperlinks]", false},
    {"Create Gopher links", Kind::Boolean, 1, nullptr, 4, "[Hyperlinks]", false},
    {"Create Telnet links", Kind::Boolean, 1, nullptr, 4, "[Hyperlinks]", false},
    {"Check domain name syntax", Kind::Boolean, 1, nullptr, 4, "[Hyperlinks]", false},
    {"Only use known groups", Kind::Boolean, 1, nullptr, 4, "[Hyperlinks]", false},
    {"Only allow explicit FTP links", Kind::Boolean, 1, nullptr, 4, "[Hyperlinks]", false},
    {"Allow email beginning with numbers", Kind::Boolean, 0, nullptr, 4, "[Hyperlinks]", false},
    {"Open links in new browser window", Kind::Boolean, 0, nullptr, 4, "[Hyperlinks]", false},
    {"New browser window name", Kind::Text, 0, "other", 4, "[Hyperlinks]", false},
    {"Add <BR> to lines with URLs", Kind::Boolean, 0, nullptr, 4, "[Hyperlinks]", false},
    {"Cross-refs at level", Kind::Integer, 2, nullptr, 4, "[Hyperlinks]", true},
    {"Split level", Kind::Integer, -1, nullptr, 3, "[File generation]", true},
    {"Min HTML file size", Kind::Integer, -1, nullptr, 3, "[File generation]", true},
    {"Add navigation bar", Kind::Boolean, 0, nullptr, 3, "[File generation]", false},
    {"Treat each line as a paragraph", Kind::Boolean, 0, nullptr, 2, "[File generation]", false},
    {"Preserve line structure", Kind::Boolean, 0, nullptr, 2, "[File generation]", false},
    {"Preserve file structure using <PRE>", Kind::Boolean, 0, nullptr, 3, "[File generation]", false},
    {"Add contents list", Kind::Boolean, 0, nullptr, 3, "[Contents]", false},
    {"Expect Contents List", Kind::Boolean, 1, nullptr, 2, "[Contents]", false},
    {"Use any existing contents list", Kind::Boolean, 1, nullptr, 3, "[Contents]", false},
    {"Generate external contents file", Kind::Boolean, 0, nullptr, 1, "[Contents]", false},
    {"External contents list filename", Kind::Text, 0, "", 3, "[Contents]", false},
    {"Hyperlinks on numbers", Kind::Boolean, 0, nullptr, 3, "[Contents]", false},
    {"Maximum level to show in contents", Kind::Integer, 0, nullptr, 3, "[Contents]", true},
    {"Contents style code", Kind::Integer, 0, nullptr, 3, "[Contents]", false},
    {"Add anchors to contents list", Kind::Boolean, 1, nullptr, 3, "[Contents]", false},
    {"Contents anchors level", Kind::Integer, 1, nullptr, 3, "[Contents]", false},
    {"Add mail headers to contents list", Kind::Boolean, 1, nullptr, 3, "[Contents]", false},
    {"Make Directory", Kind::Boolean, 0, nullptr, 3, "[Directory Page]", false},
    {"Directory filename", Kind::Text, 0, "", 3, "[Directory Page]", false},
    {"Show file Titles in Directory", Kind::Boolean, 1, nullptr, 3, "[Directory Page]", false},
    {"Indent headings in Directory", Kind::Boolean, 1, nullptr, 3, "[Directory Page]", false},
    {"Directory Title", Kind::Text, 0, "", 3, "[Directory Page]", false},
    {"Directory Keywords", Kind::Text, 0, "", 3, "[Directory Page]", false},
    {"Directory Description", Kind::Text, 0, "", 3, "[Directory Page]", false},
    {"Directory return hyperlink text", Kind::Text, 0, "Directory", 4, "[Directory Page]", false},
    {"Directory Script file", Kind::Text, 0, "", 3, "[Directory Page]", false},
    {"Directory header file", Kind::Text, 0, "", 3, "[Directory Page]", false},
    {"Directory footer file", Kind::Text, 0, "", 3, "[Directory Page]", false},
    {"Use Preprocessor", Kind::Boolean, 1, nullptr, 2, "[Preprocessor]", false},
    {"Label style classes", Kind::Boolean, 0, nullptr, 4, "[Style]", false},
    {"Highlight Definition Text", Kind::Boolean, 0, nullptr, 4, "[Style]", false},
    {"Use <P> markup for paragraphs", Kind::Boolean, 1, nullptr, 4, "[Style]", false},
    {"Use <DL> markup for defn. paras", Kind::Boolean, 1, nullptr, 4, "[Style]", false},
    {"Allow automatic centring", Kind::Boolean, 0, nullptr, 2, "[Style]", false},
    {"Automatic centring tolerance", Kind::Integer, 2, nullptr, 2, "[Style]", true},
    {"Smallest allowed <Hn> tag", Kind::Integer, 4, nullptr, 3, "[Style]", false},
    {"Largest allowed <Hn> tag", Kind::Integer, 2, nullptr, 3, "[Style]", false},
    {"Headings Colour", Kind::Colour, 0, "", 3, "[Style]", false},
    {"Style file", Kind::Text, 0, "", 3, "[Style]", false},
    {"Heading font", Kind::Font, 0, "Arial, Regular, 12", 3, "[Style]", false},
    {"Table of Contents font", Kind::Font, 0, "Arial, Regular, 12", 3, "[Style]", false},
    {"Font stretch factor (in percent)", Kind::Integer, 0, nullptr, 3, "[Style]", false},
    {"Scope for font tags", Kind::Integer, 1, nullptr, 3, "[Style]", false},
    {"Ignore multiple blank lines", Kind::Boolean, 0, nullptr, 4, "[Style]", false},
    {"Search for emphasis", Kind::Boolean, 1, nullptr, 4, "[Style]", false},
    {"Use <EM> and <STRONG> markup", Kind::Boolean, 1, nullptr, 3, "[Style]", false},
    {"Allow definitions inside PRE", Kind::Boolean, 1, nullptr, 4, "[Style]", false},
    {"CENTER whole document", Kind::Boolean, 0, nullptr, 3, "[Page Formatting]", false},
    {"Indent whole document", Kind::Boolean, 0, nullptr, 3, "[Page Formatting]", false},
    {"Link Dictionary file", Kind::Text, 0, "", 4, "[Link Dictionary]", false},
    {"Text substitution file", Kind::Text, 0, "", 4, "[Text Substitution]", false},
    {"Show Tags in output", Kind::Boolean, 0, nullptr, 4, "", false},
    {"Scope COLOUR tags globally", Kind::Boolean, 1, nullptr, 3, "", false},
    {"<P> inside list usage code", Kind::Integer, 1, nullptr, 3, "", false},
};

}  // namespace

TEST(Catalogue, EveryKeyHasItsKindDefaultGroupAndSection) {
    static_assert(std::size(kExpected) == kPolicyCount);
    FC fc;
    for (const Expected& row : kExpected) {
        SCOPED_TRACE(row.key);
        const PolicyDef* def = FindDef(row.key);
        ASSERT_NE(def, nullptr);
        EXPECT_EQ(def->kind, row.kind);
        EXPECT_EQ(def->group, row.group);
        EXPECT_EQ(SectionHeader(def->section), row.section);
        EXPECT_EQ(def->optional(), row.optional);
        EXPECT_EQ(fc.Record(def->id).Key().View(), row.key);
        EXPECT_EQ(fc.Record(def->id).Group(), row.group);
        EXPECT_FALSE(fc.IsSet(def->id));
        if (row.text)
            EXPECT_EQ(fc.Text(def->id).View(), row.text);
        else
            EXPECT_EQ(fc.Value(def->id), row.value);
    }
}

TEST(Catalogue, WrittenAndReadableKeys) {
    // Kept by other Parts only: neither read from policy lines nor written.
    for (P id : {P::DefaultTableCaption, P::ColourTablesWithDotLeaders, P::PInsideListUsageCode}) {
        EXPECT_FALSE(Def(id).readable()) << Def(id).key;
        EXPECT_FALSE(Def(id).written()) << Def(id).key;
    }
    // Read but not written.
    for (P id : {P::InputDirectory, P::OutputDirectory, P::DisplayMessages, P::CreateALogFile,
                 P::OutputLogFilename, P::OutputPolicyFile, P::OutputPolicyFilename,
                 P::GenerateDiagnosticsFiles, P::ShowTagsInOutput, P::ScopeColourTagsGlobally}) {
        EXPECT_TRUE(Def(id).readable()) << Def(id).key;
        EXPECT_FALSE(Def(id).written()) << Def(id).key;
    }
    EXPECT_TRUE(Def(P::LinkDictionaryFile).written());
    EXPECT_FALSE(Def(P::LinkDictionaryFile).readable()) << "read through its include key";
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
