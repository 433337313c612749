// `orvane render` of AbxNavix on the sample content: the category list, the calculated doses at
// 13.3 kg worked out by hand, every category at a range of weights with no broken number, and
// values outside the list (from the command line, as from a stale link) that leave the page as it
// was.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/dose_maximum_checks.h"
#include "tests/support/page_checks.h"
#include "tests/support/process_run.h"

namespace {

using orvane::test_support::contains;
using orvane::test_support::expectNoBrokenNumbers;
using orvane::test_support::expectNoDoseAboveStatedMaximum;
using RenderRun = orvane::test_support::ProcessRun;

RenderRun render(const std::string& arguments) {
    return orvane::test_support::runOrvane("render " + arguments);
}

constexpr const char* kWeights[] = {
    "--child-weight 0.5kg --weight child",
    "--child-weight 3kg --weight child",
    "--child-weight 13.3kg --weight child",
    "--adult-weight 100kg --weight adult",
};

// The sample category table's size.
constexpr int kCategories = 4;

TEST(AbxNavixRenderTest, CategoryList) {
    const RenderRun list = render("1 --list");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out.rfind("Pneumonia, Community (sample)\t16777217\n", 0), 0u);  // (1, 1)
    EXPECT_TRUE(contains(list.out, "Varicella (sample)\t16777220\n")) << list.out;  // (1, 4)
    const RenderRun none = render("1");
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out, "");
}

TEST(AbxNavixRenderTest, DosesAtThirteenPointThreeKilograms) {
    const RenderRun run = render("1:1 --child-weight 13.3kg --weight child");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "SAMPLE DATA")) << run.out;
    // 80 × 13.3 / 2 = 532, in fives 530; 90 × 13.3 / 2 = 598.5, in fives 600.
    EXPECT_TRUE(contains(run.out, "&nbsp;530-600&nbsp;mg PO bid (80-90 mg/kg/d div bid)"))
        << run.out;
    // 200000 × 13.3 / 6 = 443333 and 250000 × 13.3 / 6 = 554167, in thousands.
    EXPECT_TRUE(contains(run.out,
                         "&nbsp;443000-554000 U &nbsp;IV q4h (200000-250000 U /kg/d div "
                         "q4h)"))
        << run.out;
    // 2.5 × 13.3 = 33.25: 66.5 halves to the even 66, so 33.
    EXPECT_TRUE(contains(run.out, "&nbsp;33&nbsp;mg/dose IV/IM q8h (2.5 mg/kg/dose div q8h)"))
        << run.out;

    // The lower-case penicillin is in units throughout: 25000 × 13.3 = 332500 and
    // 50000 × 13.3 = 665000, in thousands. 332500 × 0.001 in single precision is 332.50003, a
    // hair above the half, so 333000.
    const RenderRun strep = render("1:2 --child-weight 13.3kg --weight child");
    ASSERT_EQ(strep.status, 0) << strep.err;
    EXPECT_TRUE(contains(strep.out,
                         "Benzathine penicillin G&nbsp;</B> &nbsp;333000-665000 "
                         "U &nbsp;IM q24h (25000-50000 U /kg/dose given q24h)"))
        << strep.out;
}

TEST(AbxNavixRenderTest, EveryCategoryAtEveryWeightHasSoundNumbers) {
    for (const char* weight : kWeights) {
        for (int category = 1; category <= kCategories; ++category) {
            const RenderRun run = render("1:" + std::to_string(category) + " " + weight);
            ASSERT_EQ(run.status, 0) << category << " " << weight << ": " << run.err;
            EXPECT_TRUE(contains(run.out, "SAMPLE DATA")) << category << " " << weight;
            expectNoBrokenNumbers(run.out);
            expectNoDoseAboveStatedMaximum(run.out, std::to_string(category) + " " + weight);
        }
    }
}

TEST(AbxNavixRenderTest, ValuesOutsideTheListAreIgnored) {
    for (const char* request : {"1:5", "1:300", "1:32767"}) {
        const RenderRun run = render(request);
        EXPECT_EQ(run.status, 0) << request << ": " << run.err;
        EXPECT_EQ(run.out, "") << request;
    }
    const RenderRun kept = render("1:2 --child-weight 10kg --weight child");
    ASSERT_EQ(kept.status, 0) << kept.err;
    for (const char* send : {"1:5:0", "1:32767:0", "33:3:1", "45:1:0"}) {
        const RenderRun run =
            render(std::string("1:2 --child-weight 10kg --weight child --send ") + send);
        EXPECT_EQ(run.status, 0) << send << ": " << run.err;
        EXPECT_EQ(run.out, kept.out) << send;
    }
}

}  // namespace
