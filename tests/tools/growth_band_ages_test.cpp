// The ages of the reference files that the age bands take, measure by measure: birth, the half
// month points, band 38 with its fallback to 35.5 for length, the 2 to 20 years bands at their
// month + 0.5, BMI from band 27 and head circumference only up to band 38.
#include "tools/lib/growth_band_ages.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane::tools {
namespace {

using Ages = std::vector<double>;

struct BandAgeCase {
    int32_t band;
    int32_t startMonths;  // -1: not checked
    Ages weight, length, head, bmi;
};

class GrowthBandAgesTest : public testing::TestWithParam<BandAgeCase> {};

TEST_P(GrowthBandAgesTest, FileAgesOfEachMeasure) {
    const BandAgeCase& c = GetParam();
    if (c.startMonths >= 0) {
        EXPECT_EQ(growthBandStartMonths(c.band), c.startMonths);
    }
    EXPECT_EQ(growthFileAges(c.band, GrowthMeasure::kWeight), c.weight);
    EXPECT_EQ(growthFileAges(c.band, GrowthMeasure::kLength), c.length);
    EXPECT_EQ(growthFileAges(c.band, GrowthMeasure::kHead), c.head);
    EXPECT_EQ(growthFileAges(c.band, GrowthMeasure::kBmi), c.bmi);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GrowthBandAgesTest,
    testing::Values(
        // Birth, birth to 1 month, 1 to 2 months: 0, 0.5, 1.5; no BMI below band 27
        BandAgeCase{1, 0, {0}, {0}, {0}, {}}, BandAgeCase{2, 0, {0.5}, {0.5}, {0.5}, {}},
        BandAgeCase{3, 1, {1.5}, {1.5}, {1.5}, {}},
        // 24 to 25 months: still no BMI; 25 to 26 months: BMI at the same 25.5
        BandAgeCase{26, 24, {24.5}, {24.5}, {24.5}, {}},
        BandAgeCase{27, 25, {25.5}, {25.5}, {25.5}, {25.5}},
        BandAgeCase{37, 35, {35.5}, {35.5}, {35.5}, {35.5}},
        // 3 yrs: 36, or 35.5 where the file stops there; the BMI file has 36.5
        BandAgeCase{38, 36, {36, 35.5}, {36, 35.5}, {36, 35.5}, {36.5}},
        // 3 yrs 3 mos: the 2 to 20 years files at 39.5, no head circumference
        BandAgeCase{39, 39, {39.5}, {39.5}, {}, {39.5}},
        BandAgeCase{45, 57, {57.5}, {57.5}, {}, {57.5}},      // 4 yrs 9 mos
        BandAgeCase{46, 60, {60.5}, {60.5}, {}, {60.5}},      // 5 yrs
        BandAgeCase{71, 210, {210.5}, {210.5}, {}, {210.5}},  // 17 yrs 6 mos
        BandAgeCase{72, 216, {216.5}, {216.5}, {}, {216.5}},  // 18 yrs
        // Outside the 72 bands: no ages (and no start to check)
        BandAgeCase{0, -1, {}, {}, {}, {}}, BandAgeCase{73, -1, {}, {}, {}, {}}));

}  // namespace
}  // namespace orvane::tools
