// The steps every infusion generator shares: the fixed phrases, the drip line, the information
// and compatibility sections and the common-rates table, each written with the amount form the
// module passes, and the refusal of a page whose chosen rate or concentration is not usable. Text
// only: the rates themselves come from the generators.
#pragma once

#include <string>

#include "dosing/infusions/drip_sections.h"

namespace orvane::infusion {

inline constexpr const char* kDripDirections = "Directions on Infusing Drip:<BR>";
inline constexpr const char* kBolusDirections = "Directions on Infusing Bolus:<BR>";
inline constexpr const char* kToDeliver = " solution, to deliver ";
// Minutes in an hour, and its inverse as the generators multiply by it.
inline constexpr float kPerMinute = 60.0f;
inline constexpr float kPerHour = 1.0f;
inline constexpr float kOneSixtieth = 0.016666668f;

// A page generator of a drip code.
using DripPage = void (*)(const DripInputs&, DripSections&);

// What a page takes from the entries chosen in the lists (R and K as the module set them). A page
// that divides by K or runs the drip at R has no amount to give without a usable one: a damaged
// record that lists no rate or no concentration leaves them 0.
enum class ChosenFigures { kNone, kConcentration, kRateAndConcentration };

// A figure a rate can be worked from: above 0 and finite.
bool usableFigure(float x);

// Draws the page when every figure it takes is usable, else writes the no-rate notice.
void drawPage(DripPage page, ChosenFigures takes, const DripInputs& inputs, DripSections& sections);

// How a module writes one amount (already computed) on its pages.
using AmountForm = std::string (*)(float);
// The mL/hr a drip runs at for a dose rate R: the same computation for the drip line and for the
// common rates, so that the row of the drip's own dose reads as the drip line does.
using MlPerHour = float (*)(const DripInputs&, float rate);

// A whole amount (roundWhole, halves to even); a positive amount whose whole number is more than
// the printing tolerance away (0.4 to 0, 1.5 to 2) keeps its dose-rounded value instead.
float wholeAmount(float x);

// drip directions + rate + " mL/hr (" + amount + unitPhrase + [conc] + " solution, to deliver "
// + [rate] + "." + "<BR><BR>".
std::string dripLine(const std::string& rate, const std::string& amount, const char* unitPhrase,
                     const DripInputs& inputs);

// Info = information 1 (+ "<BR>" + information 2 when there is one); Compatibility.
void setInfoAndCompatibility(const InfusionRecord& record, DripSections& sections);

// "Common Rates:<BR>", then for each standard rate (at least 2, at most 7; a rate without a text
// is left out) its text + " = " + form(R_i × a × f ÷ K) + " mL/hr<BR>", worked as the drip lines
// work their rate, so that the row of the drip's own dose reads as its drip line does.
void appendCommonRates(const DripInputs& inputs, float a, float f, AmountForm form,
                       std::string& out);
// The same table with each row's rate form(mlPerHour(inputs, R_i)).
void appendCommonRates(const DripInputs& inputs, MlPerHour mlPerHour, AmountForm form,
                       std::string& out);

}  // namespace orvane::infusion
