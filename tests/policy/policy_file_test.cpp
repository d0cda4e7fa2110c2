// Reading policy files: line syntax, includes, switches, link dictionaries, loops and
// hostile input.
#include <gtest/gtest.h>

#include <fstream>

#include "policy/fc.h"
#include "policy/policy_test_support.h"

using namespace tabulyst;
using tabulyst::testing::CapturedFC;

namespace {

std::string Data(const std::string& name) { return std::string(TABULYST_TEST_DATA) + "/policy/" + name; }

}  // namespace

TEST(PolicyFile, CommentsHeadersAndReportedLines) {
    CapturedFC c;
    EXPECT_FALSE(LoadPolicyFile(c.fc, Data("basic.pol")));
    EXPECT_EQ(c.messages, (std::vector<std::string>{
                              "POLICY: Ignored - Missing colon in \"#hash without colon\"",
                              "POLICY: Ignored - Missing colon in \"Just words\"",
                              "POLICY: Ignored - \\Just words\\",
                              "POLICY: Ignored - \\TAB-size : 4\\",
                          }));
    EXPECT_EQ(c.fc.Value(P::DefaultTableBorderSize), 2);
    EXPECT_EQ(c.fc.Value(P::TabSize), 4) << "a TAB size of 1 becomes 4 once the file is read";
}

TEST(PolicyFile, IncludeBesideTheIncludingFile) {
    CapturedFC c;
    EXPECT_FALSE(LoadPolicyFile(c.fc, Data("include_main.pol")));
    EXPECT_EQ(c.messages, (std::vector<std::string>{
                              "POLICY: Ignoring repeated policy \\TAB size\\",
                              "POLICY: Ignored - \\TAB size : 5\\",
                              "** Failed to open policy include file nowhere.pol ***",
                          }));
    EXPECT_EQ(c.fc.Value(P::TabSize), 3) << "the included file was read at the include";
    EXPECT_EQ(c.fc.Value(P::PageWidth), 60);
    EXPECT_EQ(c.fc.Value(P::ExpectSparseTables), 1) << "reading goes on after a missing include";
}

TEST(PolicyFile, SwitchReplacesTheCurrentFile) {
    CapturedFC c;
    EXPECT_TRUE(LoadPolicyFile(c.fc, Data("switch_main.pol")));
    EXPECT_TRUE(c.messages.empty());
    EXPECT_EQ(c.fc.Value(P::TabSize), 3);
    EXPECT_EQ(c.fc.Value(P::PageWidth), 60) << "the rest of the switched file is never read";
}

TEST(PolicyFile, InputDirectoryIsTheSecondPlace) {
    const std::string inputDirectory = "Input directory : " + Data("inputdir");
    CapturedFC alone;
    int group = 0;
    alone.fc.ParsePolicyLine(inputDirectory, group, false);
    EXPECT_FALSE(LoadPolicyFile(alone.fc, Data("needs_input_dir.pol")))
        << "without the front end includes are looked for beside the file only";
    EXPECT_TRUE(alone.Said("** Failed to open policy include file elsewhere.pol ***"));

    ProgramSettings settings;
    settings.frontEnd = true;
    CapturedFC linked;
    linked.fc.LinkSettings(&settings);
    linked.fc.ParsePolicyLine(inputDirectory, group, false);
    EXPECT_TRUE(LoadPolicyFile(linked.fc, Data("needs_input_dir.pol")));
    EXPECT_EQ(linked.fc.Value(P::PageWidth), 66);
    EXPECT_EQ(linked.fc.Value(P::TabSize), 3);
    EXPECT_EQ(settings.lastPolicyDirectory.View(), Data(""));
}

TEST(PolicyFile, LinkDictionaryIsReadThroughItsKey) {
    CapturedFC c;
    EXPECT_FALSE(LoadPolicyFile(c.fc, Data("dict_main.pol")));
    EXPECT_EQ(c.messages,
              std::vector<std::string>{"** Failed to open Link Dictionary file missing_links.txt ***"});
    ASSERT_EQ(c.fc.GetExtras().linkDefinitions.size(), 1u);
    EXPECT_EQ(c.fc.Text(P::LinkDictionaryFile).View(), "dict_links.txt");
    EXPECT_EQ(c.fc.Value(P::TabSize), 3);
}

