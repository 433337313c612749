// The printed amounts of the computed dosing pages (airway, sedation, resuscitation): the
// dose-rounded one-decimal form and the plain one- and two-decimal forms. A positive amount whose
// short form would read "0" (a small child's dose) is written with as many decimals as it takes,
// up to 3, so that it never reads as no dose. They round and format only; the doses themselves
// are computed by the pages.
#pragma once

#include <string>

namespace orvane {

// The most decimals a positive amount is widened to before it would read "0".
inline constexpr int kMostDecimals = 3;

// doseRound(x) written with at most 1 decimal (the formatter rounds it once more).
std::string f1(float x);
// x as given, with at most 1 or 2 decimals.
std::string p1(float x);
std::string p2(float x);

}  // namespace orvane
