// The children's equipment table by weight: colour band, tube and equipment sizes, initial
// ventilator settings (lung-protective tidal volumes of 6-8 mL/kg) and the closing comment. Text
// only; the bands are fixed in the program.
#pragma once

#include "foundation/shared_string.h"

namespace orvane {

// The table is for children: its top band runs from 32 kg up to this weight, the weight from which
// the program doses as for an adult. Above it the ventilator volume is that of this weight.
inline constexpr float kEquipmentTopBandBelowKg = 50.0f;

// Appends the table for a weight in kg; nothing for a weight that is no number or infinite.
void appendEquipmentTable(SharedString& out, float weight);

}  // namespace orvane
