// The thirteen resuscitation drugs at the end of the TykoDrugs list: drug numbers above the drug
// table's record count count on into this table, and each entry is drawn as the TykoCode page
// with its number. Data only.
#pragma once

#include <cstdint>

namespace orvane {

struct ResuscitationDrug {
    const char* name;
    int32_t codePage;
};

inline constexpr ResuscitationDrug kResuscitationDrugs[] = {
    {"Adenosine", 10},   {"Amiodarone", 11},   {"Atropine", 13},   {"Bicarbonate", 14},
    {"Calcium", 15},     {"Dextrose", 19},     {"Lidocaine", 28},  {"Naloxone", 33},
    {"Pancuronium", 34}, {"Procainamide", 37}, {"Rocuronium", 38}, {"Succinylcholine", 39},
    {"Vecuronium", 42},
};

inline constexpr int32_t kResuscitationDrugCount =
    static_cast<int32_t>(sizeof kResuscitationDrugs / sizeof kResuscitationDrugs[0]);

}  // namespace orvane
