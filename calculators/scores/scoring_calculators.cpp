#include "calculators/scores/scoring_calculators.h"

#include "calculators/scores/choice_scores.h"
#include "calculators/scores/glasgow_coma_scale.h"
#include "calculators/scores/mi_risk_score.h"
#include "calculators/scores/oxygen_tank_calculator.h"
#include "calculators/scores/ranson_criteria.h"
#include "calculators/scores/wells_criteria.h"

namespace orvane {

std::unique_ptr<Module> createScoringCalculator(Request request, PatientContext& context) {
    switch (longValue(request)) {
        case 4:
            return std::make_unique<ApgarScore>(context, request);
        case 10:
            return std::make_unique<MiRiskScore>(context, request);
        case 17:
            return std::make_unique<CroupScore>(context, request);
        case 18:
            return std::make_unique<GlasgowComaScale>(context, request);
        case 25:
            return std::make_unique<OxygenTankDuration>(context, request);
        case 27:
            return std::make_unique<PediatricTraumaScore>(context, request);
        case 31:
            return std::make_unique<RansonCriteria>(context, request);
        case 32:
            return std::make_unique<TraumaScore>(context, request);
        case 38:
            return std::make_unique<WellsDeepVeinThrombosis>(context, request);
        case 39:
            return std::make_unique<WellsPulmonaryEmbolism>(context, request);
        default:
            return nullptr;
    }
}

}  // namespace orvane