TEST(PolicyFile, IncludeLoopsStopAndReadingGoesOn) {
    CapturedFC self;
    EXPECT_FALSE(LoadPolicyFile(self.fc, Data("loop_self.pol")));
    EXPECT_EQ(self.messages, (std::vector<std::string>{
                                 "ERROR: Policy include loop at " + Data("loop_self.pol"),
                                 "ERROR: Policy include loop at " + Data("loop_self.pol"),
                             }));
    EXPECT_EQ(self.fc.Value(P::TabSize), 3);

    CapturedFC mutual;
    EXPECT_FALSE(LoadPolicyFile(mutual.fc, Data("loop_a.pol")));
    EXPECT_EQ(mutual.messages,
              std::vector<std::string>{"ERROR: Policy include loop at " + Data("loop_a.pol")});
    EXPECT_EQ(mutual.fc.Value(P::TabSize), 3);
    EXPECT_EQ(mutual.fc.Value(P::PageWidth), 61);

    CapturedFC switches;
    EXPECT_FALSE(LoadPolicyFile(switches.fc, Data("swloop_a.pol")));
    EXPECT_EQ(switches.messages,
              std::vector<std::string>{"ERROR: Policy include loop at " + Data("swloop_a.pol")});
    EXPECT_EQ(switches.fc.Value(P::TabSize), 3);
    EXPECT_EQ(switches.fc.Value(P::PageWidth), 61);
}

TEST(PolicyFile, NestingStopsAtDepthSixteen) {
    const std::string directory = ::testing::TempDir();
    for (int i = 1; i <= 20; ++i) {
        std::ofstream file(directory + "tabulyst_nest" + std::to_string(i) + ".pol");
        file << "include file : tabulyst_nest" << i + 1 << ".pol\n";
        if (i == 1) file << "TAB size : 3\n";
    }
    CapturedFC c;
    EXPECT_FALSE(LoadPolicyFile(c.fc, directory + "tabulyst_nest1.pol"));
    EXPECT_EQ(c.messages, std::vector<std::string>{"ERROR: Policy include loop at " + directory +
                                                   "tabulyst_nest17.pol"});
    EXPECT_EQ(c.fc.Value(P::TabSize), 3);
}

TEST(PolicyFile, HostileInputIsSkipped) {
    const std::string path = ::testing::TempDir() + "tabulyst_hostile.pol";
    {
        std::ofstream file(path, std::ios::binary);
        file << "TAB size : 6\n";
        for (int round = 0; round < 4; ++round)
            for (int byte = 0; byte < 256; ++byte) file.put(static_cast<char>(byte));
        file << "\nPage Width : " << std::string(2000, '9') << "\n";
        file << "Document Title : " << std::string(100000, 'x') << "\n";
        const char nulInValue[] = "Default TABLE border size : 3\0\n";
        file.write(nulInValue, sizeof nulInValue - 1);
        const char nulInKey[] = "TAB size\0: 2\n";
        file.write(nulInKey, sizeof nulInKey - 1);
    }
    CapturedFC c;
    EXPECT_FALSE(LoadPolicyFile(c.fc, path));
    EXPECT_EQ(c.fc.Value(P::TabSize), 6);
    EXPECT_EQ(c.fc.Value(P::PageWidth), 80) << "an earlier value is never lost";
    EXPECT_EQ(c.fc.Text(P::DocumentTitle).Length(), 100000);
    EXPECT_EQ(c.fc.Value(P::DefaultTableBorderSize), 3);
}

TEST(PolicyFile, UnreadableFiles) {
    CapturedFC missing;
    EXPECT_FALSE(LoadPolicyFile(missing.fc, Data("no_such_file.pol")));
    EXPECT_EQ(missing.messages,
              std::vector<std::string>{"** Failed to open policy file " + Data("no_such_file.pol") + " ***"});
    CapturedFC directory;
    EXPECT_FALSE(LoadPolicyFile(directory.fc, Data("inputdir")));
    EXPECT_EQ(directory.fc.Value(P::TabSize), 8);
}
