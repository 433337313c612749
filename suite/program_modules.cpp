#include "suite/program_modules.h"

#include <array>

#include "calculators/burn_area.h"
#include "calculators/burn_fluids.h"
#include "calculators/fluid_navix.h"
#include "calculators/formula_calculators.h"
#include "calculators/induction_meds.h"
#include "calculators/infusion_calc.h"
#include "calculators/pregnancy_calc.h"
#include "calculators/scores/scoring_calculators.h"
#include "calculators/tyko_growth.h"
#include "dosing/airway/paralytics_module.h"
#include "dosing/airway/rsi_navix_module.h"
#include "dosing/airway/sedation_meds_module.h"
#include "dosing/antibiotics/abx_navix_module.h"
#include "dosing/antibiotics/tyko_abx_module.h"
#include "dosing/infusions/adult_drips_module.h"
#include "dosing/infusions/tyko_drips_module.h"
#include "dosing/resuscitation/code_list_module.h"
#include "dosing/resuscitation/emerg_meds_module.h"
#include "dosing/resuscitation/tyko_code_module.h"
#include "dosing/toxicology/references_module.h"
#include "dosing/toxicology/toxicology_module.h"
#include "dosing/toxicology/transfusions_module.h"
#include "dosing/weight_based/tyko_drugs_module.h"
#include "dosing/weight_based/tyko_fever_module.h"
#include "dosing/weight_based/tyko_otc_module.h"
#include "modules/az_index.h"
#include "modules/calculators_menu.h"
#include "modules/clinical_consult.h"
#include "modules/document_list.h"
#include "modules/module_registry.h"
#include "modules/patient_context.h"

