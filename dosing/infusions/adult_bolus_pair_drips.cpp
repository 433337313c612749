// The Adult Drips pages with two parts chosen from the program's own numbers: the bolus and
// capped drip of "E10"-"E14" (2 or 1 mcg/kg/min, the cap by concentration; that dose is also the
// entry of the drug's rate list) and the two-stage drip of "B10" (rates reduced by renal
// function).
#include <string>

#include "dosing/infusions/adult_drip_pages.h"
#include "dosing/infusions/adult_drips_generators.h"
#include "dosing/infusions/drip_steps.h"
#include "foundation/printed_amount.h"
#include "foundation/rounding.h"

namespace orvane::infusion::adult {

namespace {

// The bolus: 0.09 mL/kg of 2 mg/mL (2000 mcg/mL), at most 11.3 mL.
constexpr float kBolusMlPerKg = 0.09f;
constexpr float kMostBolusMl = 11.3f;
constexpr float kBolusMcgPerMl = 2000.0f;
// The first concentration (mcg/mL), whose caps are the larger ones.
constexpr float kFirstConcentration = 750.0f;

// A drip of the pair: the dose it delivers (also the entry of its rate list), mcg/kg/hr ÷ K and
// its caps (mL/hr), each stated at the end of its line.
struct PairDrip {
    std::string_view code;
    const char* dose;
    float mcgPerKgPerHour;
    float firstCap;
    float secondCap;
    bool tenthsOfWhole;  // CR first, then written as HE(10 v) × 0.1
    bool repeatedBolus;
};

constexpr PairDrip kPairDrips[] = {
    {"E10", "2 mcg/kg/min", 120.0f, 20.0f, 7.5f, false, false},
    {"E13", "2 mcg/kg/min", 120.0f, 20.0f, 7.5f, true, true},
    {"E12", "1 mcg/kg/min", 60.0f, 10.0f, 3.75f, false, false},
    {"E14", "1 mcg/kg/min", 60.0f, 10.0f, 3.75f, true, true},
};

// HE(10 v) × 0.1, the rate form of "E13" and "E14".
float tenthsOfWhole(float v) {
    return roundWhole(10.0f * v) * 0.1f;
}

const PairDrip& pairDrip(std::string_view code) {
    for (const PairDrip& d : kPairDrips) {
        if (d.code == code) return d;
    }
    return kPairDrips[0];
}

// "B10": the bolus doses by rate choice, mL of 5 mg/mL per mg (0.2), and the later drip's
// concentration as a share of the first.
constexpr float kFirstBolusMgPerKg = 0.75f;
constexpr float kSecondBolusMgPerKg = 1.0f;
constexpr float kMlPerMg = 0.2f;
constexpr float kLaterShare = 0.1f;

}  // namespace

const char* bolusPairDose(std::string_view code) {
    return pairDrip(code).dose;
}

void bolusPairPage(const DripInputs& in, DripSections& s) {
    const PairDrip* drip = &pairDrip(in.record.code);
    const float w = in.weight;
    const float k = in.concentration;
    const bool first = k == kFirstConcentration;
    s[kSelections] = "Bolus Conc = 2 mg/mL<BR>Drip Conc = " + in.concentrationText + "<BR><BR>";
    s[kMix] = bolusMixing(in) + kDripMixingPhrase + "Use 100 mL vial (" + in.concentrationText +
              ") for drip solution.<BR><BR>";
    float a = kBolusMlPerKg * w;
    const bool capped = a > kMostBolusMl;
    if (capped) a = kMostBolusMl;
    // The cap itself is written as it is: the dose bands would take 11.3 to 11.5 mL, more than
    // the maximum the same line states.
    std::string& infuse = s[kInfuse];
    infuse = kBolusDirections + (capped ? amountTo1Decimal(a) : roundedAmountTo1Decimal(a)) +
             " mL (" + roundedAmountTo1Decimal(kBolusMcgPerMl * a) +
             " mcg) over 1 minute of 2 mg/mL solution to deliver 180 mcg/kg [Max " +
             storedNumberText(kMostBolusMl) +
             (drip->repeatedBolus
                  ? " mL Bolus], this bolus is repeated in 10 minutes. The continuous infusion is "
                    "started immediately following the first bolus."
                  : " mL Bolus].") +
             "<BR><BR>";
    float v = drip->mcgPerKgPerHour * w / k;
    if (drip->tenthsOfWhole) v = doseRound(v);
    if (v > drip->firstCap && first) {
        v = drip->firstCap;
    } else if (v > drip->secondCap && !first) {
        v = drip->secondCap;
    }
    // Rounded, the rate stays within the cap it states (3.75 mL/hr reads 3.7, not 3.8). Tenths
    // that would take a small child's rate more than the printing tolerance away (0.04 mL/hr
    // would read 0) give way to the rate itself.
    const float cap = first ? drip->firstCap : drip->secondCap;
    const float rounded =
        drip->tenthsOfWhole ? roundedNotAbove(v, cap, tenthsOfWhole) : roundedNotAbove(v, cap);
    const std::string rate =
        amountTo1Decimal(drip->tenthsOfWhole && !isWithinPrintTolerance(rounded, v) ? v : rounded);
    infuse += kDripDirections + rate + " mL/hr (" + roundedAmountTo1Decimal(k * v) +
              " mcg/hr) of " + in.concentrationText + kToDeliver + drip->dose + " [Max " +
              storedNumberText(cap) + " mL/hr].";
    finish(in, s);
}

void twoStagePage(const DripInputs& in, DripSections& s) {
    const float w = in.weight;
    const float k = in.concentration;
    const float r = in.rate;
    const float r2 = in.secondRate;
    const bool firstRate = in.rateChoice == 1;
    s[kSelections] =
        "Selection:<BR>Bolus/Drip Conc(0-4 hrs) = 5mg/mL<BR>Drip Conc(4-24 hrs) = "
        "0.5 mg/mL<BR>" +
        in.concentrationText + "<BR>" + (firstRate ? "Bolus : 0.75 mg/kg" : "Bolus : 1.0 mg/kg") +
        "<BR>Rate(0-4 hrs GFR adjusted): " + roundedAmountTo1Decimal(r) +
        " mg/kg/h<BR>Rate(4-24 hrs GFR adjusted): " + roundedAmountTo1Decimal(r2) + " mg/kg/h";
    s[kMix] = "How to Mix Bolus/(0-4 hr) Drip Solution:<BR>" + in.record.bolusMixing +
              "<BR><BR>How to Mix (4-24 hr) Drip Solution:<BR>" + in.record.dripMixing[0] +
              "<BR><BR>";
    const float c = w * (firstRate ? kFirstBolusMgPerKg : kSecondBolusMgPerKg) * kMlPerMg;
    const float e = r * w / k;
    const float h = r2 * w / (kLaterShare * k);
    s[kInfuse] = "Directions of Infusing Bolus:<BR>" + roundedAmountTo1Decimal(c) + " mL(" +
                 roundedAmountTo1Decimal(5.0f * c) +
                 " mg) of 5 mg/mL solution slow IVP.<BR><BR>After Bolus Start 4 hr infusion "
                 "of:<BR>" +
                 roundedAmountTo1Decimal(e) + " mL/hr(" + roundedAmountTo1Decimal(5.0f * e) +
                 " mg/hr) of 5 mg/mL solution,to deliver " + roundedAmountTo1Decimal(r) +
                 " mg/kg/h<BR><BR>If additional infusion desired 4-24 hrs:<BR>" +
                 roundedAmountTo1Decimal(h) + " mL/hr(" + roundedAmountTo1Decimal(0.5f * h) +
                 " mg/hr) of 0.5 mg/mL solution,to deliver " + roundedAmountTo1Decimal(r2) +
                 " mg/kg/h<BR><BR>";
    finish(in, s);
}

}  // namespace orvane::infusion::adult
