// The Adult Drips pages and the steps they print with: the whole amount's form (the other amount
// forms are the short amounts, F1 of the dose-rounded amount), the mixing phrases, the standard
// selections text, the drip line and the common rates. Internal to the Adult Drips generators.
#pragma once

#include <string>

#include "dosing/builders/short_amounts.h"
#include "dosing/infusions/drip_sections.h"

namespace orvane::infusion::adult {

inline constexpr const char* kBolusMixingPhrase = "How to Mix Bolus Solution:<BR>";
inline constexpr const char* kDripMixingPhrase = "How to Mix Drip Solution:<BR>";
inline constexpr const char* kBolusDripMixingPhrase = "How to Mix Bolus/Drip Solution:<BR>";

// The whole amount of x (HE(x)) with at most 1 decimal first (a positive whole amount never
// rounds to 0). The other amount forms are the short amounts'.
std::string wholeAmountTo1Decimal(float x);

// The drip mixing phrase, the chosen concentration's mixing text and "<BR><BR>".
std::string dripMixing(const DripInputs& inputs);
// The bolus mixing phrase, the bolus mixing text and "<BR><BR>".
std::string bolusMixing(const DripInputs& inputs);
// "Drip Conc = " + [conc] + "<BR>Selected Rate = " + [rate] + "<BR><BR>".
std::string standardSelections(const DripInputs& inputs);
// The drip line with the rate F1(CR(v)).
std::string adultDripLine(float v, const std::string& amount, const char* unitPhrase,
                          const DripInputs& inputs);
// Info and Compatibility, and with f > 0 the common rates CRT(a, f) at the end of Infuse.
void finish(const DripInputs& inputs, DripSections& sections);
void finishWithCommonRates(const DripInputs& inputs, float a, float f, DripSections& sections);
// The heparin block of the fixed pages for the weight.
std::string heparinBlock(float weight);

void perKgPerMinutePage(const DripInputs& inputs, DripSections& sections);
void milligramBolusPage(const DripInputs& inputs, DripSections& sections);        // "I02"
void perHourPage(const DripInputs& inputs, DripSections& sections);               // "B15" group
void perDayPage(const DripInputs& inputs, DripSections& sections);                // "D20"
void perMinutePage(const DripInputs& inputs, DripSections& sections);             // "E04" group
void bolusAndDripPage(const DripInputs& inputs, DripSections& sections);          // "E15"
void unitsPerKgPage(const DripInputs& inputs, DripSections& sections);            // "H05"
void wholeAmountPerMinutePage(const DripInputs& inputs, DripSections& sections);  // "L02" group
void microgramBolusPage(const DripInputs& inputs, DripSections& sections);        // "M05"
void loadingRatePage(const DripInputs& inputs, DripSections& sections);           // "P15"
void bolusPairPage(const DripInputs& inputs, DripSections& sections);             // "E10"-"E14"
void twoStagePage(const DripInputs& inputs, DripSections& sections);              // "B10"
void filteredBolusPage(const DripInputs& inputs, DripSections& sections);         // "A05", "A10"
void cappedBolusPage(const DripInputs& inputs, DripSections& sections);           // "A15"
void lyticPage(const DripInputs& inputs, DripSections& sections);                 // "A20"
void fixedLoadPage(const DripInputs& inputs, DripSections& sections);             // "A25"
void pushLoadPage(const DripInputs& inputs, DripSections& sections);              // "A26"
void lowDosePage(const DripInputs& inputs, DripSections& sections);               // "N01"
void weightBandPage(const DripInputs& inputs, DripSections& sections);            // "T05"
void bolusThenDripPage(const DripInputs& inputs, DripSections& sections);         // "T10"
void cappedInfusionPage(const DripInputs& inputs, DripSections& sections);        // "I01"

}  // namespace orvane::infusion::adult
