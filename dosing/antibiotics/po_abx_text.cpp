#include "dosing/antibiotics/po_abx_text.h"

#include <cmath>
#include <optional>

#include "dosing/antibiotics/po_abx_lists.h"
#include "dosing/builders/short_amounts.h"
#include "dosing/weight_based/oral_volume.h"
#include "foundation/rounding.h"

namespace orvane {

namespace {

constexpr float kMlPerMeasure = 5.0f;         // concentrations are per 5 mL
constexpr float kMeasuresPerMl = 0.2f;        // 1 ÷ 5
constexpr float kAzithroDailyCap = 500.0f;    // mg per dose of the daily regimens
constexpr float kAzithroSingleCap = 1500.0f;  // mg of the single 30 mg/kg dose
constexpr float kAzithroMaintenanceCap = 250.0f;
constexpr float kFluconazoleSingleCap = 150.0f;
constexpr int32_t kNystatinCheekMlPerDay = 8;   // 1 mL to each cheek QID
constexpr int32_t kNystatinSwishMlPerDay = 20;  // 5 mL QID

// The regimen of a dose choice: loading dose per kg (0 = none), daily dose per kg, doses a day,
// days (0 = the chosen days).
struct Regimen {
    float loadingPerKg = 0.0f;
    float perKgPerDay = 0.0f;
    int32_t perDay = 0;
    int32_t days = 0;
    float capPerDose = 0.0f;  // an azithromycin cap; 0 = none
};

std::optional<Regimen> regimenFor(const PoAbxRecord& drug, const PoAbxChoice& c) {
    switch (drug.special()) {
        case SpecialOral::kAzithromycin:
            switch (c.dose) {
                case 1:
                    return Regimen{10, 5, 1, 5, kAzithroMaintenanceCap};
                case 2:
                    return Regimen{0, 12, 1, 5, kAzithroDailyCap};
                case 3:
                    return Regimen{0, 10, 1, 3, kAzithroDailyCap};
                case 4:
                    return Regimen{0, 30, 1, 1, kAzithroSingleCap};
                default:
                    return std::nullopt;
            }
        case SpecialOral::kFluconazole:
            switch (c.dose) {
                case 1:
                    return Regimen{0, 6, 1, 1, 0};
                case 2:
                    return Regimen{6, 3, 1, c.days, 0};
                case 3:
                    return Regimen{10, 6, 1, c.days, 0};
                default:
                    return std::nullopt;
            }
        case SpecialOral::kNystatin:
            return std::nullopt;
        case SpecialOral::kNone:
            break;
    }
    return Regimen{0, c.perKgPerDay, c.perDay, c.days, 0};
}

// The volume to dispense in whole mL; a volume that would round to 0 mL is given as it is, so
// that it never reads as nothing to dispense.
float dispensedVolume(float ml) {
    const float whole = roundWhole(ml);
    return whole > 0.0f ? whole : ml;
}

// "1 day", "5 days".
std::string dayCount(int32_t days) {
    return std::to_string(days) + (days == 1 ? " day" : " days");
}

std::string daysText(int32_t days) {
    return dayCount(days) + ".<BR>";
}

std::string nystatinText(const PoAbxChoice& c) {
    const bool cheek = c.dose == 1;
    const std::string units = cheek ? " (200,000 U/dose).<BR>" : " (500,000 U/dose).<BR>";
    std::string text =
        cheek ? "<BR>Sig: 1 mL to each cheek QID x " : "<BR>Sig: 5 mL swish and swallow QID x ";
    text += dayCount(c.days) + units;
    const int32_t perDay = cheek ? kNystatinCheekMlPerDay : kNystatinSwishMlPerDay;
    text += "M: " + doseRoundedAmount(static_cast<float>(perDay * c.days)) + " mL.";
    return text;
}

void appendBottlePart(const PoAbxRecord& drug, const OralConcentration& conc, float dispensedMl,
                      std::string& text) {
    if (!conc.flavor.empty()) text += "<BR>Flavor: " + conc.flavor.str() + "<BR>";
    if (drug.isTablets()) {
        if (!conc.bottles[0].cost.empty())
            text += "<BR>Cost: " + conc.bottles[0].cost.str() + "<BR>";
    } else {
        const int32_t b = chooseBottle(conc, dispensedMl);
        if (b >= 0) {
            const Bottle& bottle = conc.bottles[static_cast<size_t>(b)];
            text += "<BR>Cost: " + bottle.cost.str() + " for " + amountTo2Decimals(bottle.volume) +
                    " mL bottle.<BR>";
        }
    }
}

void appendClosing(const PoAbxRecord& drug, std::string& text) {
    if (!drug.comments.empty()) text += "<BR>Comments:&nbsp;" + drug.comments.str() + "<BR>";
    if (!drug.chewable.empty())
        text += "<BR>Chewable " + drug.chewable.str() + " tabs are available.<BR>";
    if (!drug.isTablets() && !drug.nonLiquid.empty()) {
        text += "<BR>Non Liquid Forms: " + drug.nonLiquid.str() + ".<BR>";
    }
    text += drug.notes[0].view();
    for (size_t i = 1; i < drug.notes.size(); ++i) {
        if (!drug.notes[i].empty()) text += "<BR>" + drug.notes[i].str();
    }
}

// An amount in mL with the mg it holds, or the cap when the dose (before or after the volume is
// rounded) reaches it; shownMl is the volume given.
std::string amountText(float ml, float mg, float dose, float cap, float concentration,
                       const char* capMark, float& shownMl) {
    shownMl = ml;
    if (cap > 0.0f && std::fmax(mg, dose) >= cap) {
        shownMl = cap * kMlPerMeasure / concentration;
        return amountTo2Decimals(shownMl) + " mL (" + amountTo1Decimal(cap) + " mg " + capMark +
               ") ";
    }
    return amountTo2Decimals(ml) + " mL (" + doseRoundedAmount(mg) + " mg) ";
}

}  // namespace

int32_t chooseBottle(const OralConcentration& concentration, float dispensedMl) {
    const auto& bottles = concentration.bottles;
    for (size_t i = 0; i < bottles.size(); ++i) {
        if (!bottles[i].cost.empty() && bottles[i].volume > 0.0f &&
            bottles[i].volume >= dispensedMl) {
            return static_cast<int32_t>(i);
        }
    }
    if (!bottles[2].cost.empty()) return 2;
    if (!bottles[1].cost.empty()) return 1;
    return bottles[0].cost.empty() ? -1 : 0;
}

std::string poAbxText(const PoAbxRecord& drug, const PoAbxChoice& c, float w) {
    std::string text;
    const int32_t ci = c.concentration - 1;
    if (ci < 0 || ci >= drug.usableConcentrations()) return text;
    const OralConcentration& conc = drug.concentrations[static_cast<size_t>(ci)];
    float dispensed = 0.0f;
    if (drug.special() == SpecialOral::kNystatin) {
        if (c.days > 0) text += nystatinText(c);
        dispensed = static_cast<float>(
            (c.dose == 1 ? kNystatinCheekMlPerDay : kNystatinSwishMlPerDay) * c.days);
    } else if (const std::optional<Regimen> r = regimenFor(drug, c)) {
        // Tablets are dosed by the low dose value as their strength.
        const float k = drug.isTablets() && ci == 0 ? drug.low : conc.mgPer5Ml;
        const bool dosable = std::isfinite(w) && w > 0.0f && std::isfinite(k) && k > 0.0f &&
                             r->perDay > 0 && std::isfinite(r->perKgPerDay) &&
                             r->perKgPerDay > 0.0f;
        if (dosable) {
            const float e = 1.0f / k;
            const auto maximum = static_cast<float>(drug.maximum);
            float v = r->perKgPerDay * w;
            if (drug.maximum > 0) v = std::fmin(v, maximum);
            const float perDose = v / static_cast<float>(r->perDay);
            // Rounded, a dose stays within its share of the day's maximum: the volume and the mg
            // take the step below where the nearest step is above it (no limit without one).
            const float mostPerDose =
                drug.maximum > 0 ? maximum / static_cast<float>(r->perDay) : 0.0f;
            float f = roundedNotAbove(perDose * e * kMlPerMeasure, mostPerDose * e * kMlPerMeasure,
                                      roundOralVolume);
            const bool singleFluconazole =
                drug.special() == SpecialOral::kFluconazole && c.dose == 1;
            if (singleFluconazole && v > kFluconazoleSingleCap)
                f = kFluconazoleSingleCap * kMlPerMeasure * e;
            const char* word = oralFrequencyWord(r->perDay);
            const float mg = roundedNotAbove(f * k * kMeasuresPerMl, mostPerDose);
            float shownMl = f;
            if (r->loadingPerKg > 0.0f) {
                float load = r->loadingPerKg * w;
                if (drug.maximum > 0) load = std::fmin(load, maximum);
                const float mostLoad = drug.maximum > 0 ? maximum : 0.0f;
                float vl = roundedNotAbove(load / k * kMlPerMeasure, mostLoad / k * kMlPerMeasure,
                                           roundOralVolume);
                const float loadMg =
                    roundedNotAbove(vl * k * kMeasuresPerMl, mostLoad, roundOralVolume);
                const bool azithro = drug.special() == SpecialOral::kAzithromycin;
                text += "<BR>Sig: Loading dose of ";
                if (azithro && loadMg >= kAzithroDailyCap) {
                    vl = kAzithroDailyCap * kMlPerMeasure / k;
                    text += amountTo2Decimals(vl) + " mL (500 mg [Max dose]) then ";
                } else {
                    text +=
                        amountTo2Decimals(vl) + " mL (" + amountTo1Decimal(loadMg) + " mg) then ";
                }
                text += amountText(f, mg, perDose, r->capPerDose, k, "[Max dose]", shownMl);
                const int32_t days = r->days;
                text += std::string(word) + " x " + daysText(days > 0 ? days - 1 : 0);
                if (days < 2) {
                    text += "Duration Selected Invalid.";
                } else {
                    dispensed = dispensedVolume(static_cast<float>(days - 1) * shownMl *
                                                    static_cast<float>(r->perDay) +
                                                vl);
                    text += "M: " + amountTo2Decimals(dispensed) + " mL.";
                }
            } else if (r->days > 0) {
                if (drug.isTablets() && ci == 0) {
                    text += "<BR>Sig: " + amountTo1Decimal(perDose) + " mg/dose " + word + " x " +
                            daysText(r->days);
                    text += "M: " + conc.bottles[0].cost.str();
                } else {
                    const char* mark =
                        r->capPerDose == kAzithroSingleCap ? "[Max Dose]" : "[Max dose]";
                    text +=
                        "<BR>Sig: " + amountText(f, mg, perDose, r->capPerDose, k, mark, shownMl) +
                        word + " x " + daysText(r->days);
                    dispensed = dispensedVolume(static_cast<float>(r->days) * shownMl *
                                                static_cast<float>(r->perDay));
                    text += "M: " + amountTo2Decimals(dispensed) + " mL.";
                }
            }
        }
    }
    text += "<BR>";
    appendBottlePart(drug, conc, dispensed, text);
    appendClosing(drug, text);
    return text;
}

}  // namespace orvane
