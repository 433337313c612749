// The clinical roundings every printed dose passes through, in single precision and bit-exact:
// a whole-number rounding with its tie rule and the two banded roundings whose step grows with
// the value. They do not format; see number_format.h.
#pragma once

namespace orvane {

// Rounds to a whole number: exact halves go to the even neighbour, fractions up to 0.500001 round
// down, negative values are truncated toward zero. NaN, infinities and values of 2^31 and beyond
// (which are whole already) come back unchanged.
float roundWhole(float x);

// The dose bands: thousandths below 0.1, hundredths below 0.5, tenths below 10, halves below 40,
// wholes below 100, tens below 1000, 25s below 10000, then 100s, 1000s and 10000s. Sign kept apart.
float doseRound(float x);

// The older bands of the antibiotic guide: hundredths below 0.5 and fives from 100 to 1000,
// otherwise as doseRound. Meant for positive values.
float bandRound(float x);

// A rounding of positive amounts onto steps (doseRound, bandRound, an oral volume step, or a chain
// of them). It must never give less for a larger amount.
using StepRounding = float (*)(float);

// round(x) held to a maximum: when round(x) would be above `limit`, the largest step of `round`
// that is not (the step below, not the nearest one), so that a capped dose, once rounded, never
// exceeds its maximum. A limit that is not a positive number is no limit. The result may be 0 when
// the limit lies below the smallest step; callers that print it treat 0 as no amount.
float roundedNotAbove(float x, float limit, StepRounding round = doseRound);

}  // namespace orvane
