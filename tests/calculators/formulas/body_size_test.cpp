// Body mass index, body surface area, basal energy expenditure, ideal and lean body weight and the
// percent weight loss: printed texts worked out by hand from the formulas.
#include "calculators/formulas/body_size.h"

#include <gtest/gtest.h>

#include "foundation/number_format.h"

namespace orvane {
namespace {

std::string text(float value, int decimals) {
    return formatNumber(value, decimals, false).str();
}

TEST(BodyMassIndexTest, KilogramsOverMetresSquared) {
    EXPECT_EQ(text(*bodyMassIndex(70, 175), 2), "22.86");        // 70 / 3.0625
    EXPECT_EQ(text(*bodyMassIndex(100, 180), 2), "30.86");       // 100 / 3.24
    EXPECT_EQ(text(*bodyMassIndex(45.5f, 152.4f), 2), "19.59");  // 45.5 / 2.3226
    // 3.5 / 0.25 = 14, computed as 13.999999 in single precision: still prints 14
    EXPECT_EQ(text(*bodyMassIndex(3.5f, 50), 2), "14");
}

TEST(BodyMassIndexTest, NothingWithoutAWeightOrHeight) {
    EXPECT_FALSE(bodyMassIndex(0, 175).has_value());
    EXPECT_FALSE(bodyMassIndex(70, 0).has_value());  // would be infinite
    EXPECT_FALSE(bodyMassIndex(0, 0).has_value());   // would be NaN
}

TEST(BodySurfaceAreaTest, DuBoisInDoublePrecision) {
    // 70^0.425 × 175^0.725 × 0.007184 = 6.0806 × 42.303 × 0.007184 = 1.848
    EXPECT_EQ(text(*bodySurfaceArea(70, 175), 2), "1.85");
    EXPECT_EQ(text(*bodySurfaceArea(20, 110), 2), "0.78");   // 0.7750
    EXPECT_EQ(text(*bodySurfaceArea(3.5f, 50), 2), "0.21");  // 0.2086
}

struct EnergyCase {
    int sex;
    float age, weight, height;
    const char* text;
};

class BasalEnergyTest : public testing::TestWithParam<EnergyCase> {};

TEST_P(BasalEnergyTest, HarrisBenedictToOneDecimal) {
    const EnergyCase& c = GetParam();
    EXPECT_EQ(text(basalEnergyExpenditure(c.sex, c.age, c.weight, c.height), 1), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BasalEnergyTest,
    testing::Values(
        // 66.5 + 13.75 × 70 + 5.003 × 175 − 6.775 × 30 = 66.5 + 962.5 + 875.525 − 203.25
        EnergyCase{0, 30, 70, 175, "1701.3"},
        // 655.1 + 9.563 × 60 + 1.85 × 160 − 4.676 × 30 = 655.1 + 573.78 + 296 − 140.28
        EnergyCase{1, 30, 60, 160, "1384.6"},
        // 66.5 + 687.5 + 750.45 − 542 = 962.45: the tenths rounding of 9624.5 goes to the even 9624
        EnergyCase{0, 80, 50, 150, "962.4"},
        // 655.1 + 693.3175 + 305.25 − 210.42 = 1443.2475
        EnergyCase{1, 45, 72.5f, 165, "1443.2"}));

TEST(IdealBodyWeightTest, PerInchAboveFiveFeet) {
    // 175 cm = 68.898 in: 50 + 2.3 × 8.898 = 70.46
    EXPECT_EQ(text(idealBodyWeight(0, 175), 2), "70.46");
    // 160 cm = 62.992 in: 49 + 1.65 × 2.992 = 53.94
    EXPECT_EQ(text(idealBodyWeight(1, 160), 2), "53.94");
    // 190 cm = 74.803 in: 50 + 2.3 × 14.803 = 84.05
    EXPECT_EQ(text(idealBodyWeight(0, 190), 2), "84.05");
    // At or below 60 inches only the base weight.
    EXPECT_EQ(text(idealBodyWeight(0, 150), 2), "50");
    EXPECT_EQ(text(idealBodyWeight(1, 152.4f), 2), "49");
}

TEST(LeanBodyWeightTest, JamesFormula) {
    // 1.1 × 70 − 128 × (4900 / 30625) = 77 − 20.48
    EXPECT_EQ(text(*leanBodyWeight(0, 70, 175), 2), "56.52");
    // 1.07 × 60 − 148 × (3600 / 25600) = 64.2 − 20.8125 = 43.3875
    EXPECT_EQ(text(*leanBodyWeight(1, 60, 160), 2), "43.39");
    // 132 − 128 × 0.5625 = 60
    EXPECT_EQ(text(*leanBodyWeight(0, 120, 160), 2), "60");
    EXPECT_FALSE(leanBodyWeight(0, 70, 0).has_value());
}

TEST(PercentWeightLossTest, OutcomesInOrder) {
    WeightLossResult r = percentWeightLoss(63, 70);
    ASSERT_EQ(r.outcome, WeightLossOutcome::Loss);
    EXPECT_EQ(text(r.percent, 1), "10");
    EXPECT_EQ(text(percentWeightLoss(68, 70).percent, 1), "2.9");  // 2.857
    EXPECT_EQ(text(percentWeightLoss(70, 70).percent, 1), "0");
    EXPECT_EQ(percentWeightLoss(75, 70).outcome, WeightLossOutcome::GainNotLoss);
    EXPECT_EQ(percentWeightLoss(63, 0).outcome, WeightLossOutcome::NoBaseline);
    EXPECT_EQ(percentWeightLoss(0, 70).outcome, WeightLossOutcome::NoMeasuredWeight);
}

}  // namespace
}  // namespace orvane
