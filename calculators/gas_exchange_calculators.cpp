#include "calculators/gas_exchange_calculators.h"

#include "calculators/calculator_inputs.h"
#include "calculators/formulas/gas_exchange.h"
#include "rendering/page_builder.h"

namespace orvane {

AaGradientCalculator::AaGradientCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 2) {
    resetInputs();
}

void AaGradientCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(patientInput(input_kind::kAge, "Age", "years", -1, 0, 120));
    inputs_.append(numberInput("pO2", "mmHg", -1, 0, 760));
    inputs_.append(numberInput("pCO2", "mmHg", -1, 0, 300));
    inputs_.append(numberInput("pFiO2", "%", -1, 18, 100));
    inputs_.append(numberInput("pAtm", "mmHg", 760, -1, -1));
    inputs_.append(numberInput("pH20", "mmHg", 47, -1, -1));
    inputs_.append(numberInput("ResqQ", "msec", 0.8f, 0.1f, 1));
}

bool AaGradientCalculator::computeResults() {
    FormulaResult gradient =
        alveolarArterialGradient(input(2), input(3), input(4), input(5), input(6), input(7));
    if (!gradient) return false;
    setResult(1, *gradient, 1);
    setResult(2, expectedAlveolarArterialGradient(input(1)), 1);
    return true;
}

FickCalculator::FickCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void FickCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("VO2", "mL/min", -1, 1, 10000));
    inputs_.append(numberInput("Hgb", "g/dL", -1, 2, 24));
    inputs_.append(numberInput("SaO2", "%", -1, 1, 100));
    inputs_.append(numberInput("SvO2", "%", -1, 1, 100));
}

const char* FickCalculator::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    if (!inputsPass()) return builder.finish();
    FickResult r = fickCardiacOutput(input(1), input(2), input(3), input(4));
    switch (r.outcome) {
        case FickOutcome::EqualSaturations:
            builder.appendText("SaO2 cannot equal SvO2.");
            break;
        case FickOutcome::VenousNotBelowArterial:
            builder.appendText(kFickVenousAboveArterialText);
            break;
        case FickOutcome::NoOutput:
            break;
        case FickOutcome::Output:
            setResult(1, r.litresPerMinute, 2);
            appendFilledTemplate(builder);
            break;
    }
    return builder.finish();
}

bool FickCalculator::computeResults() {
    FickResult r = fickCardiacOutput(input(1), input(2), input(3), input(4));
    if (r.outcome != FickOutcome::Output) return false;
    setResult(1, r.litresPerMinute, 2);
    return true;
}

PhCalculator::PhCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void PhCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("HCO3", "meq/L", -1, 0, 9999));
    inputs_.append(numberInput("pCO2", "mmHg", -1, 0, 9999));
}

bool PhCalculator::computeResults() {
    FormulaResult ph = hendersonHasselbalchPh(input(1), input(2));
    if (!ph) return false;
    setResult(1, *ph, 2);
    return true;
}

}  // namespace orvane
