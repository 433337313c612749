// `orvane render` of the paralytics and sedation lists and the intubation plan on the sample
// content: the lists, computed pages for a child's weight, the plan at a newborn's, a child's and
// an adult's weight, and values outside the lists that leave the page as it was.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_checks.h"
#include "tests/support/process_run.h"

namespace {

using RenderRun = orvane::test_support::ProcessRun;

RenderRun render(const std::string& arguments) {
    return orvane::test_support::runOrvane("render " + arguments);
}

using orvane::test_support::contains;
using orvane::test_support::expectNoBrokenNumbers;

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
    EXPECT_TRUE(contains(small.out, "1 mg/kg = 0.5 mg.<BR>[0.025 mL")) << small.out;
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

// The plan's result page: one --choose per list (adjunct, sedative, narcotic, paralytic), then
// the result view.
RenderRun plan(const std::string& weight, int adjunct, int sedative, int narcotic, int paralytic) {
    return render(
        "22 --child-weight " + weight + " --weight child --choose 1=" + std::to_string(adjunct) +
        " --choose 2=" + std::to_string(sedative) + " --choose 3=" + std::to_string(narcotic) +
        " --choose 4=" + std::to_string(paralytic) + " --send 50:1:0");
}

TEST(AirwayRenderTest, RsiNavixPlanForAChild) {
    // 13.3 kg, child weight: atropine 0.133 → 0.13 and 0.266 → 0.27 mg (one decimal would read
    // 0.1 and 0.3, 25% and 13% off: two) in 1.3-2.7 mL; ketamine 13.3 → 13.5 and 53.2 → 53 mg;
    // fentanyl likewise in mcg, in 0.27 and 1.06 mL of 50 mcg/mL; succinylcholine 13.5 mg in 0.665
    // → 0.7 mL; the yellow band.
    const RenderRun run = plan("13.3kg", 2, 3, 2, 8);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out,
                         "<B>Atropine:</B><BR>0.01-0.02 mg/kg = 0.13-0.27 mg.<BR>[1.3 - "
                         "2.7 mL of 1 mg/10 mL soln]."))
        << run.out;
    EXPECT_TRUE(contains(run.out, "<B>Ketamine:</B><BR>1-4 mg/kg = 13.5-53 mg.")) << run.out;
    EXPECT_TRUE(contains(run.out, "1-4 mcg/kg = 13.5-53 mcg.<BR>[0.27 - 1.06 mL of 50 mcg/mL"))
        << run.out;
    EXPECT_TRUE(contains(run.out,
                         "<B>Succinylcholine:</B><BR><B>Initial Dose (>12 yrs):</B>"
                         "<BR>1 mg/kg = 13.5 mg.<BR>[0.7 mL of 20 mg/mL soln]"))
        << run.out;
    EXPECT_TRUE(contains(run.out, "(Yellow)")) << run.out;
    expectNoBrokenNumbers(run.out);

    // The selections page names the choices, each a link that clears it.
    const RenderRun selections =
        render("22 --child-weight 13.3kg --weight child --choose 1=1 --choose 4=6");
    EXPECT_TRUE(contains(selections.out, "<U>No Adjunct</U>")) << selections.out;
    EXPECT_TRUE(contains(selections.out, "<U>Pancuronium (Pavulon)</U>")) << selections.out;
    EXPECT_TRUE(contains(selections.out, "Select Sedative :")) << selections.out;
}

TEST(AirwayRenderTest, RsiNavixPlansAtThreeWeights) {
    const struct {
        int adjunct, sedative, narcotic, paralytic;
    } plans[] = {{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}, {4, 4, 1, 4}, {5, 5, 2, 5},
                 {6, 6, 3, 6}, {2, 7, 2, 7}, {1, 3, 1, 8}, {5, 3, 3, 9}};
    for (const char* weight : {"3kg", "13.3kg", "60kg"}) {
        for (const auto& p : plans) {
            const RenderRun run = plan(weight, p.adjunct, p.sedative, p.narcotic, p.paralytic);
            ASSERT_EQ(run.status, 0) << run.err;
            EXPECT_FALSE(run.out.empty());
            expectNoBrokenNumbers(run.out);
        }
    }
}

TEST(AirwayRenderTest, RsiNavixValuesOutsideTheListsAreIgnored) {
    const RenderRun kept = render("22 --choose 1=3");
    const RenderRun sent =
        render("22 --choose 1=3 --choose 1=7 --choose 4=10 --choose 5=1 --send 50:2:0");
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_TRUE(contains(kept.out, "<U>Lidocaine</U>")) << kept.out;
    EXPECT_EQ(sent.out, kept.out);
}

}  // namespace
