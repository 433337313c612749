// The page generators of TykoDrips, chosen by the drug's code: which code draws which page is a
// table; each page computes its amounts for the weight. A code the table does not name leaves
// every section empty.
#pragma once

#include <cstdint>

#include "dosing/infusions/drip_sections.h"

namespace orvane::infusion::tyko {

// K of the weight-scaled mixes of "T10", mcg/mL: 6 W for mix 1, 25 W for mix 2.
float weightScaledConcentration(int32_t choice, float weight);

void generate(const DripInputs& inputs, DripSections& sections);

}  // namespace orvane::infusion::tyko
