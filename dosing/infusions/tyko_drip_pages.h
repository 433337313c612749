// The TykoDrips pages and their drip line, mixing text and common rates. They print with the short
// amounts (short_amounts.h): F3 of the dose-rounded amount for volumes and doses, F2 for the
// common rates. Internal to the TykoDrips generators.
#pragma once

#include <string>

#include "dosing/builders/short_amounts.h"
#include "dosing/infusions/drip_sections.h"

namespace orvane::infusion::tyko {

// drip directions + F3(v) + " mL/hr (" + amount + unitPhrase + [conc] + ...
std::string tykoDripLine(float v, const std::string& amount, const char* unitPhrase,
                         const DripInputs& inputs);
// Info, Compatibility and the common rates CRT(a, f) at the end of Infuse.
void finishWithCommonRates(const DripInputs& inputs, float a, float f, DripSections& sections);

// "How to Mix Drip Solution: <BR>" + the drip mixing of the chosen concentration + "<BR><BR>".
std::string dripMixing(const DripInputs& inputs);

// Rate per kg per minute, with the extras of "L10", "P10", "N10" and the Rule of 6's.
void perKgPerMinutePage(const DripInputs& inputs, DripSections& sections);
void dextrosePage(const DripInputs& inputs, DripSections& sections);          // "D05"
void insulinPage(const DripInputs& inputs, DripSections& sections);           // "I03"
void bolusPerKgPage(const DripInputs& inputs, DripSections& sections);        // "I01"
void bolusAndDripPage(const DripInputs& inputs, DripSections& sections);      // "E15"
void unitsPerKgPage(const DripInputs& inputs, DripSections& sections);        // "H05"
void microgramBolusPage(const DripInputs& inputs, DripSections& sections);    // "M05"
void cappedBolusLinesPage(const DripInputs& inputs, DripSections& sections);  // "L05"
void weightScaledMixPage(const DripInputs& inputs, DripSections& sections);   // "T10"
void loadingBolusPage(const DripInputs& inputs, DripSections& sections);      // "A26"
void threeMixesPage(const DripInputs& inputs, DripSections& sections);        // "P20"

}  // namespace orvane::infusion::tyko
