// The arithmetic of the infusion calculator: the concentration from the amount and volume or from
// a stated concentration, the rate in mL/hr that gives a dose and the dose that a rate gives, for
// every dosing unit. Amount, volume and concentration must be above 0 (a 0 would divide by zero);
// an unknown unit index gives no result. No page text (see infusion_calc.h).
#pragma once

#include <cstdint>
#include <optional>

#include "foundation/shared_string.h"

namespace orvane {

// How the drug is known: the amount and the volume it is in, or the concentration.
enum class InfusionKnown { kAmountAndVolume = 1, kConcentration = 2 };

// Drug units, by list index. Amount list: grams, mg, mcg, Units. Concentration list: mcg/mL,
// mg/mL, grams/mL, Units/mL. Index 3 is the Units entry in both.
inline constexpr int32_t kInfusionDrugUnitCount = 4;
inline constexpr int32_t kInfusionUnitsEntry = 3;

// Dosing units by list index: the mass set (mcg/kg/min, mcg/kg/hr, mcg/min, mg/kg/min, mg/kg/hr,
// mg/min) or, for a drug in Units, the Units set (Units/min, Units/hr, Units/kg/min,
// Units/kg/hr).
inline constexpr int32_t kInfusionMassDosingCount = 6;
inline constexpr int32_t kInfusionUnitsDosingCount = 4;

// The label of dosing unit `index` of the set, or null outside the set.
const char* infusionDosingLabel(bool unitsSet, int32_t index);
// The label of drug unit `index` for how the drug is known, or null outside the list.
const char* infusionDrugUnitLabel(InfusionKnown known, int32_t index);

// The concentration K in mcg/mL (Units/mL for a drug in Units), single precision: grams
// amount × 1000000 / volume, mg × 1000 / volume, mcg and Units amount / volume; a stated
// concentration in mcg/mL or Units/mL as it is, mg/mL × 1000, grams/mL × 1000000. None when the
// amount, volume or stated concentration is not above 0, or the unit index is unknown.
std::optional<float> infusionConcentration(InfusionKnown known, int32_t drugUnit, float amount,
                                           float volumeMl, float concentration);

// A computed rate or dose with the number of decimals it is shown with.
struct InfusionResult {
    double value = 0;
    int32_t decimals = 2;
};

// The rate in mL/hr that gives dose D in dosing unit `dosingUnit` of the set, for weight W (kg)
// and concentration K. The products (W × D × 60 and the like) are single precision, the division
// double. mg units are shown with 3 decimals, the others with 2. None when K or W is not above 0
// or the unit is unknown.
std::optional<InfusionResult> infusionRateFromDose(bool unitsSet, int32_t dosingUnit,
                                                   float weightKg, float dose, float concentration);

// The dose in dosing unit `dosingUnit` that rate R (mL/hr) gives: P = K × R per hour in double
// precision, then per minute, per kilogram or in mg as the unit says. Decimals as above. None when
// K or W is not above 0 or the unit is unknown.
std::optional<InfusionResult> infusionDoseFromRate(bool unitsSet, int32_t dosingUnit,
                                                   float weightKg, float rateMlHr,
                                                   float concentration);

// The result as shown: the dose bands applied to the value (as a float), then written with the
// result's decimals.
SharedString infusionNumberText(const InfusionResult& result);

}  // namespace orvane
