// The TykoDrips pages that pair a drip at the chosen rate with bolus directions for the weight:
// "D05", "I03", "I01", "E15", "H05", "M05" and "L05".
#include <string>

#include "dosing/builders/short_amounts.h"
#include "dosing/infusions/drip_steps.h"
#include "dosing/infusions/tyko_drip_pages.h"
#include "foundation/rounding.h"

namespace orvane::infusion::tyko {

namespace {

// Custom rates of "I01" and "E15" are in micrograms; their drips are in milligrams.
constexpr float kMicrogramsToMilligrams = 0.001f;

std::string concAndRate(const DripInputs& in) {
    return "Drip Conc = " + in.concentrationText + "<BR>Selected Rate = " + in.rateText;
}

std::string bolusMixing(const DripInputs& in) {
    return "How to Mix Bolus Solution:<BR>" + in.record.bolusMixing + "<BR><BR>";
}

// v = CR(R × W × 60 ÷ K), the drip rate of most pages.
float perMinuteRate(const DripInputs& in, float rate) {
    return doseRound(rate * in.weight * kPerMinute / in.concentration);
}

float milligramRate(const DripInputs& in) {
    return in.custom ? in.rate * kMicrogramsToMilligrams : in.rate;
}

// The bolus lines of "L05": d mg/kg in 5 mg/mL, at most 4 mL.
struct BolusLine {
    const char* label;
    float mgPerKg;
    bool oneDecimalMg;
};

constexpr BolusLine kCappedBolusLines[] = {
    {"0.2 mg/kg Bolus = ", 0.2f, false}, {"0.4 mg/kg Bolus = ", 0.4f, false},
    {"0.6 mg/kg Bolus = ", 0.6f, true},  {"0.8 mg/kg Bolus = ", 0.8f, false},
    {"1.0 mg/kg Bolus = ", 1.0f, false},
};
constexpr float kBolusMgPerMl = 5.0f;
constexpr float kMostBolusMl = 4.0f;

// The bolus amounts of the heparin-style page, U/kg.
constexpr float kUnitBoluses[] = {50.0f, 60.0f, 70.0f, 80.0f};

// Dextrose: K is the percentage, 10 K mg/mL. R mg/kg/min gives R × W × 60 ÷ (10 K) mL/hr,
// written R × W ÷ (0.167 K): 0.167 stands for 10 mg/mL per percent ÷ 60 minutes an hour.
constexpr float kDextroseMgPerMlPerPercent = 10.0f;
constexpr float kDextroseDivisorPerPercent = 0.167f;

float dextroseMlPerHour(const DripInputs& in, float rate) {
    return rate * in.weight / (kDextroseDivisorPerPercent * in.concentration);
}

}  // namespace

void dextrosePage(const DripInputs& in, DripSections& s) {
    const float w = in.weight;
    const float k = in.concentration;
    s[kSelections] = concAndRate(in);
    s[kMix] = dripMixing(in);
    const float v = doseRound(dextroseMlPerHour(in, in.rate));
    s[kInfuse] = "Directions on Bolus (if indicated):<BR>2-4 mL/kg D10W = " +
                 roundedAmountTo3Decimals(2.0f * w) + "-" + roundedAmountTo3Decimals(4.0f * w) +
                 " mL administered IV slow push<BR><BR>" + kDripDirections + amountTo3Decimals(v) +
                 " mL/hr (" + roundedAmountTo3Decimals(kDextroseMgPerMlPerPercent * k * v) +
                 " mg/hr) of " + in.concentrationText + " (" +
                 roundedAmountTo3Decimals(kDextroseMgPerMlPerPercent * k) + " mg/mL), to deliver " +
                 in.rateText + ".<BR><BR>";
    // The common rates run on the same mL/hr as the drip line: K is a percentage, not mg/mL.
    setInfoAndCompatibility(in.record, s);
    appendCommonRates(in, dextroseMlPerHour, roundedAmountTo2Decimals, s[kInfuse]);
}

void insulinPage(const DripInputs& in, DripSections& s) {
    const float v = perMinuteRate(in, in.rate);
    s[kSelections] = concAndRate(in);
    s[kMix] = "If Bolus Given, use appropriate vial of Regular Insulin.<BR><BR>" + dripMixing(in);
    s[kInfuse] = "Consider Bolus of 0.1 U/kg.<BR>0.1 U/kg Bolus = " +
                 roundedAmountTo3Decimals(0.1f * in.weight) + " U, IVP.<BR><BR>" +
                 tykoDripLine(v, roundedAmountTo3Decimals(in.concentration * v), " U/hr) of ", in);
    finishWithCommonRates(in, in.weight, kPerMinute, s);
}

void bolusPerKgPage(const DripInputs& in, DripSections& s) {
    const float a = doseRound(0.15f * in.weight);
    const float v = perMinuteRate(in, milligramRate(in));
    s[kSelections] = "Bolus Conc = 5 mg/mL<BR>" + concAndRate(in);
    s[kMix] = bolusMixing(in) + dripMixing(in);
    s[kInfuse] = std::string(kBolusDirections) + amountTo3Decimals(a) + " mL (" +
                 roundedAmountTo3Decimals(5.0f * a) +
                 " mg) over 5 min of 5 mg/mL solution to deliver 0.75 mg/kg.<BR><BR>" +
                 tykoDripLine(v, roundedAmountTo3Decimals(in.concentration * v), " mg/hr) of ", in);
    finishWithCommonRates(in, in.weight, kPerMinute, s);
}

void bolusAndDripPage(const DripInputs& in, DripSections& s) {
    const float k = in.concentration;
    const float a = doseRound((in.weight / k) * 0.25f);
    // Taken through the dose bands as every drip line is, so that it reads as the common rate of
    // its own dose does.
    const float v = perMinuteRate(in, milligramRate(in));
    s[kSelections] = "Bolus/Drip Conc = " + in.concentrationText +
                     "<BR>Selected Rate = " + in.rateText + "<BR><BR>";
    s[kMix] = "How to Mix Bolus/Drip Solution:<BR>" + in.record.dripMixing[0] + "<BR><BR>";
    s[kInfuse] = "How to Infuse Bolus:<BR>" + amountTo3Decimals(a) + " mL (" +
                 amountTo3Decimals(k * a) + " mg) over 1 minute of " + in.concentrationText +
                 " solution to deliver 0.25 mg/kg (250 mcg/kg).<BR><BR>" +
                 tykoDripLine(v, amountTo3Decimals(k * v), " mg/hr) of ", in) +
                 "Consider increasing drip rate gradually by 25-50 mcg/kg/min every 5 minutes. "
                 "If no response noted, consider repeating bolus q5 min along with an increase in "
                 "rate.<BR><BR>";
    finishWithCommonRates(in, in.weight, kPerMinute, s);
}

void unitsPerKgPage(const DripInputs& in, DripSections& s) {
    std::string& infuse = s[kInfuse];
    infuse = "Bolus Information:<BR>";
    for (const float u : kUnitBoluses) {
        infuse += orvane::amountTo1Decimal(doseRound(u)) +
                  " U/kg = " + roundedAmountTo3Decimals(u * in.weight) + " U<BR>";
    }
    infuse += "Use appropriate vials of Heparin to deliver bolus IVP.<BR><BR>";
    s[kSelections] = concAndRate(in) + "<BR><BR>";
    s[kMix] = dripMixing(in);
    const float v = doseRound(in.rate * in.weight / in.concentration);
    infuse += tykoDripLine(v, roundedAmountTo3Decimals(in.concentration * v), " U/hr) of ", in);
    finishWithCommonRates(in, in.weight, kPerHour, s);
}

void microgramBolusPage(const DripInputs& in, DripSections& s) {
    const float a = doseRound(0.05f * in.weight);
    const float v = perMinuteRate(in, in.rate);
    s[kSelections] = "Bolus Conc = 1 mg/mL<BR>" + concAndRate(in) + "<BR><BR>";
    s[kMix] = bolusMixing(in) + dripMixing(in);
    s[kInfuse] =
        std::string(kBolusDirections) + amountTo3Decimals(a) + " mL (" + amountTo3Decimals(a) +
        " mg) over 5-10 minutes of 1 mg/mL solution to deliver 50 mcg/kg.<BR><BR>" +
        tykoDripLine(v, roundedAmountTo3Decimals(in.concentration * v), " mcg/hr) of ", in);
    finishWithCommonRates(in, in.weight, kPerMinute, s);
}

void cappedBolusLinesPage(const DripInputs& in, DripSections& s) {
    s[kSelections] = "Bolus Conc = 5 mg/mL<BR>" + concAndRate(in);
    s[kMix] = "How to Mix Bolus Solution:<BR>Use 5 mg/mL vial.<BR><BR>" + dripMixing(in);
    std::string& infuse = s[kInfuse];
    infuse =
        "May initiate therapy with a bolus of 0.2-1.0 mg/kg [Max 20 mg] over 2 min.<BR>Use 5 "
        "mg/mL soln for Boluses<BR>";
    for (const BolusLine& line : kCappedBolusLines) {
        float b = doseRound(in.weight * line.mgPerKg / kBolusMgPerMl);
        if (b > kMostBolusMl) b = kMostBolusMl;
        const float mg = kBolusMgPerMl * b;
        infuse += std::string(line.label) + amountTo3Decimals(b) + " mL (" +
                  (line.oneDecimalMg ? orvane::amountTo1Decimal(doseRound(mg))
                                     : roundedAmountTo3Decimals(mg)) +
                  " mg).<BR>";
    }
    infuse += "Administer bolus no faster than 10 mg/minute.<BR><BR>";
    const float v = perMinuteRate(in, in.rate);
    infuse += tykoDripLine(v, roundedAmountTo3Decimals(in.concentration * v), " mg/hr) of ", in);
    finishWithCommonRates(in, in.weight, kPerMinute, s);
}

}  // namespace orvane::infusion::tyko
