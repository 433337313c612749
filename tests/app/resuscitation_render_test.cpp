// `orvane render` of the resuscitation lists on the sample content: the ACLS and PALS lists and
// pages, and values outside the lists that leave the page as it was. Also checks the page checker
// the render tests share, so that it catches what it is meant to.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_checks.h"
#include "tests/support/process_run.h"

namespace {

using orvane::test_support::contains;
using orvane::test_support::expectNoBrokenNumbers;
using RenderRun = orvane::test_support::ProcessRun;

RenderRun render(const std::string& arguments) {
    return orvane::test_support::runOrvane("render " + arguments);
}

int lineCount(const std::string& text) {
    int lines = 0;
    for (const char c : text) lines += c == '\n' ? 1 : 0;
    return lines;
}

TEST(ResuscitationRenderTest, PageChecksCatchBrokenAmounts) {
    using orvane::test_support::showsNegativeAmount;
    using orvane::test_support::showsZeroAmount;
    for (const char* bad : {"= 0 mg.", "<B>0</B>&nbsp;mg", "[0 - 0.5 mL of", "0-1.5 mL", "(0 mL)",
                            "0 - 2 mg", "= 0 Units"}) {
        EXPECT_TRUE(showsZeroAmount(bad)) << bad;
    }
    for (const char* good : {"= 0.04 mg", "10 mg", "0-1 Miller", "PEEP 0 cm H20",
                             "[0.1 mg =", "20 mg.", "1.0-1.5 mg/kg = 10-15 mg"}) {
        EXPECT_FALSE(showsZeroAmount(good)) << good;
    }
    EXPECT_TRUE(showsNegativeAmount("= -1 mg"));
    EXPECT_TRUE(showsNegativeAmount("(-0.5 mL)"));
    EXPECT_FALSE(showsNegativeAmount("0.5-1 J/kg, q5-10 minutes"));
}

TEST(ResuscitationRenderTest, AclsAndPalsListsAndPages) {
    // ACLS lists records 1 to 13 of the shared table, PALS records 14 to 29.
    const RenderRun acls = render("2 --list");
    ASSERT_EQ(acls.status, 0) << acls.err;
    EXPECT_EQ(lineCount(acls.out), 13) << acls.out;
    EXPECT_TRUE(contains(acls.out, "\t33554433\n")) << acls.out;  // (2, 1)
    EXPECT_TRUE(contains(acls.out, "\t33554445\n")) << acls.out;  // (2, 13)
    const RenderRun pals = render("8 --list");
    ASSERT_EQ(pals.status, 0) << pals.err;
    EXPECT_EQ(lineCount(pals.out), 16) << pals.out;
    EXPECT_EQ(pals.out.find("\t33554433\n"), std::string::npos);
    EXPECT_TRUE(contains(pals.out, "\t134217742\n")) << pals.out;  // (8, 14)
    EXPECT_TRUE(contains(pals.out, "\t134217757\n")) << pals.out;  // (8, 29)

    for (const char* request : {"2:1", "2:13", "8:14", "8:29"}) {
        const RenderRun page = render(request);
        ASSERT_EQ(page.status, 0) << page.err;
        EXPECT_TRUE(contains(page.out, "SAMPLE DATA")) << request << page.out;
    }
}

TEST(ResuscitationRenderTest, ValuesOutsideTheListsAreIgnored) {
    for (const char* request : {"2:14", "8:13", "2:30", "8:32767"}) {
        const RenderRun run = render(request);
        EXPECT_EQ(run.status, 0) << request << run.err;
        EXPECT_EQ(run.out, "") << request;
    }
    const RenderRun kept = render("2:4");
    const RenderRun sent = render("2:4 --send 2:20:0 --send 8:15:0");
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_FALSE(kept.out.empty());
    EXPECT_EQ(sent.out, kept.out);
}

}  // namespace
