// Whole runs of the program on inputs a careless or hostile user gives it: nothing of the
// user's is lost, no markup is broken, and every refusal says what is wrong and why.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "kept_documents.h"

namespace fs = std::filesystem;

namespace {

class HostileRun : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tabulyst-hostile-" +
                std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        tabulyst::testing_support::KeepDocumentsIn(
            testing::UnitTest::GetInstance()->current_test_info()->name(), dir_);
        fs::remove_all(dir_);
    }

    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Runs the program in the scratch directory; `messages` receives standard error.
    int Run(const std::string& arguments, std::string* messages = nullptr,
            const std::string& input = "", const std::string& before = "") {
        std::string command = "cd '" + dir_.string() + "' && " + before;
        if (!input.empty()) command += "printf '" + input + "' | ";
        command += "'" TABULYST_BINARY "' " + arguments + " >'" + (dir_ / "stdout.txt").string() +
                   "' 2>'" + (dir_ / "stderr.txt").string() + "'";
        const int status = std::system(command.c_str());
        if (messages) *messages = Read("stderr.txt");
        return WEXITSTATUS(status);
    }
    // The files of the scratch directory, hidden ones included.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
};

TEST_F(HostileRun, ADocumentNeverReplacesAnInputOrAnEarlierDocument) {
    Write("x.html", "IMPORTANT  DATA\n");
    Write("x.txt", "N  Q\nA  1\n");
    std::string messages;
    EXPECT_EQ(Run("x.txt x.html", &messages), 1);
    EXPECT_EQ(Read("x.html"), "IMPORTANT  DATA\n");
    EXPECT_NE(messages.find("ERROR: Output file x.html of x.txt would overwrite input file x.html"),
              std::string::npos)
        << messages;
    EXPECT_EQ(Run("'x.*'"), 1);  // the other order of the same two files
    EXPECT_EQ(Read("x.html"), "IMPORTANT  DATA\n");

    Write("a.txt", "N  Q\nA  1\n");
    Write("a.csv", "p,q\n");
    EXPECT_EQ(Run("a.txt a.csv", &messages), 1);
    EXPECT_NE(messages.find("a.html of a.csv would overwrite the output file of a.txt"),
              std::string::npos)
        << messages;
    EXPECT_NE(Read("a.html").find("N  Q"), std::string::npos);  // a.txt's, whole
    EXPECT_EQ(Read("a.html").find("p,q"), std::string::npos);
}

TEST_F(HostileRun, ConcurrentRunsLeaveOneWholeDocumentAndNoTemporaryFile) {
    std::string data = "k,v\n";
    for (int i = 0; i < 20000; ++i)
        data += "key" + std::to_string(i) + "," + std::to_string(i) + "\n";
    Write("d.csv", data);
    ASSERT_EQ(Run("-comma d.csv"), 0);
    const std::string alone = Read("d.html");
    const std::string command = "cd '" + dir_.string() +
                                "' && ('" TABULYST_BINARY
                                "' -silent -comma d.csv & '" TABULYST_BINARY
                                "' -silent -comma d.csv & wait)";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Read("d.html"), alone);
    for (const std::string& name : Names()) EXPECT_NE(name[0], '.') << name;
}

TEST_F(HostileRun, LongLinesBreakOnlyWhereTheDocumentStaysTheSame) {
    Write("n.tsv", "h\tx\n" + std::string(150, '&') + "\ty z\n");
    ASSERT_EQ(Run("-tabbed n.tsv"), 0);
    const std::string html = Read("n.html");
    std::istringstream lines(html);
    const std::regex entity("&(?![a-zA-Z]+;|#[0-9]+;)");
    for (std::string line; std::getline(lines, line);) {
        EXPECT_FALSE(std::regex_search(line, entity)) << "a cut entity: " << line;
        EXPECT_EQ(line.rfind("mp;", 0), std::string::npos) << line;
    }
    std::string word;
    for (int i = 0; i < 150; ++i) word += "&amp;";
    EXPECT_NE(html.find("<TD>" + word + "</TD>"), std::string::npos);  // whole, no blank added
}

TEST_F(HostileRun, EveryKindOfLineEndEndsALine) {
    Write("cr.csv", "a,b,c\r1,2,3\r\n4,5,6\n");
    ASSERT_EQ(Run("-comma cr.csv"), 0);
    const std::string html = Read("cr.html");
    for (const char* cell : {">c</TD>", ">1</TD>", ">4</TD>"})
        EXPECT_NE(html.find(cell), std::string::npos) << cell;
    EXPECT_EQ(html.find('\r'), std::string::npos);
}

