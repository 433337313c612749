#include "calculators/bedside_calculators.h"

#include "calculators/calculator_inputs.h"
#include "calculators/formulas/bedside.h"
#include "rendering/page_builder.h"

namespace orvane {

NeutrophilCountCalculator::NeutrophilCountCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void NeutrophilCountCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("WBC's", "mm<SC id=41>", -1, 0, 999999.9f, 180, 80));
    inputs_.append(numberInput("Segs/Polys", "%", -1, 0, 100, 180, 80));
    inputs_.append(numberInput("Bands", "%", -1, 0, 100, 180, 80));
}

bool NeutrophilCountCalculator::computeResults() {
    setResult(1, absoluteNeutrophilCount(input(1), input(2), input(3)), 1);
    return true;
}

namespace {
constexpr int32_t kTimiBoxes = 7;
const char* const kTimiLabels[kTimiBoxes] = {"Age <SC id=11> 65 years",
                                             "<SC id=11> 3 cardiac risk factors",
                                             "ST deviation",
                                             "Aspirin used in last 7 days",
                                             "<SC id=11> 2 anginal events over 24 hrs",
                                             "History of coronary stenosis",
                                             "Elevated Troponin"};
}  // namespace

TimiRiskCalculator::TimiRiskCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void TimiRiskCalculator::resetInputs() {
    inputs_.resize(0);
    for (int32_t k = 1; k <= kTimiBoxes; ++k) inputs_.append(checkBox(kTimiLabels[k - 1], k));
}

bool TimiRiskCalculator::handleRequest(Request request) {
    if (moduleCode(request) == 33) {
        const int32_t k = subCode(request);
        if (k >= 1 && k <= inputs_.count()) inputs_[k - 1].setYesNo(value(request));
        return true;
    }
    return FormulaCalculator::handleRequest(request);
}

bool TimiRiskCalculator::computeResults() {
    float score = 0;
    for (const InputField& box : inputs_) {
        if (!(box.value >= 0.0f)) return false;  // a box not answered yet
        score = score + box.value;
    }
    setResult(1, score, 1);
    return true;
}

const char* TimiRiskCalculator::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    if (computeResults()) appendFilledTemplate(builder);
    return builder.finish();
}

DrugDilutionCalculator::DrugDilutionCalculator(PatientContext& context, Request request)
    : FormulaCalculator(context, request, 1) {
    resetInputs();
}

void DrugDilutionCalculator::resetInputs() {
    inputs_.resize(0);
    inputs_.append(numberInput("Amt of drug dissolved", "mg", 0, 0.1f, 99999.9f, 180, 40));
    inputs_.append(numberInput("Amt of fluid", "mL", 0, 0.1f, 1000, 180, 40));
    inputs_.append(numberInput("Desired mg", "mg", 0, 0.1f, 99999.9f, 180, 40));
}

bool DrugDilutionCalculator::computeResults() {
    FormulaResult volume = drugDilutionVolume(input(1), input(2), input(3));
    if (!volume) return false;
    setResult(1, *volume, 1);
    return true;
}

const char* DrugDilutionCalculator::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    if (!(inputsPass() && computeResults())) return builder.finish();
    SharedString text = "Use <B>";
    text.append(results_[0]);
    text.append("</B>&nbsp;mL of a <B>").append(inputs_[0].text);
    text.append("</B>&nbsp;mg/<B>").append(inputs_[1].text);
    text.append("</B>&nbsp;mL solution to administer <B>").append(inputs_[2].text);
    text.append("</B>&nbsp;mg.");
    text.append("<BR><BR>Result mL = mL drug dissolved x desired mg / total mg of drug dissolved.");
    builder.appendText(text);
    return builder.finish();
}

}  // namespace orvane
