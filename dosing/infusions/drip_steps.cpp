#include "dosing/infusions/drip_steps.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "foundation/printed_amount.h"
#include "foundation/rounding.h"

namespace orvane::infusion {

namespace {

constexpr int32_t kFewestCommonRates = 2;

template <class Rate>
void commonRates(const DripInputs& inputs, Rate mlPerHour, AmountForm form, std::string& out) {
    out += "Common Rates:<BR>";
    const InfusionRecord& record = inputs.record;
    const int32_t count = std::clamp(record.rateCount, kFewestCommonRates, kMostRates);
    for (int32_t i = 0; i < count; ++i) {
        if (record.rateTexts[i].empty()) continue;
        out += record.rateTexts[i] + " = " + form(mlPerHour(record.rates[i])) + " mL/hr<BR>";
    }
}

}  // namespace

bool usableFigure(float x) {
    return x > 0.0f && std::isfinite(x);
}

void drawPage(DripPage page, ChosenFigures takes, const DripInputs& inputs,
              DripSections& sections) {
    const bool usable = takes == ChosenFigures::kNone ||
                        (usableFigure(inputs.concentration) &&
                         (takes == ChosenFigures::kConcentration || usableFigure(inputs.rate)));
    if (!usable) {
        sections.noRate();
        return;
    }
    page(inputs, sections);
}

float wholeAmount(float x) {
    const float whole = roundWhole(x);
    // A small amount the whole number takes too far (1.5 to 2, 0.4 to 0) keeps its dose bands.
    return x > 0.0f && !isWithinPrintTolerance(whole, x) ? doseRound(x) : whole;
}

std::string dripLine(const std::string& rate, const std::string& amount, const char* unitPhrase,
                     const DripInputs& inputs) {
    return std::string(kDripDirections) + rate + " mL/hr (" + amount + unitPhrase +
           inputs.concentrationText + kToDeliver + inputs.rateText + "." + "<BR><BR>";
}

void setInfoAndCompatibility(const InfusionRecord& record, DripSections& sections) {
    sections[kInformation] = record.information1;
    if (!record.information2.empty()) sections[kInformation] += "<BR>" + record.information2;
    sections[kCompatibility] = record.compatibility;
}

void appendCommonRates(const DripInputs& inputs, float a, float f, AmountForm form,
                       std::string& out) {
    // R_i × a × f ÷ K, in the order the drip lines multiply (R × W × 60 ÷ K): in single
    // precision R_i × (f ÷ K) × a can land on the other side of a rounding step (1.35
    // as 1.3499999).
    commonRates(
        inputs, [&](float rate) { return rate * a * f / inputs.concentration; }, form, out);
}

void appendCommonRates(const DripInputs& inputs, MlPerHour mlPerHour, AmountForm form,
                       std::string& out) {
    commonRates(
        inputs, [&](float rate) { return mlPerHour(inputs, rate); }, form, out);
}

}  // namespace orvane::infusion
