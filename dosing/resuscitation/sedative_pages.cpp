// The pages of the benzodiazepines, narcotics, naloxone, diphenhydramine and the loading
// anticonvulsants: dose range lines with their maxima (those several pages print are in
// dose_caps.h), and fixed dosing advice.
#include "dosing/resuscitation/code_items.h"
#include "dosing/resuscitation/code_pages.h"
#include "foundation/rounding.h"

namespace orvane::code {

namespace {

constexpr RangeLine kDiazepam{0.2f, "0.2", 0.5f, "0.5", caps::kDiazepamMg, "mg", 5.0f};
constexpr RangeLine kDiphenhydramine{0.5f, "0.5", 2.0f, "2", caps::kDiphenhydramineMg, "mg", 0.0f};
constexpr RangeLine kFentanyl{1.0f, "1", 4.0f, "4", caps::kFentanylMcg, "mcg", 50.0f};
constexpr RangeLine kLorazepam{0.05f, "0.05", 0.1f, "0.1", caps::kLorazepamMg, "mg", 4.0f};
constexpr RangeLine kMidazolamSeizure{0.1f, "0.1", 0.2f, "0.2", caps::kMidazolamSeizureMg,
                                      "mg", 1.0f};
constexpr RangeLine kMidazolamRsi{0.1f, "0.1", 0.2f, "0.2", caps::kMidazolamIntubationMg,
                                  "mg", 1.0f};
constexpr RangeLine kMorphine{0.05f, "0.05", 0.2f, "0.2", caps::kMorphineMg, "mg", 10.0f};

constexpr const char* kNarcoticComment =
    "There is a wide range of sensitivity to Narcotics. Usually start at the lower range and "
    "increase as needed. May cause respiratory depression.";

// Naloxone 0.1 mg/kg at most 2 mg; above 0.4 mg the page notes the usual smaller dose.
constexpr float kNaloxoneMgPerKg = 0.1f;
constexpr float kNaloxoneMaxMg = 2.0f;
constexpr float kNaloxoneUsualMg = 0.4f;

// The loading doses of phenobarbital and phenytoin, 15-20 mg/kg, then 5 mg/kg, each capped at
// the drug's maximum.
void appendLoadingDoses(SharedString& out, float weight, float maximumMg) {
    out.append("Calc Result:<BR>15-20 mg/kg = ");
    appendCappedRange(out, weight, CappedRange{15.0f, 20.0f, maximumMg, " mg.", "mg", " mg."});
    out.append("<BR><BR>Addl 5 mg/kg doses = ");
    appendCappedDose(out, weight, CappedDose{5.0f, maximumMg, " mg.", "mg"});
    out.append("<BR><BR>");
}

}  // namespace

void appendDiazepamPage(SharedString& out, float weight, const SharedString&) {
    out.append("Calc Result:<BR>");
    out.append(byUmbilicalBand(weight, "(IV/IO):", "(IV/IO/UVC):"));
    out.append("<BR>");
    appendRangeLine(out, weight, kDiazepam);
    out.append(
        "<BR><BR>Dosing:<BR>Status epilepticus:\r\n0.2-0.5 mg/kg/dose.<BR>Rectal: 0.5 mg/kg/dose."
        "<BR><BR>Comments:<BR>Generally use Lorazepam (Ativan) for neonates. May repeat IV dose in "
        "15-30 min and rectal dose in 10 minutes if needed. Can use IV solution rectally or use "
        "Diastat rectal gel. Max/dose generally 5 mg; from 5 years of age up to 10 mg may be "
        "given.");
}

void appendDiphenhydraminePage(SharedString& out, float weight, const SharedString& trailing) {
    out.append("Calc Dose:<BR>");
    appendRangeLine(out, weight, kDiphenhydramine);
    out.append(trailing);
}

void appendFentanylPage(SharedString& out, float weight, const SharedString&) {
    out.append("Calc Result:<BR>");
    appendRangeLine(out, weight, kFentanyl);
    out.append("<BR><BR>Dosing: 1-4 mcg/kg/dose.<BR><BR>Route: IV/IO/IM.<BR><BR>");
    appendLastSection(out, "Comments:", kNarcoticComment);
}

void appendLorazepamPage(SharedString& out, float weight, const SharedString&) {
    out.append("Calc Result:<BR>");
    appendRangeLine(out, weight, kLorazepam);
    out.append("<BR><BR>Route: IV/IO/IM.<BR><BR>");
    appendSection(out, "Dosing:",
                  "0.05-0.1 mg/kg/dose (Max 4 mg/dose). May repeat IV dose in 10-15 minutes to "
                  "max cumulative dose of 0.4 mg/kg or 10 mg.");
    out.append(
        "Comments:<BR>IM Route discouraged due to slow and unreliable absorption.<BR>Use care when "
        "used in combination with other anti-seizure medications as may result in profound "
        "respiratory depression. Be prepared to intubate.");
}

void appendMidazolamPage(SharedString& out, float weight, const SharedString&) {
    out.append("Seizure<BR>");
    appendRangeLine(out, weight, kMidazolamSeizure);
    out.append("<BR><BR>RSI<BR>");
    appendRangeLine(out, weight, kMidazolamRsi);
    out.append(
        "<BR><BR>Dosing:<BR>0.1-0.2 mg/kg/dose.<BR><BR>Route: IV/IO/IM.<BR><BR>Comments:<BR>"
        "Max/dose is 4 mg for seizure and 10 mg for RSI.<BR>For seizure, dose may be repeated q5 "
        "minutes.");
}

void appendMorphinePage(SharedString& out, float weight, const SharedString&) {
    out.append("Calc Result:<BR>");
    appendRangeLine(out, weight, kMorphine);
    out.append(
        "<BR><BR>Route: IV/IO (slow) or IM.<BR><BR>Dosing:<BR>Neonates: 0.05-0.2 mg/kg/dose<BR>"
        "Infants/Child: 0.1-0.2 mg/kg/dose<BR><BR>");
    appendLastSection(out, "Comments:", kNarcoticComment);
}

void appendNaloxonePage(SharedString& out, float weight, const SharedString&) {
    const float mg = doseRound(kNaloxoneMgPerKg * weight);
    out.append("Calc Result:<BR>");
    if (mg > kNaloxoneMaxMg) {
        out.append("0.1 mg/kg = 2 mg (Max Dose).");
    } else {
        out.append("0.1 mg/kg = ");
        appendAmount(out, mg);
        out.append(" mg.");
    }
    out.append("<BR><BR>Route: ");
    out.append(byUmbilicalBand(weight, "IV/IO/SubCut/ETT.", "IV/IO/SubCut/ETT/UVC."));
    out.append("<BR><BR>Dosing:<BR>0.1 mg/kg/dose (Max 2 mg).\r\n\r\n");
    if (mg > kNaloxoneUsualMg) {
        out.append(
            "Note: Although the program has recommended a dose of more than 0.4 mg, for mild to "
            "moderate symptoms, 0.4 mg is often effective.<BR><BR>");
    }
    appendLastSection(out, "Comments:",
                      "May repeat prn Q2-3 min. Note short duration of action, watch for need to "
                      "redose.");
}

void appendPhenobarbitalPage(SharedString& out, float weight, const SharedString&) {
    appendLoadingDoses(out, weight, caps::kPhenobarbitalMg);
    out.append(byUmbilicalBand(weight, "Route: IV/IO (slow).", "Route: IV/IO/UVC (slow)."));
    out.append(
        "<BR><BR>Dosing:<BR>15-20 mg/kg loading, may give additional 5 mg/kg q15-30 min to max "
        "30 mg/kg to control seizure acutely. Watch the breathing and blood pressure during the "
        "load.<BR><BR>");
    appendSection(out, "Mixing/Infusing:",
                  "Place desired amount of drug in 50 mL (less than 100 mg) or in 100 mL (for more "
                  "than 100 mg) of NS or D5W and infuse over about 20 minutes.");
    appendLastSection(out, "Comments:",
                      "Exercise caution and be prepared for intubation as profound respiratory "
                      "depression can occur (especially when used with benzos).");
}

void appendPhenytoinPage(SharedString& out, float weight, const SharedString& trailing) {
    appendLoadingDoses(out, weight, caps::kPhenytoinMg);
    out.append(byUmbilicalBand(weight, "Route: IV/IO", "Route: IV/IO/UVC"));
    out.append(trailing);
}

}  // namespace orvane::code
