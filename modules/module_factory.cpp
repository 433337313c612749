// The table of modules. To add a module: include its header and replace the `nullptr` of its
// code (or calculator number) below by `std::make_unique<TheModule>(context, request)`.
#include "modules/module_factory.h"

#include "calculators/burn_area.h"
#include "calculators/burn_fluids.h"
#include "calculators/fluid_navix.h"
#include "calculators/formula_calculators.h"
#include "calculators/induction_meds.h"
#include "calculators/infusion_calc.h"
#include "calculators/pregnancy_calc.h"
#include "calculators/scores/scoring_calculators.h"
#include "calculators/tyko_growth.h"
#include "modules/az_index.h"
#include "modules/calculators_menu.h"
#include "modules/clinical_consult.h"
#include "modules/document_list.h"
#include "modules/module_registry.h"
#include "modules/patient_context.h"

namespace orvane {

std::unique_ptr<Module> createModuleFor(Request request, PatientContext& context) {
    switch (moduleCode(request)) {
        case 1:  // AbxNavix
            return nullptr;
        case 2:  // ACLS and PALS, one class
        case 8:
            return nullptr;
        case 3:  // Adult Drips
            return nullptr;
        case 4:  // a formula or scoring calculator by number
            return createCalculator(request, context);
        case 5:  // Clinical Consult category browser
        case 48:
            return std::make_unique<ClinicalConsult>(context, request);
        case 6:  // Emergency Meds
            return nullptr;
        case 7:  // Fluid Navix menu
            return std::make_unique<FluidNavix>(context, request);
        case 9:  // TykoAbx
        case 30:
        case 47:
            return nullptr;
        case 10:  // TykoCode
            return nullptr;
        case 11:  // TykoDrips
            return nullptr;
        case 12:  // TykoDrugs
            return nullptr;
        case 13:  // TykoFever
            return nullptr;
        case 14:  // TykoGrowth
            return std::make_unique<TykoGrowth>(context, request);
        case 17:  // TykoOTC
        case 60:
            return nullptr;
        case 22:  // RSI Navix
            return nullptr;
        case 23:  // Sedation Meds
            return nullptr;
        case 24:  // Toxicology
        case 46:
        case 57:
            return nullptr;
        case 26:  // Transfusions
            return nullptr;
        case 27:  // Infusion Calc
            return std::make_unique<InfusionCalc>(context, request);
        case 31:  // document list
        case 41:
        case 43:
        case 63:
            return std::make_unique<DocumentList>(context, request);
        case 32:  // module registry; the home list opens at its first entry
            context.setListPosition(0);
            return std::make_unique<ModuleRegistry>(context, request);
        case 37:  // Paralytics
            return nullptr;
        case 39:  // Induction Meds
            return std::make_unique<InductionMeds>(context, request);
        case 49:  // References
            return nullptr;
        case 53:  // A-Z Index
            return std::make_unique<AzIndex>(context, request);
        case 59:  // Calculators menu
            return std::make_unique<CalculatorsMenu>(context, request);
        default:
            return nullptr;
    }
}

std::unique_ptr<Module> createCalculator(Request request, PatientContext& context) {
    (void)context;
    switch (longValue(request)) {
        case 1:  // A-a gradient
            return createFormulaCalculator(request, context);
        // Formula calculators.
        case 2:
        case 3:
        case 5:
        case 6:
        case 7:
        case 9:
        case 11:
        case 12:
        case 13:
        case 14:
        case 15:
        case 16:
        case 19:
        case 20:
        case 21:
        case 22:
        case 23:
        case 24:
        case 26:
        case 28:
        case 30:
        case 33:
        case 34:
        case 35:
        case 36:
        case 37:
            return createFormulaCalculator(request, context);
        case 4:  // Apgar score
            return createScoringCalculator(request, context);
        case 8:  // burn area
            return std::make_unique<BurnArea>(context, request);
        case 10:  // MI risk with Killip class
            return createScoringCalculator(request, context);
        case 17:  // croup score
            return createScoringCalculator(request, context);
        case 18:  // Glasgow Coma Scale
            return createScoringCalculator(request, context);
        case 25:  // oxygen tank duration
            return createScoringCalculator(request, context);
        case 27:  // pediatric trauma score
            return createScoringCalculator(request, context);
        case 29:  // pregnancy calculator
            return std::make_unique<PregnancyCalc>(context, request);
        case 31:  // Ranson's criteria
            return createScoringCalculator(request, context);
        case 32:  // trauma score
            return createScoringCalculator(request, context);
        case 38:  // Wells DVT criteria
            return createScoringCalculator(request, context);
        case 39:  // Wells PE criteria
            return createScoringCalculator(request, context);
        case 40:  // fluids for burns (Parkland formula)
            return std::make_unique<BurnFluids>(context, request);
        default:
            return nullptr;
    }
}

}  // namespace orvane
