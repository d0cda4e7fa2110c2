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
            const std::string& input = "") {
        std::string command = "cd '" + dir_.string() + "' && ";
        if (!input.empty()) command += "printf '" + input + "' | ";
        command += "'" TABULYST_BINARY "' " + arguments + " >stdout.txt 2>stderr.txt";
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

}  // namespace
