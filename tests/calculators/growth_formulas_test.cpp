// Growth arithmetic: age band texts, LMS Z-scores and values worked out by hand, the percentile
// band at and beside each edge, the shown values in kilograms, grams and pounds, and the
// plausibility limits.
#include "calculators/growth_formulas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

struct BandLabelCase {
    int32_t band;
    const char* text;
};

class GrowthBandLabelTest : public testing::TestWithParam<BandLabelCase> {};

TEST_P(GrowthBandLabelTest, Text) {
    EXPECT_EQ(growthBandLabel(GetParam().band).str(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GrowthBandLabelTest,
    testing::Values(BandLabelCase{1, "Birth (full term pregnancy)"},
                    BandLabelCase{2, "Birth to less than 1 month"},
                    BandLabelCase{3, "1 month to less than 2 mos"},
                    BandLabelCase{4, "2 mos to less than 3 mos"},
                    BandLabelCase{26, "24 mos to less than 25 mos"},
                    BandLabelCase{37, "35 mos to less than 36 mos"}, BandLabelCase{38, "3 yrs"},
                    BandLabelCase{39, "3 yrs 3 mos"}, BandLabelCase{41, "3 yrs 9 mos"},
                    BandLabelCase{42, "4 yrs"}, BandLabelCase{45, "4 yrs 9 mos"},
                    BandLabelCase{46, "5 yrs"}, BandLabelCase{47, "5 yrs 6 mos"},
                    BandLabelCase{70, "17 yrs"}, BandLabelCase{71, "17 yrs 6 mos"},
                    BandLabelCase{72, "18 yrs"}, BandLabelCase{0, ""}, BandLabelCase{73, ""}));

TEST(GrowthPercentilesTest, ElevenLabelsAndScores) {
    EXPECT_STREQ(growthPercentileLabel(0), "3% = ");
    EXPECT_STREQ(growthPercentileLabel(5), "50% = ");
    EXPECT_STREQ(growthPercentileLabel(10), "97% = ");
    EXPECT_FLOAT_EQ(growthPercentileZ(0), -1.881f);
    EXPECT_FLOAT_EQ(growthPercentileZ(5), 0.0f);
    EXPECT_FLOAT_EQ(growthPercentileZ(8), 1.282f);
}

TEST(LmsTest, ZScoreByHand) {
    // L = 1: Z = (X / M − 1) / S; 11 against a median of 10 with S 0.1 is one SD
    EXPECT_NEAR(lmsZScore(11, {1, 10, 0.1f}), 1.0, 1e-5);
    // L = 0.5: (25 / 16)^0.5 = 1.25; (1.25 − 1) / 0.05 = 5; (9 / 16)^0.5 = 0.75 → −5
    EXPECT_NEAR(lmsZScore(25, {0.5f, 16, 0.1f}), 5.0, 1e-5);
    EXPECT_NEAR(lmsZScore(9, {0.5f, 16, 0.1f}), -5.0, 1e-5);
    // L = −1: (20 / 16)^−1 = 0.8; (0.8 − 1) / (−0.1) = 2
    EXPECT_NEAR(lmsZScore(20, {-1, 16, 0.1f}), 2.0, 1e-5);
    // L = 0: ln(X / M) / S; ln(e^0.2) / 0.1 = 2
    EXPECT_NEAR(lmsZScore(10 * std::exp(0.2f), {0, 10, 0.1f}), 2.0, 1e-5);
    EXPECT_NEAR(lmsZScore(16, {0.5f, 16, 0.1f}), 0.0, 1e-6);  // the median
}

TEST(LmsTest, ValueByHandAndBack) {
    // L = 1: M (1 + S Z) = 10 × 1.1881
    EXPECT_NEAR(lmsValue(1.881f, {1, 10, 0.1f}), 11.881, 1e-4);
    // L = 0.5: 16 × (1 + 0.05 × 2)^2 = 16 × 1.21 = 19.36
    EXPECT_NEAR(lmsValue(2, {0.5f, 16, 0.1f}), 19.36, 1e-4);
    // L = 0: M e^(S Z)
    EXPECT_NEAR(lmsValue(2, {0, 10, 0.1f}), 10 * std::exp(0.2), 1e-4);
    // A base that is not positive has no value: NaN (shown as "ERR", never "nan")
    EXPECT_TRUE(std::isnan(lmsValue(-20, {1, 10, 0.1f})));
    for (const float z : {-1.881f, -0.674f, 0.0f, 1.036f, 1.881f}) {
        const LmsParameters lms{-0.3f, 12.5f, 0.11f};
        EXPECT_NEAR(lmsZScore(lmsValue(z, lms), lms), z, 1e-4) << z;
    }
}

struct BandCase {
    float z;
    const char* text;
};

class GrowthBandTextTest : public testing::TestWithParam<BandCase> {};

TEST_P(GrowthBandTextTest, BandIncludesItsLowerEdge) {
    EXPECT_EQ(growthBandText(GetParam().z).str(), GetParam().text) << GetParam().z;
}

float below(float z) {
    return std::nextafter(z, -10.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GrowthBandTextTest,
    testing::Values(
        BandCase{-3, " &lt;3% (Z = -3)"}, BandCase{below(-1.881f), " &lt;3% (Z = -1.88)"},
        BandCase{-1.881f, " 3-5% (Z = -1.88)"}, BandCase{below(-1.645f), " 3-5% (Z = -1.64)"},
        BandCase{-1.645f, " 5-10% (Z = -1.64)"},  // −164.5 is truncated toward zero: −1.64
        BandCase{-1.282f, " 10-15% (Z = -1.28)"}, BandCase{-1.036f, " 15-25% (Z = -1.03)"},
        BandCase{-0.674f, " 25-50% (Z = -0.67)"}, BandCase{below(0.0f), " 25-50% (Z = 0)"},
        BandCase{0, " 50-75% (Z = 0)"}, BandCase{below(0.674f), " 50-75% (Z = 0.67)"},
        BandCase{0.674f, " 75-85% (Z = 0.67)"}, BandCase{1.036f, " 85-90% (Z = 1.04)"},
        BandCase{1.282f, " 90-95% (Z = 1.28)"},
        BandCase{1.645f, " 95-97% (Z = 1.64)"} /* 164.5: tie to even */,
        BandCase{below(1.881f), " 95-97% (Z = 1.88)"}, BandCase{1.881f, " 97% (Z = 1.88)"},
        BandCase{5, " 97% (Z = 5)"}));

// A sound record's parameters are a curve; a damaged record's are not (found by
// calculator_records_fuzz: a page of "Z = ERR" and percentiles of "0kgs.").
TEST(GrowthCurveTest, DamagedParametersAreNoCurve) {
    const float nan = std::nanf("");
    const float inf = INFINITY;
    struct Case {
        const char* what;
        LmsParameters lms;
        bool curve;
    };
    const Case cases[] = {
        {"a weight curve", {-0.2f, 12.0f, 0.1f}, true},
        {"L of 0 (the log form)", {0.0f, 50.0f, 0.05f}, true},
        {"M of 0", {1.0f, 0.0f, 0.1f}, false},
        {"negative M", {1.0f, -12.0f, 0.1f}, false},
        {"S of 0", {1.0f, 12.0f, 0.0f}, false},
        {"negative S", {1.0f, 12.0f, -0.1f}, false},
        {"L no number", {nan, 12.0f, 0.1f}, false},
        {"M infinite", {1.0f, inf, 0.1f}, false},
        {"S no number", {1.0f, 12.0f, nan}, false},
        // 1 + L x S x Z at the 3rd percentile (Z = -1.881): 1 - 2 x 0.5 x 1.881 < 0.
        {"a percentile the curve does not reach", {2.0f, 12.0f, 0.5f}, false},
        // M x e^(S x 1.881) at the 97th: 10^5 x e^(3 x 1.881) = 2.8 x 10^7, past the largest.
        {"percentiles past any measurement", {0.0f, 1.0e5f, 3.0f}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(isGrowthCurve(c.lms), c.curve) << c.what;
}

TEST(GrowthValueTextTest, TenthsThenGramsByTheDoseBands) {
    EXPECT_EQ(growthValueText(11.881f, 1, false).str(), "11.9");  // kilograms
    EXPECT_EQ(growthValueText(10, 2.2f, false).str(), "22");      // pounds
    EXPECT_EQ(growthValueText(50, 0.394f, false).str(), "19.7");  // inches
    // 3.4623 kg = 3462.3 g → tenths 3462.3 → 25s: 138.49 → 138 × 25 = 3450
    EXPECT_EQ(growthValueText(3.4623f, 1000, true).str(), "3450");
    // 0.9 kg = 900 g → tens: 90 → 900
    EXPECT_EQ(growthValueText(0.904f, 1000, true).str(), "900");
}

TEST(GrowthPlausibilityTest, ZeroOrWithinLimits) {
    EXPECT_TRUE(growthMeasurementsPlausible(0, 0, 0));
    EXPECT_TRUE(growthMeasurementsPlausible(0.49f, 40, 30));
    EXPECT_TRUE(growthMeasurementsPlausible(205, 203.5f, 64));
    EXPECT_FALSE(growthMeasurementsPlausible(0.3f, 0, 0));
    EXPECT_FALSE(growthMeasurementsPlausible(205.1f, 0, 0));
    EXPECT_FALSE(growthMeasurementsPlausible(0, 39.9f, 0));
    EXPECT_FALSE(growthMeasurementsPlausible(0, 203.6f, 0));
    EXPECT_FALSE(growthMeasurementsPlausible(0, 0, 29.9f));
    EXPECT_FALSE(growthMeasurementsPlausible(0, 0, 64.1f));
    EXPECT_FALSE(growthMeasurementsPlausible(std::nanf(""), 0, 0));
}

TEST(GrowthBodyMassIndexTest, KilogramsOverMetresSquared) {
    EXPECT_NEAR(growthBodyMassIndex(16, 100), 16.0, 1e-4);
    EXPECT_NEAR(growthBodyMassIndex(20, 110), 16.528926, 1e-4);  // 20 / 1.21
}

}  // namespace
}  // namespace orvane
