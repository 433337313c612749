// Infusion arithmetic: concentrations from each drug unit, rates from doses and doses from rates in
// every dosing unit, and no result (rather than inf or nan) for a 0 amount, volume or
// concentration. Expected texts worked out by hand, then put through the dose bands by hand.
#include "calculators/infusion_formulas.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr InfusionKnown kAmount = InfusionKnown::kAmountAndVolume;
constexpr InfusionKnown kConc = InfusionKnown::kConcentration;

TEST(InfusionConcentrationTest, FromAmountAndVolume) {
    EXPECT_FLOAT_EQ(*infusionConcentration(kAmount, 0, 2, 500, -1), 4000);     // 2 g / 500 mL
    EXPECT_FLOAT_EQ(*infusionConcentration(kAmount, 1, 400, 250, -1), 1600);   // 400 mg / 250 mL
    EXPECT_FLOAT_EQ(*infusionConcentration(kAmount, 2, 500, 250, -1), 2);      // 500 mcg / 250 mL
    EXPECT_FLOAT_EQ(*infusionConcentration(kAmount, 3, 25000, 250, -1), 100);  // Units
}

TEST(InfusionConcentrationTest, FromAStatedConcentration) {
    EXPECT_FLOAT_EQ(*infusionConcentration(kConc, 0, -1, -1, 4), 4);          // mcg/mL
    EXPECT_FLOAT_EQ(*infusionConcentration(kConc, 1, -1, -1, 1.6f), 1600);    // mg/mL
    EXPECT_FLOAT_EQ(*infusionConcentration(kConc, 2, -1, -1, 0.002f), 2000);  // grams/mL
    EXPECT_FLOAT_EQ(*infusionConcentration(kConc, 3, -1, -1, 100), 100);      // Units/mL
}

TEST(InfusionConcentrationTest, ZeroAmountVolumeOrConcentrationGivesNoResult) {
    EXPECT_FALSE(infusionConcentration(kAmount, 1, 0, 250, -1).has_value());
    EXPECT_FALSE(infusionConcentration(kAmount, 1, 400, 0, -1).has_value());
    EXPECT_FALSE(infusionConcentration(kAmount, 1, 0, 0, -1).has_value());
    EXPECT_FALSE(infusionConcentration(kConc, 1, -1, -1, 0).has_value());
    EXPECT_FALSE(infusionConcentration(kAmount, 4, 400, 250, -1).has_value());  // no such unit
    EXPECT_FALSE(infusionConcentration(kConc, -1, -1, -1, 1).has_value());
}

struct RateCase {
    bool unitsSet;
    int32_t dosingUnit;
    float weight, amount, concentration;  // amount: the desired dose or the current rate
    const char* text;
};

class RateFromDoseTest : public testing::TestWithParam<RateCase> {};

TEST_P(RateFromDoseTest, MillilitresPerHour) {
    const RateCase& c = GetParam();
    const auto r =
        infusionRateFromDose(c.unitsSet, c.dosingUnit, c.weight, c.amount, c.concentration);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(infusionNumberText(*r).str(), c.text) << c.dosingUnit;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RateFromDoseTest,
    testing::Values(
        // 70 kg, 5 per unit, K = 1600 mcg/mL
        RateCase{false, 0, 70, 5, 1600, "13"},        // 5 × 70 × 60 / 1600 = 13.125 → 13
        RateCase{false, 1, 70, 5, 1600, "0.22"},      // 350 / 1600 = 0.21875 → 0.22
        RateCase{false, 2, 70, 5, 1600, "0.19"},      // 300 / 1600 = 0.1875 → 0.19
        RateCase{false, 3, 70, 5, 1600, "13100"},     // 21000000 / 1600 = 13125 → 13100
        RateCase{false, 4, 70, 5, 1600, "220"},       // 350000 / 1600 = 218.75 → 220
        RateCase{false, 5, 70, 5, 1600, "190"},       // 300000 / 1600 = 187.5 → 190
        RateCase{false, 3, 70, 0.001f, 1600, "2.6"},  // 4200 × 0.001... = 2.625 → 2.6, 3 dec.
        // Units, K = 100 Units/mL
        RateCase{true, 0, 70, 20, 100, "12"},      // 20 × 60 / 100
        RateCase{true, 1, 70, 1000, 100, "10"},    // 1000 / 100
        RateCase{true, 2, 70, 0.1f, 100, "4.2"},   // 70 × 0.1 × 60 / 100
        RateCase{true, 3, 70, 18, 100, "12.5"}));  // 1260 / 100 = 12.6 → halves: 12.5

