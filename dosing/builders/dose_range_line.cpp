#include "dosing/builders/dose_range_line.h"

#include <string>
#include <string_view>

#include "dosing/builders/short_amounts.h"
#include "foundation/printed_amount.h"
#include "foundation/rounding.h"

namespace orvane {

namespace {

// The unit texts around one dose. An infusion dose ("mg/kg/hr") is per kg already and gives
// amounts per hour; every other unit U is dosed as "U/kg" and gives amounts in U.
struct UnitTexts {
    std::string perKg;          // after the per-kg numbers
    std::string amount;         // after an amount
    std::string concentration;  // before "/mL" in a concentration
};

UnitTexts unitTexts(const SharedString& unit) {
    if (unit.view() == "mg/kg/hr") return {"mg/kg/hr", "mg/hr", "mg"};
    return {unit.str() + "/kg", unit.str(), unit.str()};
}

// A maximum of 0 or below is no maximum: every dose is under it.
bool underMaximum(float dose, float maximum) {
    return maximum <= 0 || dose < maximum;
}

}  // namespace

SharedString formatVolume(float volume) {
    return amountOrTooSmall(volume, volume < 0.01f ? 3 : 2, false);
}

void appendDoseRangeLine(SharedString& out, const DoseRange& range) {
    const UnitTexts units = unitTexts(range.unit);
    const float maximum = range.maximum;
    const float low = doseRound(range.weight * range.low);
    const float high = doseRound(range.weight * range.high);
    const bool withVolume = range.concentration > 0;
    const std::string lowText = range.lowText.str();
    const std::string highText = range.highText.str();
    std::string line;

    // The low dose decides the form: once it reaches the maximum, the maximum is printed once and
    // no range follows (the high end can only be larger).
    if (!underMaximum(low, maximum)) {
        if (!withVolume) {
            if (range.unit.view() == "mg/kg/hr") {
                line = lowText + " mg/kg/hr = " + amountTo3Decimals(maximum) + " mg/hr (Max Dose).";
            } else {
                line = lowText + " " + units.perKg + " = " + amountTo3Decimals(maximum) + " " +
                       units.amount + " [Max Dose].";
            }
        } else {
            line = lowText + " " + units.perKg + " = " + amountTo3Decimals(maximum) + " " +
                   units.amount + " (Max Dose).<BR>[" +
                   formatVolume(maximum / range.concentration).str() + " mL of " +
                   amountTo3Decimals(range.concentration) + " " + units.concentration +
                   "/mL soln].";
        }
        out.append(line);
        return;
    }

    line = rangeText(lowText, highText) + " " + units.perKg + " = ";
    float highAmount = high;
    if (underMaximum(high, maximum)) {
        line +=
            rangeText(amountTo3Decimals(low), amountTo3Decimals(high)) + " " + units.amount + ".";
    } else {
        highAmount = maximum;
        line += rangeText(amountTo3Decimals(low), amountTo3Decimals(maximum)) + " " + units.amount +
                ".<BR>[" + amountTo3Decimals(maximum) + " " + units.amount + " = Max dose]";
        if (withVolume) line += ".";
    }
    if (withVolume) {
        // The volumes are those of the amounts printed just before them, so that the two always
        // agree (15 mg of 20 mg/mL is 0.75 mL, not a re-rounded 0.8 mL).
        const float lowVolume = low / range.concentration;
        const float highVolume = highAmount / range.concentration;
        const std::string lowMl = formatVolume(lowVolume).str();
        line += "<BR>[" +
                (highVolume != 0 ? rangeText(lowMl, formatVolume(highVolume).str(), " - ") : lowMl);
        line += " mL of " + amountTo3Decimals(range.concentration) + " " + units.concentration +
                "/mL soln].";
    }
    out.append(line);
}

void setVolumeFirstDoseLine(SharedString& out, const DoseRange& range) {
    const UnitTexts units = unitTexts(range.unit);
    const float maximum = range.maximum;
    const float low = doseRound(range.weight * range.low);
    const float high = doseRound(range.weight * range.high);
    const bool lowAtMaximum = !underMaximum(low, maximum);
    const bool highAtMaximum = lowAtMaximum || !underMaximum(high, maximum);
    const std::string lowText = range.lowText.str();
    const std::string highText = range.highText.str();
    const std::string perKgRange = rangeText(lowText, highText);
    std::string line;

    if (range.concentration <= 0) {
        if (lowAtMaximum) {
            line = amountTo3Decimals(maximum) + " " + units.amount + " (Max Dose) [" + lowText +
                   " " + units.perKg + "].";
        } else if (highAtMaximum) {
            line = rangeText(amountTo3Decimals(low), amountTo3Decimals(maximum)) + " " +
                   units.amount + " (Max Dose) [" + perKgRange + " " + units.perKg + "].";
        } else {
            line = rangeText(amountTo3Decimals(low), amountTo3Decimals(high)) + " " + units.amount +
                   " [" + perKgRange + " " + units.perKg + "].";
        }
        out = SharedString(line);
        return;
    }

    const float concentration = range.concentration;
    const std::string soln =
        " mL of " + amountTo3Decimals(concentration) + " " + units.concentration + "/mL soln.";
    if (lowAtMaximum) {
        line = amountTo3Decimals(doseRound(maximum / concentration)) + soln + "<BR>[" + lowText +
               " " + units.perKg + " = " + amountTo3Decimals(maximum) + " " + units.amount +
               " (Max Dose).]";
        out = SharedString(line);
        return;
    }
    const float highAmount = highAtMaximum ? maximum : high;
    const float lowVolume = doseRound(low / concentration);
    const float highVolume = doseRound(highAmount / concentration);
    line = highVolume != 0
               ? rangeText(amountTo3Decimals(lowVolume), amountTo3Decimals(highVolume), " - ")
               : amountTo3Decimals(lowVolume);
    line += soln + "<BR>[" + perKgRange + " " + units.perKg + " = " +
            rangeText(amountTo3Decimals(low), amountTo3Decimals(highAmount)) + " " + units.amount +
            (highAtMaximum ? " (Max dose).]" : ".]");
    out = SharedString(line);
}

}  // namespace orvane
