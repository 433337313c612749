// Creatinine clearance by Cockcroft-Gault for a creatinine in mg/dL or µmol/L. Single precision;
// the clearance comes back with its display rounding (tenths below 100, wholes from 100).
#pragma once

#include "calculators/formulas/formula_result.h"

namespace orvane {

// The creatinine units of the calculator's unit list, by list index.
enum class CreatinineUnit { MilligramsPerDecilitre = 0, MicromolesPerLitre = 1 };

// (140 − age) × (0.85 if female) × W / (creatinine × k) mL/min, k = 71.94 for mg/dL and 0.8138
// for µmol/L; below 100 rounded to 0.1, otherwise to a whole number. None when the creatinine is
// not above 0 (a clearance cannot be computed for it).
FormulaResult creatinineClearance(int sex, float ageYears, float weightKg, float creatinine,
                                  CreatinineUnit unit);

}  // namespace orvane
