// Three bedside calculators: absolute neutrophil count (2), TIMI risk score (35, seven check
// boxes, no module check) and drug dilution (36, its own page text). Arithmetic in
// calculators/formulas/bedside.h.
#pragma once

#include "calculators/formula_calculator.h"

namespace orvane {

class NeutrophilCountCalculator : public FormulaCalculator {
  public:
    NeutrophilCountCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

// The score is the number of boxes checked, shown once every box has been answered.
class TimiRiskCalculator : public FormulaCalculator {
  public:
    TimiRiskCalculator(PatientContext& context, Request request);
    void resetInputs() override;
    const char* buildPage(int32_t view) override;
    // (33, v, k): box k is checked when v > 0, else cleared; the rest as for every calculator.
    bool handleRequest(Request request) override;

  protected:
    bool computeResults() override;
};

// Page: one sentence with the volume and the three inputs as typed, then the formula.
class DrugDilutionCalculator : public FormulaCalculator {
  public:
    DrugDilutionCalculator(PatientContext& context, Request request);
    void resetInputs() override;
    const char* buildPage(int32_t view) override;

  protected:
    bool computeResults() override;
};

}  // namespace orvane
