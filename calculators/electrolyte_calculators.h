// The electrolyte and osmolality calculators: anion gap (3, its own page text), corrected calcium
// (12), corrected phenytoin (13), corrected sodium (15), osmolal gap (24), calculated osmolality
// (33) and free water deficit (37, no module check). Arithmetic in
// calculators/formulas/electrolytes.h.
#pragma once

#include "calculators/formula_calculator.h"

namespace orvane {

// Na, Cl, HCO3. Page: the gap in bold when the inputs pass, then always the formula and the
// reference range.
class AnionGapCalculator : public FormulaCalculator {
  public:
    AnionGapCalculator(PatientContext& context, Request request);
    void resetInputs() override;
    const char* buildPage(int32_t view) override;

  protected:
    bool computeResults() override;
};

class CorrectedCalciumCalculator : public FormulaCalculator {
  public:
    CorrectedCalciumCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

// The level is in mcg/mL, the unit the formula is made for.
class CorrectedPhenytoinCalculator : public FormulaCalculator {
  public:
    CorrectedPhenytoinCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

class CorrectedSodiumCalculator : public FormulaCalculator {
  public:
    CorrectedSodiumCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

class OsmolalGapCalculator : public FormulaCalculator {
  public:
    OsmolalGapCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

// Na, glucose, BUN and five alcohols and ketones.
class OsmolalityCalculator : public FormulaCalculator {
  public:
    OsmolalityCalculator(PatientContext& context, Request request);
    void resetInputs() override;

  protected:
    bool computeResults() override;
};

// Sex, weight, actual and normal sodium. No module check: computed only when the weight and both
// sodiums are above 0.
class FreeWaterDeficitCalculator : public FormulaCalculator {
  public:
    FreeWaterDeficitCalculator(PatientContext& context, Request request);
    void resetInputs() override;
    const char* buildPage(int32_t view) override;

  protected:
    bool computeResults() override;
};

}  // namespace orvane
