// The scoring calculators whose criteria are all answered from lists of the scoring table: Apgar
// (4), croup (17) with its severity advice, trauma score (32) and pediatric trauma score (27). The
// score is the sum of the chosen answers' points, shown once every criterion is answered.
#pragma once

#include "calculators/scores/scoring_calculator.h"

namespace orvane {

// Five criteria from records 0-4; page: the choices, then "Apgar Score = " and the score.
class ApgarScore : public ScoringCalculator {
  public:
    ApgarScore(PatientContext& context, Request request);
    const char* buildPage(int32_t view) override;
};

// Five criteria from records 27-31; six results: score, band, severity, advice, severity shown,
// and the sentence of an answer that forces 'Severe'.
class CroupScore : public ScoringCalculator {
  public:
    CroupScore(PatientContext& context, Request request);
    const char* buildPage(int32_t view) override;

  private:
    void computeScore();
};

// Criteria from consecutive records of the scoring table, labelled by the records' headings;
// page: the choices, then the template with the score.
class SummedScore : public ScoringCalculator {
  public:
    SummedScore(PatientContext& context, Request request, int32_t firstRecord,
                std::initializer_list<const char*> labels);
    const char* buildPage(int32_t view) override;

  private:
    int32_t firstRecord_;
};

// Trauma score: Glasgow Coma Scale, systolic BP and respiratory rate from records 24-26.
class TraumaScore : public SummedScore {
  public:
    TraumaScore(PatientContext& context, Request request);
};

// Pediatric trauma score: six criteria from records 18-23.
class PediatricTraumaScore : public SummedScore {
  public:
    PediatricTraumaScore(PatientContext& context, Request request);
};

}  // namespace orvane
