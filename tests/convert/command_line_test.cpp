#include "convert/command_line.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "convert/convert_test_support.h"

namespace tabulyst {
namespace {

using testing_support::QuietContext;
using testing_support::ScratchDir;

// The program run in a directory: its exit status and what it printed.
struct Program {
    int status = -1;
    std::string out, err;
};

Program RunProgram(const ScratchDir& dir, const std::string& arguments) {
    const std::string out = dir.Dir() + ".stdout", err = dir.Dir() + ".stderr";
    const std::string command = "cd '" + dir.Dir() + "' && '" + TABULYST_BINARY + "' " + arguments + " >'" +
                                out + "' 2>'" + err + "'";
    Program program;
    const int raw = std::system(command.c_str());
    program.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    program.out = ScratchDir::ReadFile(out);
    program.err = ScratchDir::ReadFile(err);
    return program;
}

const char* const kUsage =
    "Command is:  Pagelyst filespec1 filespec2 [policy_file.pol] [/qualifiers]\n"
    "\n"
    "Recognised qualifiers include\n"
    "   /COMMA               Input file is a comma-delimited table\n"
    "   /CONSOLE             Write HTML output to console\n"
    "   /CONTENTS            Generate contents list (if possible)\n"
    "   /DOS                 Generate DOS compatible 8.3 names\n"
    "   /FRAMES              Generate HTML output in FRAMES\n"
    "   /HELP                Display this useful list of commands (\"/?\" also works)\n"
    "   /HTML                Source file is HTML (as opposed to text)\n"
    "   /INDEX[=filename]    Generate a directory index of all files converted\n"
    "   /LOG[=filename]      Generate a .log file\n"
    "   /LIST[=filename]     Generate .lis and .lis1 diagnostic files\n"
    "   /OUTPUT[=filespec]   Filespec for output file(s)\n"
    "   /POLICY[=filename]   Document policies used in a .pol file\n"
    "   /RTF                 Generate RTF (instead of HTML)\n"
    "   /SILENT              Suppress all output messages (except these :-)\n"
    "   /SIMPLE              Treat file as structure-free \"simple\" file\n"
    "   /TABLE              Input file is plain text table\n"
    "   /TABBED              Input file is tab-delimited table\n"
    "Qualifiers are case insensitive and may be reduced to shortest unique\n"
    "name (e.g \"/lo\" for \"/log\")\n";

TEST(CommandLineTest, HelpVersionAndNoInput) {
    ScratchDir dir;
    Program help = RunProgram(dir, "--help");
    EXPECT_EQ(help.out, kUsage);
    EXPECT_EQ(help.status, 0);

    Program none = RunProgram(dir, "");
    EXPECT_EQ(none.out, kUsage);
    EXPECT_EQ(none.status, 2);

    Program version = RunProgram(dir, "--version");
    EXPECT_EQ(version.out, "Tabulyst 4.0\n");
    EXPECT_EQ(version.status, 0);
}

TEST(CommandLineTest, ParameterClasses) {
    ScratchDir dir;
    EXPECT_EQ(ClassifyParameter("-log"), ParameterClass::Qualifier);
    EXPECT_EQ(ClassifyParameter("--help"), ParameterClass::Qualifier);
    EXPECT_EQ(ClassifyParameter("/rtf"), ParameterClass::Qualifier);
    EXPECT_EQ(ClassifyParameter("/log=/tmp/run.log"), ParameterClass::Qualifier);
    EXPECT_EQ(ClassifyParameter("-output=/tmp/out/*.html"), ParameterClass::Qualifier);
    EXPECT_EQ(ClassifyParameter("/tmp/data.txt"), ParameterClass::FileSpecification);
    EXPECT_EQ(ClassifyParameter(dir.Path().string()), ParameterClass::FileSpecification);
    EXPECT_EQ(ClassifyParameter("/" + dir.Path().filename().string()), ParameterClass::Qualifier);
    EXPECT_EQ(ClassifyParameter("settings.POL"), ParameterClass::PolicyFile);
    EXPECT_EQ(ClassifyParameter("/etc/x.pol"), ParameterClass::PolicyFile);
    EXPECT_EQ(ClassifyParameter("list@host"), ParameterClass::Steering);
    EXPECT_EQ(ClassifyParameter("data.csv"), ParameterClass::FileSpecification);
}

TEST(CommandLineTest, ParametersFillTheOptions) {
    ScratchDir dir;
    const std::string data = dir.Write("d.csv", "a\n");
    QuietContext q;
    q.context.sink.runDisplay = false;
    const CommandLine line = ReadParameters(
        {"-log", "--rtf", data, "one.pol", "two.pol", "-output=" + dir.Dir() + "out dir/x.htm"}, q.context);
    EXPECT_TRUE(q.context.options.createLog);
    EXPECT_EQ(q.context.targetFormat, 1);
    EXPECT_EQ(q.context.options.policyFile.Str(), "two.pol");
    EXPECT_EQ(q.context.options.outputDirectory.Str(), dir.Dir() + "out dir/");
    ASSERT_EQ(line.files.size(), 1u);
    EXPECT_EQ(line.files[0].Str(), data);
    EXPECT_EQ(q.context.options.fileList.Str(), data);
}

TEST(CommandLineTest, FilesThatMatchNothingAreReported) {
    ScratchDir dir;
    std::filesystem::create_directory(dir.Path() / "sub");
    Program missing = RunProgram(dir, "missing.txt");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "ERROR: Unable to locate file \"" + dir.Dir() + "missing.txt\"\n");

