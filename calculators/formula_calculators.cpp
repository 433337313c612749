#include "calculators/formula_calculators.h"

#include "calculators/bedside_calculators.h"
#include "calculators/body_size_calculators.h"
#include "calculators/creatinine_clearance_calculator.h"
#include "calculators/electrolyte_calculators.h"
#include "calculators/gas_exchange_calculators.h"
#include "calculators/haemodynamic_calculators.h"
#include "calculators/peak_flow_calculator.h"
#include "calculators/unit_converter.h"

namespace orvane {

namespace {
template <typename Calculator>
std::unique_ptr<Module> make(PatientContext& context, Request request) {
    return std::make_unique<Calculator>(context, request);
}
}  // namespace

std::unique_ptr<Module> createFormulaCalculator(Request request, PatientContext& context) {
    switch (longValue(request)) {
        case 1:
            return make<AaGradientCalculator>(context, request);
        case 2:
            return make<NeutrophilCountCalculator>(context, request);
        case 3:
            return make<AnionGapCalculator>(context, request);
        case 5:
            return make<BasalEnergyCalculator>(context, request);
        case 6:
            return make<BodyMassIndexCalculator>(context, request);
        case 7:
            return make<BodySurfaceAreaCalculator>(context, request);
        case 9:
            return make<FickCalculator>(context, request);
        case 11:
            return make<UnitConverter>(context, request);
        case 12:
            return make<CorrectedCalciumCalculator>(context, request);
        case 13:
            return make<CorrectedPhenytoinCalculator>(context, request);
        case 14:
            return make<CorrectedQtCalculator>(context, request);
        case 15:
            return make<CorrectedSodiumCalculator>(context, request);
        case 16:
            return make<CreatinineClearanceCalculator>(context, request);
        case 19:
            return make<PhCalculator>(context, request);
        case 20:
            return make<IdealBodyWeightCalculator>(context, request);
        case 21:
            return make<LeanBodyWeightCalculator>(context, request);
        case 22:
            return make<HeartRateCalculator>(context, request);
        case 23:
            return make<MeanArterialPressureCalculator>(context, request);
        case 24:
            return make<OsmolalGapCalculator>(context, request);
        case 26:
            return make<PeakFlowCalculator>(context, request);
        case 28:
            return make<WeightLossCalculator>(context, request);
        case 30:
            return make<PulmonaryResistanceCalculator>(context, request);
        case 33:
            return make<OsmolalityCalculator>(context, request);
        case 34:
            return make<SystemicResistanceCalculator>(context, request);
        case 35:
            return make<TimiRiskCalculator>(context, request);
        case 36:
            return make<DrugDilutionCalculator>(context, request);
        case 37:
            return make<FreeWaterDeficitCalculator>(context, request);
        default:
            return nullptr;
    }
}

}  // namespace orvane
