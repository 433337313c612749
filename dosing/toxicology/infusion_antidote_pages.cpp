// The dopamine and epinephrine antidote pages. Both are one shape, held as data below: a heading,
// pump rates in mL/hr for a list of doses (the rate per kg times the weight, dose-rounded), the
// fixed dosing and mixing texts, and for children (under 50 kg) the "Rule of 6's" amount to mix
// in 100 mL with its rate table.
#include <span>

#include "dosing/builders/drip_rate_line.h"
#include "dosing/builders/rule_of_six_tables.h"
#include "dosing/builders/short_amounts.h"
#include "dosing/toxicology/antidote_pages.h"
#include "foundation/rounding.h"

namespace orvane::toxicology {

namespace {

// The rule of six is offered to children only.
constexpr float kRuleOfSixBelowKg = 50.0f;

// One line of the rate list: the dose in mcg/kg/min as printed, and the pump rate it needs in
// mL/hr per kg (dose × 60 ÷ the concentration in mcg/mL).
struct DripRate {
    const char* label;
    float mlPerHourPerKg;
};

// The amount of drug mixed in 100 mL: mg per kg below a weight, and another from it on.
struct RuleOfSix {
    float smallChildBelowKg;
    float smallChildMgPerKg;
    float mgPerKg;
    const char* mixing;  // after the amount
    void (*rateTable)(SharedString& out, float weight);
};

struct InfusionPage {
    const char* heading;
    std::span<const DripRate> rates;
    const char* fixedText;  // from "Dosing:" to the mixing instructions
    RuleOfSix ruleOfSix;
};

// 1600 mcg/mL: rates stored with three decimals where the exact value has more.
constexpr DripRate kDopamineRates[] = {
    {"2.5", 0.09375f}, {"5.0", 0.188f}, {"7.5", 0.281f}, {"10", 0.375f}, {"12.5", 0.469f},
    {"15", 0.563f},    {"20", 0.75f},   {"30", 1.13f},   {"40", 1.5f},   {"50", 1.875f},
};

// 10 mcg/mL.
constexpr DripRate kEpinephrineRates[] = {
    {"0.1", 0.6f}, {"0.2", 1.2f},  {"0.3", 1.8f}, {"0.4", 2.4f},
    {"0.5", 3.0f}, {"0.75", 4.5f}, {"1", 6.0f},
};

const InfusionPage kDopamine{
    "Infusion (1600 mcg/mL):<BR>",
    kDopamineRates,
    "<BR>Dosing:<BR>2.5 - 20 mcg/kg/min, max dose 50 mcg/kg/min. Usually start at 5-10 "
    "mcg/kg/min.<BR><BR>Route: IV/IO.<BR><BR>Concentration: 1600 mcg/mL<BR><BR>Mixing "
    "Instructions: [1600 mcg/mL]<BR>Add a 400 mg of Dopamine to 250 mL of NS, LR or D5W or use "
    "premixed 1600 mcg/mL.<BR><BR>",
    {10.0f, 60.0f, 6.0f, " mg of Dopamine in 100 mL (total volume) of NS, LR or D5W.<BR>",
     appendRateTableA},
};

const InfusionPage kEpinephrine{
    "Infusion (10 mcg/mL):<BR>",
    kEpinephrineRates,
    "<BR>Dosing:<BR>Start at higher range and titrate to effect. Doses over 1 mcg/kg/min may be "
    "needed.<BR><BR>Route: IV/IO.<BR><BR>Mixing Instructions: [10 mcg/mL]<BR>Add 1 mL (1:1,000) "
    "or 10 mL (1:10,000) to 100 mL D5W or NS (Withdraw 10 mL first if 1:10,000 used).<BR><BR>",
    {20.0f, 0.6f, 0.06f, " mg of Epinephrine in 100 mL of NS or D5W (total volume).<BR>",
     appendRateTableB},
};

void appendInfusionPage(SharedString& out, const InfusionPage& page, float weight) {
    out.append(page.heading);
    for (const DripRate& rate : page.rates) {
        appendDripRateLine(out, doseRound(weight * rate.mlPerHourPerKg), rate.label);
    }
    out.append(page.fixedText);
    if (!(weight < kRuleOfSixBelowKg)) return;
    const RuleOfSix& six = page.ruleOfSix;
    const float mgPerKg = weight < six.smallChildBelowKg ? six.smallChildMgPerKg : six.mgPerKg;
    out.append("<BR>Alternatively, for Pediatric use, using Rule of 6's:<BR>Place ");
    out.append(doseRoundedAmount(doseRound(mgPerKg * weight)));
    out.append(six.mixing);
    six.rateTable(out, weight);
}

}  // namespace

void appendDopaminePage(SharedString& out, float weight) {
    appendInfusionPage(out, kDopamine, weight);
}

void appendEpinephrinePage(SharedString& out, float weight) {
    appendInfusionPage(out, kEpinephrine, weight);
}

}  // namespace orvane::toxicology
