#include "suite/program_modules.h"

#include <array>

#include "calculators/bedside_calculators.h"
#include "calculators/body_size_calculators.h"
#include "calculators/burn_area.h"
#include "calculators/burn_fluids.h"
#include "calculators/creatinine_clearance_calculator.h"
#include "calculators/electrolyte_calculators.h"
#include "calculators/fluid_navix.h"
#include "calculators/gas_exchange_calculators.h"
#include "calculators/haemodynamic_calculators.h"
#include "calculators/induction_meds.h"
#include "calculators/infusion_calc.h"
#include "calculators/peak_flow_calculator.h"
#include "calculators/pregnancy_calc.h"
#include "calculators/scores/choice_scores.h"
#include "calculators/scores/glasgow_coma_scale.h"
#include "calculators/scores/mi_risk_score.h"
#include "calculators/scores/oxygen_tank_calculator.h"
#include "calculators/scores/ranson_criteria.h"
#include "calculators/scores/wells_criteria.h"
#include "calculators/tyko_growth.h"
#include "calculators/unit_converter.h"
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
    ModuleRow{AbxNavixModule::kCode, make<AbxNavixModule>, R::kIndexOrDocument},
    ModuleRow{CodeListModule::kAclsCode, make<CodeListModule>, R::kIndexOrDocument},
    ModuleRow{AdultDripsModule::kCode, make<AdultDripsModule>, R::kIndexOrDocument},
    ModuleRow{request_code::kCalculator, nullptr, R::kByCalculator},
    ModuleRow{ClinicalConsult::kCode, make<ClinicalConsult>, R::kIndexOrDocument,
              F::kClinicalConsult},
    ModuleRow{EmergMedsModule::kCode, make<EmergMedsModule>, R::kIndexOrDocument},
    ModuleRow{FluidNavix::kCode, make<FluidNavix>, R::kIndexOrDocument},
    ModuleRow{CodeListModule::kPalsCode, make<CodeListModule>, R::kIndexOrDocument},
    ModuleRow{TykoAbxModule::kIvCode, make<TykoAbxModule>, R::kIndexOrDocument,
              F::kChildAntibiotics},
    ModuleRow{TykoCodeModule::kCode, make<TykoCodeModule>, R::kIndexOrDocument},
    ModuleRow{TykoDripsModule::kCode, make<TykoDripsModule>, R::kIndexOrDocument},
    ModuleRow{TykoDrugsModule::kCode, make<TykoDrugsModule>, R::kIndexOrDocument, F::kNone, false,
              true},
    ModuleRow{TykoFeverModule::kCode, make<TykoFeverModule>, R::kDocument},
    ModuleRow{TykoGrowth::kCode, make<TykoGrowth>, R::kIndexOrCalculator, F::kGrowth},
    ModuleRow{TykoOtcModule::kCode, make<TykoOtcModule>, R::kIndexOrDocument, F::kOtc},
    ModuleRow{RsiNavixModule::kCode, make<RsiNavixModule>, R::kDocument},
    ModuleRow{SedationMedsModule::kCode, make<SedationMedsModule>, R::kIndexOrDocument},
    ModuleRow{ToxicologyModule::kIngestionCode, make<ToxicologyModule>, R::kIndexOrDocument,
              F::kToxicology},
    ModuleRow{TransfusionsModule::kCode, make<TransfusionsModule>, R::kIndexOrDocument},
    ModuleRow{InfusionCalc::kCode, make<InfusionCalc>, R::kCalculator},
    ModuleRow{TykoAbxModule::kIndexCode, make<TykoAbxModule>, R::kIndex, F::kChildAntibiotics,
              false, true},
    ModuleRow{DocumentList::kSecondDocumentCode, make<DocumentList>, R::kDocument},
    ModuleRow{request_code::kHome, home, R::kModuleList},
    ModuleRow{request_code::kSamePage, nullptr, R::kKeep, F::kNone, true},
    ModuleRow{ParalyticsModule::kCode, make<ParalyticsModule>, R::kIndexOrDocument},
    ModuleRow{InductionMeds::kCode, make<InductionMeds>, R::kIndexOrDocument},
    ModuleRow{DocumentList::kThirdDocumentCode, make<DocumentList>, R::kDocument},
    ModuleRow{DocumentList::kFirstDocumentCode, make<DocumentList>, R::kDocument},
    ModuleRow{ToxicologyModule::kAntidoteCode, make<ToxicologyModule>, R::kIndexOrDocument,
              F::kToxicology},
    ModuleRow{TykoAbxModule::kOralCode, make<TykoAbxModule>, R::kIndexOrDocument,
              F::kChildAntibiotics},
    ModuleRow{ClinicalConsult::kCategoryCode, make<ClinicalConsult>, R::kIndex,
              F::kClinicalConsult},
    ModuleRow{ReferencesModule::kCode, make<ReferencesModule>, R::kIndexOrDocument},
    ModuleRow{request_code::kInPage, nullptr, R::kDocument, F::kNone, true},
    ModuleRow{request_code::kAzIndex, make<AzIndex>, R::kIndex, F::kNone, false, true},
    ModuleRow{ToxicologyModule::kTopPageCode, make<ToxicologyModule>, R::kDocument, F::kToxicology},
    ModuleRow{CalculatorsMenu::kCode, make<CalculatorsMenu>, R::kIndex},
    ModuleRow{TykoOtcModule::kCategoryCode, make<TykoOtcModule>, R::kIndex, F::kOtc},
    ModuleRow{DocumentList::kFourthDocumentCode, make<DocumentList>, R::kDocument},
    ModuleRow{request_code::kPreviousView, nullptr, R::kDocument, F::kNone, true},
    ModuleRow{request_code::kNextView, nullptr, R::kDocument, F::kNone, true},
    ModuleRow{request_code::kReservedInModule, nullptr, R::kDocument, F::kNone, true},
    ModuleRow{request_code::kBadDocType, nullptr, R::kNone},
};

