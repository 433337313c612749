// The printed amounts of the computed dosing pages (airway, sedation, resuscitation, infusions):
// the dose-rounded one-decimal form and the plain one-, two- and three-decimal forms, each
// printed by the amount rule of printedAmount (within 10% of the amount, up to 4 decimals). An
// amount too small to show so reads kTooSmallToGiveText, never a number. They round and format
// only; the doses themselves are computed by the pages.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// x with at most `decimals` decimals first, more where that is not within 10% of x.
std::string shortForm(float x, int decimals);

// doseRound(x) written with at most 1 decimal first (the formatter rounds it once more).
std::string f1(float x);
// x as given, with at most 1, 2 or 3 decimals first.
std::string p1(float x);
std::string p2(float x);
std::string p3(float x);

// The printed range "low-high" (with the dash given), or the one text where both ends print
// alike: "0.2-0.2 mg" reads "0.2 mg".
std::string rangeText(const std::string& low, const std::string& high, std::string_view dash = "-");

}  // namespace orvane
