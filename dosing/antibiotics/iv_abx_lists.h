// The choice lists of an IV/IM antibiotic of TykoAbx: the stepped doses per kg per day, the
// frequency words of its frequency code, the four regimens of the loading-dose drug, and the
// number of doses a day each frequency choice stands for. Lists and counts only; the page text is
// in iv_abx_text.h.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "dosing/antibiotics/iv_abx_record.h"
#include "foundation/shared_string.h"

namespace orvane {

// The most entries of a stepped list.
inline constexpr int32_t kMostAbxChoiceEntries = 200;

struct AbxChoiceEntry {
    SharedString text;
    float perKg = 0.0f;  // the dose per kg per day it stands for
};

// From the low dose by the step while the next value is not above the high dose. Each entry is
// the value to twentieths (HE(20 v) × 0.05; v itself where that reads 0), printed by the amount
// rule with at most 2 decimals first, then the unit (which begins with its blank):
// " U/kg/d" for penicillins, " mg/kg/d" for frequency codes that divide a daily total (below 10,
// and 13), else " mg/kg/dose". The next value is the shown value + step. A step that is not above
// 0 gives the first entry alone; the list also ends when a step no longer raises the shown value
// and after kMostAbxChoiceEntries. A damaged record gives no list. Entry k doses the value it
// shows (a low dose off the twentieths, 0.83, is listed and dosed as 0.85).
std::vector<AbxChoiceEntry> ivDoseList(const IvAbxRecord& drug);

// The stepped list itself, shared by the IV/IM and oral kinds: values that are no number, and a
// low dose that is not above 0, give no list.
std::vector<AbxChoiceEntry> steppedAbxDoses(float low, float high, float step, const char* unit);

// The four regimens of the loading-dose drug: 10 mg/kg, then 3, 4, 5 or 6 mg/kg/d once a day.
std::vector<AbxChoiceEntry> loadingRegimenList();

// The frequency words of a frequency code (1 to 13); none for any other code.
std::vector<const char*> ivFrequencyList(float frequencyCode);

// The doses a day of frequency choice k for a code. perDay is below 1 for the codes whose one
// dose covers two or three days; then the daily total is given as one dose.
struct DosesPerDay {
    float perDay = 0.0f;
    bool dividesTotal = true;
};
// No value for a code outside 1 to 14 or a choice the code does not have. Code 14 (and code 8)
// has one dose a day without a choice to make.
std::optional<DosesPerDay> ivDosesPerDay(float frequencyCode, int32_t choice);

}  // namespace orvane
