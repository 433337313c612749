// The single doses of TykoDrugs for one weight: a dose option's amount (and, for oral liquids,
// its volume) capped at the maximum, and a daily dose per kg divided over the day's doses. Pure
// arithmetic in single precision; the texts are written by drug_result_text.h. A result that
// cannot be trusted (a weight, dose or concentration of 0 or below or no number, a count of doses
// of 0, an amount that rounds to 0) is marked not valid and must not be shown as a number.
#pragma once

#include <cstdint>

namespace orvane {

struct DoseResult {
    bool valid = false;
    float dose = 0.0f;           // in the drug's unit, dose-rounded
    float volume = 0.0f;         // mL: oral liquids (kinds 1, 2) and the daily solution (kind 11)
    float concentration = 0.0f;  // unit per mL the volume is of (kind 11: 1 when none is given)
    bool capped = false;
};

struct OptionDoseInput {
    int32_t kind = 0;
    float perKg = 0.0f;
    float weight = 0.0f;
    float concentration = 0.0f;
    float maximum = 0.0f;  // 0 or below: none
};

// Kinds 1 to 9. Kind 1: volume = oral volume rounding of perKg ÷ K × W; kind 2: in 0.2 mL
// steps; the volume is capped (a volume equal to the maximum is marked) and the dose is
// doseRound(volume × K). Kinds 3 to 9: doseRound(perKg × W), capped the same way.
DoseResult optionDose(const OptionDoseInput& in);

struct DailyDoseInput {
    int32_t kind = 0;
    float perKgPerDay = 0.0f;  // per kg per dose for the per-dose frequency code
    float weight = 0.0f;
    float concentration = 0.0f;
    float maximum = 0.0f;  // 0 or below: none
    int32_t dosesPerDay = 0;
};

// Kinds 10 to 14: the total perKgPerDay × W is capped only when above the maximum, divided by the
// doses per day and dose-rounded; kind 11 first takes the volume of the solution to dose-rounded
// mL and doses what that volume holds. With a maximum, a rounding that would end above maximum ÷
// doses per day takes the step below, so that the day's doses never exceed the maximum.
DoseResult dailyDose(const DailyDoseInput& in);

}  // namespace orvane
