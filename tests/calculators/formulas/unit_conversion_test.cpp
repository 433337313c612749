// The unit converter's conversions: temperatures, lengths, and kilograms to pounds with ounces and
// back (1 kg = 2.2 lb here). Expected values worked out by hand.
#include "calculators/formulas/unit_conversion.h"

#include <gtest/gtest.h>

#include "foundation/number_format.h"

namespace orvane {
namespace {

// The converter stores its results as single-precision values shown with two decimals.
std::string shown(double value) {
    return formatNumber(static_cast<float>(value), 2, false).str();
}

TEST(TemperatureTest, FahrenheitAndCelsius) {
    EXPECT_EQ(shown(fahrenheitToCelsius(100)), "37.78");
    EXPECT_EQ(shown(fahrenheitToCelsius(32)), "0");
    EXPECT_EQ(shown(fahrenheitToCelsius(212)), "100");
    EXPECT_EQ(shown(fahrenheitToCelsius(-40)), "-40");
    EXPECT_EQ(shown(fahrenheitToCelsius(98.6f)), "37");  // 98.5999985 as typed into a float
    EXPECT_EQ(shown(celsiusToFahrenheit(37)), "98.6");
    EXPECT_EQ(shown(celsiusToFahrenheit(37.5)), "99.5");
    EXPECT_EQ(shown(celsiusToFahrenheit(-40)), "-40");
}

TEST(LengthTest, CentimetresAndInches) {
    EXPECT_EQ(shown(centimetresToInches(100)), "39.37");
    EXPECT_EQ(shown(centimetresToInches(175)), "68.9");
    EXPECT_EQ(shown(centimetresToInches(2.54)), "1");
    EXPECT_EQ(shown(inchesToCentimetres(10)), "25.4");
    EXPECT_EQ(shown(inchesToCentimetres(60.5)), "153.67");
}

struct PoundsCase {
    float kilograms;
    int pounds, ounces;
};

class KilogramsToPoundsTest : public testing::TestWithParam<PoundsCase> {};

TEST_P(KilogramsToPoundsTest, PoundsAndWholeOunces) {
    PoundsOunces r = kilogramsToPoundsOunces(GetParam().kilograms);
    EXPECT_EQ(r.pounds, GetParam().pounds);
    EXPECT_EQ(r.ounces, GetParam().ounces);
}

INSTANTIATE_TEST_SUITE_P(Cases, KilogramsToPoundsTest,
                         testing::Values(
                             // 70 × 2.2 = 154.00000000000003: 154 lb 0 oz
                             PoundsCase{70, 154, 0},
                             // 2.2 lb: 0.2 × 16 = 3.2 → 3 oz; 2.2 − 0.1875 → 2 lb
                             PoundsCase{1, 2, 3}, PoundsCase{5, 11, 0},
                             // 7.7 lb: 11.2 → 11 oz, 7.7 − 0.6875 → 7 lb
                             PoundsCase{3.5f, 7, 11},
                             // 1.1 lb: 1.6 → 1 oz
                             PoundsCase{0.5f, 1, 1},
                             // 2.7 is 2.70000005: 5.9400001 lb, 15.04 → 15 oz, 5.0025 → 5 lb
                             PoundsCase{2.7f, 5, 15}, PoundsCase{100, 220, 0},
                             // no negative weights
                             PoundsCase{-1, 0, 0}, PoundsCase{0, 0, 0}));

TEST(PoundsToKilogramsTest, OuncesAreSixteenthsAndAPoundIsOneOverTwoPointTwo) {
    EXPECT_EQ(shown(poundsOuncesToKilograms(11, 8)), "5.23");  // 11.5 / 2.2 = 5.2273
    EXPECT_EQ(shown(poundsOuncesToKilograms(154, 0)), "70");
    EXPECT_EQ(shown(poundsOuncesToKilograms(7, 11)), "3.49");  // 7.6875 / 2.2 = 3.4943
    EXPECT_EQ(shown(poundsOuncesToKilograms(0, 8)), "0.23");   // 0.5 / 2.2
    // Negative pounds count as 0: only the 4 ounces remain, 0.25 / 2.2 = 0.1136
    EXPECT_EQ(shown(poundsOuncesToKilograms(-3, 4)), "0.11");
}

}  // namespace
}  // namespace orvane
