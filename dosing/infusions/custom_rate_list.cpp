#include "dosing/infusions/custom_rate_list.h"

#include <cstdlib>

#include "dosing/builders/short_amounts.h"
#include "foundation/number_format.h"
#include "foundation/printed_amount.h"
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

// Whether a rate can be offered: a positive number whose printed form is a number (a damaged
// record's rate that is too large to print reads "ERR", one too small reads as words).
bool offerable(float rate, const std::string& text) {
    return rate > 0.0f && text != kInvalidNumberText && text != kTooSmallToGiveText;
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
        float printed = 0.0f;  // the value the entry's text prints
        if (style.twentieths) {
            const float shown = roundWhole(v * kTwentiethsFactor) * kTwentieth;
            entry.text = orvane::amountTo2Decimals(shown);
            entry.rate = shown;
            v = shown;
            printed = shown;
        } else {
            printed = doseRound(v);
            entry.text = orvane::shortForm(printed, style.decimals);
            entry.rate = lowest + static_cast<float>(k) * step;
        }
        if (!offerable(printed, entry.text)) break;
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
