// The single-dose arithmetic of TykoDrugs: every kind with and without its cap, worked out by
// hand from the formulas and the dose bands (thousandths below 0.1, hundredths below 0.5,
// tenths below 10, halves below 40, wholes below 100, tens below 1000, 25s below 10000).
#include "dosing/weight_based/dose_calculation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

struct OptionCase {
    const char* what;
    OptionDoseInput in;
    float volume;
    float dose;
    bool capped;
};

TEST(DoseCalculationTest, OptionKinds) {
    const OptionCase cases[] = {
        // 15 / 32 × 13.3 = 6.23 mL → 6 (wholes); 6 × 32 = 192 mg → 190 (tens).
        {"oral liquid", {1, 15.0f, 13.3f, 32.0f, 20.0f}, 6.0f, 190.0f, false},
        // 15 / 32 × 100 = 46.9 → 47 mL, above 20: 20 mL, 640 mg.
        {"oral liquid above the cap", {1, 15.0f, 100.0f, 32.0f, 20.0f}, 20.0f, 640.0f, true},
        // 6 mL equal to a maximum of 6 is marked.
        {"oral liquid equal to the cap", {1, 15.0f, 13.3f, 32.0f, 6.0f}, 6.0f, 190.0f, true},
        // 15 / 32 × 0.5 = 0.234 mL → 23 hundredths; 0.23 × 32 = 7.36 mg → 7.4.
        {"oral liquid, small child", {1, 15.0f, 0.5f, 32.0f, 20.0f}, 23 * 0.01f, 7.4f, false},
        // 10 / 20 × 13.3 × 5 = 33.25 → 33 fifths = 6.6 mL; 6.6 × 20 = 132 → 130 mg.
        {"fifths", {2, 10.0f, 13.3f, 20.0f, 20.0f}, 33 * 0.2f, 130.0f, false},
        {"fifths equal to the cap", {2, 10.0f, 13.3f, 20.0f, 33 * 0.2f}, 33 * 0.2f, 130.0f, true},
        // 10 / 20 × 100 × 5 = 250 fifths = 50 mL, capped at 20 mL = 400 mg.
        {"fifths above the cap", {2, 10.0f, 100.0f, 20.0f, 20.0f}, 20.0f, 400.0f, true},
        // 15 × 13.3 = 199.5 → 200 (tens).
        {"rectal", {3, 15.0f, 13.3f, 0.0f, 650.0f}, 0.0f, 200.0f, false},
        {"rectal above the cap", {3, 15.0f, 100.0f, 0.0f, 650.0f}, 0.0f, 650.0f, true},
        // 0.3 × 20 = 6 (tenths); a maximum of 6 is reached.
        {"iv", {4, 0.3f, 20.0f, 0.0f, 0.0f}, 0.0f, 6.0f, false},
        {"iv equal to the cap", {4, 0.3f, 20.0f, 0.0f, 6.0f}, 0.0f, 6.0f, true},
        // 100 × 13.3 = 1330 → 1325 (25s).
        {"im/iv", {5, 100.0f, 13.3f, 0.0f, 2000.0f}, 0.0f, 1325.0f, false},
        {"im/iv above the cap", {5, 100.0f, 100.0f, 0.0f, 2000.0f}, 0.0f, 2000.0f, true},
        // 0.01 × 3 = 0.03 (thousandths); 0.01 × 100 = 1 above 0.5.
        {"im", {6, 0.01f, 3.0f, 0.0f, 0.5f}, 0.0f, 0.03f, false},
        {"im above the cap", {6, 0.01f, 100.0f, 0.0f, 0.5f}, 0.0f, 0.5f, true},
        // 0.01 × 13.3 = 0.133 → 0.13 (hundredths).
        {"subcut", {7, 0.01f, 13.3f, 0.0f, 0.4f}, 0.0f, 0.13f, false},
        // 0.2 × 13.3 = 2.66 → 2.7 (tenths).
        {"nasal", {8, 0.2f, 13.3f, 0.0f, 10.0f}, 0.0f, 2.7f, false},
        // 0.6 × 13.3 = 7.98 → 8; 0.6 × 100 = 60 above 16.
        {"oral decadron", {9, 0.6f, 13.3f, 0.0f, 16.0f}, 0.0f, 8.0f, false},
        {"oral decadron above the cap", {9, 0.6f, 100.0f, 0.0f, 16.0f}, 0.0f, 16.0f, true},
    };
    for (const OptionCase& c : cases) {
        const DoseResult r = optionDose(c.in);
        EXPECT_TRUE(r.valid) << c.what;
        EXPECT_EQ(r.volume, c.volume) << c.what;
        EXPECT_FLOAT_EQ(r.dose, c.dose) << c.what;
        EXPECT_EQ(r.capped, c.capped) << c.what;
    }
}

struct DailyCase {
    const char* what;
    DailyDoseInput in;
    float dose;
    float volume;
    bool capped;
};

