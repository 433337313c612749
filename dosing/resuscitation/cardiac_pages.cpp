// The drug pages of amiodarone, atropine, bicarbonate, calcium and adrenaline. Volumes are capped
// where the dose has a maximum; adrenaline, atropine and bicarbonate are capped at the maxima of
// dose_caps.h, as on every page that prints them.
#include "dosing/resuscitation/code_items.h"
#include "dosing/resuscitation/code_pages.h"
#include "foundation/rounding.h"

namespace orvane::code {

namespace {

// Amiodarone 15 mg/mL: 0.33 mL/kg (about 5 mg/kg), at most 20 mL and 300 mg.
constexpr CappedVolume kAmiodarone{"5 mg/kg = ", 0.33f, 20.0f, 15.0f, 300.0f};
// The 300 mg bolus syringe from this weight up; the 150 mg syringe up to it.
constexpr float kAmiodaroneSmallSyringeUpToKg = 30.0f;

// Calcium chloride and gluconate, both 100 mg/mL.
constexpr CappedVolume kCalciumChloride{"20 mg/kg = ", 0.2f, 10.0f, 100.0f,
                                        caps::kCalciumChlorideMg};
constexpr CappedVolume kCalciumGluconate{"100 mg/kg = ", 1.0f, 50.0f, 100.0f, 5000.0f};

constexpr float kAtropineFixedDoseBelowKg = 5.0f;
constexpr AtropineDose kAtropineIv{0.02f, caps::kAtropineIvMg, " mg/dose (Max Dose)\r\n",
                                   " mg/dose\r\n"};
constexpr AtropineDose kAtropineEtt{0.06f, caps::kAtropineEttMg, " mg/dose (Max Dose)<BR>",
                                    " mg/dose<BR>"};

constexpr RangeLine kBicarbonate{0.5f, "0.5", 1.0f, "1", caps::kBicarbonateMEq, "mEq", 0.0f};
constexpr CappedDose kBicarbonateHyperkalemia{2.0f, caps::kBicarbonateMEq, " mEq.", "mEq"};

// Adrenaline 0.1 mL/kg of 1:10,000 IV/IO (0.01 mg/kg), 0.1 mL/kg of 1:1,000 ETT (0.1 mg/kg).
constexpr float kEpinephrineMlPerKg = 0.1f;
constexpr float kMgPerMlOneIn10000 = 0.1f;

}  // namespace

void appendAmiodaronePage(SharedString& out, float weight, const SharedString&) {
    out.append("Calc Result (IV/IO): <BR>");
    appendCappedVolume(out, weight, kAmiodarone);
    out.append(
        "<BR><BR>Dosing:<BR>Pulseless VF/VT: 5 mg/kg IVP with NS flush, consider repeating with "
        "2.5 mg/kg IVP if needed in 3-5 minutes, if successful start Amio infusion.<BR>SVT or VT "
        "with Pulse: 5 mg/kg IV slow over 20-60 min.<BR><BR>How to Prepare Bolus:<BR>");
    out.append(weight <= kAmiodaroneSmallSyringeUpToKg
                   ? "3 mL of 50 mg/mL (150 mg) Amiodarone solution into syringe. Fill to 10 mL "
                     "total volume with D5W or NS (this will be a 15 mg/mL solution)."
                   : "6 mL of 50 mg/mL (300 mg) Amiodarone solution into syringe. Fill to 20 mL "
                     "total volume with D5W or NS (this will be a 15 mg/mL solution).");
    out.append(
        "<BR><BR>How to Prepare if giving infusion:<BR>Mix: Add calculated amount of Amiodarone "
        "to D5W.<BR>Amiodarone       Vol of D5W<BR><=50 mg                25 mL<BR>"
        "51-100 mg              50 mL<BR>101-200 mg            100 mL<BR>"
        "201-300 mg            150 mL<BR>Infuse over 20-60 minutes.<BR>");
}

void appendAtropinePage(SharedString& out, float weight, const SharedString&) {
    const bool fixedDose = weight < kAtropineFixedDoseBelowKg;
    if (fixedDose) {
        out.append(
            "Calc Result = 0.1 mg/dose<BR>Route:IV/IO/UVC<BR>0.4 mg/mL soln = 0.25 mL<BR>"
            "1 mg/10 mL soln = 1 mL");
    } else {
        out.append("Calc Result (Route IV/IO):<BR>");
        appendAtropineDose(out, weight, kAtropineIv);
    }
    out.append("<BR><BR>Calc Result (Route ETT):<BR>");
    if (fixedDose) {
        out.append("0.3 mg/dose.<BR>0.4 mg/mL = 0.75 mL<BR>1 mg/10 mL = 3 mL");
    } else {
        appendAtropineDose(out, weight, kAtropineEtt);
    }
    out.append("<BR><BR>Indication: Bradycardia,Asystole.<BR><BR>Dosing<BR>");
    out.append(byUmbilicalBand(weight, "IV/IO: 0.02 mg/kg/dose", "IV/IO/UVC: 0.02 mg/kg/dose"));
    out.append(
        "<BR>ETT: Triple of IV/IO dose<BR>Dosed q3-5 min (Max 3 doses)<BR>Minimum dose: 0.1 mg."
        "<BR><BR>");
    appendSection(out, "Concentration:", "0.4 mg/mL or 1 mg/10 mL");
    appendLastSection(out, "Comments:",
                      "Consider Pacing for Bradycardia not responsive to Drug Therapy. For mildly "
                      "to moderately ill patients who have calculated doses over 0.3 mg, consider "
                      "trial of 0.3 mg rather than higher dose.");
}

void appendBicarbonatePage(SharedString& out, float weight, const SharedString&) {
    out.append(byUmbilicalBand(weight, "Calc Result (IV/IO):", "Calc Result (IV/IO/UVC):"));
    out.append("<BR>");
    appendRangeLine(out, weight, kBicarbonate);
    out.append("<BR>2 mEq/kg = ");
    appendCappedDose(out, weight, kBicarbonateHyperkalemia);
    out.append("<BR><BR>");
    appendSection(out, "Dosing:", "Acidosis/ TCA OD: 0.5-1 mEq/kg");
    out.append("Hyperkalemia: 2 mEq/kg.<BR><BR>");
}

void appendCalciumPage(SharedString& out, float weight, const SharedString& trailing) {
    out.append("Calc Result CaCl:<BR>");
    appendCappedVolume(out, weight, kCalciumChloride);
    out.append("<BR>Give no faster than 1 mL/min.<BR><BR>Calc Result Ca Gluconate:<BR>");
    appendCappedVolume(out, weight, kCalciumGluconate);
    out.append("<BR>Give no faster than 1 mL/min.<BR><BR>Route: ");
    out.append(byUmbilicalBand(weight, "IV/IO.", "IV/IO/UVC."));
    out.append(trailing);
}

void appendEpinephrinePage(SharedString& out, float weight, const SharedString&) {
    const float ml = doseRound(kEpinephrineMlPerKg * weight);
    constexpr float kIvMaxMl = kMlPerMgOneIn10000 * caps::kEpinephrineIvMg;
    const float ivMl = ml > kIvMaxMl ? kIvMaxMl : ml;
    const bool ettCapped = ml >= caps::kEpinephrineEttMg;  // 1:1,000 is 1 mg/mL
    const float ettMg = ettCapped ? caps::kEpinephrineEttMg : ml;
    out.append("IV/IO Dosing:<BR>Calc Result (0.01 mg/kg): ");
    appendAmount(out, ivMl);
    out.append(" mL (");
    appendAmount(out, kMgPerMlOneIn10000 * ivMl);
    out.append("mg) of 1:10,000 Epi.<BR><BR>ETT Dosing:<BR>Calc Result (0.1 mg/kg): ");
    appendAmount(out, ettMg);
    out.append(" mL (");
    appendAmount(out, ettMg);
    out.append("mg) of 1:1,000 Epi.<BR>");
    if (ettCapped) out.append(caps::maxDoseNote(caps::kEpinephrineEttMg, "mg") + "<BR>");
    out.append("<BR>");
    appendSection(out, "Indications:", "Asystole, Bradycardia, Pulseless Cardiac Arrest.");
    out.append("Dosing:<BR>");
    out.append(byUmbilicalBand(weight, "IV/IO", "IV/IO/UAC/UVC"));
    out.append(
        ": 0.01 mg/kg q3-5 minutes (use 1:10,000 conc).<BR>ETT: 0.1 mg/kg (use 1:1,000 conc)."
        "<BR><BR>");
}

}  // namespace orvane::code
