// The orvane program's own options run as a process: --help and --version answer on standard
// output with exit 0; an unknown option or command is refused with exit 2 and the usage on standard
// error. None of these start the program or its page.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/process_run.h"

namespace {

using orvane::test_support::ProcessRun;
using orvane::test_support::runOrvane;

struct OptionCase {
    const char* arguments;
    int status;
    const char* outStart;  // what standard output begins with ("" for nothing at all)
    bool usageOnError;     // the usage on standard error
};

class ProgramOptionsTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(ProgramOptionsTest, AnswersAsACommandLineTool) {
    const OptionCase& c = GetParam();
    const ProcessRun run = runOrvane(std::string(c.arguments) + " </dev/null");
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
    if (*c.outStart == '\0') {
        EXPECT_EQ(run.out, "") << c.arguments;
    } else {
        EXPECT_EQ(run.out.rfind(c.outStart, 0), 0u) << c.arguments << "\n" << run.out;
    }
    if (c.usageOnError) {
        EXPECT_NE(run.err.find("usage: orvane"), std::string::npos) << c.arguments;
    } else {
        EXPECT_EQ(run.err, "") << c.arguments;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, ProgramOptionsTest,
    ::testing::Values(OptionCase{"--help", 0, "usage: orvane [serve]", false},
                      OptionCase{"-h", 0, "usage: orvane [serve]", false},
                      OptionCase{"serve --help", 0, "usage: orvane [serve]", false},
                      OptionCase{"--port 0 --help", 0, "usage: orvane [serve]", false},
                      OptionCase{"render --help", 0, "usage: orvane render", false},
                      OptionCase{"render 32 -h", 0, "usage: orvane render", false},
                      OptionCase{"--version", 0, "Orvane 6.0\n", false},
                      OptionCase{"--bogus", 2, "", true}, OptionCase{"serve --bogus", 2, "", true},
                      OptionCase{"frobnicate", 2, "", true},
                      OptionCase{"render --bogus 32", 2, "", true}));

// The usage names every command and the two answering options.
TEST(ProgramOptionsTest, UsageNamesTheCommands) {
    const ProcessRun run = runOrvane("--help");
    for (const char* word : {"serve", "render", "preview", "--help", "--version", "--content"}) {
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
}

}  // namespace
