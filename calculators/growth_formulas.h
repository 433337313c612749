// The arithmetic of the growth percentiles: the 72 age bands and their texts, the LMS Z-score of a
// measurement and the measurement at a percentile, the percentile band of a Z-score with its
// text, and the plausibility limits of the measurements. No content reading and no page (see
// tyko_growth.h).
#pragma once

#include <cstdint>

#include "foundation/shared_string.h"

namespace orvane {

inline constexpr int32_t kGrowthBandCount = 72;
// Bands 1 to 38 measure length and head circumference; from 39 standing height.
inline constexpr int32_t kGrowthLastInfantBand = 38;
// From this band on the body-mass index is reported.
inline constexpr int32_t kGrowthFirstBmiBand = 27;
inline constexpr int32_t kGrowthPercentileCount = 11;

// The text of age band n (1 to 72), e.g. "2 mos to less than 3 mos", "3 yrs 6 mos", "18 yrs".
SharedString growthBandLabel(int32_t band);

// The eleven standard percentiles: their row labels ("3% = " ... "97% = ") and Z-scores.
const char* growthPercentileLabel(int32_t i);
float growthPercentileZ(int32_t i);

// LMS parameters of one measure at one age and sex.
struct LmsParameters {
    float l = 0;
    float m = 0;
    float s = 0;
};

// Z = ((X / M)^L − 1) / (L × S): the quotient in single precision, the power in double, the rest
// single. With L = 0 the limit of the formula, ln(X / M) / S.
float lmsZScore(float x, const LmsParameters& lms);

// The measurement at score Z: M × (1 + L × S × Z)^(1 / L), the power in double, the rest single
// (M × e^(S × Z) when L = 0). NaN when the base is not above 0.
float lmsValue(float z, const LmsParameters& lms);

// Whether the parameters describe a growth curve, as a sound record's do: each a number, M and S
// above 0, and the measurement at each of the eleven percentiles a number above 0 and below
// kLargestGrowthValue. A damaged record's parameters that are not would print "ERR" or nonsense.
inline constexpr float kLargestGrowthValue = 1.0e6f;
bool isGrowthCurve(const LmsParameters& lms);

// The text of a Z-score's percentile band, " &lt;3%", " 3-5%" ... " 95-97%", " 97%" (each band
// includes its lower edge), followed by " (Z = ", Z to hundredths, ")".
SharedString growthBandText(float z);

// A percentile value as shown: X × factor, to tenths (roundWhole(X × 10) × 0.1), then through the
// dose bands when in grams, written with at most 1 decimal.
SharedString growthValueText(float x, float factor, bool grams);

// True when each measurement is 0 (not given) or plausible: weight 0.49 to 205 kg, length or
// height 40 to 203.5 cm, head circumference 30 to 64 cm.
bool growthMeasurementsPlausible(float weightKg, float lengthCm, float headCm);

// W / (H × 0.01)², single precision.
float growthBodyMassIndex(float weightKg, float heightCm);

}  // namespace orvane
