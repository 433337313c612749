// The gas-exchange calculators: A-a gradient (1), cardiac output by Fick (9) and pH by
// Henderson-Hasselbalch (19). Forms, formulas and pages; the arithmetic is in
// calculators/formulas/gas_exchange.h.
#pragma once

#include "calculators/formula_calculator.h"

namespace orvane {

// Age, pO2, pCO2, FiO2, pAtm, pH2O and R; two results: the gradient and the expected gradient.
class AaGradientCalculator : public FormulaCalculator {
  public:
    AaGradientCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

// VO2, Hgb, SaO2, SvO2. Equal saturations give only the text "SaO2 cannot equal SvO2."; a venous
// saturation above the arterial one is refused with its own text instead of a negative output.
class FickCalculator : public FormulaCalculator {
  public:
    FickCalculator(PatientContext& context, Request request);
    void resetInputs() override;
    const char* buildPage(int32_t view) override;

  protected:
    bool computeResults() override;
};

// The text shown instead of a result when SvO2 is above SaO2.
inline constexpr const char* kFickVenousAboveArterialText = "SvO2 cannot be higher than SaO2.";

// HCO3 and pCO2. A bicarbonate or pCO2 of 0 gives no result.
class PhCalculator : public FormulaCalculator {
  public:
    PhCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

}  // namespace orvane
