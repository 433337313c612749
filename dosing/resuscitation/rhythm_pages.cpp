// The pages for cardioversion and defibrillation energies and for lidocaine, procainamide and
// vasopressin. Energies are per kg; the 4 J/kg shock is capped at 360 J and vasopressin at 40 U.
#include "dosing/resuscitation/code_items.h"
#include "dosing/resuscitation/code_pages.h"
#include "foundation/rounding.h"

namespace orvane::code {

namespace {

constexpr PerKgLine kCardioversion[] = {
    {"Calc Result:<BR>0.5 J/kg = ", 0.5f, " J<BR>"},
    {"1.0 J/kg = ", 1.0f, " J<BR>"},
    {"2.0 J/kg = ", 2.0f, " J<BR><BR>"},
};

constexpr PerKgLine kDefibrillationFirst[] = {{"Calc Result:<BR>2 J/kg = ", 2.0f, " J<BR>"}};

constexpr RangeLine kLidocaineIv{1.0f, "1.0", 1.5f, "1.5", caps::kLidocaineIvMg, "mg", 20.0f};
constexpr RangeLine kLidocaineEtt{2.0f, "2", 2.5f, "2.5", 260.0f, "mg", 20.0f};
// Pump rates of 8 mg/mL: mL/hr per kg for each dose.
constexpr PerKgLine kLidocaineRates[] = {
    {"20 mcg/kg/min = ", 0.15f, " mL/hr.<BR>"},
    {"30 mcg/kg/min = ", 0.225f, " mL/hr.<BR>"},
    {"40 mcg/kg/min = ", 0.3f, " mL/hr.<BR>"},
    {"50 mcg/kg/min = ", 0.375f, " mL/hr.<BR><BR>"},
};

constexpr PerKgLine kProcainamide[] = {{"Calc Result (IV/IO):<BR>15 mg/kg = ", 15.0f, " mg"}};

constexpr float kVasopressinUPerKg = 0.8f;
constexpr float kVasopressinMaxU = 40.0f;

}  // namespace

void appendCardioversionPage(SharedString& out, float weight, const SharedString& trailing) {
    appendPerKgLines(out, weight, kCardioversion);
    out.append(trailing);
}

void appendDefibrillationPage(SharedString& out, float weight, const SharedString&) {
    appendPerKgLines(out, weight, kDefibrillationFirst);
    out.append("4 J/kg = ");
    appendFourJoulesPerKg(out, weight);
    out.append("<BR><BR>");
    appendSection(out, "Indications:", "VF or Pulseless VT.");
    appendSection(out, "Recommendations:",
                  "2 J/kg initial, second shock 2-4 J/kg, subsequent shocks at 4 J/kg.");
    appendLastSection(out, "Comments:",
                      "If not immediately responsive to shocks, Intubate, Amiodarone or "
                      "Lidocaine, Epi, CPR, rapid countershocks, seek and correct underlying "
                      "condition when possible.");
}

void appendLidocainePage(SharedString& out, float weight, const SharedString&) {
    out.append("Calc Result:<BR>IV/IO: ");
    appendRangeLine(out, weight, kLidocaineIv);
    out.append("<BR><BR>ETT: ");
    appendRangeLine(out, weight, kLidocaineEtt);
    out.append("<BR><BR>Drip Rate [8 mg/mL] IV/IO:<BR>");
    appendPerKgLines(out, weight, kLidocaineRates);
    appendSection(out, "Indications:",
                  "Alternative Therapy to Amiodarone for Wide Complex Tachycardia, VF or "
                  "Pulseless VT.");
    appendSection(out, "Dosing:",
                  "1-1.5 mg/kg bolus, may repeat q10-15 min to maximum cumulative dose of 3 "
                  "mg/kg; if successful, initiate drip at 20-50 mcg/kg/min. ETT dose 2-2.5 "
                  "mg/kg.");
    out.append(
        "Mixing Instructions: [8 mg/mL]<BR>Mix 2 grams of Lidocaine in 250 mL D5W or NS.<BR><BR>");
}

void appendProcainamidePage(SharedString& out, float weight, const SharedString&) {
    appendPerKgLines(out, weight, kProcainamide);
    out.append(
        "<BR><BR>Dosing:<BR>15 mg/kg over 30-60 minutes for SVT or VT with pulse.<BR><BR>How to "
        "prepare:<BR>Place calculated amount of drug in D5W and infuse over 30-60 minutes.<BR>"
        "&lt;400 mg in 50 mL<BR>400-800 mg in 100 mL<BR>800-2000 mg in 250 mL");
}

void appendVasopressinPage(SharedString& out, float weight, const SharedString&) {
    out.append("Calc Result:\r\n0.8 U/kg = ");
    const float units = doseRound(kVasopressinUPerKg * weight);
    if (units >= kVasopressinMaxU) {
        appendAmount(out, kVasopressinMaxU);
        out.append(" U (Max Dose).");
    } else {
        appendAmount(out, units);
        out.append(" U.");
    }
    out.append("<BR><BR>Route: IV/IO (rapid push).<BR><BR>");
    appendSection(out, "Indications:",
                  "Not approved in children, but has been used as an alternative to epinephrine "
                  "in the treatment of shock refractory VF.");
    appendSection(out, "Dosing:", "0.8 U/kg (Max 40 U) x 1.");
    appendLastSection(out, "Comments:",
                      "Not approved nor tested for pediatric use. Based on animal models may have "
                      "advantage over epinephrine.");
}

}  // namespace orvane::code
