#include "dosing/weight_based/dose_calculation.h"

#include <cmath>

#include "dosing/weight_based/drug_record.h"
#include "dosing/weight_based/oral_volume.h"
#include "foundation/rounding.h"

namespace orvane {

namespace {

constexpr float kFifthsPerMl = 5.0f;
constexpr float kFifthMl = 0.2f;

bool positive(float x) {
    return std::isfinite(x) && x > 0.0f;
}

// A maximum that is no number or infinite is a damaged record; 0 or below means none.
bool usableMaximum(float maximum) {
    return std::isfinite(maximum);
}

// Marks the result valid when every printed amount is a positive number.
DoseResult checked(DoseResult result, bool needsVolume) {
    result.valid = positive(result.dose) && (!needsVolume || positive(result.volume));
    return result;
}

}  // namespace

DoseResult optionDose(const OptionDoseInput& in) {
    DoseResult result;
    if (!positive(in.perKg) || !positive(in.weight) || !usableMaximum(in.maximum)) return result;
    const bool liquid =
        in.kind == dose_kind::kOralLiquid || in.kind == dose_kind::kOralLiquidFifths;
    if (liquid) {
        if (!positive(in.concentration)) return result;
        const float ml = in.perKg / in.concentration * in.weight;
        float x = in.kind == dose_kind::kOralLiquid ? roundOralVolume(ml)
                                                    : roundWhole(ml * kFifthsPerMl) * kFifthMl;
        if (in.maximum > 0.0f && x >= in.maximum) {
            x = in.maximum;
            result.capped = true;
        }
        result.volume = x;
        result.concentration = in.concentration;
        result.dose = doseRound(x * in.concentration);
        return checked(result, true);
    }
    float x = doseRound(in.perKg * in.weight);
    if (in.maximum > 0.0f && x >= in.maximum) {
        x = in.maximum;
        result.capped = true;
    }
    result.dose = x;
    return checked(result, false);
}

DoseResult dailyDose(const DailyDoseInput& in) {
    DoseResult result;
    if (!positive(in.perKgPerDay) || !positive(in.weight) || !usableMaximum(in.maximum) ||
        in.dosesPerDay <= 0 || !std::isfinite(in.concentration) || in.concentration < 0.0f) {
        return result;
    }
    float total = in.perKgPerDay * in.weight;
    if (in.maximum > 0.0f && total > in.maximum) {
        total = in.maximum;
        result.capped = true;
    }
    float perDose = total / static_cast<float>(in.dosesPerDay);
    // A day's doses, once rounded, stay within the maximum: each at most maximum ÷ doses (no
    // limit when there is no maximum).
    const float mostPerDose = in.maximum / static_cast<float>(in.dosesPerDay);
    const float k0 = in.concentration == 0.0f ? 1.0f : in.concentration;
    result.concentration = k0;
    const bool solution = in.kind == dose_kind::kPerDayOralLiquid;
    if (solution) {
        result.volume = roundedNotAbove(perDose / k0, mostPerDose / k0);
        perDose = k0 * result.volume;
    }
    result.dose = roundedNotAbove(perDose, mostPerDose);
    return checked(result, solution);
}

}  // namespace orvane
