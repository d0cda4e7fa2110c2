#include "convert/qualifiers.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "convert/convert_test_support.h"

namespace tabulyst {
namespace {

// Parses one line into a fresh context; the run lines are kept in the sink's buffer.
struct Parsed : testing_support::QuietContext {
    TextString rest;
    explicit Parsed(const std::string& line) : rest(line) { ParseQualifiers(rest, context); }
    const CommandOptions& o() const { return context.options; }
    std::string Messages() const { return context.sink.runBuffer.Str(); }
};

const std::string kUnrecognised = "SESSION: *** Unrecognised, ambiguous or repeated qualifiers : ";

TEST(QualifiersTest, TheRunLinesOfEachLine) {
    const struct {
        const char* line;
        std::string messages;
    } cases[] = {
        {"/lo", ""},
        {"/LOG", ""},
        {"/Log", ""},
        {"/l", kUnrecognised + "/l "},
        {"/co", kUnrecognised + "/co "},
        {"/LOGFILE", "SESSION: Illegal Qualifier : /LOGFILE\n" + kUnrecognised + "/LOGFILE "},
        {"/rtf /RTF", kUnrecognised + "/RTF "},
        {"/log=notes.txt", "SESSION: Can't use \".txt\" for a log file.  Changing to \".log\""},
        {"/log=run.lst", ""},
        {"/output=out/x.pol",
         "SESSION: Can't use \".pol\" for an output file.  Changing to \".html\""},
        {"/index=dir.dat",
         "SESSION: Can't use \".dat\" for an index file.  Changing to \".html\""},
        {"/output=/srv/htdocs/out/*.html /log=/home/lo/run.log", ""},
        {"/log=\"run one.log", "SESSION: Missing end-quote in qualifier value /LOG"},
        {"/log= x.txt", "SESSION: Missing value after \"=\" for qualifier /LOG"},
        {"/ctx_in", "SESSION: Value missing for /CTX_IN qualifier"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(Parsed(test.line).Messages(), test.messages) << test.line;
}

TEST(QualifiersTest, AbbreviationsDownToTheMinimum) {
    for (const char* line : {"/lo", "/LOG", "/Log"}) {
        EXPECT_TRUE(Parsed(line).o().createLog) << line;
        EXPECT_EQ(Parsed(line).o().logName.Str(), "Pagelyst.log") << line;
    }
    Parsed tooShort("/l"), ambiguous("/co");
    EXPECT_FALSE(tooShort.o().createLog || tooShort.o().listFiles);
    const CommandOptions& co = ambiguous.o();
    EXPECT_FALSE(co.commaDelimited || co.console || co.addContents);
    // A word longer than the qualifier is illegal.
    EXPECT_FALSE(Parsed("/LOGFILE").o().createLog);

    Parsed tabs("/tabb /tabl /tag /sil /sim");
    EXPECT_TRUE(tabs.o().tabDelimited);
    EXPECT_TRUE(tabs.o().plainTable);
    EXPECT_TRUE(tabs.o().showTags);
    EXPECT_FALSE(tabs.o().display);
    EXPECT_TRUE(tabs.o().simple);

    // A repeated qualifier is applied once.
    Parsed twice("/rtf /RTF");
    EXPECT_TRUE(twice.o().rtf);
    EXPECT_EQ(twice.context.targetFormat, 1);
}

TEST(QualifiersTest, Values) {
    EXPECT_EQ(Parsed("/log=notes.txt").o().logName.Str(), "notes.log");
    EXPECT_EQ(Parsed("/log=/var/tmp/run.DAT").o().logName.Str(), "/var/tmp/run.log");
    EXPECT_EQ(Parsed("/log=run.lst").o().logName.Str(), "run.lst");
    Parsed output("/output=out/x.pol");
    EXPECT_EQ(output.o().outputExtension.Str(), ".html");
    EXPECT_EQ(output.o().outputSpec.Str(), "out/x.html");
    Parsed index("/index=dir.dat");
    EXPECT_TRUE(index.o().makeIndex);
    EXPECT_EQ(index.o().indexName.Str(), "dir.html");

    // Slashes inside a value belong to it: "/htdocs" is no /HTML.
    Parsed slashes("/output=/srv/htdocs/out/*.html /log=/home/lo/run.log");
    EXPECT_EQ(slashes.o().outputDirectory.Str(), "/srv/htdocs/out/");
    EXPECT_EQ(slashes.o().outputName.Str(), "*");
    EXPECT_EQ(slashes.o().outputExtension.Str(), ".html");
    EXPECT_EQ(slashes.o().logName.Str(), "/home/lo/run.log");
    EXPECT_FALSE(slashes.o().htmlSource);
    EXPECT_EQ(slashes.o().fileList.Str(), "");

    Parsed quoted("/output=\"my dir/out file.htm\" data.txt");
    EXPECT_EQ(quoted.o().outputSpec.Str(), "my dir/out file.htm");
    EXPECT_EQ(quoted.o().outputName.Str(), "out file");
    EXPECT_EQ(quoted.o().fileList.Str(), "data.txt");
    EXPECT_EQ(Parsed("/log=\"run one.log").o().logName.Str(), "run one.log");

    Parsed blankAfterEquals("/log= x.txt");
    EXPECT_TRUE(blankAfterEquals.o().createLog);
    EXPECT_EQ(blankAfterEquals.o().logName.Str(), "Pagelyst.log");
    EXPECT_EQ(blankAfterEquals.o().fileList.Str(), "x.txt");

    EXPECT_FALSE(Parsed("/ctx_in").o().contextInput);
    Parsed given("/ctx_in=ctx.txt");
    EXPECT_TRUE(given.o().contextInput);
    EXPECT_EQ(given.o().contextInputName.Str(), "ctx.txt");
}

TEST(QualifiersTest, ConsoleOutputDropsTheFileOutputs) {
    Parsed p("/console /output=o/x.html /index");
    EXPECT_TRUE(p.o().console);
    EXPECT_FALSE(p.o().makeIndex);
    EXPECT_TRUE(p.o().outputSpec.Empty());
    EXPECT_TRUE(p.o().outputDirectory.Empty());
    EXPECT_FALSE(p.o().display);
}

TEST(QualifiersTest, LeftOverWordsArePolicyFileAndFileList) {
    Parsed p("a.pol /rtf first.txt b.POL  second.csv");
    EXPECT_EQ(p.o().policyFile.Str(), "b.POL");
    EXPECT_EQ(p.o().fileList.Str(), "first.txt second.csv");
}

TEST(QualifiersTest, HelpPrintsTheUsageOnceAndRunLinesGoToStandardErrorUnlessSilent) {
    std::ostringstream usage;
    PrintUsage(usage);
    for (const char* line : {"/?", "/he", "/HELP /?"}) {
        Parsed p(line);
        EXPECT_TRUE(p.o().help) << line;
        EXPECT_EQ(p.out.str(), usage.str()) << line;
    }
    EXPECT_EQ(Parsed("/rtf").out.str(), "");

    EXPECT_EQ(Parsed("/l").err.str(), "*** Unrecognised, ambiguous or repeated qualifiers : /l \n");
    EXPECT_EQ(Parsed("/silent /l").err.str(), "");
}

}  // namespace
}  // namespace tabulyst
