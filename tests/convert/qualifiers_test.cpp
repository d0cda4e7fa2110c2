#include "convert/qualifiers.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "convert/convert_test_support.h"

namespace tabulyst {
namespace {

using testing_support::QuietContext;

// Parses one line into a fresh context; the run lines are kept in the sink's buffer.
struct Parsed : QuietContext {
    TextString rest;
    explicit Parsed(const std::string& line) : rest(line) { ParseQualifiers(rest, context); }
    const CommandOptions& o() const { return context.options; }
    std::string Messages() const { return context.sink.runBuffer.Str(); }
};

TEST(QualifiersTest, AbbreviationsDownToTheMinimum) {
    for (const char* line : {"/lo", "/LOG", "/Log"}) {
        Parsed p(line);
        EXPECT_TRUE(p.o().createLog) << line;
        EXPECT_EQ(p.o().logName.Str(), "Pagelyst.log") << line;
        EXPECT_EQ(p.Messages(), "") << line;
    }
    Parsed tooShort("/l");
    EXPECT_FALSE(tooShort.o().createLog);
    EXPECT_FALSE(tooShort.o().listFiles);
    EXPECT_EQ(tooShort.Messages(), "SESSION: *** Unrecognised, ambiguous or repeated qualifiers : /l ");

    Parsed ambiguous("/co");
    EXPECT_FALSE(ambiguous.o().commaDelimited);
    EXPECT_FALSE(ambiguous.o().console);
    EXPECT_FALSE(ambiguous.o().addContents);
    EXPECT_EQ(ambiguous.Messages(), "SESSION: *** Unrecognised, ambiguous or repeated qualifiers : /co ");

    Parsed tabs("/tabb /tabl /tag /sil /sim");
    EXPECT_TRUE(tabs.o().tabDelimited);
    EXPECT_TRUE(tabs.o().plainTable);
    EXPECT_TRUE(tabs.o().showTags);
    EXPECT_FALSE(tabs.o().display);
    EXPECT_TRUE(tabs.o().simple);
}

TEST(QualifiersTest, AWordLongerThanTheQualifierIsIllegalAndStays) {
    Parsed p("/LOGFILE");
    EXPECT_FALSE(p.o().createLog);
    EXPECT_EQ(p.Messages(),
              "SESSION: Illegal Qualifier : /LOGFILE\n"
              "SESSION: *** Unrecognised, ambiguous or repeated qualifiers : /LOGFILE ");
}

TEST(QualifiersTest, ARepeatedQualifierIsAppliedOnceAndReported) {
    Parsed p("/rtf /RTF");
    EXPECT_TRUE(p.o().rtf);
    EXPECT_EQ(p.context.targetFormat, 1);
    EXPECT_EQ(p.Messages(), "SESSION: *** Unrecognised, ambiguous or repeated qualifiers : /RTF ");
}

TEST(QualifiersTest, RefusedExtensionsAreChanged) {
    Parsed log("/log=notes.txt");
    EXPECT_EQ(log.o().logName.Str(), "notes.log");
    EXPECT_EQ(log.Messages(), "SESSION: Can't use \".txt\" for a log file.  Changing to \".log\"");

    Parsed inDirectory("/log=/var/tmp/run.DAT");
    EXPECT_EQ(inDirectory.o().logName.Str(), "/var/tmp/run.log");

    Parsed kept("/log=run.lst");
    EXPECT_EQ(kept.o().logName.Str(), "run.lst");
    EXPECT_EQ(kept.Messages(), "");

    Parsed output("/output=out/x.pol");
    EXPECT_EQ(output.o().outputExtension.Str(), ".html");
    EXPECT_EQ(output.o().outputSpec.Str(), "out/x.html");
    EXPECT_EQ(output.Messages(), "SESSION: Can't use \".pol\" for an output file.  Changing to \".html\"");

    Parsed index("/index=dir.dat");
    EXPECT_TRUE(index.o().makeIndex);
    EXPECT_EQ(index.o().indexName.Str(), "dir.html");
    EXPECT_EQ(index.Messages(), "SESSION: Can't use \".dat\" for an index file.  Changing to \".html\"");
}

TEST(QualifiersTest, SlashesInsideAValueBelongToIt) {
    Parsed p("/output=/srv/htdocs/out/*.html /log=/home/lo/run.log");
    EXPECT_EQ(p.o().outputDirectory.Str(), "/srv/htdocs/out/");
    EXPECT_EQ(p.o().outputName.Str(), "*");
    EXPECT_EQ(p.o().outputExtension.Str(), ".html");
    EXPECT_EQ(p.o().logName.Str(), "/home/lo/run.log");
    EXPECT_FALSE(p.o().htmlSource);  // "/htdocs" is no /HTML
    EXPECT_EQ(p.Messages(), "");
    EXPECT_EQ(p.o().fileList.Str(), "");
}

TEST(QualifiersTest, QuotedValuesAndMissingValues) {
    Parsed quoted("/output=\"my dir/out file.htm\" data.txt");
    EXPECT_EQ(quoted.o().outputSpec.Str(), "my dir/out file.htm");
    EXPECT_EQ(quoted.o().outputName.Str(), "out file");
    EXPECT_EQ(quoted.o().fileList.Str(), "data.txt");

    Parsed noEndQuote("/log=\"run one.log");
    EXPECT_EQ(noEndQuote.o().logName.Str(), "run one.log");
    EXPECT_EQ(noEndQuote.Messages(), "SESSION: Missing end-quote in qualifier value /LOG");

    Parsed blankAfterEquals("/log= x.txt");
    EXPECT_TRUE(blankAfterEquals.o().createLog);
    EXPECT_EQ(blankAfterEquals.o().logName.Str(), "Pagelyst.log");
    EXPECT_EQ(blankAfterEquals.o().fileList.Str(), "x.txt");
    EXPECT_EQ(blankAfterEquals.Messages(), "SESSION: Missing value after \"=\" for qualifier /LOG");

    Parsed required("/ctx_in");
    EXPECT_FALSE(required.o().contextInput);
    EXPECT_EQ(required.Messages(), "SESSION: Value missing for /CTX_IN qualifier");
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

TEST(QualifiersTest, HelpPrintsTheUsageOnce) {
    for (const char* line : {"/?", "/he", "/HELP /?"}) {
        Parsed p(line);
        EXPECT_TRUE(p.o().help) << line;
        std::ostringstream usage;
        PrintUsage(usage);
        EXPECT_EQ(p.out.str(), usage.str()) << line;
    }
    Parsed none("/rtf");
    EXPECT_EQ(none.out.str(), "");
}

TEST(QualifiersTest, RunLinesGoToStandardErrorUnlessSilent) {
    Parsed shown("/l");
    EXPECT_EQ(shown.err.str(), "*** Unrecognised, ambiguous or repeated qualifiers : /l \n");
    Parsed silent("/silent /l");
    EXPECT_EQ(silent.err.str(), "");
}

}  // namespace
}  // namespace tabulyst
