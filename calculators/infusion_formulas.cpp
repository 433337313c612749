#include "calculators/infusion_formulas.h"

#include <cmath>

#include "foundation/number_format.h"

namespace orvane {

namespace {

constexpr const char* kMassDosing[kInfusionMassDosingCount] = {"mcg/kg/min", "mcg/kg/hr", "mcg/min",
                                                               "mg/kg/min",  "mg/kg/hr",  "mg/min"};
constexpr const char* kUnitsDosing[kInfusionUnitsDosingCount] = {"Units/min", "Units/hr",
                                                                 "Units/kg/min", "Units/kg/hr"};
constexpr const char* kAmountUnits[kInfusionDrugUnitCount] = {"grams", "mg", "mcg", "Units"};
constexpr const char* kConcentrationUnits[kInfusionDrugUnitCount] = {"mcg/mL", "mg/mL", "grams/mL",
                                                                     "Units/mL"};

bool positive(float x) {
    return std::isfinite(x) && x > 0.0f;
}

bool knownDosingUnit(bool unitsSet, int32_t index) {
    return index >= 0 && index < (unitsSet ? kInfusionUnitsDosingCount : kInfusionMassDosingCount);
}

}  // namespace

const char* infusionDosingLabel(bool unitsSet, int32_t index) {
    if (!knownDosingUnit(unitsSet, index)) return nullptr;
    return unitsSet ? kUnitsDosing[index] : kMassDosing[index];
}

const char* infusionDrugUnitLabel(InfusionKnown known, int32_t index) {
    if (index < 0 || index >= kInfusionDrugUnitCount) return nullptr;
    return known == InfusionKnown::kAmountAndVolume ? kAmountUnits[index]
                                                    : kConcentrationUnits[index];
}

std::optional<float> infusionConcentration(InfusionKnown known, int32_t drugUnit, float amount,
                                           float volumeMl, float concentration) {
    if (known == InfusionKnown::kAmountAndVolume) {
        if (!positive(amount) || !positive(volumeMl)) return std::nullopt;
        switch (drugUnit) {
            case 0:  // grams
                return amount * 1000000.0f / volumeMl;
            case 1:  // mg
                return amount * 1000.0f / volumeMl;
            case 2:  // mcg
            case 3:  // Units
                return amount / volumeMl;
            default:
                return std::nullopt;
        }
    }
    if (!positive(concentration)) return std::nullopt;
    switch (drugUnit) {
        case 0:  // mcg/mL
            return concentration;
        case 1:  // mg/mL
            return concentration * 1000.0f;
        case 2:  // grams/mL
            return concentration * 1000000.0f;
        case 3:  // Units/mL
            return concentration;
        default:
            return std::nullopt;
    }
}

std::optional<InfusionResult> infusionRateFromDose(bool unitsSet, int32_t dosingUnit,
                                                   float weightKg, float dose,
                                                   float concentration) {
    if (!positive(concentration) || !positive(weightKg) || !knownDosingUnit(unitsSet, dosingUnit))
        return std::nullopt;
    const double k = concentration;
    const float w = weightKg;
    const float d = dose;
    float amountPerHour = 0.0f;  // the single-precision product, over K below
    int32_t decimals = 2;
    if (unitsSet) {
        switch (dosingUnit) {
            case 0:  // Units/min
                amountPerHour = d * 60.0f;
                break;
            case 1:  // Units/hr
                amountPerHour = d;
                break;
            case 2:  // Units/kg/min
                amountPerHour = w * d * 60.0f;
                break;
            default:  // Units/kg/hr
                amountPerHour = w * d;
                break;
        }
    } else {
        switch (dosingUnit) {
            case 0:  // mcg/kg/min
                amountPerHour = w * d * 60.0f;
                break;
            case 1:  // mcg/kg/hr
                amountPerHour = w * d;
                break;
            case 2:  // mcg/min
                amountPerHour = d * 60.0f;
                break;
            case 3:  // mg/kg/min
                amountPerHour = w * d * 60000.0f;
                decimals = 3;
                break;
            case 4:  // mg/kg/hr
                amountPerHour = w * d * 1000.0f;
                decimals = 3;
                break;
            default:  // mg/min
                amountPerHour = d * 60000.0f;
                decimals = 3;
                break;
        }
    }
    return InfusionResult{static_cast<double>(amountPerHour) / k, decimals};
}

std::optional<InfusionResult> infusionDoseFromRate(bool unitsSet, int32_t dosingUnit,
                                                   float weightKg, float rateMlHr,
                                                   float concentration) {
    if (!positive(concentration) || !positive(weightKg) || !knownDosingUnit(unitsSet, dosingUnit))
        return std::nullopt;
    const double p = static_cast<double>(concentration) * static_cast<double>(rateMlHr);
    const double w = weightKg;
    if (unitsSet) {
        switch (dosingUnit) {
            case 0:  // Units/min
                return InfusionResult{p * 0.016666666666666666, 2};
            case 1:  // Units/hr
                return InfusionResult{p, 2};
            case 2:  // Units/kg/min
                return InfusionResult{p / (w * 60.0), 2};
            default:  // Units/kg/hr
                return InfusionResult{p / w, 2};
        }
    }
    switch (dosingUnit) {
        case 0:  // mcg/kg/min
            return InfusionResult{p / (w * 60.0), 2};
        case 1:  // mcg/kg/hr
            return InfusionResult{p / w, 2};
        case 2:  // mcg/min
            return InfusionResult{p * 0.016666666666666666, 2};
        case 3:  // mg/kg/min
            return InfusionResult{p / (w * 60000.0), 3};
        case 4:  // mg/kg/hr
            return InfusionResult{p / (w * 1000.0), 3};
        default:  // mg/min
            return InfusionResult{p * 1.6666666666666667e-05, 3};
    }
}

SharedString infusionNumberText(const InfusionResult& result) {
    return formatNumber(static_cast<float>(result.value), result.decimals, true);
}

}  // namespace orvane
