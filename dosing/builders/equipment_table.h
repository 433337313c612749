// The children's equipment table by weight: colour band, tube and equipment sizes, initial
// ventilator settings and the closing comment. Text only; the bands are fixed in the program.
#pragma once

#include "foundation/shared_string.h"

namespace orvane {

// Appends the table for a weight in kg; nothing for a weight that is no number or infinite.
void appendEquipmentTable(SharedString& out, float weight);

}  // namespace orvane
