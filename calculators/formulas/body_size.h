// Body-size formulas of the calculators: body mass index, body surface area, basal energy
// expenditure (Harris-Benedict), ideal and lean body weight and the percent weight loss. Weights
// are in kilograms and heights in centimetres; sex 0 is male, anything else female.
#pragma once

#include "calculators/formulas/formula_result.h"

namespace orvane {

// W / (H × H) × 10000 in kg/m². None unless W / (H × H) is above 0 (and finite).
FormulaResult bodyMassIndex(float weightKg, float heightCm);

// W^0.425 × H^0.725 × 0.007184 in m², in double precision (DuBois).
FormulaResult bodySurfaceArea(float weightKg, float heightCm);

// Harris-Benedict kcal/day, computed as ((H × c1 + W × c2) + c0 − A × c3) × 10, rounded to a whole
// number and × 0.1: male c0 66.5, c1 5.003, c2 13.75, c3 6.775; female 655.1, 1.85, 9.563, 4.676.
float basalEnergyExpenditure(int sex, float ageYears, float weightKg, float heightCm);

// 50 (male) or 49 (female) kg + 2.3 or 1.65 kg per inch above 60 inches (H × 0.3937... inches).
float idealBodyWeight(int sex, float heightCm);

// Male 1.1 W − 128 × (W² / H²); female 1.07 W − 148 × (W² / H²). None when H is 0.
FormulaResult leanBodyWeight(int sex, float weightKg, float heightCm);

enum class WeightLossOutcome {
    NoBaseline,       // the baseline weight is not above 0
    GainNotLoss,      // the measured weight is above the baseline
    Loss,             // percent computed
    NoMeasuredWeight  // the measured weight is not above 0
};

struct WeightLossResult {
    WeightLossOutcome outcome = WeightLossOutcome::NoBaseline;
    float percent = 0;  // (1 − m / b) × 100, meaningful only for Loss
};

// Percent of the baseline weight b lost at the measured weight m, tested in this order: b not
// above 0, m above b, m above 0.
WeightLossResult percentWeightLoss(float measuredKg, float baselineKg);

}  // namespace orvane
