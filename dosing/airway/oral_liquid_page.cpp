// The oral liquid page: 2 mg/mL at 0.25, 0.5, 0.75 and 1 mg/kg, each dose capped at 20 mg and
// marked when it reaches the cap.
#include <string>

#include "dosing/airway/sedation_fixed_pages.h"
#include "dosing/builders/short_amounts.h"
#include "foundation/rounding.h"

namespace orvane::airway {

namespace {

struct DoseRow {
    float mgPerKg;
    const char* label;
};

constexpr DoseRow kRows[] = {
    {0.25f, "0.25 mg/kg = "},
    {0.5f, "0.5 mg/kg = "},
    {0.75f, "0.75 mg/kg = "},
    {1.0f, "1 mg/kg = "},
};
constexpr float kMaxDoseMg = 20.0f;
constexpr float kMlPerMg = 0.5f;  // 2 mg/mL

}  // namespace

void appendOralLiquidPage(SharedString& out, float weight) {
    std::string page = "Oral Liquid Conc: 2 mg/mL.<BR><BR>Calculated Dose:<BR>";
    bool first = true;
    for (const DoseRow& row : kRows) {
        float dose = doseRound(row.mgPerKg * weight);
        if (dose > kMaxDoseMg) dose = kMaxDoseMg;
        if (!first) page += "<BR>";
        first = false;
        page += row.label + doseRoundedAmount(dose) + " mg (" + doseRoundedAmount(kMlPerMg * dose) +
                " mL)";
        if (dose >= kMaxDoseMg) page += " [Max Dose]";
    }
    page +=
        "<BR><BR>Dosing:<BR>Typically give 0.5-0.75 mg/kg and anticipate onset in 20-30 minutes "
        "with duration of 20-30 minutes thereafter. Maximum dose is 20 mg.<BR><BR>Route: "
        "PO<BR><BR>Reversal Agent:<BR>Flumazenil (Romazicon)<BR>";
    out.append(page);
}

}  // namespace orvane::airway
