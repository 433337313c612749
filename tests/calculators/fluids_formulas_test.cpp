// Boluses, the 4-2-1 maintenance rate and the Parkland plan: every expected number is worked out by
// hand from the formulas and the dose bands (halves from 10 to 40, wholes from 40 to 100, tens
// from 100 to 1000, 25s from 1000; exact halves to the even neighbour).
#include "calculators/fluids_formulas.h"

#include <gtest/gtest.h>

#include "foundation/number_format.h"

namespace orvane {
namespace {

std::string shown(float x) {
    return formatNumber(x, 1, true).str();
}

struct BolusCase {
    float weight;
    float perKg;
    const char* text;
};

class BolusTest : public testing::TestWithParam<BolusCase> {};

TEST_P(BolusTest, VolumeAfterTheDoseBands) {
    const BolusCase& c = GetParam();
    EXPECT_EQ(shown(bolusVolume(c.weight, c.perKg)), c.text) << c.weight << " kg x " << c.perKg;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BolusTest,
    testing::Values(BolusCase{10, 5, "50"}, BolusCase{10, 20, "200"},
                    BolusCase{2.5f, 5, "12.5"},   // halves band keeps 12.5
                    BolusCase{2.5f, 15, "37.5"},  // 37.5 is a half: kept
                    BolusCase{4.5f, 15, "68"},    // 67.5: 67 is odd, the tie goes to 68
                    BolusCase{8.5f, 5, "42"},     // 42.5: 42 is even, the tie stays at 42
                    BolusCase{8.5f, 15, "130"},   // 127.5 to tens: 12.75 rounds to 13
                    BolusCase{6.5f, 15, "98"},    // 97.5 → 98
                    BolusCase{0, 20, "0"}));      // no weight checked here: 0 gives 0

struct MaintenanceCase {
    float weight;
    const char* once;
    const char* oneAndHalf;
    const char* twice;
};

class MaintenanceTest : public testing::TestWithParam<MaintenanceCase> {};

TEST_P(MaintenanceTest, FourTwoOneRuleAroundTenAndTwentyKg) {
    const MaintenanceCase& c = GetParam();
    const float m = maintenanceRate(c.weight);
    EXPECT_EQ(shown(m), c.once) << c.weight;
    EXPECT_EQ(shown(1.5f * m), c.oneAndHalf) << c.weight;
    EXPECT_EQ(shown(2.0f * m), c.twice) << c.weight;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaintenanceTest,
    testing::Values(MaintenanceCase{8, "32", "48", "64"},
                    // 4 × 9.9 = 39.6 → halves 39.5; 59.4 → 59; 79.2 → 79
                    MaintenanceCase{9.9f, "39.5", "59", "79"},
                    MaintenanceCase{10, "40", "60", "80"},   // 40 + 2 × 0
                    MaintenanceCase{15, "50", "75", "100"},  // 40 + 2 × 5
                    MaintenanceCase{19.9f, "60", "90", "120"},  // 59.8 → 60; 89.7 → 90; 119.6 → 120
                    MaintenanceCase{20, "60", "90", "120"},     // 60 + 0
                    MaintenanceCase{20.5f, "60", "91", "120"},  // 60.5 → 60 (even); 90.75; 121
                    MaintenanceCase{25, "65", "98", "130"}));   // 97.5 → 98

TEST(MaintenanceRateTest, StepsAtTheBandEdges) {
    EXPECT_FLOAT_EQ(maintenanceRate(0), 0);
    EXPECT_FLOAT_EQ(maintenanceRate(10), 40);
    EXPECT_FLOAT_EQ(maintenanceRate(20), 60);
    EXPECT_FLOAT_EQ(maintenanceRate(30), 70);
}

TEST(RoundToTensTest, HalvesGoUp) {
    EXPECT_FLOAT_EQ(roundToTens(0), 0);
    EXPECT_FLOAT_EQ(roundToTens(4.5f), 0);
    EXPECT_FLOAT_EQ(roundToTens(5), 10);
    EXPECT_FLOAT_EQ(roundToTens(25), 30);  // not to the even 20
    EXPECT_FLOAT_EQ(roundToTens(35), 40);
    EXPECT_FLOAT_EQ(roundToTens(44), 40);
    EXPECT_FLOAT_EQ(roundToTens(49), 50);
    EXPECT_FLOAT_EQ(roundToTens(220), 220);
    EXPECT_FLOAT_EQ(roundToTens(1225), 1230);
}

struct ParklandCase {
    float weight, burned, hours, given;
    float e, f, r1, r2, x;
    FluidBalance balance;
    float k, order;
};

class ParklandTest : public testing::TestWithParam<ParklandCase> {};

TEST_P(ParklandTest, PlanAndCatchUp) {
    const ParklandCase& c = GetParam();
    const ParklandPlan p = parklandPlan(c.weight, c.burned, c.hours, c.given);
    EXPECT_FLOAT_EQ(p.burnFluid, c.e);
    EXPECT_FLOAT_EQ(p.maintenance, c.f);
    EXPECT_FLOAT_EQ(p.firstRate, c.r1);
    EXPECT_FLOAT_EQ(p.secondRate, c.r2);
    EXPECT_FLOAT_EQ(p.expected, c.x);
    EXPECT_EQ(p.balance, c.balance);
    EXPECT_FLOAT_EQ(p.catchUpRate, c.k);
    EXPECT_FLOAT_EQ(p.catchUpOrder, c.order);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParklandTest,
    testing::Values(
        // E = 20 × 10 × 2 = 400; F = 60; R1 = (480 + 400) / 8 = 110; R2 = (960 + 400) / 16 = 85;
        // X = 110 × 4 = 440; K = 440 / 4 + 110 = 220
        ParklandCase{20, 10, 4, 0, 400, 60, 110, 85, 440, FluidBalance::kDeficit, 220, 220},
        // 6 hours, 100 mL given: X = 660; K = (2 × 110 + 2 × 85 + 560) / 4 = 237.5 → 240
        ParklandCase{20, 10, 6, 100, 400, 60, 110, 85, 660, FluidBalance::kDeficit, 240, 240},
        // At 8 hours: X = 880; K = (0 + 4 × 85 + 880) / 4 = 305 → tens, 30.5 to the even 30: 300
        ParklandCase{20, 10, 8, 0, 400, 60, 110, 85, 880, FluidBalance::kDeficit, 300, 300},
        // Late arrival, 12 hours, 500 mL given: X = 880 + 4 × 85 = 1220 → 25s: 48.8 → 49: 1225;
        // K = 725 / 4 + 85 = 266.25 → 270
        ParklandCase{20, 10, 12, 500, 400, 60, 110, 85, 1225, FluidBalance::kDeficit, 270, 270},
        // 5 kg, 10 %, 2 hours: E = 100; F = 20; R1 = 260 / 8 = 32.5; R2 = 420 / 16 = 26.25 →
        // halves: 52.5 to the even 52, 26; X = 65; K = 16.25 + 32.5 = 48.75 → 49; ordered 50
        ParklandCase{5, 10, 2, 0, 100, 20, 32.5f, 26, 65, FluidBalance::kDeficit, 49, 50},
        // More given than expected
        ParklandCase{20, 10, 4, 500, 400, 60, 110, 85, 440, FluidBalance::kExcess, 0, 0},
        // Equal after rounding to whole mL: 440.4 → 440; 439.5 → 440 (439 is odd)
        ParklandCase{20, 10, 4, 440.4f, 400, 60, 110, 85, 440, FluidBalance::kOnPlan, 0, 0},
        ParklandCase{20, 10, 4, 439.5f, 400, 60, 110, 85, 440, FluidBalance::kOnPlan, 0, 0},
        // 440.6 → 441 differs: a small excess
        ParklandCase{20, 10, 4, 440.6f, 400, 60, 110, 85, 440, FluidBalance::kExcess, 0, 0},
        // At the time of the burn nothing is expected yet
        ParklandCase{20, 10, 0, 0, 400, 60, 110, 85, 0, FluidBalance::kOnPlan, 0, 0}));

}  // namespace
}  // namespace orvane
