// `orvane render` of Adult Drips and TykoDrips on the sample content: the drug lists, choices sent
// as in-page links (--send 33:K:2 for a rate, 33:K:3 for a concentration, 50:K:0 for a section),
// a refused section change, and values outside the lists that leave the page as it was.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/process_run.h"

namespace {

using RenderRun = orvane::test_support::ProcessRun;

RenderRun render(const std::string& arguments) {
    return orvane::test_support::runOrvane("render " + arguments);
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

int lines(const std::string& text) {
    int n = 0;
    for (const char c : text) n += c == '\n' ? 1 : 0;
    return n;
}

TEST(InfusionsRenderTest, DrugLists) {
    const RenderRun adult = render("3 --list");
    ASSERT_EQ(adult.status, 0) << adult.err;
    EXPECT_EQ(lines(adult.out), 46);
    EXPECT_EQ(adult.out.rfind("Aminophylline\t50331649\n", 0), 0u);  // (3, 1)
    const RenderRun child = render("11 --list");
    ASSERT_EQ(child.status, 0) << child.err;
    EXPECT_EQ(lines(child.out), 25);
    EXPECT_EQ(child.out.rfind("Aminophylline\t184549377\n", 0), 0u);  // (11, 1)
}

TEST(InfusionsRenderTest, ChoicesAndSectionsThroughLinks) {
    // Sample "T10" (drug 23) at 10 kg, mix 2: K = 250 mcg/mL, the rates 2.4 mL/hr per
    // mcg/kg/min.
    const RenderRun run = render(
        "11:23 --child-weight 10kg --weight child --send 33:1:2 --send 33:2:3 --send 50:2:0");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "0.24 mL/hr (60 mcg/hr) of 25 x weight mcg/mL solution"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "0.1 mcg/kg/min = 0.24 mL/hr<BR>")) << run.out;
    // The same section as a view of the results menu.
    const RenderRun view =
        render("11:23 --child-weight 10kg --weight child --send 33:1:2 --send 33:2:3 --view 2");
    ASSERT_EQ(view.status, 0) << view.err;
    EXPECT_EQ(view.out, run.out);
    // Adult "A22" (drug 1): its custom list on the 0.05 grid.
    const RenderRun custom = render("3:1 --adult-weight 70kg --weight adult --send 33:3:2");
    ASSERT_EQ(custom.status, 0) << custom.err;
    EXPECT_TRUE(contains(custom.out, "<STRONG>Select Custom Rate:</STRONG>")) << custom.out;
    EXPECT_TRUE(contains(custom.out, "<U>0.15 mg/kg/hr</U>")) << custom.out;
    EXPECT_TRUE(contains(custom.out, "<U>Return to Standard Dosing</U>")) << custom.out;
}

TEST(InfusionsRenderTest, RefusedSectionAndIgnoredValues) {
    const std::string open = "11:3 --child-weight 10kg --weight child";
    const RenderRun plain = render(open);
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_TRUE(contains(plain.out, "Select Rate:")) << plain.out;
    // Infuse before a rate is chosen: the page stays on Selections.
    for (const char* send : {"--send 50:2:0", "--send 33:99:2", "--send 33:9:3", "--send 11:99:0",
                             "--send 50:9:0", "--view 3", "--view 9"}) {
        const RenderRun sent = render(open + " " + send);
        ASSERT_EQ(sent.status, 0) << send << sent.err;
        EXPECT_EQ(sent.out, plain.out) << send;
    }
    const RenderRun none = render("3:99");
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out, "");
}

}  // namespace