TEST_F(HostileRun, PolicyTextsReachTheHeadOnlyAsText) {
    Write("p.pol",
          "Document Title : Q&A </TITLE><script>x</script>\n"
          "Background Colour : red\"><script>y</script>\n");
    Write("t.txt", "N  Q\nA  1\n");
    ASSERT_EQ(Run("p.pol t.txt"), 0);
    const std::string html = Read("t.html");
    EXPECT_EQ(html.find("<script>"), std::string::npos) << html;
    EXPECT_NE(html.find("<TITLE>Q&amp;A &lt;/TITLE&gt;&lt;script&gt;x&lt;/script&gt;</TITLE>"),
              std::string::npos)
        << html;
}

TEST_F(HostileRun, ControlCharactersBecomeBlanksAndAProgramIsNamedOne) {
    Write("c.csv", std::string("a\x07") + "b,c\x1b" + "d,e\x7f" + "f\n");
    std::string messages;
    ASSERT_EQ(Run("-comma c.csv", &messages), 0);
    const std::string html = Read("c.html");
    for (const char* cell : {"<TD>a b</TD>", "<TD>c d</TD>", "<TD>e f</TD>"})
        EXPECT_NE(html.find(cell), std::string::npos) << cell;
    EXPECT_EQ(messages.find("does not look like text"), std::string::npos);

    std::string program(4096, '\0');
    for (size_t i = 0; i < program.size(); ++i) program[i] = static_cast<char>(i % 32);
    Write("prog", program);
    ASSERT_EQ(Run("prog", &messages), 0);
    EXPECT_NE(messages.find("WARNING: prog does not look like text"), std::string::npos)
        << messages;
}

TEST_F(HostileRun, DevicesDirectoriesAndMissingFilesAreRefusedWithTheirReason) {
    std::string messages;
    EXPECT_EQ(Run("/dev/zero", &messages), 1);
    EXPECT_NE(messages.find("/dev/zero (is a character device, not a file)"), std::string::npos)
        << messages;
    fs::create_directory(dir_ / "sub");
    EXPECT_EQ(Run("sub", &messages), 1);
    EXPECT_NE(messages.find("(it is a directory)"), std::string::npos) << messages;
    // A "/" word that names no qualifier is a file.
    EXPECT_EQ(Run("/nonexist.txt", &messages), 1);
    EXPECT_NE(messages.find("Unable to locate file \"/nonexist.txt\" (No such file or directory)"),
              std::string::npos)
        << messages;
    EXPECT_EQ(messages.find("qualifier"), std::string::npos) << messages;

    // A policy file that includes a device goes on without it.
    Write("dev.pol", "include file : /dev/zero\nTAB size : 4\n");
    Write("t.txt", "N  Q\nA  1\n");
    EXPECT_EQ(Run("dev.pol t.txt", &messages), 0);
    EXPECT_NE(messages.find("** Failed to open policy include file /dev/zero ***"),
              std::string::npos)
        << messages;
}

TEST_F(HostileRun, APipeIsReadOnceAndItsDocumentStaysOutOfDev) {
    ASSERT_EQ(Run("-comma -console /dev/stdin", nullptr, "a,b\\n1,2\\n"), 0);
    const std::string html = Read("stdout.txt");
    for (const char* cell : {">a</TD>", ">2</TD>"})
        EXPECT_NE(html.find(cell), std::string::npos) << html;
    ASSERT_EQ(Run("-comma /dev/stdin", nullptr, "a,b\\n1,2\\n"), 0);
    EXPECT_NE(Read("stdin.html").find(">2</TD>"), std::string::npos);
    // No temporary directory to spool to: the run says so and fails.
    std::string messages;
    EXPECT_EQ(Run("-comma /dev/stdin", &messages, "a,b\\n", "export TMPDIR=/nonexistent; "), 1);
    EXPECT_NE(messages.find("ERROR: Error opening /dev/stdin (no temporary directory"),
              std::string::npos)
        << messages;
}