TEST(DoseCalculationTest, DailyKinds) {
    const DailyCase cases[] = {
        // 100 × 20 = 2000 equal to the maximum: not marked; ÷ 4 = 500.
        {"total equal to the maximum", {12, 100.0f, 20.0f, 0.0f, 2000.0f, 4}, 500.0f, 0.0f, false},
        // 100 × 30 = 3000 above 2000: 2000 ÷ 4 = 500, marked.
        {"total above the maximum", {12, 100.0f, 30.0f, 0.0f, 2000.0f, 4}, 500.0f, 0.0f, true},
        // 7.5 × 13.3 = 99.75 ÷ 3 = 33.25 → halves: 66.5 → the even 66 = 33.
        {"no maximum", {12, 7.5f, 13.3f, 0.0f, 0.0f, 3}, 33.0f, 0.0f, false},
        // 60 × 13.3 = 798 ÷ 2 = 399; 399 / 80 = 4.9875 mL → 5.0; 5 × 80 = 400.
        {"solution", {11, 60.0f, 13.3f, 80.0f, 3000.0f, 2}, 400.0f, 5.0f, false},
        // 90 × 100 = 9000 above 3000 → 3000 ÷ 3 = 1000; 12.5 mL (halves), 1000 mg.
        {"solution above the maximum",
         {11, 90.0f, 100.0f, 80.0f, 3000.0f, 3},
         1000.0f,
         12.5f,
         true},
        // Without a concentration the solution counts 1 unit per mL: 33.25 → 33 mL, 33 mg.
        {"solution without concentration", {11, 7.5f, 13.3f, 0.0f, 0.0f, 3}, 33.0f, 33.0f, false},
        // 0.5 × 13.3 = 6.65 → tenths: 66.5 → the even 66 = 6.6.
        {"per dose", {10, 0.5f, 13.3f, 0.0f, 20.0f, 1}, 6.6f, 0.0f, false},
        // 100 × 13.3 = 1330 ÷ 4 = 332.5 → 330 (tens).
        {"tablets", {13, 100.0f, 13.3f, 0.0f, 4000.0f, 4}, 330.0f, 0.0f, false},
        // 0.3 × 20 = 6 above 5: 5, marked.
        {"nebulized above the maximum", {14, 0.3f, 20.0f, 0.0f, 5.0f, 1}, 5.0f, 0.0f, true},
        // Rounded past the maximum: the step below. 90 × 70 = 6300 above 3000 → 1500 a dose;
        // 1500 ÷ 80 = 18.75 mL, whose halves step 19 mL (1520 mg, printed 1525) is above
        // 18.75: 18.5 mL; 18.5 × 80 = 1480 → 25s 1475 mg (x 2 = 2950, within 3000).
        {"solution rounded past the maximum",
         {11, 90.0f, 70.0f, 80.0f, 3000.0f, 2},
         1475.0f,
         18.5f,
         true},
        // 45 × 70 = 3150 above 1750 → 875 a dose, tens step 880 above it: 870.
        {"dose rounded past the maximum", {12, 45.0f, 70.0f, 0.0f, 1750.0f, 2}, 870.0f, 0.0f, true},
        // 799 × 10 = 7990, under 8000 → 2663.3 a dose, 25s step 2675 above 8000 ÷ 3: 2650.
        {"uncapped dose rounded past the maximum",
         {12, 799.0f, 10.0f, 0.0f, 8000.0f, 3},
         2650.0f,
         0.0f,
         false},
    };
    for (const DailyCase& c : cases) {
        const DoseResult r = dailyDose(c.in);
        EXPECT_TRUE(r.valid) << c.what;
        EXPECT_FLOAT_EQ(r.dose, c.dose) << c.what;
        EXPECT_FLOAT_EQ(r.volume, c.volume) << c.what;
        EXPECT_EQ(r.capped, c.capped) << c.what;
    }
}

TEST(DoseCalculationTest, UntrustworthyInputsGiveNoAmount) {
    const float nan = std::nanf("");
    const float inf = INFINITY;
    const OptionDoseInput options[] = {
        {1, 15.0f, 13.3f, 0.0f, 20.0f},   // an oral liquid without a concentration
        {2, 10.0f, 13.3f, -20.0f, 0.0f},  // a negative concentration
        {4, 0.3f, 0.0f, 0.0f, 0.0f},      // no weight
        {4, 0.0f, 20.0f, 0.0f, 0.0f},     // no dose per kg
        {4, nan, 20.0f, 0.0f, 0.0f},      // a damaged dose
        {4, 0.3f, inf, 0.0f, 0.0f},       // a weight that is no number
        {4, 0.3f, 20.0f, 0.0f, nan},      // a damaged maximum
        {4, 1e-5f, 1.0f, 0.0f, 0.0f},     // an amount that the dose bands take to 0
    };
    for (const OptionDoseInput& in : options) {
        EXPECT_FALSE(optionDose(in).valid) << in.kind << " " << in.perKg << " " << in.weight;
    }
    const DailyDoseInput daily[] = {
        {12, 7.5f, 13.3f, 0.0f, 0.0f, 0},   // no doses a day
        {12, 7.5f, 0.0f, 0.0f, 0.0f, 3},    // no weight
        {12, -7.5f, 13.3f, 0.0f, 0.0f, 3},  // a negative dose
        {11, 7.5f, 13.3f, nan, 0.0f, 3},    // a damaged concentration
        {11, 7.5f, 13.3f, -1.0f, 0.0f, 3},  // a negative concentration
        {12, 7.5f, 13.3f, 0.0f, inf, 3},    // a damaged maximum
    };
    for (const DailyDoseInput& in : daily) {
        EXPECT_FALSE(dailyDose(in).valid) << in.kind << " " << in.perKgPerDay;
    }
}

}  // namespace
}  // namespace orvane
