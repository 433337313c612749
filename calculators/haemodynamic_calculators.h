// The heart and circulation calculators: QT correction (14), maximum predicted heart rate (22, its
// own page text), mean arterial pressure (23), pulmonary vascular resistance (30) and systemic
// vascular resistance (34), both with their legend. Arithmetic in
// calculators/formulas/haemodynamics.h.
#pragma once

#include "calculators/formula_calculator.h"

namespace orvane {

class CorrectedQtCalculator : public FormulaCalculator {
  public:
    CorrectedQtCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

// Page: the maximum and its training percentages, then the formula.
class HeartRateCalculator : public FormulaCalculator {
  public:
    HeartRateCalculator(PatientContext& context, Request request);
    void resetInputs() override;
    const char* buildPage(int32_t view) override;

  protected:
    bool computeResults() override;
};

class MeanArterialPressureCalculator : public FormulaCalculator {
  public:
    MeanArterialPressureCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

// The page always ends with the legend of MPAP, PCWP and CO.
class PulmonaryResistanceCalculator : public FormulaCalculator {
  public:
    PulmonaryResistanceCalculator(PatientContext& context, Request request);
    void resetInputs() override;
    const char* buildPage(int32_t view) override;

  protected:
    bool computeResults() override;
};

// The template and the legend of MAP, CVP and CO, or the legend alone when there is no result.
class SystemicResistanceCalculator : public FormulaCalculator {
  public:
    SystemicResistanceCalculator(PatientContext& context, Request request);
    void resetInputs() override;
    const char* buildPage(int32_t view) override;

  protected:
    bool computeResults() override;
};

}  // namespace orvane
