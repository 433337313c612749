// `orvane render` run as a process on the sample content: lists, pages, frames, and the exit
// statuses for bad arguments, unknown requests, missing content and refused values.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/process_run.h"

namespace {

using RenderRun = orvane::test_support::ProcessRun;

RenderRun render(const std::string& arguments) {
    return orvane::test_support::runOrvane("render " + arguments);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) out.push_back(line);
    return out;
}

TEST(RenderCommandTest, HomeListHasTheTwentyThreeModules) {
    const RenderRun run = render("32 --list");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> got = lines(run.out);
    ASSERT_EQ(got.size(), 23u);
    EXPECT_EQ(got[0], "AbxNavix\t16777216");      // (1, 0) = 1 × 2^24
    EXPECT_EQ(got[3], "Calculators\t989855744");  // 59 × 2^24
    EXPECT_EQ(got[20], "Toxicology\t956301312");  // 57 × 2^24
    EXPECT_EQ(got[22], "References\t822083584");  // 49 × 2^24
    EXPECT_TRUE(run.err.empty());
}

TEST(RenderCommandTest, CalculatorsMenuListsTheSampleCalculators) {
    const RenderRun run = render("59 --list");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> got = lines(run.out);
    ASSERT_EQ(got.size(), 40u);
    EXPECT_EQ(got[0], "A-a Gradient\t67108865");                    // (4, 1)
    EXPECT_EQ(got[39].substr(got[39].find('\t') + 1), "67108904");  // (4, 40)
}

TEST(RenderCommandTest, TheCalculatorsMenuPageIsNothing) {
    const RenderRun run = render("59");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

TEST(RenderCommandTest, AzIndexListsEveryEntryLazily) {
    const RenderRun run = render("53 --list");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> got = lines(run.out);
    ASSERT_GT(got.size(), 20u);
    for (const std::string& line : got) {
        ASSERT_NE(line.find('\t'), std::string::npos) << line;
    }
}

TEST(RenderCommandTest, ADocumentPage) {
    const RenderRun run = render("43");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("SAMPLE DATA"), std::string::npos);
    EXPECT_NE(run.out.find("<BR>"), std::string::npos);
    EXPECT_EQ(run.out.find('\n'), std::string::npos) << "line breaks were converted";
}

TEST(RenderCommandTest, ContentTextIsPrintedAsUtf8) {
    // The content stores Œ and œ as the Windows-1252 bytes 0x8C and 0x9C and é as 0xE9.
    const RenderRun run = render("41");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(
        run.out.find("Text with \xC5\x92 and \xC5\x93 characters, and an accent: caf\xC3\xA9."),
        std::string::npos)
        << run.out;
}

TEST(RenderCommandTest, FramedPage) {
    const RenderRun plain = render("43");
    const RenderRun framed = render("43 --framed");
    ASSERT_EQ(framed.status, 0);
    EXPECT_EQ(framed.out.rfind("<html>\r\n<head>\r\n<STYLE TYPE=\"text/css\">", 0), 0u);
    const std::string tail = "\r\n</body>\r\n</html>";
    ASSERT_GT(framed.out.size(), tail.size());
    EXPECT_EQ(framed.out.substr(framed.out.size() - tail.size()), tail);
    EXPECT_NE(framed.out.find("<body>\r\n" + plain.out + tail), std::string::npos);
}

TEST(RenderCommandTest, ClinicalConsultCategoriesTopicsAndSections) {
    const RenderRun categories = render("5 --list");
    ASSERT_EQ(categories.status, 0) << categories.err;
    const std::vector<std::string> got = lines(categories.out);
    ASSERT_GE(got.size(), 3u);
    EXPECT_EQ(got[0], "Cardiology\t805371905");  // (48, 1, sub-code 1)

    const RenderRun topics = render("48:1:1 --list");
    ASSERT_EQ(topics.status, 0) << topics.err;
    EXPECT_FALSE(topics.out.empty());

    const RenderRun section = render("5:1");
    ASSERT_EQ(section.status, 0) << section.err;
    EXPECT_NE(section.out.find("General Information"), std::string::npos);
    const RenderRun fourth = render("5:1 --send 50:4:0");
    ASSERT_EQ(fourth.status, 0) << fourth.err;
    EXPECT_NE(fourth.out.find("Assessment"), std::string::npos);
}

