// The burn area arithmetic: regions and their stored surfaces, the middle of each extent band, the
// total and the texts of the extent links and list entries.
#include "calculators/burn_area_formulas.h"

#include <gtest/gtest.h>

#include "foundation/number_format.h"

namespace orvane {
namespace {

TEST(BurnRegionsTest, PairsShareOneStoredSurface) {
    const int32_t expected[kBurnRegionCount] = {0, 1, 2, 3, 3, 4, 4,  5,  5,  6,
                                                6, 7, 8, 8, 9, 9, 10, 10, 11, 11};
    for (int32_t r = 1; r <= kBurnRegionCount; ++r) {
        EXPECT_EQ(burnSurfaceOfRegion(r), expected[r - 1]) << r;
    }
    EXPECT_STREQ(burnRegionLabel(1), "Head/Neck");
    EXPECT_STREQ(burnRegionLabel(9), "Hand (both sides) (Right)");
    EXPECT_STREQ(burnRegionLabel(20), "Heel+Sole of Foot (Right)");
    EXPECT_STREQ(burnRegionLabel(0), "");
    EXPECT_STREQ(burnRegionLabel(21), "");
    EXPECT_STREQ(burnAgeLabel(1), "< 1 year");
    EXPECT_STREQ(burnAgeLabel(5), "13 or older");
    EXPECT_STREQ(burnAgeLabel(6), "");
}

struct ContributionCase {
    int32_t extent;
    float fraction;
    double expected;  // middle of the band × fraction, by hand
};

class BurnContributionTest : public testing::TestWithParam<ContributionCase> {};

TEST_P(BurnContributionTest, MiddleOfTheBandTimesTheSurface) {
    const ContributionCase& c = GetParam();
    EXPECT_NEAR(burnContribution(c.extent, c.fraction), c.expected, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(Cases, BurnContributionTest,
                         testing::Values(ContributionCase{0, 0.13f, 0},     // none
                                         ContributionCase{1, 0.2f, 0.005},  // 0-5 %: 2.5 % of 0.2
                                         ContributionCase{3, 0.13f,
                                                          0.01625},  // 10-15 % of the back: 12.5 %
                                         ContributionCase{3, 0.16f, 0.02},      // 12.5 % of 0.16
                                         ContributionCase{20, 0.1f, 0.0975},    // 95-100 %: 97.5 %
                                         ContributionCase{11, 0.08f, 0.042}));  // 50-55 %: 52.5 %

TEST(BurnTotalTest, SumsEveryRegionWithAnExtent) {
    int16_t extents[kBurnRegionCount] = {};
    float fractions[kBurnRegionCount] = {};
    for (float& f : fractions) f = 0.05f;  // twenty regions of 5 % each: the whole body
    EXPECT_EQ(formatNumber(burnTotal(extents, fractions) * 100.0f, 1, false).str(), "0");
    extents[2] = 3;  // back 12.5 % of 5 % = 0.625 %
    EXPECT_NEAR(burnTotal(extents, fractions), 0.00625, 1e-7);
    for (int16_t& e : extents) e = 20;  // everything at 95-100 %
    EXPECT_EQ(formatNumber(burnTotal(extents, fractions) * 100.0f, 1, false).str(), "97.5");
}

TEST(BurnTextsTest, ExtentLinksAndListEntries) {
    EXPECT_EQ(burnExtentText(0).str(), "none");
    EXPECT_EQ(burnExtentText(1).str(), "0-5");
    EXPECT_EQ(burnExtentText(3).str(), "10-15");
    EXPECT_EQ(burnExtentText(20).str(), "95-100");
    EXPECT_EQ(burnExtentEntryText(2, 3).str(), "10-15% of entire Back");
    EXPECT_EQ(burnExtentEntryText(0, 8).str(), "0-5% of entire Hand (both sides)");
    EXPECT_EQ(burnExtentEntryText(19, 20).str(), "95-100% of entire Heel+Sole of Foot");
    EXPECT_EQ(burnExtentEntryText(5, 13).str(), "25-30% of entire Hip to Knee");
}

}  // namespace
}  // namespace orvane
