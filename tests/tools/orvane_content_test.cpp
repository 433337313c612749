// Runs the orvane-content program itself: exit status, messages and files left behind.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/support/content/pdb_bytes.h"

namespace orvane {
namespace {

using test_support::freshFolder;

struct ToolRun {
    int status;
    std::string output;
};

// Runs the program with the arguments (already quoted), standard error joined to the output.
ToolRun runTool(const std::string& arguments) {
    const std::string command =
        std::string("'") + ORVANE_BIN_DIR + "/orvane-content' " + arguments + " 2>&1";
    ToolRun run{-1, ""};
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char chunk[4096];
    size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) run.output.append(chunk, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

void writeText(const std::string& path, const std::string& text) {
    test_support::writeFile(path, test_support::ByteVector(text.begin(), text.end()));
}

TEST(OrvaneContentTest, BuildsAndDumpsWithAFieldLayout) {
    const std::string src = freshFolder("tool_src");
    const std::string out = freshFolder("tool_out");
    writeText(src + "/index.json", R"({"file": "orvane_index.pdb", "name": "Index",
        "records": [["k", "Label", {"request": [53, 0, 0]}], ["k2", "Other", {"number": -5}]]})");
    const ToolRun build = runTool("build '" + src + "' '" + out + "'");
    ASSERT_EQ(build.status, 0) << build.output;

    const ToolRun dump = runTool("dump '" + out + "/orvane_index.pdb' --fields TTN");
    ASSERT_EQ(dump.status, 0) << dump.output;
    EXPECT_NE(dump.output.find("name \"Index\""), std::string::npos) << dump.output;
    EXPECT_NE(dump.output.find("records 2"), std::string::npos) << dump.output;
    EXPECT_NE(dump.output.find("1 T \"Label\""), std::string::npos) << dump.output;
    EXPECT_NE(dump.output.find("2 N 889192448"), std::string::npos) << dump.output;
    EXPECT_NE(dump.output.find("2 N -5"), std::string::npos) << dump.output;

    const ToolRun bytes = runTool("dump '" + out + "/orvane_index.pdb'");
    ASSERT_EQ(bytes.status, 0) << bytes.output;
    EXPECT_NE(bytes.output.find("6b 00 4c 61 62 65 6c 00"), std::string::npos) << bytes.output;
}

TEST(OrvaneContentTest, DumpDecodesEveryLetter) {
    const std::string src = freshFolder("tool_letters_src");
    const std::string out = freshFolder("tool_letters_out");
    writeText(src + "/x.json", R"({"file": "x.pdb",
        "records": [[{"byte": 9}, {"long": 70000}, {"float": 0.5}, "t", {"number": 12}]]})");
    ASSERT_EQ(runTool("build '" + src + "' '" + out + "'").status, 0);
    const ToolRun dump = runTool("dump '" + out + "/x.pdb' --fields BLFTN");
    ASSERT_EQ(dump.status, 0) << dump.output;
    for (const char* line : {"0 B 9", "1 L 70000", "2 F 0.5", "3 T \"t\"", "4 N 12"}) {
        EXPECT_NE(dump.output.find(line), std::string::npos) << line << "\n" << dump.output;
    }
}

TEST(OrvaneContentTest, BuildErrorExitsOneAndLeavesNoFile) {
    const std::string src = freshFolder("tool_bad_src");
    const std::string out = freshFolder("tool_bad_out");
    writeText(src + "/bad.json", R"({"file": "bad.pdb", "records": [["ok"], ["x", "\u2264"]]})");
    const ToolRun build = runTool("build '" + src + "' '" + out + "'");
    EXPECT_EQ(build.status, 1);
    EXPECT_NE(build.output.find("bad.json: record 1 field 1: text holds U+2264"), std::string::npos)
        << build.output;
    EXPECT_TRUE(std::filesystem::is_empty(out));
}

TEST(OrvaneContentTest, BuildWithTheGrowthReference) {
    const std::string src = freshFolder("tool_growth_src");
    const std::string out = freshFolder("tool_growth_out");
    const std::string reference = std::string(ORVANE_SOURCE_DIR) + "/reference-data/cdc2000";
    writeText(src + "/x.json", R"({"file": "x.pdb", "records": [["x"]]})");
    const ToolRun build = runTool("build '" + src + "' '" + out + "' --growth '" + reference + "'");
    ASSERT_EQ(build.status, 0) << build.output;
    EXPECT_TRUE(std::filesystem::exists(out + "/x.pdb"));
    const ToolRun dump = runTool("dump '" + out + "/vemra6_09a.pdb' --fields TBF");
    ASSERT_EQ(dump.status, 0) << dump.output;
    EXPECT_NE(dump.output.find("records 144"), std::string::npos) << dump.output;
    EXPECT_NE(dump.output.find("0 T \"CDC 2000 growth reference\""), std::string::npos);

    // A JSON source for the same file as the growth reference: refused, nothing written.
    const std::string out2 = freshFolder("tool_growth_twice");
    writeText(src + "/growth.json", R"({"file": "vemra6_09a.pdb", "records": [["x"]]})");
    const ToolRun twice =
        runTool("build '" + src + "' '" + out2 + "' --growth '" + reference + "'");
    EXPECT_EQ(twice.status, 1);
    EXPECT_NE(twice.output.find(reference + ": \"vemra6_09a.pdb\" is also made by " + src +
                                "/growth.json"),
              std::string::npos)
        << twice.output;
    EXPECT_TRUE(std::filesystem::is_empty(out2));

    // A reference folder without the files: exits 1 with the file named.
    const std::string empty = freshFolder("tool_growth_empty");
    const ToolRun missing = runTool("build '" + src + "' '" + out2 + "' --growth '" + empty + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.output.find(empty + "/wtageinf.csv: cannot read the file"), std::string::npos)
        << missing.output;
    EXPECT_TRUE(std::filesystem::is_empty(out2));
}

TEST(OrvaneContentTest, BadUseExitsOne) {
    EXPECT_EQ(runTool("").status, 1);
    EXPECT_EQ(runTool("frobnicate").status, 1);
    const std::string dir = freshFolder("tool_use");
    EXPECT_EQ(runTool("dump '" + dir + "/missing.pdb'").status, 1);
    EXPECT_EQ(
        runTool("dump '" + std::string(ORVANE_BIN_DIR) + "/orvane_index.pdb' --fields TQ").status,
        1);
}

TEST(OrvaneContentTest, DumpOfADamagedFileExitsOne) {
    const std::string dir = freshFolder("tool_damaged");
    test_support::writeFile(dir + "/d.pdb", test_support::rawPdb({{{0, 2}}, {94, 500}, 120}));
    const ToolRun dump = runTool("dump '" + dir + "/d.pdb'");
    EXPECT_EQ(dump.status, 1);
    EXPECT_NE(dump.output.find("not a readable content file"), std::string::npos);
}

TEST(OrvaneContentTest, SampleContentDumps) {
    const ToolRun dump =
        runTool("dump '" + std::string(ORVANE_BIN_DIR) + "/vemra6_00a.pdb' --fields TTT");
    ASSERT_EQ(dump.status, 0) << dump.output;
    EXPECT_NE(dump.output.find("records 4"), std::string::npos);
    EXPECT_NE(dump.output.find("SAMPLE DATA"), std::string::npos);
}

}  // namespace
}  // namespace orvane