namespace orvane {

namespace {

template <class M>
std::unique_ptr<Module> make(PatientContext& context, Request request) {
    return std::make_unique<M>(context, request);
}

std::unique_ptr<Module> formula(PatientContext& context, Request request) {
    return createFormulaCalculator(request, context);
}

std::unique_ptr<Module> scoring(PatientContext& context, Request request) {
    return createScoringCalculator(request, context);
}

// The home list always opens at its first entry.
std::unique_ptr<Module> home(PatientContext& context, Request request) {
    context.setListPosition(0);
    return std::make_unique<ModuleRegistry>(context, request);
}

using R = ScreenRule;
using F = ModuleFamily;

// Codes without a maker are requests the shell handles itself (a calculator by its number, the
// same page, links within a page, the views); they create no module.
constexpr std::array kModules{
    ModuleRow{1, make<AbxNavixModule>, R::kIndexOrDocument},
    ModuleRow{2, make<CodeListModule>, R::kIndexOrDocument},
    ModuleRow{3, make<AdultDripsModule>, R::kIndexOrDocument},
    ModuleRow{request_code::kCalculator, nullptr, R::kByCalculator},
    ModuleRow{5, make<ClinicalConsult>, R::kIndexOrDocument, F::kClinicalConsult},
    ModuleRow{6, make<EmergMedsModule>, R::kIndexOrDocument},
    ModuleRow{7, make<FluidNavix>, R::kIndexOrDocument},
    ModuleRow{8, make<CodeListModule>, R::kIndexOrDocument},
    ModuleRow{9, make<TykoAbxModule>, R::kIndexOrDocument, F::kChildAntibiotics},  // TykoAbx
    ModuleRow{10, make<TykoCodeModule>, R::kIndexOrDocument},
    ModuleRow{11, make<TykoDripsModule>, R::kIndexOrDocument},
    ModuleRow{12, make<TykoDrugsModule>, R::kIndexOrDocument, F::kNone, false, true},
    ModuleRow{13, make<TykoFeverModule>, R::kDocument},
    ModuleRow{14, make<TykoGrowth>, R::kIndexOrCalculator, F::kGrowth},
    ModuleRow{17, make<TykoOtcModule>, R::kIndexOrDocument, F::kOtc},
    ModuleRow{22, make<RsiNavixModule>, R::kDocument},
    ModuleRow{23, make<SedationMedsModule>, R::kIndexOrDocument},
    ModuleRow{24, make<ToxicologyModule>, R::kIndexOrDocument, F::kToxicology},
    ModuleRow{26, make<TransfusionsModule>, R::kIndexOrDocument},
    ModuleRow{27, make<InfusionCalc>, R::kCalculator},
    ModuleRow{30, make<TykoAbxModule>, R::kIndex, F::kChildAntibiotics, false,
              true},  // TykoAbx index
    ModuleRow{31, make<DocumentList>, R::kDocument},
    ModuleRow{request_code::kHome, home, R::kModuleList},
    ModuleRow{request_code::kSamePage, nullptr, R::kKeep, F::kNone, true},
    ModuleRow{37, make<ParalyticsModule>, R::kIndexOrDocument},
    ModuleRow{39, make<InductionMeds>, R::kIndexOrDocument},
    ModuleRow{41, make<DocumentList>, R::kDocument},
    ModuleRow{43, make<DocumentList>, R::kDocument},
    ModuleRow{46, make<ToxicologyModule>, R::kIndexOrDocument, F::kToxicology},
    ModuleRow{47, make<TykoAbxModule>, R::kIndexOrDocument, F::kChildAntibiotics},  // TykoAbx oral
    ModuleRow{48, make<ClinicalConsult>, R::kIndex, F::kClinicalConsult},
    ModuleRow{49, make<ReferencesModule>, R::kIndexOrDocument},
    ModuleRow{request_code::kInPage, nullptr, R::kDocument, F::kNone, true},
    ModuleRow{request_code::kAzIndex, make<AzIndex>, R::kIndex, F::kNone, false, true},
    ModuleRow{57, make<ToxicologyModule>, R::kDocument, F::kToxicology},
    ModuleRow{59, make<CalculatorsMenu>, R::kIndex},
    ModuleRow{60, make<TykoOtcModule>, R::kIndex, F::kOtc},
    ModuleRow{63, make<DocumentList>, R::kDocument},
    ModuleRow{request_code::kPreviousView, nullptr, R::kDocument, F::kNone, true},
    ModuleRow{request_code::kNextView, nullptr, R::kDocument, F::kNone, true},
    ModuleRow{request_code::kReservedInModule, nullptr, R::kDocument, F::kNone, true},
    ModuleRow{request_code::kBadDocType, nullptr, R::kNone},
};

using S = ScreenKind;

// Scoring calculators and the burn area show their result on a document page.
constexpr std::array kCalculators{
    CalculatorRow{1, formula},
    CalculatorRow{2, formula},
    CalculatorRow{3, formula},
    CalculatorRow{4, scoring, S::kDocument},
    CalculatorRow{5, formula},
    CalculatorRow{6, formula},
    CalculatorRow{7, formula},
    CalculatorRow{8, make<BurnArea>, S::kDocument},
    CalculatorRow{9, formula},
    CalculatorRow{10, scoring, S::kDocument},
    CalculatorRow{11, formula},
    CalculatorRow{12, formula},
    CalculatorRow{13, formula},
    CalculatorRow{14, formula},
    CalculatorRow{15, formula},
    CalculatorRow{16, formula},
    CalculatorRow{17, scoring, S::kDocument},
    CalculatorRow{18, scoring, S::kDocument},
    CalculatorRow{19, formula},
    CalculatorRow{20, formula},
    CalculatorRow{21, formula},
    CalculatorRow{22, formula},
    CalculatorRow{23, formula},
    CalculatorRow{24, formula},
    CalculatorRow{25, scoring, S::kDocument},
    CalculatorRow{26, formula},
    CalculatorRow{27, scoring, S::kDocument},
    CalculatorRow{28, formula},
    CalculatorRow{29, make<PregnancyCalc>},
    CalculatorRow{30, formula},
    CalculatorRow{31, scoring, S::kDocument},
    CalculatorRow{32, scoring, S::kDocument},
    CalculatorRow{33, formula},
    CalculatorRow{34, formula},
    CalculatorRow{35, formula},
    CalculatorRow{36, formula},
    CalculatorRow{37, formula},
    CalculatorRow{38, scoring, S::kDocument},
    CalculatorRow{39, scoring, S::kDocument},
    CalculatorRow{40, make<BurnFluids>},
};

}  // namespace

const ModuleTable& programModules() {
    static const ModuleTable table(kModules, kCalculators);
    return table;
}

}  // namespace orvane
