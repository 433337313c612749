// Oxygen tank duration: the answer texts and values, and the minutes as written on the page.
#include "calculators/formulas/oxygen_tank.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(OxygenAnswersTest, TanksPressuresAndFlows) {
    EXPECT_EQ(oxygenTankLabel(1).str(), "D Tank");
    EXPECT_EQ(oxygenTankLabel(3).str(), "G Tanks");
    EXPECT_EQ(oxygenTankLabel(6).str(), "M Tank");
    EXPECT_EQ(oxygenTankLabel(7).str(), "");
    EXPECT_FLOAT_EQ(oxygenTankFactor(2), 0.28f);
    EXPECT_FLOAT_EQ(oxygenTankFactor(5), 3.14f);

    EXPECT_EQ(oxygenPressureLabel(1).str(), "2200 PSI");
    EXPECT_EQ(oxygenPressureLabel(3).str(), "2000 PSI");
    EXPECT_EQ(oxygenPressureLabel(20).str(), "300 PSI");
    EXPECT_EQ(oxygenPressureLabel(21).str(), "");
    EXPECT_EQ(oxygenPressure(20), 300.0f);

    const char* flows[kOxygenFlowCount] = {
        "0.25 liter/min", "0.5 liter/min", "1 liter/min",   "1.5 liters/min", "2 liters/min",
        "3 liters/min",   "4 liters/min",  "5 liters/min",  "6 liters/min",   "7 liters/min",
        "8 liters/min",   "9 liters/min",  "10 liters/min", "11 liters/min",  "12 liters/min",
        "13 liters/min",  "14 liters/min", "15 liters/min"};
    for (int j = 1; j <= kOxygenFlowCount; ++j) EXPECT_EQ(oxygenFlowLabel(j).str(), flows[j - 1]);
    EXPECT_EQ(oxygenFlow(5), 2.0f);
    EXPECT_EQ(oxygenFlow(0), 0.0f);
}

TEST(OxygenMinutesTest, EstimatedMinutesCutAtThePoint) {
    // E tank, 2000 PSI, 2 L/min: 1800 × 0.28 / 2 = 252
    EXPECT_EQ(oxygenMinutesText(*oxygenMinutes(2000, 0.28f, 2)).str(), "252");
    // D tank, 1000 PSI, 15 L/min: 800 × 0.16 / 15 = 8.53 → "8.5" → "8"
    EXPECT_EQ(oxygenMinutesText(*oxygenMinutes(1000, 0.16f, 15)).str(), "8");
    // The minutes are written with one decimal before they are cut.
    EXPECT_EQ(oxygenMinutesText(59.94f).str(), "59");
    EXPECT_EQ(oxygenMinutesText(59.96f).str(), "60");
    EXPECT_FALSE(oxygenMinutes(2000, 0.28f, 0).has_value());
}

}  // namespace
}  // namespace orvane
