// The infusion pages of dobutamine, dopamine and adrenaline: pump rates of the standard mixture
// for each dose per minute, mixing advice, and the same infusion mixed by the rule of six.
#include <cstddef>

#include "dosing/builders/drip_rate_line.h"
#include "dosing/builders/rule_of_six_tables.h"
#include "dosing/resuscitation/code_items.h"
#include "dosing/resuscitation/code_pages.h"

namespace orvane::code {

namespace {

// One pump rate: the dose label in mcg/kg/min and the mL/hr per kg that gives it.
struct DripRate {
    const char* label;
    float mlPerHourPerKg;
};

constexpr DripRate kDobutamine[] = {
    {"2.5", 0.15f}, {"5.0", 0.3f}, {"7.5", 0.45f}, {"10", 0.6f}, {"12.5", 0.75f},
    {"15", 0.9f},   {"20", 1.2f},  {"30", 1.8f},   {"40", 2.4f},
};

constexpr DripRate kDopamine[] = {
    {"2.5", 0.09375f}, {"5.0", 0.188f}, {"7.5", 0.281f}, {"10", 0.375f}, {"12.5", 0.469f},
    {"15", 0.563f},    {"20", 0.75f},   {"30", 1.13f},   {"40", 1.5f},   {"50", 1.875f},
};

constexpr DripRate kEpinephrine[] = {
    {"0.1", 0.6f}, {"0.2", 1.2f},  {"0.3", 1.8f}, {"0.4", 2.4f},
    {"0.5", 3.0f}, {"0.75", 4.5f}, {"1", 6.0f},
};

// Rate table A's mixtures: mg per kg in 100 mL, below and from its switch weight.
constexpr float kRuleOfSixASwitchKg = 10.0f;
constexpr float kRuleOfSixASmallMgPerKg = 60.0f;
constexpr float kRuleOfSixALargeMgPerKg = 6.0f;

template <std::size_t N>
void appendRates(SharedString& out, float weight, const DripRate (&rates)[N]) {
    for (const DripRate& rate : rates) {
        appendDripRateLine(out, rate.mlPerHourPerKg * weight, rate.label);
    }
}

void appendRuleOfSixA(SharedString& out, float weight, const char* drug) {
    const float mgPerKg =
        weight < kRuleOfSixASwitchKg ? kRuleOfSixASmallMgPerKg : kRuleOfSixALargeMgPerKg;
    out.append("Alternatively, using Rule of 6's:<BR>Place ");
    appendAmount(out, mgPerKg * weight);
    out.append(" mg of ");
    out.append(drug);
    out.append(" in 100 mL (total volume) of NS, LR or D5W.<BR>");
    appendRateTableA(out, weight);
}

}  // namespace

void appendDobutaminePage(SharedString& out, float weight, const SharedString&) {
    out.append("Drip Rate [1000 mcg/mL] IV/IO:<BR>");
    appendRates(out, weight, kDobutamine);
    out.append("<BR>Indications:<BR>Cardiogenic Shock, Hypotension.\r\n\r\n");
    appendSection(out, "Dosing:", "2.5 - 20 mcg/kg/min, max dose 40 mcg/kg/min.");
    out.append(
        "Mixing Instructions [1000 mcg/mL]<BR>Add a single 250 mg (20 mL) vial to 250 mL of NS, "
        "LR or D5W or use premixed 1000 mcg/mL.<BR><BR>");
    appendRuleOfSixA(out, weight, "Dobutamine");
    out.append(
        "Comments:<BR>Some use a 500 mcg/mL solution, if this is utilized, please multiply the "
        "drip rates for 1000 mcg/mL solution by 2 to give the same dose.");
}

void appendDopaminePage(SharedString& out, float weight, const SharedString&) {
    out.append("Drip Rate [1600 mcg/mL] IV/IO:<BR>");
    appendRates(out, weight, kDopamine);
    out.append("<BR>Indications:<BR>Hypotension.\r\n\r\n");
    appendSection(out, "Dosing:",
                  "2.5 - 20 mcg/kg/min, max dose 50 mcg/kg/min. Usually start at 5-10 "
                  "mcg/kg/min.");
    appendSection(out, "Mixing Instructions [1600 mcg/mL]",
                  "Add a 400 mg of Dopamine to 250 mL of NS, LR or D5W or use premixed 1600 "
                  "mcg/mL.");
    appendRuleOfSixA(out, weight, "Dopamine");
}

void appendEpinephrineDripPage(SharedString& out, float weight, const SharedString&) {
    out.append("Drip Rate [10 mcg/mL]:<BR>");
    appendRates(out, weight, kEpinephrine);
    out.append("<BR>Route: ");
    out.append(byUmbilicalBand(weight, "IV/IO.", "IV/IO/UAC/UVC."));
    out.append(
        "<BR><BR>Indications:<BR>Shock, Hypotension, Asystole, Bradycardia, Pulseless Cardiac "
        "Arrest, Calcium Channel or Beta Blocker OD.\r\n\r\n");
    appendSection(out, "Dosing:",
                  "Start at higher range and titrate to effect. Doses over 1 mcg/kg/min may be "
                  "needed.");
    out.append(
        "Mixing Instructions [10 mcg/mL]<BR>Add 1 mL (1:1,000) or 10 mL (1:10,000) to 100 mL D5W "
        "or NS (Withdraw 10 mL first if 1:10,000 used).<BR><BR>Alternatively, using Rule of 6's:"
        "<BR>");
    appendEpinephrineRuleOfSix(out, weight);
}

}  // namespace orvane::code
