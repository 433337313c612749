// The result text of a TykoDrugs page, in content markup (the page converts it): the route, the
// calculated dose with its volume, interval and cap mark, the intravenous diazepam warning, and
// the drug's notes. An amount that cannot be trusted is replaced by the content-error text. Text
// only; the amounts come from dose_calculation.h.
#pragma once

#include <string>

#include "dosing/weight_based/drug_record.h"
#include "dosing/weight_based/frequency_table.h"

namespace orvane {

// The names that change a page: the rectal form's route and the intravenous form's warning.
inline constexpr const char* kRectalDiazepamName = "Diazepam (Valium) PR";
inline constexpr const char* kIvDiazepamName = "Diazepam (Valium) IV";
// Above this many mg of intravenous diazepam the page warns about small children.
inline constexpr float kDiazepamWarningAboveMg = 5.0f;

// The dosing notes, then "<BR><BR>" and the further notes when those are not empty; nothing when
// the dosing notes are empty.
std::string drugNotesText(const DrugRecord& drug);

// Kinds 1 to 9 with option `option` (0 to 3) chosen, for a weight in kg. Other kinds below 10
// give the notes alone after the opening breaks.
std::string optionResultText(const DrugRecord& drug, int32_t option, float perKg, float weight);

// Kinds 10 to 14 with the dose per kg (per day) and the frequency chosen.
std::string dailyResultText(const DrugRecord& drug, float perKgPerDay,
                            const FrequencyChoice& frequency, float weight);

}  // namespace orvane
