// Oxygen tank duration (25): tank type, pressure and flow chosen from fixed lists; the page gives
// the estimated minutes of oxygen once all three are chosen. No template, no scoring table.
#pragma once

#include "calculators/scores/scoring_calculator.h"

namespace orvane {

class OxygenTankDuration : public ScoringCalculator {
  public:
    OxygenTankDuration(PatientContext& context, Request request);
    const char* buildPage(int32_t view) override;
};

}  // namespace orvane
