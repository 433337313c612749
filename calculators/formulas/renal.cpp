#include "calculators/formulas/renal.h"

#include "foundation/rounding.h"

namespace orvane {

FormulaResult creatinineClearance(int sex, float ageYears, float weightKg, float creatinine,
                                  CreatinineUnit unit) {
    if (!(creatinine > 0.0f)) return std::nullopt;
    const float k = unit == CreatinineUnit::MilligramsPerDecilitre ? 71.94f : 0.8138f;
    float clearance = 140.0f - ageYears;
    if (sex != 0) clearance = clearance * 0.85f;
    clearance = clearance * weightKg;
    clearance = clearance / (creatinine * k);
    FormulaResult checked = checkedResult(clearance);
    if (!checked) return std::nullopt;
    if (clearance < 100.0f) return roundWhole(clearance * 10.0f) * 0.1f;
    return roundWhole(clearance);
}

}  // namespace orvane
