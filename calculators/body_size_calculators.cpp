#include "calculators/body_size_calculators.h"

#include "calculators/calculator_inputs.h"
#include "calculators/formulas/body_size.h"
#include "foundation/number_format.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {
InputField weightInput() {
    return patientInput(input_kind::kCalcWeight, "Weight", "", 0, 0.5f, 500);
}
InputField heightInput() {
    return patientInput(input_kind::kHeight, "Height", "", 0, 1, 500);
}
}  // namespace

BasalEnergyCalculator::BasalEnergyCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void BasalEnergyCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(sexInput(false));
    inputs_.append(patientInput(input_kind::kAge, "Age", "years", -1, 0, 120));
    inputs_.append(weightInput());
    inputs_.append(heightInput());
}

bool BasalEnergyCalculator::computeResults() {
    setResult(
        1, basalEnergyExpenditure(sexOf(1), input(2), context_.calcWeightKg(), context_.heightCm()),
        1);
    return true;
}

BodyMassIndexCalculator::BodyMassIndexCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void BodyMassIndexCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(weightInput());
    inputs_.append(heightInput());
}

bool BodyMassIndexCalculator::computeResults() {
    FormulaResult index = bodyMassIndex(context_.calcWeightKg(), context_.heightCm());
    if (!index) return false;
    setResult(1, *index, 2);
    return true;
}

BodySurfaceAreaCalculator::BodySurfaceAreaCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void BodySurfaceAreaCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(weightInput());
    inputs_.append(heightInput());
}

const char* BodySurfaceAreaCalculator::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    if (inputsPass() && computeResults()) {
        builder.appendLineBreaks(1);
        appendFilledTemplate(builder);
    }
    return builder.finish();
}

bool BodySurfaceAreaCalculator::computeResults() {
    FormulaResult area = bodySurfaceArea(context_.calcWeightKg(), context_.heightCm());
    if (!area) return false;
    setResult(1, *area, 2);
    return true;
}

IdealBodyWeightCalculator::IdealBodyWeightCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void IdealBodyWeightCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(sexInput(true));
    inputs_.append(heightInput());
}

bool IdealBodyWeightCalculator::computeResults() {
    setResult(1, idealBodyWeight(sexOf(1), context_.heightCm()), 2);
    return true;
}

LeanBodyWeightCalculator::LeanBodyWeightCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void LeanBodyWeightCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(sexInput(true));
    inputs_.append(heightInput());
    inputs_.append(weightInput());
}

bool LeanBodyWeightCalculator::computeResults() {
    FormulaResult lean = leanBodyWeight(sexOf(1), context_.calcWeightKg(), context_.heightCm());
    if (!lean) return false;
    setResult(1, *lean, 2);
    return true;
}

WeightLossCalculator::WeightLossCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void WeightLossCalculator::resetInputs() {
    // The two patient weights the form is bound to start empty, in pounds.
    InputField* weights[] = {&context_.calcWeight(), &context_.selectWeight(weight_mode::kAdult)};
    for (InputField* weight : weights) {
        weight->value = -1;
        weight->unit = unit::kPounds;
        weight->fraction = 0;
        weight->min = 0.001f;
        weight->max = 999999;
    }
    inputs_.resize(0);
    inputs_.append(patientInput(input_kind::kCalcWeight, "Meas wt", "", 0, 0.5f, 500));
    inputs_.append(patientInput(input_kind::kAdultWeight, "Base wt", "", 0, 0.5f, 500));
}

const char* WeightLossCalculator::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    WeightLossResult r =
        percentWeightLoss(context_.calcWeightKg(), context_.weightKg(weight_mode::kCurrent));
    switch (r.outcome) {
        case WeightLossOutcome::GainNotLoss:
            builder.appendText(
                "<BR><BR>For dehydration, the baseline weight should be greater than the current "
                "measured weight. Please review entered data.");
            break;
        case WeightLossOutcome::Loss: {
            results_[0] = formatNumber(r.percent, 1, false);
            SharedString text = "<BR><BR>Percent weight loss is <B>";
            text.append(results_[0]).append("%</B>.");
            builder.appendText(text);
            break;
        }
        case WeightLossOutcome::NoBaseline:
        case WeightLossOutcome::NoMeasuredWeight:
            builder.appendText(" ");
            break;
    }
    return builder.finish();
}

bool WeightLossCalculator::computeResults() {
    WeightLossResult r =
        percentWeightLoss(context_.calcWeightKg(), context_.weightKg(weight_mode::kCurrent));
    if (r.outcome != WeightLossOutcome::Loss) return false;
    setResult(1, r.percent, 1);
    return true;
}

}  // namespace orvane
