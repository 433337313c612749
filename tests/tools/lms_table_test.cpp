// Reading an LMS file: columns by header name in any order, carriage returns, blank lines and a
// repeated header skipped, exact-age lookup, and each kind of damaged file refused with a message
// naming the line.
#include "tools/lib/lms_table.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::tools {
namespace {

TEST(LmsTableTest, ReadsByHeaderNameAndSkipsRepeatedHeaders) {
    LmsTable table;
    std::string error;
    const std::string text =
        "Agemos,Sex,P3,S,M,L\r\n"
        "0,1,9,0.15,3.5,1.8\r\n"
        "\r\n"
        "Agemos,Sex,P3,S,M,L\r\n"
        "0.5,2,9,0.14,4,-0.5\r\n";
    ASSERT_TRUE(table.parse("t.csv", text, error)) << error;
    ASSERT_EQ(table.rows().size(), 2u);
    const LmsRow* boy = table.find(kLmsSexBoys, 0);
    ASSERT_NE(boy, nullptr);
    EXPECT_EQ(boy->l, 1.8);
    EXPECT_EQ(boy->m, 3.5);
    EXPECT_EQ(boy->s, 0.15);
    const LmsRow* girl = table.find(kLmsSexGirls, 0.5);
    ASSERT_NE(girl, nullptr);
    EXPECT_EQ(girl->l, -0.5);
    EXPECT_EQ(table.find(kLmsSexGirls, 0), nullptr);  // the age is not interpolated
    EXPECT_EQ(table.find(kLmsSexBoys, 0.5), nullptr);
}

struct BadFileCase {
    const char* text;
    const char* message;
};

class LmsTableErrorTest : public testing::TestWithParam<BadFileCase> {};

TEST_P(LmsTableErrorTest, RefusedWithTheLine) {
    LmsTable table;
    std::string error;
    EXPECT_FALSE(table.parse("t.csv", GetParam().text, error));
    EXPECT_EQ(error, GetParam().message);
    EXPECT_TRUE(table.rows().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LmsTableErrorTest,
    testing::Values(
        BadFileCase{"Sex,Agemos,L,M\n1,0,1,3\n", "t.csv: line 1: no column \"S\""},
        BadFileCase{"Sex,Agemos,L,M,S\n1,0,1,x,0.1\n", "t.csv: line 2: \"M\" is not a number"},
        BadFileCase{"Sex,Agemos,L,M,S\n1,0,1,3\n", "t.csv: line 2: \"S\" is not a number"},
        BadFileCase{"Sex,Agemos,L,M,S\n1,0,1,3 ,0.1\n", "t.csv: line 2: \"M\" is not a number"},
        BadFileCase{"Sex,Agemos,L,M,S\n1,0,nan,3,0.1\n", "t.csv: line 2: \"L\" is not a number"},
        BadFileCase{"Sex,Agemos,L,M,S\n3,0,1,3,0.1\n",
                    "t.csv: line 2: \"Sex\" must be 1 (boys) or 2 (girls)"},
        BadFileCase{"Sex,Agemos,L,M,S\n1.5,0,1,3,0.1\n",
                    "t.csv: line 2: \"Sex\" must be 1 (boys) or 2 (girls)"},
        BadFileCase{"Sex,Agemos,L,M,S\n1,0,1,0,0.1\n", "t.csv: line 2: M and S must be above 0"},
        BadFileCase{"Sex,Agemos,L,M,S\n1,0,1,3,-0.1\n", "t.csv: line 2: M and S must be above 0"},
        BadFileCase{"Sex,Agemos,L,M,S\n1,0,1,3,0.1\n1,0,1,4,0.1\n",
                    "t.csv: line 3: the age is listed twice for this sex"},
        BadFileCase{"Sex,Agemos,L,M,S\n", "t.csv: no rows"}, BadFileCase{"", "t.csv: no rows"}));

TEST(LmsTableTest, MissingFileIsAnError) {
    LmsTable table;
    std::string error;
    EXPECT_FALSE(table.read("/nonexistent/wtage.csv", error));
    EXPECT_EQ(error, "/nonexistent/wtage.csv: cannot read the file");
}

}  // namespace
}  // namespace orvane::tools
