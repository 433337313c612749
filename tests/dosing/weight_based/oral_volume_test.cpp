// The oral volume rounding at each band edge: the step of each band worked out by hand, written
// as a whole number of steps times the step, as the rounding writes it in single precision.
#include "dosing/weight_based/oral_volume.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

struct Case {
    float ml;
    float steps;  // the expected volume is steps × step
    float step;
};

TEST(OralVolumeTest, EachBandRoundsToItsStep) {
    const Case cases[] = {
        // Below 0.01 mL nothing is rounded.
        {0.0049f, 0.0049f, 1.0f},
        {0.0099f, 0.0099f, 1.0f},
        // Hundredths: 1.4 → 1, 1.6 → 2, 24.49 → 24.
        {0.014f, 1.0f, 0.01f},
        {0.016f, 2.0f, 0.01f},
        {0.2449f, 24.0f, 0.01f},
        // 0.249 → 25 hundredths = 0.25, which the twentieths band keeps (5 × 0.05).
        {0.249f, 5.0f, 0.05f},
        // Twentieths: 0.26 × 20 = 5.2 → 5; 0.3 → 6; 0.49 × 20 = 9.8 → 10 = 0.5, kept by tenths.
        {0.26f, 5.0f, 0.05f},
        {0.3f, 6.0f, 0.05f},
        {0.49f, 5.0f, 0.1f},
        // Tenths: 7.4 → 7; 0.96 × 10 = 9.6 → 10 = 1, kept by quarters.
        {0.74f, 7.0f, 0.1f},
        {0.96f, 4.0f, 0.25f},
        // Quarters: 2.6 × 4 = 10.4 → 10; 1.125 × 4 = 4.5 → the even 4; 2.9 × 4 = 11.6 → 12 = 3,
        // kept by halves.
        {2.6f, 10.0f, 0.25f},
        {1.125f, 4.0f, 0.25f},
        {2.9f, 6.0f, 0.5f},
        // Halves: 4.3 × 2 = 8.6 → 9; 5.8 × 2 = 11.6 → 12 = 6, kept by wholes.
        {4.3f, 9.0f, 0.5f},
        {5.8f, 6.0f, 1.0f},
        // Wholes: 7.4 → 7; halves to the even neighbour (6.5 → 6, 7.5 → 8).
        {7.4f, 7.0f, 1.0f},
        {6.5f, 6.0f, 1.0f},
        {7.5f, 8.0f, 1.0f},
        {46.875f, 47.0f, 1.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(roundOralVolume(c.ml), c.steps * c.step) << c.ml;
    }
}

TEST(OralVolumeTest, TheFloatNearestAHundredthIsBelowTheBand) {
    // 0.01f is 0.0099999998 as a double, so the hundredths band does not take it; its bits come
    // back unchanged.
    ASSERT_LT(static_cast<double>(0.01f), 0.01);
    EXPECT_EQ(roundOralVolume(0.01f), 0.01f);
    // The next float up is in the band: one hundredth.
    const float above = 0.010000001f;
    ASSERT_GE(static_cast<double>(above), 0.01);
    EXPECT_EQ(roundOralVolume(above), 1.0f * 0.01f);
}

TEST(OralVolumeTest, NoNumberStaysNoNumber) {
    EXPECT_TRUE(std::isnan(roundOralVolume(std::nanf(""))));
    EXPECT_EQ(roundOralVolume(0.0f), 0.0f);
}

}  // namespace
}  // namespace orvane
