// Glasgow Coma Scale (18) by age band: the age band chooses which records of the scoring table
// give the eye, motor and verbal answers (6, 9, 12 or 15 and the two after it). Two results: the
// total and its severity; the page writes its own sentence, no template.
#pragma once

#include "calculators/scores/scoring_calculator.h"

namespace orvane {

class GlasgowComaScale : public ScoringCalculator {
  public:
    GlasgowComaScale(PatientContext& context, Request request);
    const char* buildPage(int32_t view) override;

  protected:
    // Criterion 1 (age band) also rebuilds criteria 2-4 from the band's records; band 0 clears
    // them.
    void answer(int32_t k, int32_t j) override;

  private:
    int32_t baseRecord_ = 0;  // 0 until an age band is chosen
};

}  // namespace orvane