struct RefusedCase {
    const char* arguments;
    const char* message;
};

TEST(RenderCommandTest, OutOfRangePatientValuesAreRefused) {
    const RefusedCase cases[] = {
        {"32 --adult-weight 600kg", "Weight should be less than or equal to 227 kgs"},
        {"32 --adult-weight 1.9lb", "Weight should be greater or equal to 2 lbs"},
        {"32 --adult-weight 500.1lb", "Weight should be less than or equal to 500 lbs"},
        {"32 --adult-weight 999g", "Weight should be greater or equal to 1000 grams"},
        {"32 --adult-weight 100001g", "Weight should be less than or equal to 100000 Grams"},
        {"32 --child-weight 331lb", "Weight should be less than or equal to 330 lbs"},
        {"32 --child-weight 0.49kg", "Weight should be greater or equal to 0.5 kgs"},
        {"32 --age 0", "Age should be greater or equal to 1 yr"},
        {"32 --age 0.5", "Age should be greater or equal to 1 yr"},
        {"32 --age ''", "Age should be greater or equal to 1 yr"},
        {"32 --age 121", "Age should be less than or equal to 120 yrs"},
        {"32 --height 15in7", "Height should be greater or equal to 16 inches"},
        {"32 --height 81in", "Height should be less than or equal to 80 inches"},
        {"32 --height 40cm", "Height should be greater or equal to 41 cms"},
        {"32 --height 205cm", "Height should be less than or equal to 204 cms"},
        {"32 --head 11in", "Head circumference should be greater or equal to 12 inches"},
        {"32 --head 63cm", "Head circumference should be less than or equal to 62 cms"},
    };
    for (const RefusedCase& c : cases) {
        const RenderRun run = render(c.arguments);
        EXPECT_EQ(run.status, 5) << c.arguments;
        EXPECT_EQ(run.out, std::string("<B><FONT color=\"red\">") + c.message + "</FONT></B>")
            << c.arguments;
        EXPECT_EQ(run.err, std::string(c.message) + "\n") << c.arguments;
    }
}

TEST(RenderCommandTest, ValuesOnTheLimitsPass) {
    for (const char* arguments :
         {"32 --adult-weight 500lb", "32 --adult-weight 0.5kg", "32 --adult-weight 100000g",
          "32 --child-weight 999g", "32 --age 120", "32 --age 1", "32 --height 16in",
          "32 --height 60in4", "32 --head 62cm", "32 --adult-weight 11lb8oz --sex female",
          "32 --weight child --calc-weight 3500g"}) {
        const RenderRun run = render(arguments);
        EXPECT_EQ(run.status, 0) << arguments << ": " << run.err;
    }
}

TEST(RenderCommandTest, TheRefusedPageIsFramedWhenAsked) {
    const RenderRun run = render("32 --framed --age 0");
    EXPECT_EQ(run.status, 5);
    EXPECT_EQ(run.out.rfind("<html>", 0), 0u);
    EXPECT_NE(run.out.find("<body>\r\n<B><FONT color=\"red\">Age should be greater or equal to 1 "
                           "yr</FONT></B>\r\n</body>"),
              std::string::npos);
}

