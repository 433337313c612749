// The dose list of a drug: for the kinds dosed by option, one entry per dose option in use; for
// the kinds dosed per day, the stepped range of doses per kg. Each entry carries the dose it
// shows, so that choosing entry k doses exactly what entry k says. Builds the list only; the
// doses are computed in dose_calculation.h.
#pragma once

#include <cstdint>
#include <vector>

#include "dosing/weight_based/drug_record.h"
#include "foundation/shared_string.h"

namespace orvane {

// The most entries of a stepped list: a step too small for the range ends the list there.
inline constexpr int32_t kMostSteppedEntries = 200;

struct DoseEntry {
    SharedString text;
    float perKg = 0.0f;  // the dose per kg (per kg per day for the daily kinds) it stands for
    int32_t option = 0;  // the dose option it shows (0 to 3); 0 for a stepped entry
};

// Option 1 always, options 2 to 4 when their dose per kg is not 0: option text + "&nbsp;" + unit
// + "/kg" + the interval phrase. The option text stands where it reads as the option's dose per
// kg; a damaged record's text that does not is replaced by the dose itself, and a dose that is
// not one (0, not finite, too small to print) shows no amount.
std::vector<DoseEntry> optionDoseList(const DrugRecord& drug);

// From the lowest dose per kg by the step up to the highest (a value equal to it included), each
// shown to 4 decimals and written with at most 3, + "&nbsp;" + unit + "/kg/d" ("/kg" for the
// per-dose frequency code). A step that is not above 0 gives the first entry alone; the list
// also ends when a step no longer raises the shown value, and after kMostSteppedEntries. A lowest
// value that is no number gives no list. Entry k stands for lowest + (k − 1) × step.
std::vector<DoseEntry> steppedDoseList(const DrugRecord& drug);

}  // namespace orvane
