// The Wells criteria for pulmonary embolism (39) and for deep vein thrombosis (38): yes/no items
// with fixed points. Two views: the toggles (Selections) and the summed score in the template
// (Result).
#pragma once

#include "calculators/scores/scoring_calculator.h"

namespace orvane {

// One yes/no item and the points it adds when chosen.
struct WellsItem {
    const char* label;
    float points;
};

class WellsCriteria : public ScoringCalculator {
  public:
    const char* buildPage(int32_t view) override;

  protected:
    // anchorItem: before this item (counted from 1) the Selections view writes the anchor
    // "anchor" when the last item touched was above 6 (0 = never).
    WellsCriteria(PatientContext& context, Request request, const WellsItem* items, int32_t count,
                  int32_t anchorItem);

    // Item k's unit becomes j and its value its points when j ≥ 1, else 0.
    void answer(int32_t k, int32_t j) override;

  private:
    DynArray<float> points_;
    int32_t anchorItem_;
    int32_t lastTouched_ = 0;
};

class WellsPulmonaryEmbolism : public WellsCriteria {
  public:
    WellsPulmonaryEmbolism(PatientContext& context, Request request);
};

class WellsDeepVeinThrombosis : public WellsCriteria {
  public:
    WellsDeepVeinThrombosis(PatientContext& context, Request request);
};

}  // namespace orvane
