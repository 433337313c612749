// The TykoDrips page for drugs dosed per kg per minute, with the bolus lines of "L10" and "P10",
// the per-minute amount of "N10" and the Rule of 6's mixes of "D10", "D15" and "E05".
#include <string_view>

#include "dosing/builders/rule_of_six_tables.h"
#include "dosing/infusions/drip_steps.h"
#include "dosing/infusions/tyko_drip_pages.h"
#include "foundation/rounding.h"
#include "foundation/shared_string.h"

namespace orvane::infusion::tyko {

namespace {

// A Rule of 6's mix: m × W mg in 100 mL, m = small-child factor below the threshold weight.
struct RuleOfSix {
    std::string_view code;
    float belowThreshold;
    float fromThreshold;
    float thresholdKg;
    const char* mixText;
    void (*table)(SharedString&, float);
};

constexpr RuleOfSix kRuleOfSix[] = {
    {"D10", 60.0f, 6.0f, 10.0f, " mg of Dobutamine in 100 mL (total volume) of NS, LR or D5W.<BR>",
     appendRateTableA},
    {"D15", 60.0f, 6.0f, 10.0f, " mg of Dopamine in 100 mL (total volume) of NS, LR or D5W.<BR>",
     appendRateTableA},
    {"E05", 0.6f, 0.06f, 20.0f, " mg of Epinephrine in 100 mL of NS or D5W (total volume).<BR>",
     appendRateTableB},
};

std::string ruleOfSix(const RuleOfSix& mix, float w) {
    const float m = w < mix.thresholdKg ? mix.belowThreshold : mix.fromThreshold;
    SharedString table;
    mix.table(table, w);
    return "<BR>Alternatively, using Rule of 6's:<BR>Place " + roundedAmountTo3Decimals(m * w) +
           mix.mixText + table.str();
}

}  // namespace

void perKgPerMinutePage(const DripInputs& in, DripSections& s) {
    const std::string& code = in.record.code;
    const float w = in.weight;
    const float k = in.concentration;
    s[kSelections] = "Selections:<BR>Drip Conc = " + in.concentrationText +
                     "<BR>Selected Rate = " + in.rateText + "<BR><BR>";
    s[kMix] = dripMixing(in);
    std::string& infuse = s[kInfuse];
    if (code == "L10") {
        infuse =
            "Bolus prior to initiating drip:<BR>0.5 mg/kg = " + roundedAmountTo3Decimals(0.5f * w) +
            " mg IVP.<BR>1 mg/kg = " + roundedAmountTo3Decimals(w) +
            " mg IVP.<BR>1.5 mg/kg = " + roundedAmountTo3Decimals(1.5f * w) + " mg IVP.<BR><BR>";
    } else if (code == "P10") {
        infuse = "May bolus with 5-20 mcg/kg/dose q10-15 min prn = " +
                 roundedAmountTo3Decimals(5.0f * w) + "-" + roundedAmountTo3Decimals(20.0f * w) +
                 " mcg IVP." + "<BR><BR>";
    }
    const float v = doseRound(in.rate * w * kPerMinute / k);
    if (code == "N10") {
        infuse +=
            tykoDripLine(v, roundedAmountTo3Decimals(k * v * kOneSixtieth), " mcg/min) of ", in);
    } else {
        infuse += tykoDripLine(
            v, amountTo3Decimals(wholeAmount(k * v)) + " " + in.record.amountUnit, "/hr) of ", in);
    }
    finishWithCommonRates(in, w, kPerMinute, s);
    for (const RuleOfSix& mix : kRuleOfSix) {
        if (mix.code == code) infuse += ruleOfSix(mix, w);
    }
}

}  // namespace orvane::infusion::tyko
