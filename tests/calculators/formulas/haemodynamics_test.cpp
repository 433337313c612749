// Mean arterial pressure, vascular resistances, QT correction and heart-rate targets: printed texts
// worked out by hand, with the clinical (dose-band) rounding where the calculators print with it.
#include "calculators/formulas/haemodynamics.h"

#include <gtest/gtest.h>

#include "foundation/number_format.h"

namespace orvane {
namespace {

std::string clinical(float value) {
    return formatNumber(value, 1, true).str();
}
std::string text(float value, int decimals) {
    return formatNumber(value, decimals, false).str();
}

struct PressureCase {
    float a, b;
    const char* text;
};

class MeanArterialPressureTest : public testing::TestWithParam<PressureCase> {};

TEST_P(MeanArterialPressureTest, ClinicallyRounded) {
    EXPECT_EQ(clinical(meanArterialPressure(GetParam().a, GetParam().b)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, MeanArterialPressureTest,
                         testing::Values(
                             // 280 / 3 = 93.3: whole numbers from 40 to 100
                             PressureCase{120, 80, "93"}, PressureCase{90, 60, "70"},
                             // 187.5 × 0.33333334 = 62.5 exactly in single precision: the tie
                             // goes to the even 62 (a decimal half-up rounding would print 63)
                             PressureCase{107.5f, 40, "62"},
                             // 105: tens from 100 to 1000, 10.5 goes to the even 10
                             PressureCase{135, 90, "100"},
                             // 111.67 → 110
                             PressureCase{145, 95, "110"},
                             // 25: halves from 10 to 40
                             PressureCase{35, 20, "25"}));

TEST(VascularResistanceTest, PulmonaryClinicallyRounded) {
    EXPECT_EQ(clinical(*pulmonaryVascularResistance(25, 10, 5)), "240");
    EXPECT_EQ(clinical(*pulmonaryVascularResistance(18, 10, 5)), "130");  // 128 → tens
    // 15 / 9.6 × 80 = 125 (124.99999 in single precision): 120
    EXPECT_EQ(clinical(*pulmonaryVascularResistance(25, 10, 9.6f)), "120");
    EXPECT_EQ(clinical(*pulmonaryVascularResistance(30, 12, 4.5f)), "320");
    EXPECT_FALSE(pulmonaryVascularResistance(25, 10, 0).has_value());
}

TEST(VascularResistanceTest, SystemicClinicallyRounded) {
    // 82 / 5 × 80 = 1312: 25s from 1000 to 10000
    EXPECT_EQ(clinical(*systemicVascularResistance(90, 8, 5)), "1300");
    EXPECT_EQ(clinical(*systemicVascularResistance(93, 5, 4.4f)), "1600");
    EXPECT_EQ(clinical(*systemicVascularResistance(85, 10, 6)), "1000");
    EXPECT_EQ(clinical(*systemicVascularResistance(80, 5, 3)), "2000");
    EXPECT_FALSE(systemicVascularResistance(90, 8, 0).has_value());
}

struct QtCase {
    float qt, rr;
    const char* text;  // 3 decimals
};

class CorrectedQtTest : public testing::TestWithParam<QtCase> {};

TEST_P(CorrectedQtTest, BazettToHundredths) {
    EXPECT_EQ(text(*correctedQt(GetParam().qt, GetParam().rr), 3), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, CorrectedQtTest,
                         testing::Values(
                             // 0.4 / 0.8944 = 0.4472
                             QtCase{0.4f, 0.8f, "0.45"}, QtCase{0.36f, 0.64f, "0.45"},
                             // 0.44 / 0.7746 = 0.568
                             QtCase{0.44f, 0.6f, "0.57"},
                             // 32.5 hundredths: the tie goes to the even 32
                             QtCase{0.325f, 1, "0.32"},
                             // 33.5 and 41.5 go to the even 34 and 42
                             QtCase{0.335f, 1, "0.34"}, QtCase{0.415f, 1, "0.42"}));

TEST(CorrectedQtTest, NoIntervalNoResult) {
    EXPECT_FALSE(correctedQt(0.4f, 0).has_value());
}

TEST(HeartRateTest, MaximumAndTargets) {
    struct Case {
        float age;
        const char* texts[8];  // maximum, then 95 ... 50 percent
    };
    const Case cases[] = {
        {40, {"180", "171", "162", "153", "144", "135", "126", "90"}},
        // 0.95 × 187 = 177.65, 177.649994 in single precision: 177.6
        {33, {"187", "177.6", "168.3", "159", "149.6", "140.3", "130.9", "93.5"}},
    };
    for (const Case& c : cases) {
        float maximum = maxPredictedHeartRate(c.age);
        EXPECT_EQ(text(maximum, 1), c.texts[0]) << c.age;
        for (int k = 0; k < kHeartRateTargetCount; ++k) {
            EXPECT_EQ(text(kHeartRateTargetFactors[k] * maximum, 1), c.texts[k + 1])
                << c.age << " at " << kHeartRateTargetPercents[k] << "%";
        }
    }
}

}  // namespace
}  // namespace orvane
