#include "convert/command_line.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "convert/convert_test_support.h"
#include "convert/qualifiers.h"

namespace tabulyst {
namespace {

using testing_support::Contains;
using testing_support::QuietContext;
using testing_support::ScratchDir;
namespace fs = std::filesystem;

// The program run in a directory: its exit status and what it printed.
struct Program {
    int status = -1;
    std::string out, err;
};

Program RunProgram(const ScratchDir& dir, const std::string& arguments) {
    const std::string out = dir.Dir() + ".stdout", err = dir.Dir() + ".stderr";
    const std::string command = "cd '" + dir.Dir() + "' && '" + TABULYST_BINARY + "' " + arguments +
                                " >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ScratchDir::ReadFile(out),
            ScratchDir::ReadFile(err)};
}

TEST(CommandLineTest, HelpVersionAndNoInput) {
    ScratchDir dir;
    std::ostringstream usage;
    PrintUsage(usage);
    const struct {
        const char* arguments;
        int status;
        std::string out;
    } cases[] = {
        {"--help", 0, usage.str()}, {"", 2, usage.str()}, {"--version", 0, "Tabulyst 4.0\n"}};
    for (const auto& test : cases) {
        Program run = RunProgram(dir, test.arguments);
        EXPECT_EQ(run.out, test.out) << test.arguments;
        EXPECT_EQ(run.status, test.status) << test.arguments;
    }
}

TEST(CommandLineTest, ParameterClasses) {
    ScratchDir dir;
    using C = ParameterClass;
    const std::pair<std::string, ParameterClass> cases[] = {
        {"-log", C::Qualifier},
        {"/rtf", C::Qualifier},
        {"-output=/tmp/out/*.html", C::Qualifier},
        {"/lo", C::Qualifier},
        // A "/" word that names no qualifier is a file, on this platform.
        {"/" + dir.Path().filename().string(), C::FileSpecification},
        {"/nonexist.txt", C::FileSpecification},
        {"/l", C::FileSpecification},
        {"/tmp/data.txt", C::FileSpecification},
        {dir.Path().string(), C::FileSpecification},
        {"settings.POL", C::PolicyFile},
        {"/etc/x.pol", C::PolicyFile},
        {"list@host", C::Steering},
    };
    for (const auto& [parameter, kind] : cases)
        EXPECT_EQ(ClassifyParameter(parameter), kind) << parameter;
}

TEST(CommandLineTest, ParametersFillTheOptions) {
    ScratchDir dir;
    const std::string data = dir.Write("d.csv", "a\n");
    QuietContext q;
    q.context.sink.runDisplay = false;
    const CommandLine line = ReadParameters(
        {"-log", "--rtf", data, "one.pol", "two.pol", "-output=" + dir.Dir() + "out dir/x.htm"},
        q.context);
    EXPECT_TRUE(q.context.options.createLog);
    EXPECT_EQ(q.context.settings.target, OutputFormat::Rtf);
    EXPECT_EQ(q.context.options.policyFile.Str(), "two.pol");
    EXPECT_EQ(q.context.options.outputDirectory.Str(), dir.Dir() + "out dir/");
    ASSERT_EQ(line.files.size(), 1u);
    EXPECT_EQ(line.files[0].Str(), data);
}

TEST(CommandLineTest, FilesThatMatchNothingAreReported) {
    ScratchDir dir;
    fs::create_directory(dir.Path() / "sub");
    const std::pair<std::string, std::string> cases[] = {
        {"missing.txt", "No such file or directory"}, {"sub", "it is a directory"}};
    for (const auto& [name, reason] : cases) {
        Program run = RunProgram(dir, name);
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_EQ(run.err,
                  "ERROR: Unable to locate file \"" + dir.Dir() + name + "\" (" + reason + ")\n");
    }
    Program wildcard = RunProgram(dir, "'*.none'");
    EXPECT_EQ(wildcard.status, 1);
    EXPECT_TRUE(Contains(wildcard.err, "ERROR: Unable to locate file"));
    EXPECT_EQ(RunProgram(dir, "list@host").err, "ERROR: Steering files not yet supported\n");
}

TEST(CommandLineTest, AnEmptyFileIsConvertedAfterAWarning) {
    ScratchDir dir;
    dir.Write("empty.txt", "");
    Program run = RunProgram(dir, "empty.txt");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(Contains(run.err, "WARNING: File is empty empty.txt\n"));
    EXPECT_FALSE(Contains(run.err, "ERROR"));
    EXPECT_TRUE(Contains(dir.Read("empty.html"), "</HTML>"));
}

TEST(CommandLineTest, ConsoleAndSilentRuns) {
    ScratchDir dir;
    dir.Write("t.csv", "a,b\n");
    Program console = RunProgram(dir, "-comma -console t.csv");
    EXPECT_EQ(console.status, 0);
    EXPECT_TRUE(Contains(console.out, "<TABLE"));
    EXPECT_TRUE(Contains(console.out, "</HTML>"));
    EXPECT_FALSE(fs::exists(dir.Dir() + "t.html"));

    // Guards a fault: the command options once missed the master set, so a silent run talked.
    Program silent = RunProgram(dir, "-silent -comma t.csv");
    EXPECT_EQ(silent.status, 0);
    EXPECT_EQ(silent.out + silent.err, "");
    EXPECT_TRUE(fs::exists(dir.Dir() + "t.html"));
}

TEST(CommandLineTest, ARunOverSeveralFilesWritesItsLogInOrder) {
    ScratchDir dir;
    dir.Write("C.csv", "c,3\n");
    dir.Write("a.csv", "a,1\n");
    dir.Write("B.csv", "b,2\n");
    EXPECT_EQ(RunProgram(dir, "-comma -log=run.txt '*.csv'").status, 0);
    const std::string row(50, '%');
    auto file = [&](const std::string& name) {
        return row + "\nProcessing : \"" + name + ".csv\"\n" + row + "\nProcessing \"" + name +
               ".csv\"\nGenerating HTML file " + name + ".html\n\n>>> Start of HTML file " + name +
               ".html <<<\n\n";
    };
    EXPECT_EQ(dir.Read("run.log"),
              "SESSION: Can't use \".txt\" for a log file.  Changing to \".log\"\n"
              "Generating log file run.log\n" +
                  file("a") + file("B") + file("C") +
                  "%%%%%%%%%%%%%%%%%%% Conversion complete %%%%%%%%%%%%%%%%%%\n");
    EXPECT_TRUE(fs::exists(dir.Dir() + "B.html"));
}

TEST(CommandLineTest, AnOutputThatWouldReplaceItsInputIsRefusedAndFailsTheRunLater) {
    ScratchDir dir;
    dir.Write("a.html", "a,1\n");
    dir.Write("b.csv", "b,2\n");
    Program run = RunProgram(dir, "-comma a.html b.csv");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(
        run.err, "ERROR: Output file a.html of a.html would overwrite input file a.html\n"));
    EXPECT_EQ(dir.Read("a.html"), "a,1\n");
    EXPECT_TRUE(fs::exists(dir.Dir() + "b.html"));
}

