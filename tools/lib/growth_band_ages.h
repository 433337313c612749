// Which age (in months) of the growth reference files each of TykoGrowth's 72 age bands takes,
// for each measure. The reference files list their ages at the half-month point of each month,
// plus birth (0) and, in some infant files, 36. It knows nothing of the files themselves: the
// caller takes the first of the ages that its file lists.
#pragma once

#include <cstdint>
#include <vector>

namespace orvane::tools {

enum class GrowthMeasure { kWeight, kLength, kHead, kBmi };

// The band's age at its start in months: bands 1 and 2 are 0 (birth, and birth to 1 month),
// band n from 3 to 37 is n - 2, bands 38 to 45 step by 3 months from 36, bands 46 to 71 by 6 from
// 60, band 72 is 216 (18 years).
int32_t growthBandStartMonths(int32_t band);

// The file ages for the band and measure in order of preference; empty when the measure is not
// used at that band (head circumference from band 39, BMI below band 27) or the band is outside
// 1 to 72.
std::vector<double> growthFileAges(int32_t band, GrowthMeasure measure);

}  // namespace orvane::tools
