// Reading policy files: line syntax, includes, switches, link dictionaries, loops and
// hostile input.
#include <gtest/gtest.h>

#include <fstream>

#include "policy/fc.h"
#include "policy/policy_test_support.h"

using namespace tabulyst;
using namespace tabulyst::testing;

namespace {

std::string Data(const std::string& name) {
    return std::string(TABULYST_TEST_DATA) + "/policy/" + name;
}

// Where a message about a policy line says it stands.
std::string In(const std::string& path, int line) {
    return " (in " + path + ", line " + std::to_string(line) + ")";
}

std::string Loop(const std::string& path, const std::string& in, int line) {
    return "ERROR: Policy include loop at " + path + In(in, line);
}

}  // namespace

TEST(PolicyFile, CommentsHeadersAndReportedLines) {
    CapturedFC c;
    EXPECT_FALSE(LoadPolicyFile(c.fc, Data("basic.pol")));
    EXPECT_EQ(
        c.messages,
        (Messages{
            "POLICY: Ignored - Missing colon in \"#hash without colon\"" + In(Data("basic.pol"), 6),
            "POLICY: Ignored - Missing colon in \"Just words\"" + In(Data("basic.pol"), 8),
            "POLICY: Ignored - \\TAB-size : 4\\" + In(Data("basic.pol"), 9)}));
    EXPECT_EQ(c.fc.Value(P::DefaultTableBorderSize), 2);
    EXPECT_EQ(c.fc.Value(P::TabSize), 4) << "a TAB size of 1 becomes 4 once the file is read";
}

TEST(PolicyFile, IncludesSwitchesAndDictionaries) {
    CapturedFC include;  // an include is read beside the including file, where it stands
    EXPECT_FALSE(LoadPolicyFile(include.fc, Data("include_main.pol")));
    EXPECT_EQ(
        include.messages,
        (Messages{"POLICY: Ignoring repeated policy \\TAB size\\" + In(Data("include_main.pol"), 2),
                  "POLICY: Ignored - \\TAB size : 5\\" + In(Data("include_main.pol"), 2),
                  "** Failed to open policy include file nowhere.pol ***" +
                      In(Data("include_main.pol"), 5)}));
    EXPECT_EQ(include.fc.Value(P::TabSize), 3);  // read at the include, so 5 is a repeat
    EXPECT_EQ(include.fc.Value(P::PageWidth), 60);
    EXPECT_EQ(include.fc.Value(P::ExpectSparseTables), 1)
        << "reading goes on after a missing include";

    CapturedFC switched;
    EXPECT_TRUE(LoadPolicyFile(switched.fc, Data("switch_main.pol")));
    EXPECT_TRUE(switched.messages.empty());
    EXPECT_EQ(switched.fc.Value(P::TabSize), 3);
    EXPECT_EQ(switched.fc.Value(P::PageWidth), 60) << "the rest of the switched file is never read";

    CapturedFC dictionary;  // read through its key
    EXPECT_FALSE(LoadPolicyFile(dictionary.fc, Data("dict_main.pol")));
    EXPECT_EQ(dictionary.messages,
              Messages{"** Failed to open Link Dictionary file missing_links.txt ***" +
                       In(Data("dict_main.pol"), 2)});
    ASSERT_EQ(dictionary.fc.GetExtras().linkDefinitions.size(), 1u);
    EXPECT_EQ(dictionary.fc.Text(P::LinkDictionaryFile).View(), "dict_links.txt");
    EXPECT_EQ(dictionary.fc.Value(P::TabSize), 3);
}

TEST(PolicyFile, InputDirectoryIsTheSecondPlace) {
    const std::string inputDirectory = "Input directory : " + Data("inputdir");
    CapturedFC alone;
    Apply(alone.fc, {inputDirectory});
    EXPECT_FALSE(LoadPolicyFile(alone.fc, Data("needs_input_dir.pol")))
        << "without the front end includes are looked for beside the file only";
    EXPECT_TRUE(alone.Said("** Failed to open policy include file elsewhere.pol ***" +
                           In(Data("needs_input_dir.pol"), 1)));

    ProgramSettings settings;
    settings.frontEnd = true;
    CapturedFC linked;
    linked.fc.LinkSettings(&settings);
    Apply(linked.fc, {inputDirectory});
    EXPECT_TRUE(LoadPolicyFile(linked.fc, Data("needs_input_dir.pol")));
    ExpectValues(linked.fc, {{P::PageWidth, 66}, {P::TabSize, 3}});
    EXPECT_EQ(settings.lastPolicyDirectory.View(), Data(""));
}

TEST(PolicyFile, IncludeLoopsStopAndReadingGoesOn) {
    CapturedFC self, mutual, switches;
    EXPECT_FALSE(LoadPolicyFile(self.fc, Data("loop_self.pol")));
    EXPECT_EQ(self.messages, (Messages{Loop(Data("loop_self.pol"), Data("loop_self.pol"), 1),
                                       Loop(Data("loop_self.pol"), Data("loop_self.pol"), 2)}));
    EXPECT_EQ(self.fc.Value(P::TabSize), 3);
    EXPECT_FALSE(LoadPolicyFile(mutual.fc, Data("loop_a.pol")));
    EXPECT_EQ(mutual.messages, Messages{Loop(Data("loop_a.pol"), Data("loop_b.pol"), 1)});
    ExpectValues(mutual.fc, {{P::TabSize, 3}, {P::PageWidth, 61}});
    EXPECT_FALSE(LoadPolicyFile(switches.fc, Data("swloop_a.pol")));
    EXPECT_EQ(switches.messages, Messages{Loop(Data("swloop_a.pol"), Data("swloop_b.pol"), 2)});
    ExpectValues(switches.fc, {{P::TabSize, 3}, {P::PageWidth, 61}});

    const std::string directory = ::testing::TempDir();  // nesting stops at depth sixteen
    for (int i = 1; i <= 20; ++i) {
        std::ofstream file(directory + "tabulyst_nest" + std::to_string(i) + ".pol");
        file << "include file : tabulyst_nest" << i + 1 << ".pol\n";
        if (i == 1) file << "TAB size : 3\n";
    }
    CapturedFC nested;
    EXPECT_FALSE(LoadPolicyFile(nested.fc, directory + "tabulyst_nest1.pol"));
    EXPECT_EQ(nested.messages, Messages{Loop(directory + "tabulyst_nest17.pol",
                                             directory + "tabulyst_nest16.pol", 1)});
    EXPECT_EQ(nested.fc.Value(P::TabSize), 3);
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
    // A line longer than any policy line is reported and skipped, and costs no more.
    EXPECT_EQ(c.fc.IsSet(P::DocumentTitle), false);
    // Each round of every byte holds one LF and one CR: lines 2 to 10, then Page Width.
    EXPECT_TRUE(c.Said("POLICY: Ignored - a line longer than 4096 characters" + In(path, 12)));
    EXPECT_EQ(c.fc.Value(P::DefaultTableBorderSize), 3);

    CapturedFC missing, directory;
    EXPECT_FALSE(LoadPolicyFile(missing.fc, Data("no_such_file.pol")));
    EXPECT_EQ(missing.messages,
              Messages{"** Failed to open policy file " + Data("no_such_file.pol") + " ***"});
    EXPECT_FALSE(LoadPolicyFile(directory.fc, Data("inputdir")));
    EXPECT_EQ(directory.fc.Value(P::TabSize), 8);
}
