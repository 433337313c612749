// The page generators of Adult Drips, chosen by the drug's code: which code draws which page is
// a table; each page computes its amounts for the weight. A code the table does not name leaves
// every section empty. Also the codes whose values the module sets itself.
#pragma once

#include <string_view>

#include "dosing/infusions/drip_sections.h"

namespace orvane::infusion::adult {

// "E10", "E12", "E13", "E14": the two-concentration drips with a bolus.
bool isBolusPairCode(std::string_view code);
// The dose a bolus-pair drip delivers ("2 mcg/kg/min" or "1 mcg/kg/min"): the single entry of its
// rate list.
const char* bolusPairDose(std::string_view code);
// The pages that need no choice.
bool isFixedPageCode(std::string_view code);

void generate(const DripInputs& inputs, DripSections& sections);

}  // namespace orvane::infusion::adult
