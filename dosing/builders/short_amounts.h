// The printed amounts of the computed dosing pages (airway, sedation, resuscitation, infusions):
// the dose-rounded one-decimal form and the plain one-, two- and three-decimal forms. A positive
// amount whose short form would read "0" (a small child's dose) is widened as formatAmount widens
// it (up to 3 decimals), so that it never reads as no dose. They round and format only; the doses
// themselves are computed by the pages.
#pragma once

#include <string>

namespace orvane {

// x with at most `decimals` decimals (0 to 3), widened while a positive x would read "0".
std::string shortForm(float x, int decimals);

// doseRound(x) written with at most 1 decimal (the formatter rounds it once more).
std::string f1(float x);
// x as given, with at most 1, 2 or 3 decimals.
std::string p1(float x);
std::string p2(float x);
std::string p3(float x);

}  // namespace orvane
