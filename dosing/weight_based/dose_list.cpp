#include "dosing/weight_based/dose_list.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "dosing/builders/short_amounts.h"
#include "dosing/weight_based/frequency_table.h"
#include "foundation/number_format.h"
#include "foundation/printed_amount.h"
#include "foundation/rounding.h"

namespace orvane {

namespace {

constexpr const char* kLoading = " loading dose ";
constexpr float kTenThousandths = 10000.0f;
constexpr float kTenThousandth = 0.0001f;
constexpr int32_t kListDecimals = 3;
constexpr int32_t kShownDecimals = 4;

std::string everyPhrase(const SharedString& interval) {
    return "/dose every " + interval.str() + " hrs";
}

bool startsWithZero(const SharedString& text) {
    return !text.empty() && text.view().front() == '0';
}

// What follows "/kg" for option j (0 to 3).
std::string intervalPhrase(const DrugRecord& drug, int32_t j) {
    const SharedString& interval = drug.options[j].interval;
    if (j == 0) {
        if (interval.empty() || startsWithZero(interval)) return kLoading;
        if (drug.kind == dose_kind::kSubcut) return " q" + interval.str();
        return everyPhrase(interval);
    }
    if (j == 1)
        return interval.empty() || startsWithZero(interval) ? kLoading : everyPhrase(interval);
    return interval.view() == "0" ? kLoading : everyPhrase(interval);
}

float toTenThousandths(float v) {
    return roundWhole(v * kTenThousandths) * kTenThousandth;
}

// A shown value with at most 3 decimals; one below 0.0005 is written with the 4 decimals it was
// rounded to, so that a positive dose never reads "0".
std::string listValue(float shown) {
    const SharedString text = formatNumber(shown, kListDecimals, false);
    if (shown > 0.0f && text.view() == "0") return formatNumber(shown, kShownDecimals, false).str();
    return text.str();
}

// Whether the stored list text reads as exactly the dose per kg stored with it.
bool readsAsDose(const SharedString& text, float perKg) {
    const std::string written = text.str();
    if (written.empty()) return false;
    char* end = nullptr;
    const double value = std::strtod(written.c_str(), &end);
    return end == written.c_str() + written.size() && static_cast<float>(value) == perKg;
}

// The amount an option's entry shows: the content's own text where it reads as the dose the entry
// gives, else that dose by the amount rule; nothing for a dose that is not one (0, not finite or
// too small to print), so that an entry never shows a number it does not dose.
std::string optionAmount(const DoseOption& option) {
    if (!(option.perKg > 0.0f) || !std::isfinite(option.perKg)) return {};
    if (readsAsDose(option.text, option.perKg)) return option.text.str();
    const std::string written = shortForm(option.perKg, kListDecimals);
    return written == kTooSmallToGiveText ? std::string() : written;
}

}  // namespace

std::vector<DoseEntry> optionDoseList(const DrugRecord& drug) {
    std::vector<DoseEntry> list;
    for (int32_t j = 0; j < kDoseOptions; ++j) {
        const DoseOption& option = drug.options[j];
        if (j > 0 && option.perKg == 0.0f) continue;
        std::string text = optionAmount(option) + "&nbsp;" + drug.unit.str() + "/kg";
        text += intervalPhrase(drug, j);
        list.push_back(DoseEntry{SharedString(text), option.perKg, j});
    }
    return list;
}

std::vector<DoseEntry> steppedDoseList(const DrugRecord& drug) {
    std::vector<DoseEntry> list;
    const float lowest = drug.lowest();
    const float step = drug.step();
    if (!std::isfinite(lowest)) return list;
    const std::string perKg =
        drug.frequencyCode().view() == kPerDoseFrequencyCode ? "/kg" : "/kg/d";
    float shown = toTenThousandths(lowest);
    for (int32_t k = 0; k < kMostSteppedEntries; ++k) {
        const std::string text = listValue(shown) + "&nbsp;" + drug.unit.str() + perKg;
        list.push_back(DoseEntry{SharedString(text), lowest + static_cast<float>(k) * step, 0});
        if (!(step > 0.0f)) break;
        const float next = shown + step;
        if (!(next <= drug.highest())) break;
        const float nextShown = toTenThousandths(next);
        if (!(nextShown > shown)) break;
        shown = nextShown;
    }
    return list;
}

}  // namespace orvane