    Program directory = RunProgram(dir, "sub");
    EXPECT_EQ(directory.status, 1);
    EXPECT_EQ(directory.err, "ERROR: Unable to locate file \"" + dir.Dir() + "sub\"\n");

    Program wildcard = RunProgram(dir, "'*.none'");
    EXPECT_EQ(wildcard.status, 1);
    EXPECT_NE(wildcard.err.find("ERROR: Unable to locate file"), std::string::npos);

    Program steering = RunProgram(dir, "list@host");
    EXPECT_EQ(steering.err, "ERROR: Steering files not yet supported\n");
}

TEST(CommandLineTest, AnEmptyFileIsConvertedAfterAWarning) {
    ScratchDir dir;
    dir.Write("empty.txt", "");
    Program run = RunProgram(dir, "empty.txt");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("WARNING: File is empty empty.txt\n"), std::string::npos);
    EXPECT_NE(dir.Read("empty.html").find("</HTML>"), std::string::npos);
}

TEST(CommandLineTest, InAscBecomesOut) {
    ScratchDir dir;
    dir.Write("in.asc", "a  b\n1  2\n");
    EXPECT_EQ(RunProgram(dir, "in.asc").status, 0);
    EXPECT_TRUE(std::filesystem::exists(dir.Dir() + "out.html"));
    EXPECT_FALSE(std::filesystem::exists(dir.Dir() + "in.html"));
}

TEST(CommandLineTest, ConsoleWritesTheDocumentToStandardOutput) {
    ScratchDir dir;
    dir.Write("t.csv", "a,b\n");
    Program run = RunProgram(dir, "-comma -console t.csv");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("<TABLE"), std::string::npos);
    EXPECT_NE(run.out.find("</HTML>"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.Dir() + "t.html"));
}

TEST(CommandLineTest, ASilentRunPrintsNothing) {
    ScratchDir dir;
    dir.Write("t.csv", "a,b\n");
    Program run = RunProgram(dir, "-silent -comma t.csv");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(std::filesystem::exists(dir.Dir() + "t.html"));
}

TEST(CommandLineTest, ARunOverSeveralFilesWritesItsLogInOrder) {
    ScratchDir dir;
    dir.Write("C.csv", "c,3\n");
    dir.Write("a.csv", "a,1\n");
    dir.Write("B.csv", "b,2\n");
    Program run = RunProgram(dir, "-comma -log=run.txt '*.csv'");
    EXPECT_EQ(run.status, 0);
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
    EXPECT_TRUE(std::filesystem::exists(dir.Dir() + "B.html"));
}

TEST(CommandLineTest, ARefusedFileDoesNotStopTheRunButFailsIt) {
    ScratchDir dir;
    dir.Write("a.html", "a,1\n");
    dir.Write("b.csv", "b,2\n");
    Program run = RunProgram(dir, "-comma a.html b.csv");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("ERROR: Output file would overwrite input file a.html\n"), std::string::npos);
    EXPECT_EQ(dir.Read("a.html"), "a,1\n");
    EXPECT_TRUE(std::filesystem::exists(dir.Dir() + "b.html"));
}

}  // namespace
}  // namespace tabulyst