using S = ScreenKind;

// The calculators of request (4, n), each row naming the class that answers number n: the one
// place a calculator number is dispatched. Scoring calculators and the burn area show their result
// on a document page.
constexpr std::array kCalculators{
    CalculatorRow{1, make<AaGradientCalculator>},
    CalculatorRow{2, make<NeutrophilCountCalculator>},
    CalculatorRow{3, make<AnionGapCalculator>},
    CalculatorRow{4, make<ApgarScore>, S::kDocument},
    CalculatorRow{5, make<BasalEnergyCalculator>},
    CalculatorRow{6, make<BodyMassIndexCalculator>},
    CalculatorRow{7, make<BodySurfaceAreaCalculator>},
    CalculatorRow{8, make<BurnArea>, S::kDocument},
    CalculatorRow{9, make<FickCalculator>},
    CalculatorRow{10, make<MiRiskScore>, S::kDocument},
    CalculatorRow{11, make<UnitConverter>},
    CalculatorRow{12, make<CorrectedCalciumCalculator>},
    CalculatorRow{13, make<CorrectedPhenytoinCalculator>},
    CalculatorRow{14, make<CorrectedQtCalculator>},
    CalculatorRow{15, make<CorrectedSodiumCalculator>},
    CalculatorRow{16, make<CreatinineClearanceCalculator>},
    CalculatorRow{17, make<CroupScore>, S::kDocument},
    CalculatorRow{18, make<GlasgowComaScale>, S::kDocument},
    CalculatorRow{19, make<PhCalculator>},
    CalculatorRow{20, make<IdealBodyWeightCalculator>},
    CalculatorRow{21, make<LeanBodyWeightCalculator>},
    CalculatorRow{22, make<HeartRateCalculator>},
    CalculatorRow{23, make<MeanArterialPressureCalculator>},
    CalculatorRow{24, make<OsmolalGapCalculator>},
    CalculatorRow{25, make<OxygenTankDuration>, S::kDocument},
    CalculatorRow{26, make<PeakFlowCalculator>},
    CalculatorRow{27, make<PediatricTraumaScore>, S::kDocument},
    CalculatorRow{28, make<WeightLossCalculator>},
    CalculatorRow{29, make<PregnancyCalc>},
    CalculatorRow{30, make<PulmonaryResistanceCalculator>},
    CalculatorRow{31, make<RansonCriteria>, S::kDocument},
    CalculatorRow{32, make<TraumaScore>, S::kDocument},
    CalculatorRow{33, make<OsmolalityCalculator>},
    CalculatorRow{34, make<SystemicResistanceCalculator>},
    CalculatorRow{35, make<TimiRiskCalculator>},
    CalculatorRow{36, make<DrugDilutionCalculator>},
    CalculatorRow{37, make<FreeWaterDeficitCalculator>},
    CalculatorRow{38, make<WellsDeepVeinThrombosis>, S::kDocument},
    CalculatorRow{39, make<WellsPulmonaryEmbolism>, S::kDocument},
    CalculatorRow{40, make<BurnFluids>},
};

}  // namespace

const ModuleTable& programModules() {
    static const ModuleTable table(kModules, kCalculators);
    return table;
}

}  // namespace orvane
