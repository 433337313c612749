// Gas-exchange and acid-base formulas of the calculators: the alveolar-arterial oxygen gradient
// with its age-expected value, the Henderson-Hasselbalch pH and the Fick cardiac output. Plain
// single-precision arithmetic in the order the formulas are written; no rounding, no formatting.
#pragma once

#include "calculators/formulas/formula_result.h"

namespace orvane {

// (pAtm − pH2O) × (FiO2% × 0.01) − pO2 − pCO2 / R in mmHg. None when R is 0.
FormulaResult alveolarArterialGradient(float pO2, float pCO2, float fiO2Percent, float pAtm,
                                       float pH2O, float respiratoryQuotient);

// The normal gradient for an age: age × 0.21 (single precision) + 2.5 (added in double).
float expectedAlveolarArterialGradient(float ageYears);

// 6.1 + log10(HCO3 / (pCO2 × 0.03)); the quotient in single precision, the logarithm and the sum
// in double. None when pCO2 is 0 or the quotient is not above 0 (no logarithm).
FormulaResult hendersonHasselbalchPh(float bicarbonate, float pCO2);

enum class FickOutcome {
    Output,                  // cardiac output computed
    EqualSaturations,        // SaO2 = SvO2: no arteriovenous difference
    VenousNotBelowArterial,  // SvO2 above SaO2: the difference would be negative
    NoOutput                 // no finite output (a haemoglobin of 0)
};

struct FickResult {
    FickOutcome outcome = FickOutcome::Output;
    float litresPerMinute = 0;  // meaningful only for FickOutcome::Output
};

// VO2 / ((SaO2 − SvO2) × 0.01 × (Hgb × 10) × 1.39) in L/min. An SvO2 at or above the SaO2 gives no
// output: a venous saturation cannot exceed the arterial one.
FickResult fickCardiacOutput(float vo2, float hemoglobin, float saO2, float svO2);

}  // namespace orvane
