// The Adult Drips pages that need no choice: fixed concentrations, with boluses and drips
// computed for the weight and capped where the page says so ("A05", "A10", "A15", "A20", "A25",
// "A26", "N01", "T05", "T10", "I01").
#include <algorithm>
#include <string>

#include "dosing/infusions/adult_drip_pages.h"
#include "dosing/infusions/drip_steps.h"
#include "foundation/rounding.h"

namespace orvane::infusion::adult {

namespace {

// "A10": the weight-based drip, mL/hr per kg, and its cap.
constexpr float kFilteredDripMlPerKg = 0.2143f;
constexpr float kMostFilteredDrip = 17.0f;
// "A15": bolus and drip mL per kg and their caps.
constexpr float kCappedBolusMlPerKg = 0.09f;
constexpr float kMostCappedBolus = 9.0f;
constexpr float kCappedDripMlPerKg = 0.81f;
constexpr float kMostCappedDrip = 81.0f;
// "A20": the two infusions after the bolus, mL per kg, and their caps.
constexpr float kFirstInfusionMlPerKg = 0.75f;
constexpr float kMostFirstInfusion = 50.0f;
constexpr float kSecondInfusionMlPerKg = 0.5f;
constexpr float kMostSecondInfusion = 35.0f;
// "T05": the bolus by weight band (the last band has no upper bound); enoxaparin mg, capped.
struct WeightBand {
    float belowKg;
    const char* bolus;
};
constexpr WeightBand kBolusBands[] = {{60.0f, "6 mL (30 mg)"},
                                      {70.0f, "7 mL (35 mg)"},
                                      {80.0f, "8 mL (40 mg)"},
                                      {90.0f, "9 mL (45 mg)"}};
constexpr const char* kHeaviestBolus = "10 mL (50 mg)";
constexpr float kMostEnoxaparinMg = 100.0f;
// "I01": 10 mcg/kg at most 1000 mcg, in mL of 16.7 mcg/mL, run over 10 minutes.
constexpr float kInfusionMcgPerKg = 10.0f;
constexpr float kMostInfusionMcg = 1000.0f;
constexpr float kMlPerMcg = 0.059880238f;
constexpr float kTenMinuteRate = 6.0f;

}  // namespace

void filteredBolusPage(const DripInputs& in, DripSections& s) {
    const bool a10 = in.record.code == "A10";
    const float w = in.weight;
    const float a = 0.125f * w;
    s[kSelections] = "Bolus Conc = 2 mg/mL<BR>Drip Conc = 35 mcg/mL<BR><BR>";
    s[kMix] = kBolusMixingPhrase + std::string("Withdraw ") + roundedAmountTo1Decimal(a) + " mL (" +
              roundedAmountTo1Decimal(2.0f * a) +
              " mg) [0.25 mg/kg] from 5 mL (2 mg/mL) vials and inject through filter.<BR><BR>" +
              kDripMixingPhrase + in.record.dripMixing[0] + (a10 ? "<BR><BR>" : "");
    std::string& infuse = s[kInfuse];
    infuse = kBolusDirections + roundedAmountTo1Decimal(a) + " mL (" +
             roundedAmountTo1Decimal(2.0f * a) +
             " mg) IVP, of 2 mg/mL solution, to deliver 0.25 mg/kg.<BR><BR>" + kDripDirections;
    const float c = kFilteredDripMlPerKg * w;
    if (!a10) {
        infuse += "17 mL/hr (600 mcg/hr) of 35 mcg/mL solution, to deliver 10 mcg/min.<BR><BR>";
    } else if (c > kMostFilteredDrip) {
        infuse += "17 mL/hr (600 mcg/hr) of 35 mcg/mL solution, to deliver Maximum Dose.<BR><BR>";
    } else {
        infuse += roundedAmountTo1Decimal(c) + " mL/hr (" + roundedAmountTo1Decimal(35.0f * c) +
                  " mcg/hr) of 35 mcg/mL solution, to deliver 0.125 mcg/kg/min.<BR><BR>";
    }
    finish(in, s);
}

void cappedBolusPage(const DripInputs& in, DripSections& s) {
    const float b = std::min(kCappedBolusMlPerKg * in.weight, kMostCappedBolus);
    const float d = std::min(kCappedDripMlPerKg * in.weight, kMostCappedDrip);
    s[kSelections] = "Bolus/Drip Conc = 1 mg/mL<BR><BR>";
    s[kMix] = kBolusDripMixingPhrase + in.record.bolusMixing + "<BR><BR>";
    s[kInfuse] =
        kBolusDirections + roundedAmountTo1Decimal(b) + " mL (" + roundedAmountTo1Decimal(b) +
        " mg) over 1 minute" +
        (b == kMostCappedBolus ? " to deliver Maximum Bolus Dose." : " (0.09 mg/kg bolus).") +
        "<BR><BR>" + kDripDirections + roundedAmountTo1Decimal(d) + " mL/hr (" +
        roundedAmountTo1Decimal(d) + " mg/hr) for 60 minutes, to deliver " +
        (d == kMostCappedDrip ? "Maximum Dose." : "0.81 mg/kg.") + "<BR><BR>";
    finish(in, s);
}

void lyticPage(const DripInputs& in, DripSections& s) {
    const float w = in.weight;
    const float a = std::min(kFirstInfusionMlPerKg * w, kMostFirstInfusion);
    const float b = std::min(kSecondInfusionMlPerKg * w, kMostSecondInfusion);
    s[kSelections] = "Bolus/Drip Conc = 1 mg/mL<BR><BR>";
    s[kMix] = kBolusDripMixingPhrase + in.record.bolusMixing + "<BR><BR>";
    s[kInfuse] =
        kBolusDirections +
        std::string(
            "15 mL (15 mg) over 1 minute.<BR><BR>After Bolus Start Infusion "
            "of:<BR>") +
        roundedAmountTo1Decimal(a) + " mL (" + roundedAmountTo1Decimal(a) +
        " mg) over 30 minutes (0.75 mg/kg) to run at " + roundedAmountTo1Decimal(2.0f * a) +
        " mL/hr for 30 minutes. [Max Dose 50 mg].<BR><BR>Then start infusion of:<BR>" +
        roundedAmountTo1Decimal(b) + " mL/hr (" + roundedAmountTo1Decimal(b) +
        " mg/hr) for 60 minutes, to deliver 0.5 mg/kg [Max Dose 35 mg].<BR><BR>" + heparinBlock(w);
    finish(in, s);
}

void fixedLoadPage(const DripInputs& in, DripSections& s) {
    s[kSelections] = "Bolus Conc = 1.5 mg/mL<BR>Drip Conc = 1.8 mg/mL<BR><BR>";
    s[kMix] = bolusMixing(in) + kDripMixingPhrase + in.record.dripMixing[0] + "<BR><BR>";
    s[kInfuse] = kBolusDirections +
                 std::string(
                     "Infuse Bolus at 600 mL/hr x 10 minutes. Bolus is 100 mL (150 "
                     "mg).<BR><BR>") +
                 kDripDirections +
                 "33 mL/hr (1 mg/min) x 6 hours then 17 mL/hr (0.5 mg/min) x 18 hours.<BR><BR>";
    finish(in, s);
}

void pushLoadPage(const DripInputs& in, DripSections& s) {
    s[kSelections] = "Bolus Conc = 15 mg/mL<BR><BR>";
    s[kMix] = "How to Mix Solution:<BR>" + in.record.bolusMixing + "<BR><BR>";
    s[kInfuse] =
        "Infusion Directions:<BR>Give 300 mg (20 mL) IVP.<BR>If indicated repeat with 150 mg (10 "
        "mL) IVP in 3-5 minutes.<BR><BR>If patient responds to bolus, start standard drip of 1 "
        "mg/min x 6 hrs then 0.5 mg/min x 18 hrs.";
    finish(in, s);
}

void lowDosePage(const DripInputs& in, DripSections& s) {
    const float w = in.weight;
    const float bolus = 0.33f * w;
    const float b = doseRound(0.1f * w);
    s[kSelections] =
        "Bolus&Drip Conc = 6 mcg/mL<BR><BR>Bolus = 2 mcg/kg (over 60 sec)<BR>Drip = 0.01 "
        "mcg/kg/min";
    s[kMix] = "How to Mix Solution:<BR>" + in.record.dripMixing[0] + "<BR><BR>";
    s[kInfuse] = kBolusDirections + roundedAmountTo1Decimal(bolus) + " mL (" +
                 roundedAmountTo1Decimal(6.0f * bolus) +
                 " mcg) over 1 minute of 6 mcg/mL solution to deliver 2 mcg/kg.<BR><BR>" +
                 kDripDirections + roundedAmountTo1Decimal(b) + " mL/hr (" +
                 roundedAmountTo1Decimal(6.0f * b) +
                 " mcg/hr) of 6 mcg/mL solution, to deliver 0.01 mcg/kg/min.<BR><BR>";
    finish(in, s);
}

void weightBandPage(const DripInputs& in, DripSections& s) {
    const float w = in.weight;
    const char* bolus = kHeaviestBolus;
    for (auto it = std::rbegin(kBolusBands); it != std::rend(kBolusBands); ++it) {
        if (w < it->belowKg) bolus = it->bolus;
    }
    s[kSelections] = "Bolus Conc = 5 mg/mL<BR><BR>";
    s[kMix] = kBolusMixingPhrase + in.record.bolusMixing;
    s[kInfuse] = kBolusDirections + std::string(bolus) +
                 " over 5 seconds of 5 mg/mL solution.<BR><BR>" + heparinBlock(w) +
                 "Enoxaparin in place of Heparin:<BR>30 mg IVP then " +
                 roundedAmountTo1Decimal(std::min(w, kMostEnoxaparinMg)) +
                 " mg subcut q12 hrs (Max 100 mg). First subcutaneous dose at same time as "
                 "intravenous dose.";
    finish(in, s);
}

void bolusThenDripPage(const DripInputs& in, DripSections& s) {
    const float w = in.weight;
    const float a = 0.24f * w;
    const float b = doseRound(0.12f * w);
    s[kSelections] = "Bolus/Drip Conc = 50 mcg/mL<BR><BR>";
    s[kMix] = kBolusDripMixingPhrase + in.record.dripMixing[0] + "<BR><BR>";
    s[kInfuse] = kBolusDirections + roundedAmountTo1Decimal(a) + " mL (" +
                 roundedAmountTo1Decimal(50.0f * a) + " mcg) at " +
                 roundedAmountTo1Decimal(2.0f * a) +
                 " mL/hr for 30 min of 50 mcg/mL solution to deliver 0.4 mcg/kg/min.<BR><BR>" +
                 kDripDirections + roundedAmountTo1Decimal(b) + " mL/hr (" +
                 roundedAmountTo1Decimal(50.0f * b) +
                 " mcg/hr) of 50 mcg/mL solution, to deliver 0.1 mcg/kg/min.<BR><BR>";
    finish(in, s);
}

void cappedInfusionPage(const DripInputs& in, DripSections& s) {
    float a = kInfusionMcgPerKg * in.weight;
    if (a >= kMostInfusionMcg) a = kMostInfusionMcg;
    const float b = a * kMlPerMcg;
    s[kSelections] = "Selection:<BR>Concentration = 16.7 mcg/mL (0.0167 mg/mL)";
    s[kMix] = kDripMixingPhrase + in.record.dripMixing[0];
    s[kInfuse] = kDripDirections + roundedAmountTo1Decimal(b) + " mL (" +
                 roundedAmountTo1Decimal(a) +
                 " mcg) of 16.7 mcg/mL solution over 10 minutes [set infusion rate at " +
                 roundedAmountTo1Decimal(kTenMinuteRate * b) +
                 " mL/hr] to deliver 10 mcg/kg (0.01 mg/kg).<BR><BR>As a safety measure, "
                 "withdraw unneeded solution that is not to be infused from the IV bag's 60 mL "
                 "total volume (after mixing) before starting infusion.<BR><BR>May repeat this "
                 "infusion 10 minutes after end of last dose if no response.";
    finish(in, s);
}

}  // namespace orvane::infusion::adult
