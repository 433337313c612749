// Creatinine clearance (16): sex, age, weight and the plasma creatinine with its unit list (mg/dL
// or µmol/L). A creatinine of 0 gives no result. Arithmetic in calculators/formulas/renal.h.
#pragma once

#include "calculators/formula_calculator.h"

namespace orvane {

// The second unit of the creatinine list: micromoles per litre, µ written as the 8-bit 0xB5.
inline constexpr const char* kMicromolesPerLitreLabel = "\xB5mol/L";

class CreatinineClearanceCalculator : public FormulaCalculator {
  public:
    CreatinineClearanceCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

}  // namespace orvane
