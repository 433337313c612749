// The code summary page: every drug, induction agent and energy of a children's resuscitation
// on one page for the weight, closed by the equipment table. Every dose is capped at its drug's
// maximum of dose_caps.h; the neonatal adrenaline range is shown up to 7 kg.
#include "dosing/builders/equipment_table.h"
#include "dosing/resuscitation/code_items.h"
#include "dosing/resuscitation/code_pages.h"
#include "foundation/rounding.h"

namespace orvane::code {

namespace {

constexpr float kEpinephrineMgPerKg = 0.01f;
constexpr float kNeonatalEpinephrineHighMgPerKg = 0.03f;
constexpr float kNeonatalEpinephrineUpToKg = 7.0f;
constexpr float kEpinephrineEttMgPerKg = 0.1f;  // 1:1,000 is 1 mg/mL

// Atropine 0.02 mg/kg; the fixed 0.1 mg dose below 5 kg.
constexpr float kAtropineMgPerKg = 0.02f;
constexpr float kAtropineFixedDoseBelowKg = 5.0f;
constexpr float kMlPerMgAtropine04 = 2.5f;   // 0.4 mg/mL
constexpr float kMlPerMgAtropine01 = 10.0f;  // 1 mg/10 mL

// Atropine with succinylcholine: 0.01 mg/kg between 0.1 mg and the premedication maximum, below
// 30 kg. Atropine with ketamine: 0.02 mg/kg up to the same maximum.
constexpr float kSuccinylcholineAtropineBelowKg = 30.0f;
constexpr float kSuccinylcholineAtropineMgPerKg = 0.01f;
constexpr float kAtropineMinMg = 0.1f;

constexpr RangeLine kBicarbonate{0.5f, "0.5", 1.0f, "1", caps::kBicarbonateMEq, "mEq", 0.0f};
constexpr RangeLine kSuccinylcholine{1.0f, "1", 2.0f, "2", caps::kSuccinylcholineMg, "mg", 20.0f};
constexpr RangeLine kKetamine{1.0f, "1", 4.0f, "4", caps::kKetamineMg, "mg", 0.0f};

void appendEpinephrine(SharedString& out, float weight) {
    out.append("<B>[Drugs]</B><BR><B>Epinephrine (IV/IO) Tyko:</B><BR>");
    float mg = doseRound(kEpinephrineMgPerKg * weight);
    if (mg > caps::kEpinephrineIvMg) mg = caps::kEpinephrineIvMg;
    appendAmount(out, kMlPerMgOneIn10000 * mg);
    out.append(" mL (");
    appendAmount2(out, mg);
    out.append(" mg) of 1:10,000 [0.01 mg/kg].<BR>");
    if (weight <= kNeonatalEpinephrineUpToKg) {
        // Up to 7 kg the high end is at most 0.21 mg, far below the 1 mg cap.
        const float low = doseRound(kEpinephrineMgPerKg * weight);
        const float high = doseRound(kNeonatalEpinephrineHighMgPerKg * weight);
        out.append("<BR><B>Epinephrine (IV/IO) Neonate:</B><BR>");
        appendAmount(out, kMlPerMgOneIn10000 * low);
        out.append("-");
        appendAmount(out, kMlPerMgOneIn10000 * high);
        out.append(" mL (");
        appendAmount2(out, low);
        out.append("-");
        appendAmount2(out, high);
        out.append(" mg) of 1:10,000 [0.01-0.03 mg/kg].<BR>");
    }
    float ett = doseRound(kEpinephrineEttMgPerKg * weight);
    const bool ettCapped = ett >= caps::kEpinephrineEttMg;
    if (ettCapped) ett = caps::kEpinephrineEttMg;
    out.append("<BR><B>Epinephrine (ETT):</B><BR>");
    appendAmount(out, ett);
    out.append(" mL (");
    appendAmount(out, ett);
    out.append(" mg) of 1:1000 [0.1 mg/kg].<BR>");
    if (ettCapped) out.append(caps::maxDoseNote(caps::kEpinephrineEttMg, "mg") + "<BR>");
}

void appendAtropine(SharedString& out, float weight) {
    out.append("<BR><B>Atropine");
    if (weight < kAtropineFixedDoseBelowKg) {
        out.append(
            "(IV/IO/UVC):</B><BR>0.25 mL (0.1 mg) of 0.4 mg/mL<BR>1 mL (0.1 mg) of 1 mg/10 mL<BR>"
            "ETT dose 3 x that of IV/IO dose.<BR><BR>");
        return;
    }
    float mg = doseRound(kAtropineMgPerKg * weight);
    if (mg >= caps::kAtropineIvMg) mg = caps::kAtropineIvMg;
    out.append("(IV/IO):</B><BR>");
    appendAmount(out, kMlPerMgAtropine04 * mg);
    out.append(" mL (");
    appendAmount(out, mg);
    out.append(" mg) of 0.4 mg/mL<BR>");
    appendAmount(out, kMlPerMgAtropine01 * mg);
    out.append(" mL (");
    appendAmount(out, mg);
    out.append(" mg) of 1 mg/10 mL<BR>ETT dose 3 x that of IV/IO dose.\r\n\r\n");
}

void appendInduction(SharedString& out, float weight) {
    out.append("<B>[Induction]</B><BR><B>Succinylcholine(IV/IO):</B><BR>");
    appendVolumeFirstLine(out, weight, kSuccinylcholine);
    if (weight < kSuccinylcholineAtropineBelowKg) {
        out.append("<BR><BR><B>Atropine w/ Succ Chol.:</B><BR>0.01 mg/kg = ");
        const float mg = doseRound(kSuccinylcholineAtropineMgPerKg * weight);
        if (mg < kAtropineMinMg) {
            out.append("0.1 mg, IV/IO (Min Dose).");
        } else if (mg < caps::kAtropinePremedicationMg) {
            appendAmount(out, mg);
            out.append(" mg, IV/IO.");
        } else {
            appendAmount(out, caps::kAtropinePremedicationMg);
            out.append(" mg, IV/IO (Max Dose).");
        }
    }
    out.append("<BR><BR><B>Ketamine:</B><BR>");
    appendVolumeFirstLine(out, weight, kKetamine);
    out.append("<BR><BR><B>Atropine w/Ketamine:</B><BR>0.02 mg/kg = ");
    const float ketamineAtropine = doseRound(kAtropineMgPerKg * weight);
    if (ketamineAtropine >= caps::kAtropinePremedicationMg) {
        appendAmount(out, caps::kAtropinePremedicationMg);
        out.append(" mg, IV/IO (Max Dose)<BR>");
    } else {
        appendAmount(out, ketamineAtropine);
        out.append(" mg, IV/IO<BR>");
    }
}

void appendEnergies(SharedString& out, float weight) {
    out.append("<BR><B>[Cardioversion]</B><BR>Synchronized Cardioversion\r\n0.5 J/kg = ");
    appendAmount(out, 0.5f * weight);
    out.append(" J<BR>1 J/kg = ");
    appendAmount(out, weight);
    out.append(" J<BR>2 J/kg = ");
    appendAmount(out, 2.0f * weight);
    out.append(
        " J<BR>Initial shock 0.5-1 J/kg, subsequent shocks at 2 J/kg.<BR><BR>"
        "<B>[Defibrillation]</B><BR>2 J/kg = ");
    appendAmount(out, 2.0f * weight);
    out.append(" J<BR>4 J/kg = ");
    appendFourJoulesPerKg(out, weight);
    out.append(
        "<BR><BR>Recommendations:<BR>Initial shock 2 J/kg, subsequent shocks at 4 J/kg.<BR>"
        "<BR>Comments:<BR>Deliver one shock, then 5 cycles of CPR, assess rhythm, if needed "
        "deliver second shock, epinephrine and start on amiodarone. Seek underlying cause."
        "<BR><BR><B>[Tubes]</B>");
}

}  // namespace

void appendCodeSummaryPage(SharedString& out, float weight, const SharedString&) {
    appendEpinephrine(out, weight);
    appendAtropine(out, weight);
    out.append("<B>Bicarbonate");
    out.append(byUmbilicalBand(weight, "(IV/IO):</B>", "(IV/IO/UVC):</B>"));
    out.append("<BR>");
    appendRangeLine(out, weight, kBicarbonate);
    out.append("<BR><BR>");
    appendInduction(out, weight);
    appendEnergies(out, weight);
    appendEquipmentTable(out, weight);
}

}  // namespace orvane::code