TEST_F(HostileRun, StandardInputConvertsToStandardOutputAndATerminalGetsTheUsage) {
    std::string messages;
    ASSERT_EQ(Run("-comma -", &messages, "a,b\\n1,2\\n"), 0);
    const std::string html = Read("stdout.txt");
    EXPECT_EQ(html.rfind("<!DOCTYPE", 0), 0u) << "progress lines ahead of the document:\n" << html;
    EXPECT_NE(html.find(">2</TD>"), std::string::npos) << html;
    EXPECT_EQ(messages, "");
    EXPECT_EQ(Names(), (std::vector<std::string>{"stderr.txt", "stdout.txt"}));
    // Named with -output, the document goes there as for any file.
    ASSERT_EQ(Run("-comma - -output=t.html", nullptr, "a,b\\n1,2\\n"), 0);
    EXPECT_NE(Read("t.html").find(">2</TD>"), std::string::npos);
    // A quote left open is reported by the line it opened on.
    ASSERT_EQ(Run("-comma -multiline -", &messages, "a,b\\n\"x,1\\n2,3\\n"), 0);
    EXPECT_NE(messages.find("quoted field opened on line 2 of /dev/stdin is not closed"),
              std::string::npos)
        << messages;
    // A terminal as standard input: the usage, not a wait for typing.
    const std::string onTerminal = "cd '" + dir_.string() +
                                   "' && script -qec \"'" TABULYST_BINARY
                                   "' -comma -\" /dev/null >terminal.txt </dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(onTerminal.c_str())), 2);
    EXPECT_NE(Read("terminal.txt").find("reads standard input, which is a terminal"),
              std::string::npos);
    EXPECT_NE(Read("terminal.txt").find("/COMMA"), std::string::npos);
}

TEST_F(HostileRun, AReaderThatClosesThePipeEndsTheRunAtOnceAndQuietly) {
    std::string rows;
    for (int i = 0; i < 200000; ++i) rows += std::to_string(i) + ",word,12.5\n";
    Write("big.csv", rows);
    const std::string command = "cd '" + dir_.string() +
                                "' && '" TABULYST_BINARY
                                "' -comma -console big.csv 2>stderr.txt | head -c 100 >/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Read("stderr.txt"), "");
    // Nothing written beside the input, whole or in part.
    EXPECT_EQ(Names(), (std::vector<std::string>{"big.csv", "stderr.txt"}));
}

TEST_F(HostileRun, AFailedDocumentSaysOnlyWhyItFailed) {
    Write("t.txt", "N  Q\nA  1\n");
    std::string messages;
    EXPECT_EQ(Run("-output=missing/ t.txt", &messages), 1);
    EXPECT_NE(
        messages.find("ERROR: Can't open file \"missing/t.html\" (No such file or directory)"),
        std::string::npos)
        << messages;
    EXPECT_EQ(messages.find("PROGRAM ERROR"), std::string::npos) << messages;

    // An existing directory named without its separator is that directory.
    fs::create_directory(dir_ / "out");
    EXPECT_EQ(Run("-output=out t.txt"), 0);
    EXPECT_TRUE(fs::exists(dir_ / "out" / "t.html"));
    EXPECT_FALSE(fs::exists(dir_ / "out.html"));
}

TEST_F(HostileRun, PolicyLinesAreReportedOnceWithTheirPlace) {
    Write("bad.pol", "Expect sparse tables\n" + std::string(5000, 'x') + " : y\n");
    Write("t.txt", "N  Q\nA  1\n");
    std::string messages;
    Run("bad.pol t.txt", &messages);
    EXPECT_NE(messages.find("POLICY: Ignored - Missing colon in \"Expect sparse tables\" (in "
                            "bad.pol, line 1)"),
              std::string::npos)
        << messages;
    EXPECT_EQ(messages.find("Don't understand"), std::string::npos) << messages;
    EXPECT_NE(messages.find("longer than 4096 characters (in bad.pol, line 2)"), std::string::npos)
        << messages;
}

TEST_F(HostileRun, ALogThatCannotBeWrittenFallsBackOnlyToAnotherPlace) {
    Write("t.txt", "N  Q\nA  1\n");
    std::string messages;
    EXPECT_EQ(Run("-log=x.log -output=missing/ t.txt", &messages), 1);
    EXPECT_NE(messages.find("*** Failed to open log file : missing/x.log ***"), std::string::npos)
        << messages;
    EXPECT_EQ(messages.find("Opening"), std::string::npos) << messages;
    EXPECT_NE(messages.find("Going on without a log file"), std::string::npos) << messages;
}

