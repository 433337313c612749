// Anion gap, corrected calcium, sodium and phenytoin, calculated osmolality, osmolal gap and free
// water deficit: printed texts worked out by hand from the formulas, including the single-precision
// ties of the calcium rounding and the guarded divisions.
#include "calculators/formulas/electrolytes.h"

#include <gtest/gtest.h>

#include "foundation/number_format.h"

namespace orvane {
namespace {

std::string text(float value, int decimals) {
    return formatNumber(value, decimals, false).str();
}

TEST(AnionGapTest, SodiumMinusChlorideAndBicarbonate) {
    EXPECT_EQ(text(anionGap(140, 100, 24), 1), "16");
    EXPECT_EQ(text(anionGap(137.5f, 101.1f, 22.3f), 1), "14.1");
    EXPECT_EQ(text(anionGap(130, 110, 30), 1), "-10");
}

struct CalciumCase {
    float calcium, albumin;
    const char* text;
};

class CorrectedCalciumTest : public testing::TestWithParam<CalciumCase> {};

TEST_P(CorrectedCalciumTest, RoundedToHundredthsThenOneDecimal) {
    EXPECT_EQ(text(correctedCalcium(GetParam().calcium, GetParam().albumin), 1), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CorrectedCalciumTest,
    testing::Values(
        // 8.5 + 0.8 × 1.5 = 9.7
        CalciumCase{8.5f, 2.5f, "9.7"},
        // 7.2 + 0.8 × 2.1 = 8.88
        CalciumCase{7.2f, 1.9f, "8.9"}, CalciumCase{9.0f, 4.0f, "9"},
        // 10.1 − 0.8 × 0.6 = 9.62
        CalciumCase{10.1f, 4.6f, "9.6"},
        // 8.25 is exact in binary: 825 hundredths, printed with the half rounded up
        CalciumCase{8.25f, 4.0f, "8.3"},
        // 8.15 is 8.1499996 in single precision: 815 hundredths × 0.01 is again 8.1499996
        CalciumCase{8.15f, 4.0f, "8.1"},
        // 8.35 is 8.3499994: prints 8.3
        CalciumCase{8.35f, 4.0f, "8.3"}));

TEST(CorrectedSodiumTest, SixteenHundredthsPerMilligramAboveOneHundred) {
    EXPECT_EQ(text(correctedSodium(135, 600), 1), "143");
    EXPECT_EQ(text(correctedSodium(130, 400), 1), "134.8");
    EXPECT_EQ(text(correctedSodium(140, 100), 1), "140");
    EXPECT_EQ(text(correctedSodium(128, 1000), 1), "142.4");
    EXPECT_EQ(text(correctedSodium(132, 50), 1), "131.2");  // glucose below 100 lowers it
}

TEST(CorrectedPhenytoinTest, LevelOverAlbuminTerm) {
    // 10 / (2 × 0.2 + 0.1) = 20; 8 / 0.7 = 11.43; 12.5 / 0.6 = 20.83; 15 / 0.98 = 15.31
    EXPECT_EQ(text(*correctedPhenytoin(10, 2.0f), 1), "20");
    EXPECT_EQ(text(*correctedPhenytoin(8, 3.0f), 1), "11.4");
    EXPECT_EQ(text(*correctedPhenytoin(12.5f, 2.5f), 1), "20.8");
    EXPECT_EQ(text(*correctedPhenytoin(15, 4.4f), 1), "15.3");
    // An albumin of −0.5 would make the divisor 0: no result rather than infinity.
    EXPECT_FALSE(correctedPhenytoin(10, -0.5f).has_value());
}

struct OsmolalityCase {
    OsmolalityInputs in;
    const char* text;  // 2 decimals
};

class OsmolalityTest : public testing::TestWithParam<OsmolalityCase> {};

TEST_P(OsmolalityTest, SumOfTheDividedTerms) {
    EXPECT_EQ(text(calculatedOsmolality(GetParam().in), 2), GetParam().text);
}

OsmolalityInputs osm(float na, float glucose, float bun) {
    OsmolalityInputs in;
    in.sodium = na;
    in.glucose = glucose;
    in.bun = bun;
    return in;
}
OsmolalityInputs withEthanol(OsmolalityInputs in, float v) {
    in.ethanol = v;
    return in;
}
OsmolalityInputs withGlycol(OsmolalityInputs in, float v) {
    in.ethyleneGlycol = v;
    return in;
}
OsmolalityInputs withIsopropanol(OsmolalityInputs in, float v) {
    in.isopropanol = v;
    return in;
}
OsmolalityInputs withMethanolAcetone(OsmolalityInputs in, float methanol, float acetone) {
    in.methanol = methanol;
    in.acetone = acetone;
    return in;
}

INSTANTIATE_TEST_SUITE_P(Cases, OsmolalityTest,
                         testing::Values(
                             // 280 + 90/18 + 14/2.8 = 280 + 5 + 5
                             OsmolalityCase{osm(140, 90, 14), "290"},
                             // 280 + 10 + 10
                             OsmolalityCase{osm(140, 180, 28), "300"},
                             // 270 + 5.5556 + 7.1429 + 92/4.6 = 20: 302.698
                             OsmolalityCase{withEthanol(osm(135, 100, 20), 92), "302.7"},
                             // 290 + 62 × 0.2 = 12.4 (the glycol factor in single precision)
                             OsmolalityCase{withGlycol(osm(140, 90, 14), 62), "302.4"},
                             // 290 + 59/5.9 = 10
                             OsmolalityCase{withIsopropanol(osm(140, 90, 14), 59), "300"},
                             // 290 + 26/2.6 + 11/5.5 = 290 + 10 + 2
                             OsmolalityCase{withMethanolAcetone(osm(140, 90, 14), 26, 11), "302"}));

TEST(OsmolalGapTest, MeasuredMinusCalculated) {
    EXPECT_EQ(text(osmolalGap(310, 290.5f), 2), "19.5");
    EXPECT_EQ(text(osmolalGap(285.37f, 290.12f), 2), "-4.75");
}

struct WaterCase {
    int sex;
    float weight, actual, normal;
    const char* text;  // 2 decimals
};

class FreeWaterDeficitTest : public testing::TestWithParam<WaterCase> {};

TEST_P(FreeWaterDeficitTest, TotalBodyWaterTimesExcessSodium) {
    const WaterCase& c = GetParam();
    FormulaResult d = freeWaterDeficit(c.sex, c.weight, c.actual, c.normal);
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(text(*d, 2), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, FreeWaterDeficitTest,
                         testing::Values(
                             // 20 × 70 × 0.6 / 140 = 6
                             WaterCase{0, 70, 160, 140, "6"},
                             // 15 × 60 × 0.5 / 140 = 3.214
                             WaterCase{1, 60, 155, 140, "3.21"},
                             // −10 × 70 × 0.6 / 140 = −3
                             WaterCase{0, 70, 130, 140, "-3"},
                             // 5 × 80 × 0.6 / 145 = 1.655
                             WaterCase{0, 80, 150, 145, "1.66"}));

TEST(FreeWaterDeficitTest, NeedsWeightAndBothSodiums) {
    EXPECT_FALSE(freeWaterDeficit(0, 0, 160, 140).has_value());
    EXPECT_FALSE(freeWaterDeficit(0, 70, 0, 140).has_value());
    EXPECT_FALSE(freeWaterDeficit(0, 70, 160, 0).has_value());
}

}  // namespace
}  // namespace orvane
