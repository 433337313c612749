// The Adult Drips pages that run a drip at the chosen rate: per kg per minute (with the loads of
// "A22" and "L10"), per hour, per minute, in units per kg per hour, and those that add a bolus
// ("I02", "D05", "O05", "E15", "M05", "P15") or a priming note ("D20").
#include <algorithm>
#include <string>

#include "dosing/infusions/adult_drip_pages.h"
#include "dosing/infusions/drip_steps.h"
#include "foundation/rounding.h"

namespace orvane::infusion::adult {

namespace {

constexpr float kMicrogramsToMilligrams = 0.001f;
// "A22": the loads of 3 to 7 mg/kg, in mL of its 25 mg/mL bolus solution (0.04 mL per mg).
constexpr float kFirstLoadMgPerKg = 3.0f;
constexpr float kLastLoadMgPerKg = 7.0f;
constexpr float kLoadMlPerMg = 0.04f;
// "D05": the bolus and its repeat in mL of 5 mg/mL per kg, with their caps.
constexpr float kBolusMlPerKg = 0.05f;
constexpr float kMostBolusMl = 4.0f;
constexpr float kRepeatMlPerKg = 0.07f;
constexpr float kMostRepeatMl = 5.0f;
// "D20": priming is advised below this rate and concentration.
constexpr float kPrimingBelowMlPerHour = 5.0f;
constexpr float kPrimingBelowConcentration = 400.0f;
// "P15": the loading dose, mg/kg; the load runs at 20 mg/min.
constexpr float kLoadMgPerKg = 17.0f;
constexpr float kMinutesPerMg = 0.05f;

float milligramRate(const DripInputs& in) {
    return in.custom ? in.rate * kMicrogramsToMilligrams : in.rate;
}

}  // namespace

void perKgPerMinutePage(const DripInputs& in, DripSections& s) {
    const std::string& code = in.record.code;
    const float w = in.weight;
    const float k = in.concentration;
    s[kSelections] = (code == "A22" ? "Bolus Conc = 25 mg/mL<BR>" : "") + standardSelections(in);
    s[kMix] = dripMixing(in);
    std::string& infuse = s[kInfuse];
    if (code == "L10") {
        infuse =
            "Bolus prior to initiating drip:<BR>0.5 mg/kg = " + roundedAmountTo1Decimal(0.5f * w) +
            " mg IVP.<BR>1 mg/kg = " + roundedAmountTo1Decimal(w) +
            " mg IVP.<BR>1.5 mg/kg = " + roundedAmountTo1Decimal(1.5f * w) + " mg IVP.<BR><BR>";
    } else if (code == "A22") {
        infuse = "Load (Over 20-30 min):<BR>";
        for (float i = kFirstLoadMgPerKg; i <= kLastLoadMgPerKg; i += 1.0f) {
            infuse += amountTo1Decimal(i) + " mg/kg = " + roundedAmountTo1Decimal(i * w) + " mg (" +
                      roundedAmountTo1Decimal(doseRound(i * w) * kLoadMlPerMg) + " mL)<BR>";
        }
        infuse += "mL for loading is based upon use of 25 mg/mL solution of Aminophylline<BR><BR>";
    }
    const float v = in.rate * w * kPerMinute / k;
    if (code == "N10") {
        infuse +=
            adultDripLine(v, roundedAmountTo1Decimal(k * v * kOneSixtieth), " mcg/min) of ", in);
    } else {
        infuse += adultDripLine(v, wholeAmountTo1Decimal(k * v) + " " + in.record.amountUnit,
                                "/hr) of ", in);
    }
    finishWithCommonRates(in, w, kPerMinute, s);
    if (code == "P18" || code == "P20") {
        s[kInformation] += "<BR><BR>Avoid in patients allergic to eggs.";
    }
}

void milligramBolusPage(const DripInputs& in, DripSections& s) {
    const float w = in.weight;
    const float k = in.concentration;
    s[kSelections] = "Bolus Conc = 5 mg/mL<BR>Drip Conc = " + in.concentrationText +
                     "<BR>Selected Rate = " + in.rateText;
    s[kMix] = bolusMixing(in) + dripMixing(in);
    const float v = milligramRate(in) * w * kPerMinute / k;
    s[kInfuse] = kBolusDirections + roundedAmountTo1Decimal(0.15f * w) + " mL (" +
                 roundedAmountTo1Decimal(0.15f * w * 5.0f) +
                 " mg) over 3 min of 5 mg/mL solution to deliver 0.75 mg/kg.<BR><BR>" +
                 adultDripLine(v, roundedAmountTo1Decimal(k * v), " mg/hr) of ", in);
    finishWithCommonRates(in, w, kPerMinute, s);
}

void perHourPage(const DripInputs& in, DripSections& s) {
    const std::string& code = in.record.code;
    const float w = in.weight;
    const float k = in.concentration;
    const bool d05 = code == "D05";
    const bool o05 = code == "O05";
    s[kSelections] = std::string(d05   ? "Bolus Conc = 5 mg/mL<BR>"
                                 : o05 ? "Bolus Conc = 50 mcg/mL<BR>"
                                       : "") +
                     standardSelections(in);
    s[kMix] = (d05 || o05 ? bolusMixing(in) : "") + dripMixing(in);
    std::string& infuse = s[kInfuse];
    if (d05) {
        const float b = std::min(kBolusMlPerKg * w, kMostBolusMl);
        const float d = std::min(kRepeatMlPerKg * w, kMostRepeatMl);
        infuse = kBolusDirections + roundedAmountTo1Decimal(b) + " mL (" +
                 roundedAmountTo1Decimal(5.0f * b) +
                 " mg) over 2 minutes.<BR>[0.25 mg/kg (Max 20 mg)]<BR><BR>Can repeat in 15 "
                 "minutes with " +
                 roundedAmountTo1Decimal(d) + " mL (" + roundedAmountTo1Decimal(5.0f * d) +
                 " mg) over 2 minutes.<BR>[0.35 mg/kg (Max 25 mg)]<BR><BR>May start drip after "
                 "either bolus if indicated.<BR><BR>";
    } else if (o05) {
        infuse =
            "Bolus [50 mcg/mL soln]:<BR>25 mcg = 0.5 mL<BR>37.5 mcg = 0.75 mL<BR>50 mcg = 1 "
            "mL<BR><BR>";
    }
    const float v = in.rate / k;
    infuse += kDripDirections + roundedAmountTo1Decimal(v) + " mL/hr (" +
              roundedAmountTo1Decimal(k * v) + " " + in.record.amountUnit + "/hr) of " +
              in.concentrationText + kToDeliver + in.rateText + "<BR><BR>";
    finishWithCommonRates(in, 1.0f, kPerHour, s);
}

void perDayPage(const DripInputs& in, DripSections& s) {
    const float k = in.concentration;
    s[kSelections] = "Drip Conc = " + in.concentrationText + "<BR>Selected Rate = 24 mcg/kg/hr";
    s[kMix] = dripMixing(in);
    const float v = 24.0f * in.weight / k;
    s[kInfuse] = adultDripLine(v, roundedAmountTo1Decimal(k * v), " mcg/hr) of ", in) +
                 "Infusion to continue for 96 hours (4 days).";
    if (v < kPrimingBelowMlPerHour && k < kPrimingBelowConcentration) {
        s[kInfuse] +=
            "<BR><BR>The calculated infusion rate is <5 mL/hr and the concentration selected is "
            "200 mcg/mL or less. Manufacturer recommends priming the infusion line at rate of 5 "
            "mL/hr x 15 minutes before starting infusion.";
    }
    finish(in, s);
}

void perMinutePage(const DripInputs& in, DripSections& s) {
    const float k = in.concentration;
    s[kSelections] = standardSelections(in);
    s[kMix] = dripMixing(in);
    const float v = doseRound(in.rate * kPerMinute / k);
    s[kInfuse] = adultDripLine(v, wholeAmountTo1Decimal(k * v), " mcg/hr) of ", in);
    finishWithCommonRates(in, 1.0f, kPerMinute, s);
}

void bolusAndDripPage(const DripInputs& in, DripSections& s) {
    const float w = in.weight;
    const float k = in.concentration;
    s[kSelections] = "Bolus/Drip Conc = " + in.concentrationText +
                     "<BR>Selected Rate = " + in.rateText + "<BR><BR>";
    s[kMix] = kBolusDripMixingPhrase + in.record.dripMixing[0] + "<BR><BR>";
    const float b = 0.5f * w / k;
    const float v = milligramRate(in) * w * kPerMinute / k;
    s[kInfuse] = "How to Infuse Bolus:<BR>" + roundedAmountTo1Decimal(b) + " mL (" +
                 roundedAmountTo1Decimal(k * b) + " mg) over 1 minute of " + in.concentrationText +
                 " solution to deliver 0.5 mg/kg (500 mcg/kg).<BR><BR>" +
                 adultDripLine(v, roundedAmountTo1Decimal(k * v), " mg/hr) of ", in) +
                 "Consider increasing drip rate gradually by 25-50 mcg/kg/min every 5 minutes. "
                 "If no response noted, consider repeating bolus q5 min along with an increase in "
                 "rate.<BR><BR>";
    finishWithCommonRates(in, w, kPerMinute, s);
}

void unitsPerKgPage(const DripInputs& in, DripSections& s) {
    const float w = in.weight;
    const float k = in.concentration;
    std::string& infuse = s[kInfuse];
    infuse = "Bolus Information:<BR>";
    for (const float u : {50.0f, 60.0f, 70.0f, 80.0f, 90.0f, 100.0f}) {
        infuse += amountTo1Decimal(u) + " U/kg = " + roundedAmountTo1Decimal(u * w) + " U<BR>";
    }
    infuse += "Use appropriate vials of Heparin to deliver bolus IVP.<BR><BR>";
    s[kSelections] = standardSelections(in);
    s[kMix] = dripMixing(in);
    const float v = in.rate * w / k;
    infuse += adultDripLine(v, roundedAmountTo1Decimal(k * v), " U/hr) of ", in);
    finishWithCommonRates(in, w, kPerHour, s);
}

void wholeAmountPerMinutePage(const DripInputs& in, DripSections& s) {
    const float k = in.concentration;
    s[kSelections] = standardSelections(in);
    s[kMix] = dripMixing(in);
    if (in.record.code == "L05")
        s[kInfuse] = "Bolus of 1 mg/kg should usually precede the drip.<BR><BR>";
    const float v = in.rate * kPerMinute / k;
    s[kInfuse] +=
        adultDripLine(v, roundedAmountTo1Decimal(wholeAmount(k * v)) + " " + in.record.amountUnit,
                      "/hr) of ", in);
    finishWithCommonRates(in, 1.0f, kPerMinute, s);
}

void microgramBolusPage(const DripInputs& in, DripSections& s) {
    const float w = in.weight;
    const float k = in.concentration;
    s[kSelections] = "Bolus Conc = 1 mg/mL<BR>" + standardSelections(in);
    s[kMix] = bolusMixing(in) + dripMixing(in);
    const float v = in.rate * w * kPerMinute / k;
    s[kInfuse] = kBolusDirections + roundedAmountTo1Decimal(0.05f * w) + " mL (" +
                 roundedAmountTo1Decimal(0.05f * w) +
                 " mg) over 10 minutes of 1 mg/mL solution to deliver 50 mcg/kg.<BR><BR>" +
                 adultDripLine(v, roundedAmountTo1Decimal(k * v), " mcg/hr) of ", in);
    finishWithCommonRates(in, w, kPerMinute, s);
}

void loadingRatePage(const DripInputs& in, DripSections& s) {
    const float k = in.concentration;
    s[kSelections] = "Bolus/Drip Conc = " + in.concentrationText +
                     "<BR>Selected Rate = " + in.rateText + "<BR><BR>";
    s[kMix] = dripMixing(in);
    const float a = kLoadMgPerKg * in.weight / k;
    const float c = k * a * kMinutesPerMg;
    std::string& infuse = s[kInfuse];
    infuse = kBolusDirections;
    if (k == 8.0f) {
        infuse += "150 mL/hr for " + roundedAmountTo1Decimal(c) + " minutes (" +
                  roundedAmountTo1Decimal(2.5f * c) +
                  " mL = " + roundedAmountTo1Decimal(20.0f * c) +
                  " mg) of 8 mg/mL solution, to deliver 17 mg/kg. In emergent cases may consider "
                  "giving infusion at 375 mL/hr for " +
                  roundedAmountTo1Decimal(0.4f * c) + " minutes.";
    } else {
        infuse += "300 mL/hr for " + roundedAmountTo1Decimal(c) + " minutes (" +
                  roundedAmountTo1Decimal(5.0f * c) +
                  " mL = " + roundedAmountTo1Decimal(20.0f * c) +
                  " mg) of 4 mg/mL solution, to deliver 17 mg/kg. In emergent cases may consider "
                  "giving infusion at 750 mL/hr for " +
                  roundedAmountTo1Decimal(0.4f * c) + " minutes.";
    }
    const float v = in.rate * kPerMinute / k;
    infuse += "<BR><BR>" +
              adultDripLine(v, roundedAmountTo1Decimal(wholeAmount(k * v)), " mg/hr) of ", in);
    finishWithCommonRates(in, 1.0f, kPerMinute, s);
}

}  // namespace orvane::infusion::adult
