#include "dosing/antibiotics/po_abx_lists.h"

#include <array>
#include <cmath>
#include <string>

#include "foundation/number_format.h"

namespace orvane {

namespace {

constexpr int32_t kLastCode = 10;
constexpr int32_t kMostWords = 4;
constexpr int32_t kConcentrationDecimals = 1;

constexpr OralFrequency kQd{"QD", 1};
constexpr OralFrequency kBid{"BID", 2};
constexpr OralFrequency kTid{"TID", 3};
constexpr OralFrequency kQid{"QID", 4};
constexpr OralFrequency kFive{"5x/d", 5};
constexpr OralFrequency kNone{nullptr, 0};

constexpr std::array<std::array<OralFrequency, kMostWords>, kLastCode> kCodes{{
    {kQd, kNone, kNone, kNone},
    {kQd, kBid, kNone, kNone},
    {kBid, kTid, kNone, kNone},
    {kBid, kTid, kQid, kNone},
    {kTid, kQid, kNone, kNone},
    {kBid, kTid, kQid, kFive},
    {kBid, kNone, kNone, kNone},
    {kQd, kBid, kTid, kQid},
    {kQd, kBid, kTid, kNone},
    {kTid, kNone, kNone, kNone},
}};

}  // namespace

std::vector<AbxChoiceEntry> poDoseList(const PoAbxRecord& drug) {
    switch (drug.special()) {
        case SpecialOral::kNystatin:
            return {{"200,000 U / dose QID", 0.0f}, {"500,000 U / dose QID", 0.0f}};
        case SpecialOral::kAzithromycin:
            return {{"10 then 5 mg/kg/d, div QD x 5 d", 0.0f},
                    {"12 mg/kg/d, div QD x 5 d", 0.0f},
                    {"10 mg/kg/d, div QD x 3 d", 0.0f},
                    {"30 mg/kg x 1 dose", 0.0f}};
        case SpecialOral::kFluconazole:
            return {{"6 mg/kg x 1 dose", 0.0f},
                    {"6 then 3 mg/kg/d, div QD", 0.0f},
                    {"10 then 6 mg/kg/d, div QD", 0.0f}};
        case SpecialOral::kNone:
            break;
    }
    return steppedAbxDoses(drug.low, drug.high, drug.step, " mg/kg/d");
}

std::vector<OralFrequency> poFrequencyList(const PoAbxRecord& drug) {
    std::vector<OralFrequency> list;
    if (drug.isSpecial() || drug.frequencyCode < 1 || drug.frequencyCode > kLastCode) return list;
    for (const OralFrequency& f : kCodes[static_cast<size_t>(drug.frequencyCode) - 1]) {
        if (f.word != nullptr) list.push_back(f);
    }
    return list;
}

std::vector<SharedString> poConcentrationList(const PoAbxRecord& drug) {
    std::vector<SharedString> list;
    const auto liquid = [](float mg) {
        return SharedString(formatNumber(mg, kConcentrationDecimals, false).str() + " mg/5 mL");
    };
    // A damaged concentration (not above 0) ends the list: it is never offered as "0 mg/5 mL".
    const auto usable = [](float mg) { return std::isfinite(mg) && mg > 0.0f; };
    if (drug.isTablets()) {
        list.emplace_back("Tabs");
    } else if (drug.special() == SpecialOral::kNystatin) {
        list.emplace_back("500,000 U/5 mL");
    } else if (usable(drug.concentrations[0].mgPer5Ml)) {
        list.push_back(liquid(drug.concentrations[0].mgPer5Ml));
    } else {
        return list;
    }
    for (int32_t i = 1; i < drug.usableConcentrations(); ++i) {
        const float mg = drug.concentrations[static_cast<size_t>(i)].mgPer5Ml;
        if (!usable(mg)) break;
        list.push_back(liquid(mg));
    }
    return list;
}

std::vector<SharedString> treatmentDaysList() {
    std::vector<SharedString> list;
    for (int32_t d = 1; d <= kMostTreatmentDays; ++d) list.emplace_back(std::to_string(d));
    return list;
}

const char* oralFrequencyWord(int32_t perDay) {
    switch (perDay) {
        case 1:
            return "QD";
        case 2:
            return "BID";
        case 3:
            return "TID";
        case 4:
            return "QID";
        case 5:
            return "5x/day";
        default:
            return "";
    }
}

}  // namespace orvane
