#include "dosing/antibiotics/iv_abx_text.h"

#include <cmath>

#include "dosing/antibiotics/iv_abx_lists.h"
#include "dosing/builders/short_amounts.h"
#include "foundation/number_format.h"
#include "foundation/rounding.h"

namespace orvane {

namespace {

// The loading dose of the J500 regimens: 10 mg/kg up to 40 kg, then a fixed 400 mg.
constexpr float kLoadingPerKg = 10.0f;
constexpr float kLoadingWeightLimit = 40.0f;

struct ProtocolRule {
    int32_t code;
    const char* warning;
};

constexpr ProtocolRule kProtocols[] = {
    {12,
     "WARNING: Selected Protocol is for &lt;1200 grams; the selected weight is greater than "
     "this.<BR>"},
    {13,
     "<B>WARNING:</B> Selected Protocol is for &lt;2000 grams; the selected weight is greater "
     "than this.<BR>"},
    {14,
     "<B>WARNING:</B> Selected Protocol is for >2000 grams; the selected weight is less than "
     "this.<BR>"},
    {15,
     "<B>WARNING:</B> Selected Protocol is for 1200-2000 grams; the selected weight is outside "
     "this range.<BR>"},
    {16,
     "<B>WARNING:</B> Selected Protocol is for >1200 grams; the selected weight is less than "
     "this.<BR>"},
};

constexpr float kSmallNeonate = 1.2f;
constexpr float kLargeNeonate = 2.0f;

bool protocolApplies(int32_t code, float w) {
    switch (code) {
        case 12:
            return w >= kSmallNeonate;
        case 13:
            return w >= kLargeNeonate;
        case 14:
            return w <= kLargeNeonate;
        case 15:
            return w < kSmallNeonate || w > kLargeNeonate;
        case 16:
            return w <= kSmallNeonate;
        default:
            return false;
    }
}

const char* routeLine(int32_t route) {
    switch (route) {
        case abx_route::kIvOnly:
            return "<BR>To be given IV only.";
        case abx_route::kImOnly:
            return "<BR>To be given IM only.";
        case abx_route::kIvOrIm:
            return "<BR>Can be IV or IM.";
        default:
            return "";
    }
}

void appendNotes(const IvAbxRecord& drug, std::string& text) {
    text += drug.notes[0].view();
    for (size_t i = 1; i < drug.notes.size(); ++i) {
        if (!drug.notes[i].empty()) text += "<BR>" + drug.notes[i].str();
    }
    if (!drug.isLoadingRegimen()) return;
    if (!drug.durationInfo.empty()) {
        text += "<BR><BR>Duration Information:<BR>" + drug.durationInfo.str();
    }
    if (!drug.comments.empty()) text += "<BR><BR>Comments:<BR>" + drug.comments.str();
}

}  // namespace

std::string protocolWarning(float protocolCode, float weightKg) {
    for (const ProtocolRule& rule : kProtocols) {
        if (protocolCode == static_cast<float>(rule.code) && protocolApplies(rule.code, weightKg)) {
            return rule.warning;
        }
    }
    return "";
}

std::string ivAbxText(const IvAbxRecord& drug, const IvAbxChoice& choice, float weightKg) {
    const bool penicillin = namesPenicillin(drug.name.view());
    const std::optional<DosesPerDay> count =
        drug.isLoadingRegimen() ? std::optional<DosesPerDay>(DosesPerDay{1.0f, true})
                                : ivDosesPerDay(drug.frequencyCode, choice.frequencyChoice);
    const bool canDose = drug.isDosable() && std::isfinite(weightKg) && weightKg > 0.0f &&
                         count.has_value() && std::isfinite(choice.perKgPerDay) &&
                         choice.perKgPerDay > 0.0f;
    std::string text;
    float perDose = 0.0f;
    if (canDose) {
        float total = weightKg * choice.perKgPerDay;
        const auto maximum = static_cast<float>(drug.maximum);
        if (drug.maximum > 0) total = std::fmin(total, maximum);
        perDose = count->dividesTotal ? total / count->perDay : total;
        // Rounded, the day's doses stay within the maximum (the step below when the nearest step
        // is above it); no limit without a maximum.
        const float mostPerDose =
            drug.maximum > 0 && count->dividesTotal ? maximum / count->perDay : maximum;
        perDose = roundedNotAbove(perDose, mostPerDose);
        text += "<BR>Sig: " + doseRoundedAmount(perDose) + (penicillin ? " U/dose " : " mg/dose ");
        text += choice.frequencyWord;
    }
    if (drug.protocolCode < kFirstProtocolCode) {
        const bool printed = drug.maximum > 0 && (penicillin || drug.maximum != kUnprintedMaximum);
        if (printed) {
            text += "<BR>Max dose/day = " + std::to_string(drug.maximum) +
                    (penicillin ? " U." : " mg.");
        }
        text += routeLine(drug.route);
        text += "<BR>";
    }
    if (!drug.adultDosing.empty()) text += "Adult Dosing: " + drug.adultDosing.str() + "<BR>";
    if (drug.isLoadingRegimen() && canDose) {
        text += weightKg <= kLoadingWeightLimit
                    ? "<BR>Sig: " + doseRoundedAmount(doseRound(kLoadingPerKg * weightKg)) +
                          " mg (10 mg/kg) loading dose"
                    : std::string("<BR>Sig: 400 mg (10 mg/kg) loading dose");
        text += ", then " + doseRoundedAmount(perDose) + " mg/dose q24 hrs.";
    }
    if (std::isfinite(weightKg)) {
        const std::string warning = protocolWarning(drug.protocolCode, weightKg);
        if (!warning.empty()) text = warning + text;
    }
    if (!drug.comments.empty()) {
        text = text.size() >= 2 ? text + "<BR>" + drug.comments.str()
                                : text + drug.comments.str() + "<BR>";
    }
    appendNotes(drug, text);
    return text;
}

}  // namespace orvane
