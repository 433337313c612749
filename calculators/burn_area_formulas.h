// The arithmetic of the burn area calculator: the twenty body regions with their labels, which of
// the twelve stored surface fractions each region reads, the extent bands (0-5%, 5-10% ... 95-100%
// of a region) and the total burned surface. No content reading and no page (see burn_area.h).
#pragma once

#include <cstdint>

#include "foundation/shared_string.h"

namespace orvane {

inline constexpr int32_t kBurnRegionCount = 20;
inline constexpr int32_t kBurnSurfaceCount = 12;  // stored fractions per age band
inline constexpr int32_t kBurnAgeCount = 5;
inline constexpr int32_t kBurnExtentBands = 20;  // 0-5% ... 95-100%

// Region r (1 to 20) as listed, e.g. "Hand (both sides) (Left)".
const char* burnRegionLabel(int32_t region);
// Age band k (1 to 5), e.g. "1-3 years".
const char* burnAgeLabel(int32_t age);

// The stored surface (0 to 11: head/neck ... heel+sole) that region r (1 to 20) takes: the Left
// and Right members of a pair share one.
int32_t burnSurfaceOfRegion(int32_t region);

// The part of the body surface burned in one region: extent e (0 none, e ≥ 1 the band
// (e − 1) × 5 to e × 5 %, counted at its middle) times the region's surface fraction:
// ((e − 1) × 5 + 2.5) × 0.01 × fraction. 0 for extent 0.
float burnContribution(int32_t extent, float surfaceFraction);

// The sum of the contributions of the twenty regions, in region order (a fraction of the body).
float burnTotal(const int16_t (&extents)[kBurnRegionCount],
                const float (&surfaceFractions)[kBurnRegionCount]);

// The extent of a region as a link text: "none" for 0, else "a-b" with a = (e − 1) × 5 and
// b = e × 5.
SharedString burnExtentText(int32_t extent);

// Entry k + 2 (k = 0 to 19) of a region's extent list: "5k-5(k+1)% of entire " and the region's
// label without its " (Left)"/" (Right)" and what follows, e.g. "10-15% of entire Back".
SharedString burnExtentEntryText(int32_t k, int32_t region);

}  // namespace orvane