TEST(CommandLineTest, TheLogNeverReplacesWhatTheRunReadsOrWrites) {
    ScratchDir dir;
    dir.Write("d.csv", "d,1\n");
    // A log named like the input falls back to the fixed name; the input survives.
    Program input = RunProgram(dir, "-comma -log=d.csv d.csv");
    EXPECT_EQ(input.status, 0);
    EXPECT_EQ(dir.Read("d.csv"), "d,1\n");
    EXPECT_TRUE(Contains(input.err, "ERROR: Log file would overwrite input file d.csv\n"));
    EXPECT_TRUE(Contains(dir.Read("Pagelyst.log"), "Generating HTML file"));
    // A document that would replace the log is refused, and the run fails.
    Program output = RunProgram(dir, "-comma -log=d.html d.csv");
    EXPECT_EQ(output.status, 1);
    EXPECT_TRUE(Contains(output.err, "ERROR: Output file would overwrite log file d.html\n"));
    EXPECT_FALSE(Contains(dir.Read("d.html"), "<HTML>"));
}

TEST(CommandLineTest, ADocumentThatCannotBeCreatedFailsTheRun) {
    ScratchDir dir;
    dir.Write("d.csv", "d,1\n");
    Program run = RunProgram(dir, "-comma -output=" + dir.Dir() + "missing/x.html d.csv");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.err, "ERROR: Can't open file \"" + dir.Dir() + "missing/x.html\""));
}

}  // namespace
}  // namespace tabulyst
