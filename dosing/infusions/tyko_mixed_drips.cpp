// The TykoDrips pages whose mixes depend on the weight: "T10" (a drip mixed to 6 W or 25 W
// mcg/mL, with the common rates that mix gives), "A26" (a loading bolus mixed by weight band)
// and "P20" (one drip made in three ways).
#include <string>

#include "dosing/builders/short_amounts.h"
#include "dosing/infusions/drip_steps.h"
#include "dosing/infusions/tyko_drip_pages.h"
#include "foundation/rounding.h"

namespace orvane::infusion::tyko {

namespace {

// The two "T10" mixes: mg put in 100 mL per kg of weight (giving 6 W or 25 W mcg/mL, the K the
// module sets).
struct WeightMix {
    float mgPerKg;
};
constexpr WeightMix kWeightMixes[] = {{0.6f}, {2.5f}};

// The doses of the "T10" common-rates table, mcg/kg/min.
struct TableDose {
    const char* text;
    float dose;
};
constexpr TableDose kTableDoses[] = {{"0.1", 0.1f}, {"0.2", 0.2f}, {"0.3", 0.3f}, {"0.4", 0.4f},
                                     {"0.6", 0.6f}, {"0.8", 0.8f}, {"1", 1.0f},   {"2", 2.0f},
                                     {"3", 3.0f},   {"4", 4.0f},   {"5", 5.0f},   {"6", 6.0f}};

// "A26": the bolus syringe for up to 30 kg holds 150 mg, above it 300 mg; at most 20 mL.
constexpr float kSmallSyringeMostKg = 30.0f;
constexpr float kMostLoadingMl = 20.0f;
constexpr const char* kSmallSyringe =
    "3 mL of 50 mg/mL (150 mg) Amiodarone solution into syringe. Fill to 10 mL total volume with "
    "D5W or NS (this will be a 15 mg/mL solution).";
constexpr const char* kLargeSyringe =
    "6 mL of 50 mg/mL (300 mg) Amiodarone solution into syringe. Fill to 20 mL total volume with "
    "D5W or NS (this will be a 15 mg/mL solution).";

// "P20": mix #1's fixed rates follow the weight; mixes #2 and #3 are fixed tables.
struct MixRate {
    const char* dose;
    float mlPerHourPerKg;
};
constexpr MixRate kFirstMixRates[] = {{"0.05", 0.5f}, {"0.1", 1.0f}, {"0.15", 1.5f}, {"0.2", 2.0f}};

std::string mixStep(const char* heading, float mg) {
    return std::string(heading) + "<BR>" + amountTo3Decimals(mg) +
           " mg in 100 mL of D5W, D10W or NS. Remove " + roundedAmountTo3Decimals(2.0f * mg) +
           " mL from 100 mL bag and replace this amount with 500 mcg/mL (0.5 mg/mL) PGE1.";
}

}  // namespace

void weightScaledMixPage(const DripInputs& in, DripSections& s) {
    const float w = in.weight;
    const float k = in.concentration;
    const WeightMix& mix = kWeightMixes[in.concentrationChoice == 1 ? 0 : 1];
    const float a = doseRound(mix.mgPerKg * w);
    s[kSelections] =
        "Bolus Conc = 1 mg (1000 mcg)/mL<BR>Drip Conc = " + roundedAmountTo3Decimals(k) +
        " mcg/mL<BR>[" + in.concentrationText + "]<BR>Selected Rate = " + in.rateText;
    s[kMix] =
        "How to Mix Bolus Solution:<BR>Withdraw the recommended amount from 1 mL (1 mg (1000 "
        "mcg)/mL) vial.<BR><BR>How to Mix Drip Solution:<BR>Withdraw " +
        amountTo3Decimals(a) + " mL out of 100 mL D5W bag. Inject " + amountTo3Decimals(a) +
        " mL of 1 mg/mL solution (" + amountTo3Decimals(a) + " mg).";
    const float v = doseRound(in.rate * w * kPerMinute / k);
    std::string& infuse = s[kInfuse];
    infuse = "Bolus prior to initiating drip:<BR>2 mcg/kg = " + roundedAmountTo3Decimals(2.0f * w) +
             " mcg.<BR>5 mcg/kg = " + roundedAmountTo3Decimals(5.0f * w) +
             " mcg.<BR>10 mcg/kg = " + roundedAmountTo3Decimals(10.0f * w) +
             " mcg.<BR><BR>Most recommend 10 mcg/kg bolus. Bolus to be over 5-10 minutes then "
             "start drip.<BR><BR>" +
             tykoDripLine(v, amountTo3Decimals(wholeAmount(k * v)) + " " + in.record.amountUnit,
                          "/hr) of ", in);
    setInfoAndCompatibility(in.record, s);
    // The rates this mix gives (dose × 60 ÷ (mcg/mL per kg) mL/hr, whatever the weight), worked
    // and rounded as the drip line is, so that the row of the drip's own dose reads as it does.
    infuse += "Common Rates:<BR>";
    bool first = true;
    for (const TableDose& row : kTableDoses) {
        if (!first) infuse += "<BR>";
        first = false;
        infuse += std::string(row.text) + " mcg/kg/min = " +
                  orvane::amountTo2Decimals(doseRound(row.dose * w * kPerMinute / k)) + " mL/hr";
    }
}

void loadingBolusPage(const DripInputs& in, DripSections& s) {
    const float w = in.weight;
    float a = doseRound(0.33f * w);
    if (a > kMostLoadingMl) a = kMostLoadingMl;
    const float b = doseRound(0.16666667f * w);
    s[kSelections] = "Bolus Conc = 15 mg/mL<BR>Drip Conc = 1.8 mg/mL";
    s[kMix] = std::string("How to Mix Bolus Solution:<BR>") +
              (w <= kSmallSyringeMostKg ? kSmallSyringe : kLargeSyringe) +
              "<BR><BR>How to Mix Drip Solution:<BR>" + in.record.dripMixing[0];
    s[kInfuse] =
        "Infusion Directions:<BR>" + in.record.information2 + "<BR><BR>Bolus:<BR>" +
        amountTo3Decimals(a) + " mL (" + roundedAmountTo3Decimals(15.0f * a) +
        " mg) either IVP (non-perfusing rhythm) or over 20-60 min (perfusing rhythm) of "
        "15 mg/mL solution to deliver 5 mg/kg." +
        "<BR><BR>Bolus Drip Rate:<BR>Over 20 minutes: " + roundedAmountTo3Decimals(3.0f * a) +
        " mL/hr.<BR>Over 30 minutes: " + roundedAmountTo3Decimals(2.0f * a) +
        " mL/hr.<BR>Over 40 minutes: " + roundedAmountTo3Decimals(1.5f * a) +
        " mL/hr.<BR>Over 60 minutes: " + amountTo3Decimals(a) + " mL/hr.<BR><BR>" +
        "Infusion to follow Bolus<BR>(1.8 mg/mL solution):<BR>5 mcg/kg/min = " +
        amountTo3Decimals(b) + " mL/hr.<BR>7.5 mcg/kg/min = " + roundedAmountTo3Decimals(1.5f * b) +
        " mL/hr.<BR>10 mcg/kg/min = " + roundedAmountTo3Decimals(2.0f * b) + " mL/hr.";
    setInfoAndCompatibility(in.record, s);
}

void threeMixesPage(const DripInputs& in, DripSections& s) {
    const float w = in.weight;
    s[kSelections] =
        "Drip Can be made in 1 of 3 ways.<BR>Mix #1 = 6 mcg/mL.<BR>Mix #2 = 0.3 mg/kg in 100 "
        "mL.<BR>Mix #3 = 0.6 mg/kg in 100 mL.";
    s[kMix] = "How to Mix Drip Solution:<BR><BR>Mix #1:<BR>" + in.record.dripMixing[0] +
              "<BR><BR>" + mixStep("Mix #2 (0.3 mg/kg in 100 mL)", doseRound(0.3f * w)) +
              "<BR><BR>" + mixStep("Mix #3 (0.6 mg/kg in 100 mL)", doseRound(0.6f * w));
    std::string& infuse = s[kInfuse];
    infuse = in.record.dripMixing[3] +
             "<BR><BR>Infusion Directions:<BR><BR>Using Mix #1 (6 mcg/mL):<BR>";
    for (const MixRate& rate : kFirstMixRates) {
        infuse += std::string(rate.dose) +
                  " mcg/kg/min = " + roundedAmountTo3Decimals(rate.mlPerHourPerKg * w) +
                  " mL/hr<BR>";
    }
    infuse +=
        "<BR>Using Mix #2 (0.3 mg/kg in 100 mL)<BR>0.05 mcg/kg/min = 1 mL/hr<BR>0.1 mcg/kg/min = "
        "2 mL/hr<BR>0.15 mcg/kg/min = 3 mL/hr<BR>0.2 mcg/kg/min = 4 mL/hr<BR><BR>Using Mix #3 "
        "(0.6 mg/kg in 100 mL)<BR>0.05 mcg/kg/min = 0.5 mL/hr<BR>0.1 mcg/kg/min = 1 mL/hr<BR>0.15 "
        "mcg/kg/min = 1.5 mL/hr<BR>0.2 mcg/kg/min = 2 mL/hr";
    setInfoAndCompatibility(in.record, s);
}

}  // namespace orvane::infusion::tyko
