// Creatinine clearance: both creatinine units, the tenths-below-100 rounding at its boundary, the
// female factor and the refused creatinine of 0. Texts worked out by hand from Cockcroft-Gault.
#include "calculators/formulas/renal.h"

#include <gtest/gtest.h>

#include "foundation/number_format.h"

namespace orvane {
namespace {

struct ClearanceCase {
    int sex;
    float age, weight, creatinine;
    CreatinineUnit unit;
    const char* text;  // 1 decimal
};

class CreatinineClearanceTest : public testing::TestWithParam<ClearanceCase> {};

TEST_P(CreatinineClearanceTest, CockcroftGault) {
    const ClearanceCase& c = GetParam();
    FormulaResult r = creatinineClearance(c.sex, c.age, c.weight, c.creatinine, c.unit);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(formatNumber(*r, 1, false).str(), c.text);
}

constexpr CreatinineUnit mg = CreatinineUnit::MilligramsPerDecilitre;
constexpr CreatinineUnit umol = CreatinineUnit::MicromolesPerLitre;

INSTANTIATE_TEST_SUITE_P(Cases, CreatinineClearanceTest,
                         testing::Values(
                             // 100 × 70 / 71.94 = 97.30
                             ClearanceCase{0, 40, 70, 1.0f, mg, "97.3"},
                             // × 0.85 = 82.71
                             ClearanceCase{1, 40, 70, 1.0f, mg, "82.7"},
                             // 7000 / (88 × 0.8138) = 7000 / 71.614 = 97.75 (µmol/L)
                             ClearanceCase{0, 40, 70, 88, umol, "97.7"},
                             // 80 × 80 / (150 × 0.8138) = 52.43
                             ClearanceCase{0, 60, 80, 150, umol, "52.4"},
                             // 120 × 75.3 / 71.94 = 125.60: whole numbers from 100
                             ClearanceCase{0, 20, 75.3f, 1.0f, mg, "126"},
                             // 120 × 59.91 / 71.94 = 99.933: tenths below 100
                             ClearanceCase{0, 20, 59.91f, 1.0f, mg, "99.9"},
                             // 99.94995: 999.4995 tenths round down
                             ClearanceCase{0, 20, 59.92f, 1.0f, mg, "99.9"},
                             // 100.017 → 100
                             ClearanceCase{0, 20, 59.96f, 1.0f, mg, "100"},
                             // 55 × 0.85 × 50 / (2.5 × 71.94) = 12.997
                             ClearanceCase{1, 85, 50, 2.5f, mg, "13"}));

TEST(CreatinineClearanceTest, ZeroCreatinineIsInvalidNotInfinite) {
    EXPECT_FALSE(creatinineClearance(0, 40, 70, 0, mg).has_value());
    EXPECT_FALSE(creatinineClearance(0, 40, 70, 0, umol).has_value());
    EXPECT_FALSE(creatinineClearance(0, 40, 70, -1, mg).has_value());
}

TEST(CreatinineClearanceTest, ClearanceTooLargeToPrintIsInvalid) {
    // 140 × 500 / (1e-6 × 71.94) ≈ 9.7e8 still prints; 1e-8 would need 9.7e10.
    EXPECT_TRUE(creatinineClearance(0, 0, 500, 1e-6f, mg).has_value());
    EXPECT_FALSE(creatinineClearance(0, 0, 500, 1e-8f, mg).has_value());
}

}  // namespace
}  // namespace orvane
