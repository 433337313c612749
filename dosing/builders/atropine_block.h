// The atropine advice shown with the intubation drugs for children: 0.02 mg/kg between a minimum
// of 0.1 mg and the premedication maximum (caps::kAtropinePremedicationMg), with its volume of
// the 1 mg/10 mL solution. Text only.
#pragma once

#include "foundation/shared_string.h"

namespace orvane {

// The block is for children: from this weight in kg up it adds nothing.
inline constexpr float kAtropineBlockBelowKg = 50.0f;

// Appends the block for a weight in kg; nothing from 50 kg up (or for a weight that is no number).
void appendAtropineBlock(SharedString& out, float weight);

}  // namespace orvane
