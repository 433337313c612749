// The four sedation pages whose arithmetic is fixed in the program rather than stored as dose
// templates: flumazenil ("F20"), ketamine IM ("K20"), ketamine IV ("K25") and the 2 mg/mL oral
// liquid ("M35"). Each appends its whole page for a weight in kg; none reads content or checks
// the weight. The sedation list picks the page by the record's code.
#pragma once

#include <string_view>

#include "foundation/shared_string.h"

namespace orvane::airway {

using SedationPage = void (*)(SharedString& out, float weight);

// The fixed page of a record code (compared as a whole text), or null when the record's page is
// its own document.
SedationPage fixedSedationPage(std::string_view code);

// Flumazenil 0.01-0.03 mg/kg/dose of 0.1 mg/mL, each end capped at 0.2 mg.
void appendFlumazenilPage(SharedString& out, float weight);
// Ketamine IM 2, 3 and 4 mg/kg, with the IM atropine advice under 50 kg.
void appendKetamineImPage(SharedString& out, float weight);
// Ketamine IV 1, 1.5 and 2 mg/kg, with the atropine block under 50 kg.
void appendKetamineIvPage(SharedString& out, float weight);
// The oral liquid of 2 mg/mL at 0.25, 0.5, 0.75 and 1 mg/kg, each capped at 20 mg.
void appendOralLiquidPage(SharedString& out, float weight);

}  // namespace orvane::airway