TEST(RenderCommandTest, BadArguments) {
    for (const char* arguments : {"",
                                  "abc",
                                  "256",
                                  "4:65536",
                                  "1:2:3:4",
                                  "32 43",
                                  "32 --bogus",
                                  "32 --adult-weight 70",
                                  "32 --adult-weight 11lb16oz",
                                  "32 --height 170",
                                  "32 --height 60in8",
                                  "32 --age x",
                                  "32 --sex other",
                                  "32 --weight teen",
                                  "32 --view",
                                  "32 --view -1",
                                  "32 --today 2024-02-30",
                                  "32 --input 0=1",
                                  "32 --input 1",
                                  "32 --choose 1",
                                  "32 --send 1:2:3:4",
                                  "32 --list=yes",
                                  "32 --content ''",
                                  "--list"}) {
        const RenderRun run = render(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_FALSE(run.err.empty()) << arguments;
        EXPECT_TRUE(run.out.empty()) << arguments;
    }
}

// A value is packed as a signed 16-bit number: 32768 and above would borrow from the field above
// it (8:65535 would become a request of module 7), so they are refused like any bad argument.
TEST(RenderCommandTest, ANumberTooLargeForItsFieldIsRefusedNotCarriedIntoAnother) {
    const struct {
        const char* arguments;
        const char* said;
    } cases[] = {
        {"8:65535", "the value 65535 is too large for its field (0-32767)"},
        {"8:32768", "the value 32768 is too large for its field (0-32767)"},
        {"33:40000:2", "the value 40000 is too large for its field (0-32767)"},
        {"256:1", "the code 256 is too large for its field (0-255)"},
        {"33:1:256", "the sub-code 256 is too large for its field (0-255)"},
        {"8:70000", "the value 70000 is too large for its field (0-32767)"},
        {"32 --send 33:65535:1", "the value 65535 is too large for its field (0-32767)"},
        {"32 --choose 1=32768", "the value 32768 is too large for its field (0-32767)"},
    };
    for (const auto& c : cases) {
        const RenderRun run = render(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << c.arguments << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << c.arguments;
    }
    // The largest value that fits still reaches the module of its own code.
    EXPECT_NE(render("8:32767").status, 2);
}

TEST(RenderCommandTest, AnInputTheModuleDoesNotHaveIsABadArgument) {
    const RenderRun run = render("43 --input 1=5");
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(run.err.empty());
}

TEST(RenderCommandTest, NoModuleAnswers) {
    for (const char* arguments : {"99", "4:0", "4:41", "87", "33:2:1", "50:1"}) {
        const RenderRun run = render(arguments);
        EXPECT_EQ(run.status, 3) << arguments;
        EXPECT_TRUE(run.out.empty()) << arguments;
        EXPECT_FALSE(run.err.empty()) << arguments;
    }
}

// A content folder that does not exist, or holds no content file: nothing is rendered, not even
// what needs no content, and the message names the folder used.
TEST(RenderCommandTest, MissingContent) {
    const std::string folder = ::testing::TempDir() + "no-such-content-folder";
    for (const char* request : {"5", "32 --list", "53 --list", "41", "7:4 --child-weight 10kg"}) {
        const RenderRun run = render(std::string(request) + " --content " + folder);
        EXPECT_EQ(run.status, 4) << request;
        EXPECT_TRUE(run.out.empty()) << request;
        EXPECT_NE(run.err.find("Content folder " + folder), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("does not exist: the content files are missing"), std::string::npos)
            << run.err;
    }
}

// An empty content folder is as good as a missing one; in a truncated one (a file left out, one
// cut short) what needs the lost files says its content could not be opened, with exit status 4,
// and what does not still renders; every run names the files.
TEST(RenderCommandTest, EmptyAndTruncatedContent) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(::testing::TempDir()) / "render-truncated-content";
    fs::remove_all(root);
    fs::create_directories(root / "empty");
    const RenderRun empty = render("32 --list --content " + (root / "empty").string());
    EXPECT_EQ(empty.status, 4);
    EXPECT_TRUE(empty.out.empty());
    EXPECT_NE(empty.err.find("the content files are missing (none of the 31 opens)"),
              std::string::npos)
        << empty.err;

    const fs::path truncated = root / "truncated";
    fs::create_directories(truncated);
    for (const auto& file : fs::directory_iterator(ORVANE_BIN_DIR)) {
        if (file.path().extension() == ".pdb") {
            fs::copy_file(file.path(), truncated / file.path().filename());
        }
    }
    fs::remove(truncated / "vemra6_00a.pdb");
    fs::resize_file(truncated / "orvane_index.pdb", 80);
    const std::string content = " --content " + truncated.string();
    for (const char* request : {"53 --list", "41", "31"}) {
        const RenderRun run = render(request + content);
        EXPECT_EQ(run.status, 4) << request;
        EXPECT_TRUE(run.out.empty()) << request << ": " << run.out;
        EXPECT_NE(run.err.find("the module's content could not be opened"), std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("vemra6_00a.pdb, orvane_index.pdb"), std::string::npos) << run.err;
    }
    const RenderRun home = render("32 --list" + content);
    EXPECT_EQ(home.status, 0);
    EXPECT_EQ(lines(home.out).size(), 23u);
    fs::remove_all(root);
}

TEST(RenderCommandTest, OptionsMayFollowOrPrecedeTheRequest) {
    EXPECT_EQ(render("--list 32").out, render("32 --list").out);
    EXPECT_EQ(render("--view=0 43").out, render("43 --view 0").out);
}

}  // namespace
