// The hyperkalemia page: when to treat, then dextrose, insulin, calcium chloride, bicarbonate and
// Kayexalate for the weight. Kayexalate is 1 g/kg at most 30 g by mouth and 50 g rectally, so
// above 30 kg the page shows the range between the two maxima.
#include "dosing/builders/short_amounts.h"
#include "dosing/resuscitation/code_items.h"
#include "dosing/resuscitation/code_pages.h"
#include "foundation/rounding.h"

namespace orvane::code {

namespace {

constexpr const char* kWhenToTreat =
    "Treat only once the hyperkalemia is confirmed, by a repeat sample drawn without haemolysis "
    "or by ECG changes. Stop all potassium intake and place the child on a cardiac monitor."
    "<BR><BR>Usually a combination of Dextrose, Insulin, Calcium and Bicarbonate is given. "
    "Calcium protects the heart, Dextrose with Insulin and Bicarbonate move potassium into the "
    "cells, and Kayexalate removes it from the body more slowly.";

constexpr CappedDose kInsulin{0.1f, 10.0f, " Units", "Units"};
constexpr CappedRange kBicarbonate{1.0f, 2.0f, caps::kBicarbonateMEq, " mEq", "mEq", " mEq"};

// Calcium chloride 20 mg/kg of 100 mg/mL, at most 1000 mg.
constexpr float kCalciumMgPerKg = 20.0f;
constexpr float kCalciumMaxMg = caps::kCalciumChlorideMg;
constexpr float kCalciumMlPerMg = 0.01f;

// Kayexalate 1 g/kg; the largest dose by mouth and rectally.
constexpr float kKayexalateMaxPoG = 30.0f;
constexpr float kKayexalateMaxPrG = 50.0f;

// A maximum as the page states it: "30 grams".
std::string gramsText(float grams) {
    return storedNumberText(grams) + " grams";
}

constexpr const char* kKayexalateMix =
    "May mix in sorbitol or water. Avoid sorbitol in younger children as may cause substantial "
    "diarrhea.";

void appendCalciumChloride(SharedString& out, float weight) {
    const float mg = doseRound(kCalciumMgPerKg * weight);
    if (mg >= kCalciumMaxMg) {
        appendAmount(out, kCalciumMlPerMg * kCalciumMaxMg);
        out.append(" mL (");
        appendAmount(out, kCalciumMaxMg);
        out.append(" mg)<BR>" + caps::maxDoseNote(kCalciumMaxMg, "mg"));
        return;
    }
    appendAmount(out, kCalciumMlPerMg * mg);
    out.append(" mL (");
    appendAmount(out, mg);
    out.append(" mg)");
}

void appendKayexalate(SharedString& out, float weight) {
    const float grams = doseRound(weight);
    if (grams < kKayexalateMaxPoG) {
        appendAmount(out, grams);
        out.append(" grams<BR>Route: PO or PR<BR>Note: Max dose PO " +
                   gramsText(kKayexalateMaxPoG) + ", PR " + gramsText(kKayexalateMaxPrG) + ". ");
        out.append(kKayexalateMix);
        return;
    }
    if (grams > kKayexalateMaxPoG) {
        out.append(storedNumberText(kKayexalateMaxPoG) + "-");
        appendAmount(out, grams < kKayexalateMaxPrG ? grams : kKayexalateMaxPrG);
    } else {
        appendAmount(out, grams);
    }
    out.append(" grams<BR>[" + gramsText(kKayexalateMaxPoG) + " = Max dose PO]");
    if (grams >= kKayexalateMaxPrG) {
        out.append("<BR>[" + gramsText(kKayexalateMaxPrG) +
                   " = Max dose PR]<BR>Route: PO or PR<BR>Note: ");
    } else {
        out.append("<BR>Route: PO or PR<BR>Note: Max dose PR " + gramsText(kKayexalateMaxPrG) +
                   ". ");
    }
    out.append(kKayexalateMix);
}

}  // namespace

void appendHyperkalemiaPage(SharedString& out, float weight, const SharedString&) {
    out.append(kWhenToTreat);
    out.append("<BR><BR><B>Dextrose (0.5-1 gram/kg)</B><BR>Calc Result: ");
    appendDextroseBlock(out, weight);
    out.append(
        "<BR>Route: IV/IO slow push.<BR>Note: Use D10 for infants, D25 for children and D50 for "
        "Adolescents.<BR><BR><B>Regular Insulin (0.1 U/kg)</B><BR>Calc Dose: ");
    appendCappedDose(out, weight, kInsulin);
    out.append("<BR>Route: IV/IO Push<BR><BR><B>Calcium Chloride (20 mg/kg)</B><BR>Calc Dose: ");
    appendCalciumChloride(out, weight);
    out.append(
        "<BR>Route: IV/IO slow, given no faster than 1 mL/minute.<BR><BR><B>Bicarbonate (1-2 "
        "mEq/kg)</B><BR>Calc Dose: ");
    appendCappedRange(out, weight, kBicarbonate);
    out.append("<BR>Route: IV/IO slow push<BR><BR><B>Kayexalate (1 g/kg)</B><BR>Calc Dose: ");
    appendKayexalate(out, weight);
}

}  // namespace orvane::code
