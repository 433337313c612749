// The two ketamine pages: IM at 2, 3 and 4 mg/kg with its own atropine advice (the 0.4 mg/mL
// solution, which may share the ketamine syringe), and IV at 1, 1.5 and 2 mg/kg with the shared
// atropine block. Children only get the atropine texts.
#include <string>

#include "dosing/airway/sedation_fixed_pages.h"
#include "dosing/builders/atropine_block.h"
#include "dosing/builders/dose_caps.h"
#include "dosing/builders/short_amounts.h"
#include "foundation/rounding.h"

namespace orvane::airway {

namespace {

struct DoseRow {
    float mgPerKg;
    const char* label;
    const char* end;
};

constexpr DoseRow kImRows[] = {
    {2.0f, "2 mg/kg = <B>", "<BR>"},
    {3.0f, "3 mg/kg = <B>", "<BR>"},
    {4.0f, "4 mg/kg = <B>", "<BR><BR>"},
};
constexpr DoseRow kIvRows[] = {
    {1.0f, "1 mg/kg = <B>", "<BR>"},
    {1.5f, "1.5 mg/kg = <B>", "<BR>"},
    {2.0f, "2 mg/kg = <B>", "<BR><BR>"},
};

// The IM atropine: 0.02 mg/kg between 0.1 mg and the premedication maximum, as mL of the
// 0.4 mg/mL solution.
constexpr float kAtropineMgPerKg = 0.02f;
constexpr double kAtropineMinMg = 0.1;
constexpr double kAtropineMaxMg = caps::kAtropinePremedicationMg;
constexpr float kAtropineMlPerMg = 2.5f;

constexpr const char* kImAfter =
    "Route: IM<BR><BR>Reversal Agent:<BR>None<BR><BR>Practice tip:<BR>Most practitioners use 4 "
    "mg/kg in pediatric patients when administering ketamine IM. Induces 10-20 minutes "
    "dissociative state.<BR>";
constexpr const char* kIvAfter =
    "Route: IV<BR><BR>Reversal Agent:<BR>None<BR><BR>Practice tip:<BR>Many practitioners will "
    "add additional 1 mg/kg doses as needed. Induces 10-20 minutes dissociative state.<BR>";

template <std::size_t N>
std::string doseRows(const DoseRow (&rows)[N], float weight) {
    std::string text = "<B>Calculated Dose:</B><BR>";
    for (const DoseRow& row : rows) {
        text +=
            row.label + amountTo2Decimals(doseRound(row.mgPerKg * weight)) + "</B> mg" + row.end;
    }
    return text;
}

std::string imAtropine(float weight) {
    std::string text =
        "Atropine to blunt bradycardia/secretions recommended:<BR>"
        "0.02 mg/kg = ";
    const float dose = doseRound(kAtropineMgPerKg * weight);
    if (static_cast<double>(dose) < kAtropineMinMg) {
        text +=
            "0.1 mg, IV/IO (Min Dose) (may be placed in same syringe with ketamine).<BR>"
            "[0.25 mL of 0.4 mg/mL soln of atropine;";
    } else if (static_cast<double>(dose) < kAtropineMaxMg) {
        text += amountTo2Decimals(doseRound(dose)) +
                " mg, IV/IO. (may be placed in same syringe with ketamine)<BR>[" +
                amountTo2Decimals(doseRound(kAtropineMlPerMg * dose)) +
                " mL of 0.4 mg/mL soln of atropine;";
    } else {
        constexpr float kMost = caps::kAtropinePremedicationMg;
        text += amountTo2Decimals(kMost) +
                " mg, IV/IO (Max dose) (may be placed in same syringe with ketamine).<BR>[" +
                amountTo2Decimals(doseRound(kAtropineMlPerMg * kMost)) +
                " mL of 0.4 mg/mL soln of atropine;";
    }
    return text +
           " use this concentration of atropine for IM instead of the 1mg/10mL soln].<BR><BR>";
}

}  // namespace

void appendKetamineImPage(SharedString& out, float weight) {
    std::string page = doseRows(kImRows, weight) + "<B>Dosing:</B><BR>2-4 mg/kg<BR><BR>";
    if (weight < kAtropineBlockBelowKg) page += imAtropine(weight);
    page += kImAfter;
    out.append(page);
}

void appendKetamineIvPage(SharedString& out, float weight) {
    out.append(doseRows(kIvRows, weight) + "<B>Dosing:</B><BR>1-2 mg/kg<BR><BR>");
    if (weight < kAtropineBlockBelowKg) {
        appendAtropineBlock(out, weight);
        out.append("<BR><BR>");
    }
    out.append(kIvAfter);
}

}  // namespace orvane::airway
