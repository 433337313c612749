// `orvane render` of the paralytics and sedation lists on the sample content: the lists, a
// computed page for a child's weight, and values outside the lists that leave the page as it was.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_checks.h"
#include "tests/support/process_run.h"

namespace {

using orvane::test_support::expectNoBrokenNumbers;
using RenderRun = orvane::test_support::ProcessRun;

RenderRun render(const std::string& arguments) {
    return orvane::test_support::runOrvane("render " + arguments);
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(AirwayRenderTest, ParalyticsListAndSuccinylcholineDosing) {
    const RenderRun list = render("37 --list");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out.rfind("Atracurium (Tracium)\t620756993\n", 0), 0u);  // (37, 1)
    EXPECT_TRUE(contains(list.out, "Succinylcholine\t620756999\n"));        // (37, 7)

    // 20 kg: 20 mg in 1 mL and 40 mg in 2 mL of 20 mg/mL.
    const RenderRun run = render("37:7 --child-weight 20kg --weight child --send 50:1:0");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "1 mg/kg = 20 mg.<BR>[1 mL of 20 mg/mL soln]")) << run.out;
    EXPECT_TRUE(contains(run.out, "2 mg/kg = 40 mg.<BR>[2 mL of 20 mg/mL soln]")) << run.out;
    EXPECT_TRUE(contains(run.out, "SAMPLE DATA")) << run.out;
    expectNoBrokenNumbers(run.out);
    // The smallest child: 0.5 mg in 0.025 mL, written 0.03 rather than 0.
    const RenderRun small = render("37:7 --child-weight 0.5kg --weight child --send 50:1:0");
    ASSERT_EQ(small.status, 0) << small.err;
    EXPECT_TRUE(contains(small.out, "1 mg/kg = 0.5 mg.<BR>[0.03 mL")) << small.out;
    expectNoBrokenNumbers(small.out);
}

TEST(AirwayRenderTest, SedationListAndOralLiquidPage) {
    const RenderRun list = render("23 --list");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out.rfind("Flumazenil (Romazicon)\t385875969\n", 0), 0u);  // (23, 1)

    // Oral liquid at 13.3 kg: 0.5 mg/kg = 6.65 mg → 6.6 (tenths, 66.5 to the even 66) in
    // 3.3 mL.
    const RenderRun run = render("23:4 --child-weight 13.3kg --weight child");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "0.5 mg/kg = 6.6 mg (3.3 mL)")) << run.out;
    expectNoBrokenNumbers(run.out);
}

TEST(AirwayRenderTest, ValuesOutsideTheListsAreIgnored) {
    const RenderRun paralytic = render("37:99");
    EXPECT_EQ(paralytic.status, 0) << paralytic.err;
    EXPECT_EQ(paralytic.out, "");
    const RenderRun kept = render("23:3 --child-weight 10kg --weight child");
    const RenderRun sent = render("23:3 --child-weight 10kg --weight child --send 23:99:0");
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(sent.out, kept.out);
    EXPECT_TRUE(contains(sent.out, "1 mg/kg = <B>10</B>"));
}

}  // namespace