TEST_F(HostileRun, AWriteErrorFailsTheRunAndKeepsTheEarlierDocument) {
    // A file size limit stands in for a full disk: the document cannot be written whole.
    std::string rows;
    for (int i = 0; i < 20000; ++i) rows += std::to_string(i) + ",some text\n";
    Write("big.csv", rows);
    Write("big.html", "EARLIER DOCUMENT\n");
    std::string messages;
    const int status = Run("-comma big.csv", &messages, "", "ulimit -f 64; trap '' XFSZ; ");
    EXPECT_EQ(status, 1);
    EXPECT_NE(messages.find("ERROR: Can't write file \"big.html\" (File too large)"),
              std::string::npos)
        << messages;
    EXPECT_EQ(Read("big.html"), "EARLIER DOCUMENT\n");
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"big.csv", "big.html", "stderr.txt", "stdout.txt"}));
}

TEST_F(HostileRun, FilesConvertedSideBySideGiveTheRunOfOneAfterAnother) {
    // A file that changes the run's rule set for the files after it, a document that
    // cannot be created, and a file that cannot be read, which stops the run there.
    const auto make = [&](const std::string& sub) {
        fs::create_directory(dir_ / sub);
        for (int i = 1; i <= 12; ++i) {
            const std::string name = sub + "/f" + (i < 10 ? "0" : "") + std::to_string(i);
            Write(name + ".csv", "Name,Amount\nA" + std::to_string(i) + ",(12)\nB,$5\n");
        }
        Write(sub + "/f03.csv", "$_$_CHANGE_POLICY Rule set to be used : Merrill\nA,(1)\n");
        fs::create_directory(dir_ / sub / "f05.html");
        fs::remove(dir_ / sub / "f09.csv");
        fs::create_symlink("nowhere.csv", dir_ / sub / "f09.csv");
    };
    make("one");
    make("many");
    std::string oneMessages, manyMessages;
    const int one = Run("-comma -jobs=1 -log=run.log '*.csv'", &oneMessages, "", "cd one && ");
    const std::string oneOut = Read("stdout.txt");
    const int many = Run("-comma -jobs=4 -log=run.log '*.csv'", &manyMessages, "", "cd many && ");
    EXPECT_EQ(one, 1);
    EXPECT_EQ(many, one);
    EXPECT_EQ(manyMessages, oneMessages);
    EXPECT_EQ(Read("stdout.txt"), oneOut);
    EXPECT_NE(oneMessages.find("Error opening f09.csv"), std::string::npos) << oneMessages;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_ / "one"))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        if (name == "f09.csv" || name == "f05.html") continue;
        EXPECT_EQ(Read("many/" + name), Read("one/" + name)) << name;
    }
    EXPECT_FALSE(fs::exists(dir_ / "one" / "f10.html")) << "the run stopped at f09";
    EXPECT_FALSE(fs::exists(dir_ / "many" / "f10.html")) << "nothing after f09 is left";
    std::vector<std::string> manyNames;
    for (const auto& entry : fs::directory_iterator(dir_ / "many"))
        manyNames.push_back(entry.path().filename().string());
    std::sort(manyNames.begin(), manyNames.end());
    EXPECT_EQ(manyNames, names);
    // The rule set that f03 stated reached the files after it (its style sheet).
    EXPECT_EQ(Read("many/f02.html").find("<STYLE"), std::string::npos);
    EXPECT_NE(Read("many/f04.html").find("<STYLE"), std::string::npos);
}

TEST_F(HostileRun, AnEndlessLineAndAMillionFieldsAreCutWithAWarning) {
    // One line of 17 MB with no line feed: kept up to 16 MB, the rest left out.
    Write("dump.csv", std::string(17 * 1024 * 1024, 'y'));
    std::string messages;
    EXPECT_EQ(Run("-comma dump.csv", &messages), 0);
    EXPECT_NE(messages.find("WARNING: Line 1 of dump.csv is longer than 16777216 characters: "
                            "the rest of it is left out"),
              std::string::npos)
        << messages;
    const std::string dump = Read("dump.html");
    EXPECT_NE(dump.find(std::string(16777216, 'y') + "</TD>"), std::string::npos);
    EXPECT_EQ(dump.find(std::string(16777217, 'y')), std::string::npos);

    std::string fields;
    for (int i = 0; i < 1100000; ++i) fields += "x,";
    Write("wide.csv", fields + "\n1,2\n");
    EXPECT_EQ(Run("-comma wide.csv", &messages), 0);
    EXPECT_NE(messages.find("WARNING: A line has 1100000 fields: only the first 1048576 become "
                            "columns"),
              std::string::npos)
        << messages;
    const std::string wide = Read("wide.html");
    size_t cells = 0;
    for (size_t at = wide.find("<TD"); at != std::string::npos; at = wide.find("<TD", at + 1))
        ++cells;
    EXPECT_EQ(cells, 2u * 1048576u) << "two rows of every column";
}

}  // namespace
