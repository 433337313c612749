// The result text of an oral antibiotic of TykoAbx once its choices are made: the Sig line in mL
// and mg (or mg for tablets) with the volume to dispense, the loading-dose regimens of
// azithromycin and fluconazole with their caps, nystatin, and the bottle part (flavour, and the
// cost of the first bottle that holds the volume to dispense). Text only; the choices belong to
// TykoAbxModule.
#pragma once

#include <cstdint>
#include <string>

#include "dosing/antibiotics/po_abx_record.h"

namespace orvane {

struct PoAbxChoice {
    int32_t dose = 0;           // the dose (or regimen) choice, from 1
    float perKgPerDay = 0.0f;   // the stepped dose it stands for (ordinary drugs)
    int32_t perDay = 0;         // doses a day of the chosen frequency (ordinary drugs)
    int32_t concentration = 0;  // the concentration choice, from 1
    int32_t days = 0;           // the chosen days; 0 when none was chosen
};

// The bottle of concentration `concentration` (from 1) for a volume to dispense: the first in
// record order with a cost whose volume is at least the volume; else bottle 3, or 2 when 3 has no
// cost, or 1. Its index from 0, or -1 when the chosen bottle has no cost text.
int32_t chooseBottle(const OralConcentration& concentration, float dispensedMl);

// The whole text. Without a weight above 0, a concentration above 0 or a count of doses a day
// there is no Sig line: never an amount of 0, "inf" or "nan".
std::string poAbxText(const PoAbxRecord& drug, const PoAbxChoice& choice, float weightKg);

}  // namespace orvane
