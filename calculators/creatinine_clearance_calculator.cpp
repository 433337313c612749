#include "calculators/creatinine_clearance_calculator.h"

#include "calculators/calculator_inputs.h"
#include "calculators/formulas/renal.h"
#include "modules/patient_context.h"

namespace orvane {

CreatinineClearanceCalculator::CreatinineClearanceCalculator(PatientContext& context,
                                                             Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void CreatinineClearanceCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(sexInput(false));
    inputs_.append(patientInput(input_kind::kAge, "Age", "years", -1, 0, 120));
    inputs_.append(patientInput(input_kind::kCalcWeight, "Weight", "", 0, 0.5f, 500));
    InputField creatinine = numberInput("Plasma Creatinine", "", -1, 0, 99999, 150, 30);
    creatinine.endsRow = 0;
    inputs_.append(creatinine);
    InputField units =
        choiceInput(input_kind::kChoiceList, "", 0, 0, 1, {"mg/dL", kMicromolesPerLitreLabel});
    units.width = 80;
    units.fieldWidth = 80;
    inputs_.append(units);
}

bool CreatinineClearanceCalculator::computeResults() {
    const CreatinineUnit unit = input(5) == 0.0f ? CreatinineUnit::MilligramsPerDecilitre
                                                 : CreatinineUnit::MicromolesPerLitre;
    FormulaResult clearance =
        creatinineClearance(sexOf(1), input(2), context_.calcWeightKg(), input(4), unit);
    if (!clearance) return false;
    setResult(1, *clearance, 1);
    return true;
}

}  // namespace orvane
