// The body-size calculators: basal energy expenditure (5), body mass index (6), body surface area
// (7), ideal body weight (20), lean body weight (21) and percent weight loss (28, its own page
// text, no module check). Weights come from the patient context in kilograms, heights in
// centimetres; arithmetic in calculators/formulas/body_size.h.
#pragma once

#include "calculators/formula_calculator.h"

namespace orvane {

class BasalEnergyCalculator : public FormulaCalculator {
  public:
    BasalEnergyCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

class BodyMassIndexCalculator : public FormulaCalculator {
  public:
    BodyMassIndexCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

// The template follows a line break.
class BodySurfaceAreaCalculator : public FormulaCalculator {
  public:
    BodySurfaceAreaCalculator(PatientContext& context, Request request);
    void resetInputs() override;
    const char* buildPage(int32_t view) override;

  protected:
    bool computeResults() override;
};

class IdealBodyWeightCalculator : public FormulaCalculator {
  public:
    IdealBodyWeightCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

class LeanBodyWeightCalculator : public FormulaCalculator {
  public:
    LeanBodyWeightCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

// Measured weight (the calculator weight) and baseline weight (the adult weight). Its form resets
// both patient weights; its page is one of four fixed sentences.
class WeightLossCalculator : public FormulaCalculator {
  public:
    WeightLossCalculator(PatientContext& context, Request request);
    void resetInputs() override;
    const char* buildPage(int32_t view) override;

  protected:
    bool computeResults() override;
};

}  // namespace orvane
