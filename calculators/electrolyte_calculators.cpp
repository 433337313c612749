#include "calculators/electrolyte_calculators.h"

#include "calculators/calculator_inputs.h"
#include "calculators/formulas/electrolytes.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

AnionGapCalculator::AnionGapCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void AnionGapCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("Na+", "", -1, 0, 99999.9f));
    inputs_.append(numberInput("Cl-", "", -1, 0, 99999.9f));
    inputs_.append(numberInput("HCO3-", "", -1, 0, 99999.9f));
}

bool AnionGapCalculator::computeResults() {
    setResult(1, anionGap(input(1), input(2), input(3)), 1);
    return true;
}

const char* AnionGapCalculator::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    if (inputsPass() && computeResults()) {
        builder.appendLineBreaks(1);
        builder.appendHeading("Anion Gap = ", false);
        SharedString line = "<B>";
        line.append(results_[0]).append(" mEq/L.</B><BR>");
        builder.appendText(line);
    }
    builder.appendText(
        "<BR>Anion Gap = Na<SUP>+</SUP> - (Cl<SUP>-</SUP> + HCO3<SUP>-</SUP>)<BR>"
        "Reference (Normal = 8-16 mEq/L)<BR>");
    return builder.finish();
}

CorrectedCalciumCalculator::CorrectedCalciumCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void CorrectedCalciumCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("Calcium", "mg/dL", -1, 2, 20));
    inputs_.append(numberInput("Albumin", "g/dL", -1, 0.1f, 10));
}

bool CorrectedCalciumCalculator::computeResults() {
    setResult(1, correctedCalcium(input(1), input(2)), 1);
    return true;
}

CorrectedPhenytoinCalculator::CorrectedPhenytoinCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void CorrectedPhenytoinCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("Phenytoin level", "mcg/mL", -1, 0, 99.9f, 140, 30));
    inputs_.append(numberInput("Albumin", "g/dL", -1, 0.1f, 9.9f, 140, 30));
}

bool CorrectedPhenytoinCalculator::computeResults() {
    FormulaResult level = correctedPhenytoin(input(1), input(2));
    if (!level) return false;
    setResult(1, *level, 1);
    return true;
}

CorrectedSodiumCalculator::CorrectedSodiumCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void CorrectedSodiumCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("Sodium", "mEq/L", -1, 90, 170));
    inputs_.append(numberInput("Glucose", "mg/dL", -1, 0, 2000));
}

bool CorrectedSodiumCalculator::computeResults() {
    setResult(1, correctedSodium(input(1), input(2)), 1);
    return true;
}

OsmolalGapCalculator::OsmolalGapCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void OsmolalGapCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("Measured osmolality", "", -1, 0, 99999.9f));
    inputs_.append(numberInput("Calculated osmolality", "", -1, 0, 99999.9f));
}

bool OsmolalGapCalculator::computeResults() {
    setResult(1, osmolalGap(input(1), input(2)), 2);
    return true;
}

OsmolalityCalculator::OsmolalityCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void OsmolalityCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("Na+", "mmol/L", -1, 0, 999999));
    inputs_.append(numberInput("Glucose", "mg/dL", -1, 0, 999999));
    inputs_.append(numberInput("BUN", "mg/dL", -1, 0, 999999));
    inputs_.append(numberInput("Ethanol", "mg/dL", -1, 0, 999999));
    inputs_.append(numberInput("Methanol", "mg/dL", -1, 0, 999999));
    inputs_.append(numberInput("Ethylene Glycol", "mg/dL", -1, 0, 999999));
    inputs_.append(numberInput("Acetone", "mg/dL", -1, 0, 999999));
    inputs_.append(numberInput("Isopropanol", "mg/dL", -1, 0, 999999));
}

bool OsmolalityCalculator::computeResults() {
    OsmolalityInputs in;
    in.sodium = input(1);
    in.glucose = input(2);
    in.bun = input(3);
    in.ethanol = input(4);
    in.methanol = input(5);
    in.ethyleneGlycol = input(6);
    in.acetone = input(7);
    in.isopropanol = input(8);
    setResult(1, calculatedOsmolality(in), 2);
    return true;
}

FreeWaterDeficitCalculator::FreeWaterDeficitCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void FreeWaterDeficitCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(sexInput(true));
    inputs_.append(patientInput(input_kind::kCalcWeight, "Weight", "", 0, 0.5f, 500));
    inputs_.append(numberInput("Actual Na", "", -1, 0, 999999, 130, 40));
    inputs_.append(numberInput("Normal Na", "", 140, 0, 999999, 130, 40));
}

const char* FreeWaterDeficitCalculator::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    if (computeResults()) appendFilledTemplate(builder);
    return builder.finish();
}

bool FreeWaterDeficitCalculator::computeResults() {
    FormulaResult deficit = freeWaterDeficit(sexOf(1), context_.calcWeightKg(), input(3), input(4));
    if (!deficit) return false;
    setResult(1, *deficit, 2);
    return true;
}

}  // namespace orvane
