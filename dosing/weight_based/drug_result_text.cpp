#include "dosing/weight_based/drug_result_text.h"

#include "dosing/builders/dose_templates.h"
#include "dosing/builders/short_amounts.h"
#include "dosing/weight_based/dose_calculation.h"

namespace orvane {

namespace {

constexpr const char* kNoRoute = "";

// The route lines of kinds 1 to 9 by kind (index 0 unused).
constexpr const char* kOptionRoutes[] = {
    kNoRoute,
    "Route: PO<BR><BR>",
    "Route: PO<BR><BR>",
    "Route: Rectal<BR><BR>",
    "Route: IV<BR><BR>",
    "Route: IM/IV<BR><BR>",
    "Route: IM<BR><BR>",
    "Route: Subcut<BR><BR>",
    "Route: Nasal<BR><BR>",
    "Route: oral decadron<BR><BR>",
};

// The route lines of kinds 10 to 14 (kind 10 of the rectal diazepam is "PR").
constexpr const char* kDailyRoutes[] = {
    "Route: IV<BR><BR>",         "Route: PO<BR><BR>",        "Route: IV/IM<BR><BR>",
    "Route: PO Tab/Cap<BR><BR>", "Route: Nebulized<BR><BR>",
};
constexpr const char* kRectalRoute = "Route: PR<BR><BR>";

constexpr const char* kDiazepamWarning =
    "<BR><BR>WARNING: Program calculated >5 mg for Valium dose. If the child is less than 5 "
    "years of age, 5 mg should be used. Use calculated dose if child is 5 years or older.";

constexpr const char* kNbsp = "&nbsp;";

std::string amount(float x) {
    return amountTo2Decimals(x);
}

// " q" + interval (+ "h" except for the subcutaneous kind); nothing for a loading dose ("0") or
// a missing interval.
std::string intervalSuffix(const DrugRecord& drug, int32_t option) {
    const SharedString& interval = drug.options[option].interval;
    if (interval.empty() || interval.view() == "0") return "";
    if (drug.kind == dose_kind::kSubcut) return " q" + interval.str();
    return " q" + interval.str() + "h";
}

std::string capMark(bool capped) {
    return capped ? " (Max dose)." : ".";
}

// The notes after a result: the dosing notes (even when empty) and the further notes.
std::string notesAfterResult(const DrugRecord& drug) {
    std::string text = drug.notes.str();
    if (!drug.furtherNotes.empty()) text += "<BR><BR>" + drug.furtherNotes.str();
    return text;
}

}  // namespace

std::string drugNotesText(const DrugRecord& drug) {
    return drug.notes.empty() ? std::string() : notesAfterResult(drug);
}

std::string optionResultText(const DrugRecord& drug, int32_t option, float perKg, float weight) {
    std::string text = "<BR>";
    const int32_t kind = drug.kind;
    const bool known = kind >= dose_kind::kOralLiquid && kind <= dose_kind::kLastOption;
    if (known && option >= 0 && option < kDoseOptions) {
        const DoseResult result =
            optionDose(OptionDoseInput{kind, perKg, weight, drug.concentration, drug.maximum});
        text += kOptionRoutes[kind];
        text += "Calculated Result:<BR>";
        const std::string unit = drug.unit.str();
        const std::string ending = intervalSuffix(drug, option) + capMark(result.capped);
        if (!result.valid) {
            text += kTemplateErrorText;
        } else if (kind == dose_kind::kOralLiquid || kind == dose_kind::kOralLiquidFifths) {
            text += amount(result.volume) + "&nbsp;mL&nbsp;(" + amount(result.dose) + kNbsp + unit +
                    ")" + ending;
        } else {
            text += amount(result.dose) + kNbsp + unit + ending;
        }
        if (kind == dose_kind::kRectal) {
            text += "<BR><BR>Suppositories Available: " + drug.availability.str();
        }
        if (result.valid && kind == dose_kind::kIv && drug.secondName.view() == kIvDiazepamName &&
            result.dose > kDiazepamWarningAboveMg) {
            text += kDiazepamWarning;
        }
    }
    text += "<BR><BR>" + notesAfterResult(drug);
    return text;
}

std::string dailyResultText(const DrugRecord& drug, float perKgPerDay,
                            const FrequencyChoice& frequency, float weight) {
    const int32_t kind = drug.kind;
    if (!drug.isStepped()) return drugNotesText(drug);
    std::string text = "<BR>";
    if (kind == dose_kind::kPerDayIv && drug.name.view() == kRectalDiazepamName) {
        text += kRectalRoute;
    } else {
        text += kDailyRoutes[kind - dose_kind::kFirstStepped];
    }
    text += "Calculated Result<BR>";
    const DoseResult result = dailyDose(DailyDoseInput{
        kind, perKgPerDay, weight, drug.concentration, drug.maximum, frequency.dosesPerDay});
    const std::string unit = drug.unit.str();
    if (!result.valid) {
        text += std::string(kTemplateErrorText) + "<BR><BR>";
    } else {
        text += amount(result.dose) + kNbsp + unit;
        if (drug.frequencyCode().view() == kPerDoseFrequencyCode) {
            text += std::string(kNbsp) + frequency.text;
        }
        if (kind == dose_kind::kPerDayOralLiquid) {
            text += " (" + amount(result.volume) + "&nbsp;mL of " + amount(result.concentration) +
                    kNbsp + unit + "/mL soln)";
        }
        text += result.capped ? " (Max dose).<BR><BR>" : ".<BR><BR>";
    }
    if (kind == dose_kind::kPerDayTablet) {
        text += "Available as " + drug.availability.str() + "<BR><BR>";
    }
    text += "Dosing:<BR>" + notesAfterResult(drug);
    return text;
}

}  // namespace orvane
