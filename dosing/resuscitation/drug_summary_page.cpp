// The drug summary page: fluid boluses, IV/IO adrenaline and atropine (each capped at its maximum
// of dose_caps.h), the adrenaline drip by the rule of six, the first doses of the usual
// antibiotics and the equipment table for the weight. Each antibiotic line is computed below its
// weight limit and is a fixed maximum text from there up.
#include "dosing/builders/equipment_table.h"
#include "dosing/resuscitation/code_items.h"
#include "dosing/resuscitation/code_pages.h"
#include "foundation/rounding.h"

namespace orvane::code {

namespace {

constexpr float kEpinephrineMlPerKg = 0.1f;  // 0.01 mg/kg of 1:10,000
constexpr float kEpinephrineMaxMl = kMlPerMgOneIn10000 * caps::kEpinephrineIvMg;
constexpr float kMgPerMlOneIn10000 = 0.1f;

constexpr float kAtropineFixedDoseBelowKg = 5.0f;
constexpr AtropineDose kAtropine{0.02f, caps::kAtropineIvMg, " mg/dose (Max Dose)<BR>",
                                 " mg/dose<BR>"};

struct Antibiotic {
    const char* label;
    float mgPerKg;
    float computedBelowKg;
    const char* maximum;
};

constexpr Antibiotic kAntibiotics[] = {
    {"Ampicillin 50 mg/kg = ", 50.0f, 60.0f, "Ampicillin 50 mg/kg = 3 grams [Max Dose]"},
    {"Ampicillin 75 mg/kg = ", 75.0f, 40.0f, "Ampicillin 75 mg/kg = 3 grams [Max Dose]"},
    {"Ampicillin 100 mg/kg = ", 100.0f, 30.0f, "Ampicillin 100 mg/kg = 3 grams [Max Dose]"},
    {"Cefotaxime 50 mg/kg = ", 50.0f, 60.0f, "Cefotaxime 50 mg/kg = 3 grams [Max Dose]"},
    {"Cefotaxime 75 mg/kg = ", 75.0f, 40.0f, "Cefotaxime 75 mg/kg = 3 grams [Max Dose]"},
    {"Ceftriaxone 50 mg/kg = ", 50.0f, 40.0f, "Ceftriaxone 50 mg/kg = 2 grams [Max Dose]"},
    {"Ceftriaxone 100 mg/kg = ", 100.0f, 20.0f, "Ceftriaxone 100 mg/kg = 2 grams [Max Dose]"},
};

constexpr FluidBolus kBoluses[] = {
    {"10 mL/kg = ", 10.0f},
    {"15 mL/kg = ", 15.0f},
    {"20 mL/kg = ", 20.0f},
};

constexpr PerKgLine kVancomycin[] = {
    {"Vancomycin 10 mg/kg = ", 10.0f, " mg<BR>"},
    {"Vancomycin 15 mg/kg = ", 15.0f, " mg<BR>"},
};

}  // namespace

void appendDrugSummaryPage(SharedString& out, float weight, const SharedString&) {
    out.append("Fluid Bolus<BR>");
    appendFluidBoluses(out, weight, kBoluses);
    float ml = doseRound(kEpinephrineMlPerKg * weight);
    if (ml > kEpinephrineMaxMl) ml = kEpinephrineMaxMl;
    out.append("<BR>EPINEPHRINE (Route IV/IO):<BR>0.01 mg/kg/dose = ");
    appendAmount(out, ml);
    out.append(" mL (");
    appendAmount(out, kMgPerMlOneIn10000 * ml);
    out.append("mg) of 1:10,000 Epi.<BR><BR>");
    if (weight < kAtropineFixedDoseBelowKg) {
        out.append(
            "ATROPINE: 0.1 mg/dose<BR>Route:IV/IO/UVC<BR>0.4 mg/mL soln = 0.25 mL<BR>"
            "1 mg/10 mL soln = 1 mL");
    } else {
        out.append("ATROPINE (Route IV/IO):<BR>");
        appendAtropineDose(out, weight, kAtropine);
    }
    out.append("<BR><BR>EPI Drip (Rule of 6's):<BR>");
    appendEpinephrineRuleOfSix(out, weight);
    out.append("ANTIBIOTICS (IV):<BR>");
    for (const Antibiotic& drug : kAntibiotics) {
        if (weight < drug.computedBelowKg) {
            out.append(drug.label);
            appendAmount(out, drug.mgPerKg * weight);
            out.append(" mg");
        } else {
            out.append(drug.maximum);
        }
        out.append("<BR>");
    }
    appendPerKgLines(out, weight, kVancomycin);
    out.append("<BR>");
    appendEquipmentTable(out, weight);
}

}  // namespace orvane::code
