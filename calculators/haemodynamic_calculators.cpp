#include "calculators/haemodynamic_calculators.h"

#include "calculators/calculator_inputs.h"
#include "calculators/formulas/haemodynamics.h"
#include "foundation/number_format.h"
#include "rendering/page_builder.h"

namespace orvane {

CorrectedQtCalculator::CorrectedQtCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void CorrectedQtCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("QT", "seconds", -1, 0.1f, 1));
    inputs_.append(numberInput("RR", "seconds", -1, 0.2f, 5));
}

bool CorrectedQtCalculator::computeResults() {
    FormulaResult qtc = correctedQt(input(1), input(2));
    if (!qtc) return false;
    setResult(1, *qtc, 3);
    return true;
}

HeartRateCalculator::HeartRateCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void HeartRateCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(patientInput(input_kind::kAge, "Age", "years", -1, 0.1f, 120));
}

bool HeartRateCalculator::computeResults() {
    setResult(1, maxPredictedHeartRate(input(1)), 1);
    return true;
}

const char* HeartRateCalculator::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    if (!(inputsPass() && computeResults())) return builder.finish();
    const float maximum = maxPredictedHeartRate(input(1));
    SharedString text = "<B>MPHR</B> = ";
    text.append(results_[0]).append("<BR>");
    text.append("<BR>100% MPHR =   ").append(results_[0]).append("   BPM");
    for (int32_t k = 0; k < kHeartRateTargetCount; ++k) {
        text.append("<BR>  ")
            .append(formatNumber(static_cast<float>(kHeartRateTargetPercents[k]), 0, false))
            .append("% MPHR =  ")
            .append(formatNumber(kHeartRateTargetFactors[k] * maximum, 1, false))
            .append("  BPM");
    }
    text.append("<BR><BR>Formula is :  MPHR = 220 - Age");
    builder.appendText(text);
    return builder.finish();
}

MeanArterialPressureCalculator::MeanArterialPressureCalculator(PatientContext& context,
                                                               Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void MeanArterialPressureCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("Systolic BP", "mmHg", -1, 1, 300));
    inputs_.append(numberInput("Diastolic BP", "mmHg", -1, 1, 240));
}

bool MeanArterialPressureCalculator::computeResults() {
    setClinicalResult(1, meanArterialPressure(input(1), input(2)), 1);
    return true;
}

PulmonaryResistanceCalculator::PulmonaryResistanceCalculator(PatientContext& context,
                                                             Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void PulmonaryResistanceCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("MPAP", "mmHg", -1, 1, 99999));
    inputs_.append(numberInput("PCWP", "mmHg", -1, 1, 99999));
    inputs_.append(numberInput("CO", "L/min", -1, 1, 99999));
}

bool PulmonaryResistanceCalculator::computeResults() {
    FormulaResult resistance = pulmonaryVascularResistance(input(1), input(2), input(3));
    if (!resistance) return false;
    setClinicalResult(1, *resistance, 1);
    return true;
}

const char* PulmonaryResistanceCalculator::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    if (inputsPass() && computeResults()) appendFilledTemplate(builder);
    builder.appendLineBreaks(1);
    builder.appendText("<BR>MPAP = Mean Pulm Arterial Pressure");
    builder.appendText("<BR>PCWP = Pulm Cap Wedge Pressure");
    builder.appendText("<BR>CO = Cardiac Output");
    return builder.finish();
}

SystemicResistanceCalculator::SystemicResistanceCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void SystemicResistanceCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("MAP", "mmHg", -1, 1, 99999));
    inputs_.append(numberInput("CVP", "mmHg", -1, 1, 99999));
    inputs_.append(numberInput("CO", "L/min", -1, 1, 99999));
}

bool SystemicResistanceCalculator::computeResults() {
    FormulaResult resistance = systemicVascularResistance(input(1), input(2), input(3));
    if (!resistance) return false;
    setClinicalResult(1, *resistance, 1);
    return true;
}

const char* SystemicResistanceCalculator::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    if (inputsPass() && computeResults()) {
        // The legend follows the template directly (it holds no markup to convert).
        appendFilledTemplate(builder);
        builder.appendText(
            "<BR><BR>MAP = Mean Arterial Pressure<BR>CVP = Central Venous Pressure<BR>CO = "
            "Cardiac Output");
    } else {
        builder.appendText(
            "<BR>MAP = Mean Arterial Pressure<BR>CVP = Central Venous Pressure<BR>CO = Cardiac "
            "Output");
    }
    return builder.finish();
}

}  // namespace orvane