class DoseFromRateTest : public testing::TestWithParam<RateCase> {};

TEST_P(DoseFromRateTest, DosePerUnit) {
    const RateCase& c = GetParam();
    const auto r =
        infusionDoseFromRate(c.unitsSet, c.dosingUnit, c.weight, c.amount, c.concentration);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(infusionNumberText(*r).str(), c.text) << c.dosingUnit;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DoseFromRateTest,
    testing::Values(
        // 1.6 mg/mL at 10 mL/hr: 16000 mcg/hr, 70 kg
        RateCase{false, 0, 70, 10, 1600, "3.8"},    // 16000 / 4200 = 3.8095 → 3.8
        RateCase{false, 1, 70, 10, 1600, "230"},    // 16000 / 70 = 228.57 → 230
        RateCase{false, 2, 70, 10, 1600, "270"},    // 16000 / 60 = 266.67 → 270
        RateCase{false, 3, 70, 10, 1600, "0.004"},  // 16000 / 4200000 = 0.0038 → 0.004
        RateCase{false, 4, 70, 10, 1600, "0.23"},   // 16000 / 70000 = 0.2286 → 0.23
        RateCase{false, 5, 70, 10, 1600, "0.27"},   // 16000 / 60000 = 0.2667 → 0.27
        // 25000 Units in 250 mL at 10 mL/hr: 1000 Units/hr
        RateCase{true, 0, 70, 10, 100, "16.5"},  // 16.67 → halves 16.5
        RateCase{true, 1, 70, 10, 100, "1000"},  // 1000
        RateCase{true, 2, 70, 10, 100, "0.24"},  // 1000 / 4200 = 0.238
        RateCase{true, 3, 70, 10, 100, "14.5"},  // 1000 / 70 = 14.29 → 14.5
        RateCase{false, 2, 70, 0, 1600, "0"}));  // a stopped infusion gives no drug

TEST(InfusionRoundTripTest, RateThenDoseGivesTheDoseBack) {
    for (const bool unitsSet : {false, true}) {
        const int32_t count = unitsSet ? kInfusionUnitsDosingCount : kInfusionMassDosingCount;
        for (int32_t unit = 0; unit < count; ++unit) {
            const auto rate = infusionRateFromDose(unitsSet, unit, 42.5f, 3, 800);
            ASSERT_TRUE(rate.has_value());
            const auto dose =
                infusionDoseFromRate(unitsSet, unit, 42.5f, static_cast<float>(rate->value), 800);
            ASSERT_TRUE(dose.has_value());
            EXPECT_NEAR(dose->value, 3.0, 1e-5) << unitsSet << " " << unit;
            EXPECT_EQ(dose->decimals, rate->decimals);
        }
    }
}

TEST(InfusionNoResultTest, ZeroConcentrationOrUnknownUnit) {
    EXPECT_FALSE(infusionRateFromDose(false, 0, 70, 5, 0).has_value());
    EXPECT_FALSE(infusionDoseFromRate(false, 0, 70, 5, 0).has_value());
    EXPECT_FALSE(infusionRateFromDose(false, 6, 70, 5, 1600).has_value());
    EXPECT_FALSE(infusionRateFromDose(true, 4, 70, 5, 100).has_value());
    EXPECT_FALSE(infusionDoseFromRate(true, 4, 70, 5, 100).has_value());
    EXPECT_FALSE(infusionDoseFromRate(false, -1, 70, 5, 100).has_value());
    EXPECT_FALSE(infusionDoseFromRate(false, 0, 0, 5, 100).has_value());
}

TEST(InfusionLabelsTest, BothSetsAndBothDrugLists) {
    EXPECT_STREQ(infusionDosingLabel(false, 0), "mcg/kg/min");
    EXPECT_STREQ(infusionDosingLabel(false, 5), "mg/min");
    EXPECT_EQ(infusionDosingLabel(false, 6), nullptr);
    EXPECT_STREQ(infusionDosingLabel(true, 3), "Units/kg/hr");
    EXPECT_EQ(infusionDosingLabel(true, 4), nullptr);
    EXPECT_STREQ(infusionDrugUnitLabel(kAmount, 3), "Units");
    EXPECT_STREQ(infusionDrugUnitLabel(kConc, 2), "grams/mL");
    EXPECT_EQ(infusionDrugUnitLabel(kConc, 4), nullptr);
}

}  // namespace
}  // namespace orvane
