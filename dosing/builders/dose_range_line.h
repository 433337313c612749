// The resuscitation dose lines: a dose-per-kg range turned into amounts (and, with a concentration,
// volumes) for one weight, capped at a maximum. Pure text builders: they keep no state and read
// nothing but their arguments; they do not check where the numbers came from.
#pragma once

#include "foundation/shared_string.h"

namespace orvane {

// One dose range for one patient. A maximum of 0 or below means "no maximum"; a concentration of
// 0 or below means "no volumes". The per-kg texts are printed as given (e.g. "1.0").
struct DoseRange {
    float weight = 0;  // kilograms
    float low = 0;     // dose per kg, low end
    SharedString lowText;
    float high = 0;  // dose per kg, high end
    SharedString highText;
    float maximum = 0;
    SharedString unit = "mg";  // "mg/kg/hr" doses an infusion: amounts are then in mg/hr
    float concentration = 0;   // amount per mL
};

// The text written for a volume of soln: the amount divided by the concentration, with 3 decimals
// below 0.01 mL and 2 otherwise.
SharedString formatVolume(float volume);

// Appends the dose range line, e.g. "0.2-0.5 mg/kg = 6-10 mg.<BR>[10 mg = Max dose]" or, with a
// concentration, "1.0-1.5 mg/kg = 10-15 mg.<BR>[0.5 - 0.75 mL of 20 mg/mL soln].".
void appendDoseRangeLine(SharedString& out, const DoseRange& range);

// Replaces out by the volume-first variant, e.g. "1 - 2 mL of 20 mg/mL soln.<BR>[1-2 mg/kg =
// 20-40 mg.]" or, without a concentration, "1-4 mg [1-4  mg/kg].".
void setVolumeFirstDoseLine(SharedString& out, const DoseRange& range);

}  // namespace orvane
