#include "calculators/peak_flow_calculator.h"

#include "calculators/calculator_inputs.h"
#include "calculators/formulas/formula_result.h"
#include "content/record_cursor.h"
#include "modules/patient_context.h"
#include "modules/patient_inputs.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {
constexpr int32_t kRaceSubCode = 3;
constexpr int32_t kAgeInput = 2;
constexpr int32_t kRaceInput = 3;
constexpr int32_t kHeightInput = 4;
}  // namespace

PeakFlowCalculator::PeakFlowCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, kPeakFlowResultCount),
      coefficientTable_(context.openDatabase(kPeakFlowTable)) {
    resetInputs();
}

void PeakFlowCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(sexInput(true));
    inputs_.append(numberInput("Age", "years", 0, 8, 80));
    InputField race =
        choiceInput(input_kind::kChoiceList, "Race", 0, 1, 3,
                    {"Caucasian", "African American", "Mexican American"}, kRaceSubCode);
    race.width = 230;
    race.fieldWidth = 180;
    inputs_.append(race);
    inputs_.append(patientInput(input_kind::kHeight, "Height", "", 0, 1, 500));
}

bool PeakFlowCalculator::handleRequest(Request request) {
    if (moduleCode(request) == 33 && subCode(request) == kRaceSubCode) {
        // The list's entries are numbered from 1, its races from 0 as the drop-down shows them.
        InputField& race = inputs_[kRaceInput - 1];
        const int32_t entry = value(request);
        if (entry >= 1 && entry <= race.entries.count()) {
            race.unit = static_cast<int16_t>(entry - 1);
            race.value = static_cast<float>(entry - 1);
            race.text = race.entries[entry - 1].label();
        }
        return true;
    }
    return FormulaCalculator::handleRequest(request);
}

bool readPeakFlowCoefficients(RecordHandle record, PeakFlowCoefficients& coefficients) {
    const bool present = static_cast<bool>(record);
    RecordCursor cursor(std::move(record));
    cursor.readText();  // the row's name
    for (double& b : coefficients.b) b = cursor.readFloat();
    return present && !cursor.ranOut();
}

bool PeakFlowCalculator::readRow(int32_t row) {
    RecordHandle record = coefficientTable_->getRecord(static_cast<uint16_t>(row));
    if (!record) return false;
    readPeakFlowCoefficients(std::move(record), coefficients_);
    return true;
}

bool PeakFlowCalculator::computeResults() {
    const InputField& age = inputs_[kAgeInput - 1];
    const InputField& height = inputs_[kHeightInput - 1];
    if (!passesModuleCheck(age) || !passesModuleCheck(height)) return false;
    const int32_t row = peakFlowRow(sexOf(1), age.value, inputs_[kRaceInput - 1].unit);
    if (row < 0 || !readRow(row)) return false;
    PeakFlowPrediction prediction = predictPeakFlow(coefficients_, age.value, context_.heightCm());
    float values[kPeakFlowResultCount];
    for (int32_t i = 0; i < kPeakFlowResultCount; ++i) {
        FormulaResult v = checkedResult(prediction.values[i]);
        if (!v) return false;
        values[i] = *v;
    }
    for (int32_t i = 0; i < kPeakFlowResultCount; ++i) setResult(i + 1, values[i], 1);
    return true;
}

const char* PeakFlowCalculator::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    if (computeResults()) appendFilledTemplate(builder);
    return builder.finish();
}

}  // namespace orvane
