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

// doseRound(x) written with at most 1 decimal first (the formatter rounds it once more): the
// amount of a dose line.
std::string doseRoundedAmount(float x);
// x as given, with at most 1, 2 or 3 decimals first.
std::string amountTo1Decimal(float x);
std::string amountTo2Decimals(float x);
std::string amountTo3Decimals(float x);
// doseRound(x) with at most 1, 2 or 3 decimals first, the formatter rounding no further.
std::string roundedAmountTo1Decimal(float x);
std::string roundedAmountTo2Decimals(float x);
std::string roundedAmountTo3Decimals(float x);

// A stored number (a dose per kg, a maximum) as it is, with at most 3 decimals: for the numbers a
// page states rather than computes, so that a stated maximum is written from the number it caps.
// A maximum is a chosen figure such as 0.4, 2.5 or 1500: three decimals write any of them exactly.
std::string storedNumberText(float x);

// The printed range "low-high" (with the dash given), or the one text where both ends print
// alike: "0.2-0.2 mg" reads "0.2 mg".
std::string rangeText(const std::string& low, const std::string& high, std::string_view dash = "-");

}  // namespace orvane
