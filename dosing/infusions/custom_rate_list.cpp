#include "dosing/infusions/custom_rate_list.h"

#include <cstdlib>

#include "dosing/builders/short_amounts.h"
#include "foundation/rounding.h"

namespace orvane::infusion {

namespace {

// The 0.05 grid of the twentieths style: HE(v × 20) × 0.05.
constexpr float kTwentiethsFactor = 20.0f;
constexpr float kTwentieth = 0.05f;

// The number a shown text reads as, for comparing one entry with the next.
double shownNumber(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

}  // namespace

std::vector<CustomRate> customRates(const InfusionRecord& record, CustomRateStyle style) {
    std::vector<CustomRate> list;
    const float lowest = record.customLowest;
    const float step = record.customStep;
    if (lowest == 0.0f || step == 0.0f) return list;
    float v = lowest;
    double lastShown = 0.0;
    for (int32_t k = 0; k < kMostCustomRates && v <= record.customHighest; ++k) {
        CustomRate entry;
        if (style.twentieths) {
            const float shown = roundWhole(v * kTwentiethsFactor) * kTwentieth;
            entry.text = orvane::amountTo2Decimals(shown);
            entry.rate = shown;
            v = shown;
        } else {
            entry.text = orvane::shortForm(doseRound(v), style.decimals);
            entry.rate = lowest + static_cast<float>(k) * step;
        }
        const double shown = shownNumber(entry.text);
        if (k > 0 && !(shown > lastShown)) break;  // the step no longer raises the shown rate
        lastShown = shown;
        entry.text += " " + record.customUnit;
        list.push_back(std::move(entry));
        v = v + step;
    }
    return list;
}

}  // namespace orvane::infusion
