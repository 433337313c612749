// Predicted peak expiratory flow: the coefficient row for sex, race and adult age, and the eight
// results of a made-up coefficient row worked out by hand.
#include "calculators/formulas/peak_flow.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(PeakFlowRowTest, SexRaceAndAdultAge) {
    EXPECT_EQ(peakFlowRow(0, 10, 0), 0);        // male child, Caucasian
    EXPECT_EQ(peakFlowRow(0, 30, 0), 1);        // male adult
    EXPECT_EQ(peakFlowRow(0, 19.9999f, 1), 2);  // not yet adult: 19.9999 is not above 19.9999
    EXPECT_EQ(peakFlowRow(0, 20, 1), 3);
    EXPECT_EQ(peakFlowRow(0, 40, 2), 5);
    EXPECT_EQ(peakFlowRow(1, 17.5f, 0), 6);  // female child
    EXPECT_EQ(peakFlowRow(1, 18, 0), 7);     // female adults from 18
    EXPECT_EQ(peakFlowRow(1, 18, 1), 9);
    EXPECT_EQ(peakFlowRow(1, 12, 2), 10);
    EXPECT_EQ(peakFlowRow(1, 50, 2), 11);
    EXPECT_EQ(peakFlowRow(0, 30, 3), -1);
    EXPECT_EQ(peakFlowRow(0, 30, -1), -1);
}

TEST(PeakFlowPredictionTest, CoefficientsHeightAndAgeInLitresPerMinute) {
    PeakFlowCoefficients row;
    row.b[0] = 1.0;      // intercept
    row.b[1] = 0.05;     // per year
    row.b[2] = -0.001;   // per year squared
    row.b[3] = 0.0002;   // per cm² (predicted)
    row.b[4] = 0.00015;  // per cm² (lower limit)
    // Age 30, height 170: age terms 1 + 1.5 − 0.9 = 1.6; 0.0002 × 28900 = 5.78 → 7.38 L/s = 442.8
    // L/min; lower: 0.00015 × 28900 = 4.335 → 5.935 L/s = 356.1 L/min.
    PeakFlowPrediction p = predictPeakFlow(row, 30, 170);
    EXPECT_NEAR(p.values[0], 442.8, 1e-9);
    EXPECT_NEAR(p.values[1], 356.1, 1e-9);
    const double fractions[] = {0.7, 0.6, 0.5, 0.4, 0.3, 0.25};
    const double expected[] = {309.96, 265.68, 221.4, 177.12, 132.84, 110.7};
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(p.values[2 + i], expected[i], 1e-9) << fractions[i];
    }
}

TEST(PeakFlowPredictionTest, ZeroRowGivesZero) {
    PeakFlowPrediction p = predictPeakFlow(PeakFlowCoefficients{}, 30, 170);
    for (double v : p.values) EXPECT_EQ(v, 0.0);
}

}  // namespace
}  // namespace orvane
