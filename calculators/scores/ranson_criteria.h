// Ranson's criteria for pancreatitis (31): eleven yes/no items, five on admission and six within
// 48 hours. Two views: the toggles (Selections) and the score with the items it is based on
// (Result).
#pragma once

#include "calculators/scores/scoring_calculator.h"

namespace orvane {

class RansonCriteria : public ScoringCalculator {
  public:
    RansonCriteria(PatientContext& context, Request request);
    const char* buildPage(int32_t view) override;

  protected:
    // Item k becomes yes (1) when j > 0, else no (0).
    void answer(int32_t k, int32_t j) override;
};

}  // namespace orvane
