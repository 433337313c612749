// The choice lists of an oral antibiotic of TykoAbx: the stepped doses per kg per day, the
// regimens of nystatin, azithromycin and fluconazole, the frequency words of the frequency codes
// with their doses a day, the concentrations and the days of treatment. Lists only; the text is
// in po_abx_text.h.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "dosing/antibiotics/iv_abx_lists.h"
#include "dosing/antibiotics/po_abx_record.h"
#include "foundation/shared_string.h"

namespace orvane {

inline constexpr int32_t kMostTreatmentDays = 99;

struct OralFrequency {
    const char* word;
    int32_t perDay;
};

// Ordinary drugs: the stepped list with " mg/kg/d"; nystatin, azithromycin and fluconazole: their
// regimens (perKg is 0 for them; the text doses by the regimen number).
std::vector<AbxChoiceEntry> poDoseList(const PoAbxRecord& drug);
// The frequency words of codes 1 to 10; none for any other code or a regimen drug.
std::vector<OralFrequency> poFrequencyList(const PoAbxRecord& drug);
// "Tabs" for tablets, "500,000 U/5 mL" for nystatin, else concentration 1 in mg/5 mL; then
// concentrations 2 to the count, up to the first that is not above 0.
std::vector<SharedString> poConcentrationList(const PoAbxRecord& drug);
// 1 to 99 days.
std::vector<SharedString> treatmentDaysList();
// The word of a number of doses a day ("QD" ... "5x/day"), "" for any other number.
const char* oralFrequencyWord(int32_t perDay);

}  // namespace orvane
