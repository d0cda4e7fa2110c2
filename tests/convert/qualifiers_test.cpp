#include "convert/qualifiers.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <utility>

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

using O = CommandOptions;
const std::string kUnknown = "SESSION: *** Unrecognised, ambiguous or repeated qualifiers : ";
const std::string kCantUse = "SESSION: Can't use \"";
const char* const kTabs = "/tabb /tabl /tag /sil /sim";
const char* const kSlashes = "/output=/srv/htdocs/out/*.html /log=/home/lo/run.log";
const char* const kQuoted = "/output=\"my dir/out file.htm\" data.txt";
const char* const kConsole = "/console /output=o/x.html /index";
const char* const kLeftOver = "a.pol /rtf first.txt b.POL  second.csv";

TEST(QualifiersTest, TheRunLinesOfEachLine) {
    const std::pair<const char*, std::string> cases[] = {
        {"/l", kUnknown + "/l "},
        {"/LOGFILE", "SESSION: Illegal Qualifier : /LOGFILE\n" + kUnknown + "/LOGFILE "},
        {"/rtf /RTF", kUnknown + "/RTF "},
        {"/log=notes.txt", kCantUse + ".txt\" for a log file.  Changing to \".log\""},
        {"/output=out/x.pol", kCantUse + ".pol\" for an output file.  Changing to \".html\""},
        {"/index=dir.dat", kCantUse + ".dat\" for an index file.  Changing to \".html\""},
        {"/log=\"run one.log", "SESSION: Missing end-quote in qualifier value /LOG"},
        {"/log= x.txt", "SESSION: Missing value after \"=\" for qualifier /LOG"},
        {"/ctx_in", "SESSION: Value missing for /CTX_IN qualifier"},
    };
    for (const auto& [line, messages] : cases) EXPECT_EQ(Parsed(line).Messages(), messages) << line;
}

TEST(QualifiersTest, TheFlagsEachLineSets) {
    const std::tuple<const char*, bool O::*, bool> cases[] = {
        // Abbreviations down to the minimum; a word longer than the qualifier is illegal.
        {"/lo", &O::createLog, true},
        {"/l", &O::createLog, false},
        {"/co", &O::commaDelimited, false},
        {"/LOGFILE", &O::createLog, false},
        {kTabs, &O::tabDelimited, true},
        {kTabs, &O::plainTable, true},
        {kTabs, &O::display, false},
        // A repeated qualifier is applied once.
        {"/index=dir.dat", &O::makeIndex, true},
        {kSlashes, &O::htmlSource, false},
        {"/ctx_in=ctx.txt", &O::contextInput, true},
        // Console output drops the file outputs.
        {kConsole, &O::console, true},
        {kConsole, &O::makeIndex, false},
        {kConsole, &O::display, false},
    };
    for (const auto& [line, flag, value] : cases) EXPECT_EQ(Parsed(line).o().*flag, value) << line;
    EXPECT_EQ(Parsed("/rtf /RTF").context.settings.target, OutputFormat::Rtf);
}

TEST(QualifiersTest, TheValuesEachLineSets) {
    const std::tuple<const char*, TextString O::*, const char*> cases[] = {
        {"/lo", &O::logName, "Pagelyst.log"},
        // Refused extensions are changed.
        {"/log=notes.txt", &O::logName, "notes.log"},
        {"/output=out/x.pol", &O::outputExtension, ".html"},
        {"/output=out/x.pol", &O::outputSpec, "out/x.html"},
        {"/index=dir.dat", &O::indexName, "dir.html"},
        // Slashes inside a value belong to it: "/htdocs" is no /HTML.
        {kSlashes, &O::outputDirectory, "/srv/htdocs/out/"},
        {kSlashes, &O::fileList, ""},
        // Quoted values, and values missing.
        {kQuoted, &O::outputSpec, "my dir/out file.htm"},
        {kQuoted, &O::fileList, "data.txt"},
        {"/log=\"run one.log", &O::logName, "run one.log"},
        {"/log= x.txt", &O::fileList, "x.txt"},
        {kConsole, &O::outputSpec, ""},
        // Left-over words are the policy file (the last one) and the file list.
        {kLeftOver, &O::policyFile, "b.POL"},
        {kLeftOver, &O::fileList, "first.txt second.csv"},
    };
    for (const auto& [line, text, value] : cases)
        EXPECT_EQ((Parsed(line).o().*text).Str(), value) << line;
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
