// The diazepam page of the emergency medicines: 0.2-0.5 mg/kg of the 5 mg/mL solution capped at
// 10 mg, the usual dosing, a note on the 5 mg cap for young children once half a milligram per kg
// reaches 5 mg, and short comments. It reads no content and does not check the weight.
#pragma once

#include "foundation/shared_string.h"

namespace orvane {

// Appends the page for a weight in kg to out.
void appendDiazepamPage(SharedString& out, float weight);

}  // namespace orvane
