// Alveolar-arterial gradient, Henderson-Hasselbalch pH and Fick cardiac output: the printed texts
// of typical cases, single-precision effects and the refused inputs. Expected texts worked out by
// hand from the formulas (single-precision steps noted where they matter).
#include "calculators/formulas/gas_exchange.h"

#include <gtest/gtest.h>

#include "foundation/number_format.h"

namespace orvane {
namespace {

struct GradientCase {
    float pO2, pCO2, fiO2, pAtm, pH2O, r;
    const char* text;  // 1 decimal
};

class GradientTest : public testing::TestWithParam<GradientCase> {};

TEST_P(GradientTest, PrintsOneDecimal) {
    const GradientCase& c = GetParam();
    FormulaResult g = alveolarArterialGradient(c.pO2, c.pCO2, c.fiO2, c.pAtm, c.pH2O, c.r);
    ASSERT_TRUE(g.has_value());
    EXPECT_EQ(formatNumber(*g, 1, false).str(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, GradientTest,
                         testing::Values(
                             // (760 − 47) × 0.21 − 90 − 40 / 0.8 = 149.73 − 90 − 50 = 9.73
                             GradientCase{90, 40, 21, 760, 47, 0.8f, "9.7"},
                             // 713 × 1.0 − 500 − 50 = 163
                             GradientCase{500, 40, 100, 760, 47, 0.8f, "163"},
                             // 713 × 0.4 − 60 − 37.5 = 187.7
                             GradientCase{60, 30, 40, 760, 47, 0.8f, "187.7"},
                             // 149.73 − 55 − 87.5 = 7.23
                             GradientCase{55, 70, 21, 760, 47, 0.8f, "7.2"},
                             // R 1: 713 × 0.21 − 90 − 40 = 19.73
                             GradientCase{90, 40, 21, 760, 47, 1.0f, "19.7"}));

TEST(GradientTest, NoQuotientNoResult) {
    EXPECT_FALSE(alveolarArterialGradient(90, 40, 21, 760, 47, 0).has_value());
}

struct ExpectedCase {
    float age;
    const char* text;
};

class ExpectedGradientTest : public testing::TestWithParam<ExpectedCase> {};

TEST_P(ExpectedGradientTest, AgeTimesPointTwoOnePlusTwoPointFive) {
    EXPECT_EQ(formatNumber(expectedAlveolarArterialGradient(GetParam().age), 1, false).str(),
              GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExpectedGradientTest,
    testing::Values(ExpectedCase{40, "10.9"},
                    // 65 × 0.21 is 13.6499996 in single precision: 16.1499996 prints 16.1
                    // (exact decimal arithmetic would give 16.15 and print 16.2)
                    ExpectedCase{65, "16.1"},
                    // 35 × 0.21 = 7.3499999, + 2.5 = 9.85 rounded up in the sum: 9.9
                    ExpectedCase{35, "9.9"},
                    // 5 × 0.21 = 1.0499999: 3.5499999 prints 3.5
                    ExpectedCase{5, "3.5"}, ExpectedCase{0, "2.5"}));

struct PhCase {
    float bicarbonate, pCO2;
    const char* text;  // 2 decimals
};

class PhTest : public testing::TestWithParam<PhCase> {};

TEST_P(PhTest, HendersonHasselbalch) {
    FormulaResult ph = hendersonHasselbalchPh(GetParam().bicarbonate, GetParam().pCO2);
    ASSERT_TRUE(ph.has_value());
    EXPECT_EQ(formatNumber(*ph, 2, false).str(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, PhTest,
                         testing::Values(
                             // 6.1 + log10(24 / 1.2) = 6.1 + log10(20) = 7.401
                             PhCase{24, 40, "7.4"}, PhCase{12, 20, "7.4"},
                             // 6.1 + log10(30 / 1.8) = 6.1 + 1.2218 = 7.3218
                             PhCase{30, 60, "7.32"},
                             // 6.1 + log10(10 / 1.8) = 6.1 + 0.7447 = 6.8447
                             PhCase{10, 60, "6.84"},
                             // 6.1 + log10(40 / 0.6) = 6.1 + 1.8239 = 7.9239
                             PhCase{40, 20, "7.92"}));

TEST(PhTest, ZeroBicarbonateOrCarbonDioxideGivesNoResult) {
    EXPECT_FALSE(hendersonHasselbalchPh(0, 40).has_value());
    EXPECT_FALSE(hendersonHasselbalchPh(24, 0).has_value());
    EXPECT_FALSE(hendersonHasselbalchPh(0, 0).has_value());
}

struct FickCase {
    float vo2, hgb, saO2, svO2;
    const char* text;  // 2 decimals
};

class FickTest : public testing::TestWithParam<FickCase> {};

TEST_P(FickTest, OxygenConsumptionOverContentDifference) {
    const FickCase& c = GetParam();
    FickResult r = fickCardiacOutput(c.vo2, c.hgb, c.saO2, c.svO2);
    ASSERT_EQ(r.outcome, FickOutcome::Output);
    EXPECT_EQ(formatNumber(r.litresPerMinute, 2, false).str(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, FickTest,
                         testing::Values(
                             // 250 / (0.23 × 150 × 1.39) = 250 / 47.955 = 5.2132
                             FickCase{250, 15, 98, 75, "5.21"},
                             // 250 / (0.30 × 120 × 1.39) = 250 / 50.04 = 4.996
                             FickCase{250, 12, 100, 70, "5"},
                             // 300 / (0.35 × 100 × 1.39) = 300 / 48.65 = 6.1665
                             FickCase{300, 10, 95, 60, "6.17"}));

TEST(FickTest, EqualSaturationsAreRefused) {
    EXPECT_EQ(fickCardiacOutput(250, 15, 75, 75).outcome, FickOutcome::EqualSaturations);
}

TEST(FickTest, VenousAboveArterialIsRefusedNotNegative) {
    EXPECT_EQ(fickCardiacOutput(250, 15, 75, 80).outcome, FickOutcome::VenousNotBelowArterial);
    EXPECT_EQ(fickCardiacOutput(250, 15, 75, 75.01f).outcome, FickOutcome::VenousNotBelowArterial);
}

TEST(FickTest, NoHaemoglobinGivesNoOutput) {
    EXPECT_EQ(fickCardiacOutput(250, 0, 98, 75).outcome, FickOutcome::NoOutput);
}

}  // namespace
}  // namespace orvane
