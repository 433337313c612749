// Electrolyte, osmolality and drug-level formulas of the calculators: anion gap, corrected
// calcium, sodium and phenytoin, calculated osmolality, osmolal gap and free water deficit.
// Single-precision arithmetic in the order written; roundings only where the formula has one.
#pragma once

#include "calculators/formulas/formula_result.h"

namespace orvane {

// Na − (HCO3 + Cl), mEq/L.
float anionGap(float sodium, float chloride, float bicarbonate);

// Calcium corrected for albumin: round((Ca + 0.8 × (4.0 − Alb)) × 100) × 0.01, mg/dL.
float correctedCalcium(float calcium, float albumin);

// Sodium corrected for glucose: (Glucose − 100) × 0.016 + Na, mEq/L.
float correctedSodium(float sodium, float glucose);

// Phenytoin level (mcg/mL) corrected for albumin: level / (Alb × 0.2 + 0.1). None when the divisor
// is 0.
FormulaResult correctedPhenytoin(float level, float albumin);

// The eight measured values of the osmolality calculation, all mmol/L or mg/dL as labelled.
struct OsmolalityInputs {
    float sodium = 0;
    float glucose = 0;
    float bun = 0;
    float ethanol = 0;
    float methanol = 0;
    float ethyleneGlycol = 0;
    float acetone = 0;
    float isopropanol = 0;
};

// 2 × Na + Glucose / 18 (as × 0.055555556 in single precision), then in this order + Isopropanol /
// 5.9, + BUN / 2.8, + Ethanol / 4.6, + Methanol / 2.6, + Acetone / 5.5 (each as a product with a
// double factor, the sum brought back to a float), + Ethylene Glycol × 0.2 (single precision).
float calculatedOsmolality(const OsmolalityInputs& in);

// measured − calculated, mOsm/kg.
float osmolalGap(float measured, float calculated);

// (actual − normal) × W × f / normal litres, f = 0.6 for a male (sex 0), else 0.5. None unless the
// weight, the actual and the normal sodium are all above 0.
FormulaResult freeWaterDeficit(int sex, float weightKg, float actualSodium, float normalSodium);

}  // namespace orvane
