#include "dosing/antibiotics/iv_abx_lists.h"

#include <array>
#include <cmath>
#include <string>

#include "foundation/printed_amount.h"
#include "foundation/rounding.h"

namespace orvane {

namespace {

constexpr int32_t kFirstCode = 1;
constexpr int32_t kLastListedCode = 13;
constexpr int32_t kLastCountedCode = 14;
constexpr int32_t kMostChoices = 3;
// The frequency code whose doses divide a daily total though its code is not below 10.
constexpr float kDividingHighCode = 13.0f;
constexpr float kDailyCodesBelow = 10.0f;
constexpr float kTwentieths = 20.0f;
constexpr float kTwentieth = 0.05f;
constexpr int32_t kListDecimals = 2;

struct CodeRow {
    std::array<const char*, kMostChoices> words;
    std::array<float, kMostChoices> perDay;  // 0 = no such choice
};

// Rows by code 1 to 14: the frequency words and the doses a day of each choice. Code 14 has no
// list but one dose a day.
constexpr std::array<CodeRow, kLastCountedCode> kRows{{
    {{"q8h", nullptr, nullptr}, {3, 0, 0}},
    {{"q4h", "q6h", nullptr}, {6, 4, 0}},
    {{"q6h", "q8h", nullptr}, {4, 3, 0}},
    {{"q8h", "q12h", nullptr}, {3, 2, 0}},
    {{"q12h", "q24h", nullptr}, {2, 1, 0}},
    {{"q6h", nullptr, nullptr}, {4, 0, 0}},
    {{"q12h", nullptr, nullptr}, {2, 0, 0}},
    {{"q24h", nullptr, nullptr}, {1, 0, 0}},
    {{"q6h", "q8h", "q12h"}, {4, 3, 2}},
    {{"q48h", nullptr, nullptr}, {0.5f, 0, 0}},
    {{"q72h", nullptr, nullptr}, {0.33f, 0, 0}},
    {{"q24h", "q48h", nullptr}, {1, 0.5f, 0}},
    {{"q4h", "q6h", "q8h"}, {6, 4, 3}},
    {{nullptr, nullptr, nullptr}, {1, 0, 0}},
}};

// The row of a code, or none when the code is not a whole number of the table.
const CodeRow* rowFor(float code, int32_t last) {
    if (!std::isfinite(code) || code < kFirstCode || code > last) return nullptr;
    if (code != std::floor(code)) return nullptr;
    return &kRows[static_cast<size_t>(code) - 1];
}

const char* doseUnit(const IvAbxRecord& drug) {
    if (namesPenicillin(drug.name.view())) return " U/kg/d";
    if (drug.frequencyCode < kDailyCodesBelow || drug.frequencyCode == kDividingHighCode) {
        return " mg/kg/d";
    }
    return " mg/kg/dose";
}

// The value an entry stands for: v to twentieths, or v itself where the twentieths read 0.
float listedValue(float v) {
    const float twentieths = roundWhole(kTwentieths * v) * kTwentieth;
    return twentieths > 0.0f ? twentieths : v;
}

}  // namespace

std::vector<AbxChoiceEntry> steppedAbxDoses(float low, float high, float step, const char* unit) {
    std::vector<AbxChoiceEntry> list;
    // No dose of 0 or below is offered: such a record is damaged.
    if (!std::isfinite(low) || !std::isfinite(high) || !std::isfinite(step) || !(low > 0.0f)) {
        return list;
    }
    float v = low;
    while (static_cast<int32_t>(list.size()) < kMostAbxChoiceEntries) {
        // The entry's text and the dose it stands for are the one value.
        const float shown = listedValue(v);
        list.push_back(
            {SharedString(amountOrTooSmall(shown, kListDecimals, false).str() + unit), shown});
        if (!(step > 0.0f)) break;
        const float next = shown + step;
        if (next > high || !(listedValue(next) > shown)) break;
        v = next;
    }
    return list;
}

std::vector<AbxChoiceEntry> ivDoseList(const IvAbxRecord& drug) {
    if (!drug.isDosable()) return {};
    return steppedAbxDoses(drug.low, drug.high, drug.step, doseUnit(drug));
}

std::vector<AbxChoiceEntry> loadingRegimenList() {
    return {{"10 then 3 mg/kg/d, div QD", 3.0f},
            {"10 then 4 mg/kg/d, div QD", 4.0f},
            {"10 then 5 mg/kg/d, div QD", 5.0f},
            {"10 then 6 mg/kg/d, div QD", 6.0f}};
}

std::vector<const char*> ivFrequencyList(float frequencyCode) {
    std::vector<const char*> words;
    const CodeRow* row = rowFor(frequencyCode, kLastListedCode);
    if (row == nullptr) return words;
    for (const char* word : row->words) {
        if (word != nullptr) words.push_back(word);
    }
    return words;
}

std::optional<DosesPerDay> ivDosesPerDay(float frequencyCode, int32_t choice) {
    const CodeRow* row = rowFor(frequencyCode, kLastCountedCode);
    if (row == nullptr) return std::nullopt;
    // A code with a single count (no choice to make) doses by it whatever the choice.
    const bool single = row->perDay[1] == 0.0f;
    const int32_t k = single ? 1 : choice;
    if (k < 1 || k > kMostChoices) return std::nullopt;
    const float perDay = row->perDay[static_cast<size_t>(k) - 1];
    if (perDay == 0.0f) return std::nullopt;
    return DosesPerDay{perDay, perDay >= 1.0f};
}

}  // namespace orvane
