// MI risk score with Killip class (10): seven criteria answered from lists (age, heart rate, blood
// pressures, Killip class, weight, MI location) and five yes/no risk factors. Two views: the
// selections and the score with its mortality band (Result). The score needs the seven listed
// criteria answered.
#pragma once

#include "calculators/scores/scoring_calculator.h"

namespace orvane {

// Shown in the Result view while a listed criterion is still unanswered.
inline constexpr const char* kMiRiskIncompleteText =
    "<BR>Answer every criterion of the Selections to see the score.";

class MiRiskScore : public ScoringCalculator {
  public:
    MiRiskScore(PatientContext& context, Request request);
    const char* buildPage(int32_t view) override;

  protected:
    // Criteria 1-7 by the list rule; factors 8-12 yes (1) when j > 0, else no.
    void answer(int32_t k, int32_t j) override;

  private:
    void appendSelections(PageBuilder& builder);
    void appendResult(PageBuilder& builder);

    int32_t lastSubCode_ = 0;
};

}  // namespace orvane
