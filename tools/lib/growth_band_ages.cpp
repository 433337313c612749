#include "tools/lib/growth_band_ages.h"

#include "calculators/growth_formulas.h"

namespace orvane::tools {

namespace {

constexpr int32_t kFirstQuarterYearBand = 38;  // 3 yrs, then every 3 months to 4 yrs 9 mos
constexpr int32_t kFirstHalfYearBand = 46;     // 5 yrs, then every 6 months to 17 yrs 6 mos
constexpr int32_t kMonthsAtThreeYears = 36;
constexpr int32_t kMonthsAtFiveYears = 60;
constexpr int32_t kMonthsAtEighteenYears = 216;
// The infant files of length stop at 35.5 months; weight and head circumference go on to 36.
constexpr double kLastInfantHalfMonth = 35.5;
constexpr double kHalfMonth = 0.5;

}  // namespace

int32_t growthBandStartMonths(int32_t band) {
    if (band <= 2) return 0;
    if (band < kFirstQuarterYearBand) return band - 2;
    if (band < kFirstHalfYearBand) return kMonthsAtThreeYears + 3 * (band - kFirstQuarterYearBand);
    if (band < kGrowthBandCount) return kMonthsAtFiveYears + 6 * (band - kFirstHalfYearBand);
    return kMonthsAtEighteenYears;
}

// The mapping of bands to file ages:
// - Infant bands 1 to 38 (weight, recumbent length, head circumference from the infant files):
//   band 1 (birth) takes age 0; band 2 (birth to 1 month) takes 0.5; band n from 3 to 37 (age
//   n - 2 months) takes (n - 2) + 0.5, the middle of its month; band 38 (3 yrs) takes 36 where the
//   file lists it and 35.5 where the file stops there (length).
// - Bands 39 to 72 (weight and stature from the 2 to 20 years files) take the band's age in months
//   + 0.5: 3 yrs 3 mos takes 39.5, 18 yrs takes 216.5.
// - BMI, from band 27 on, comes from the BMI file at the band's age in months + 0.5, as the band's
//   other values: band 27 (25 months) takes 25.5, band 38 (3 yrs) 36.5 (the BMI file lists only
//   half months after 24).
// - Head circumference for bands 39 and up and BMI below band 27 are not used.
std::vector<double> growthFileAges(int32_t band, GrowthMeasure measure) {
    if (band < 1 || band > kGrowthBandCount) return {};
    const double middle = growthBandStartMonths(band) + kHalfMonth;
    if (measure == GrowthMeasure::kBmi) {
        if (band < kGrowthFirstBmiBand) return {};
        return {middle};
    }
    if (band > kGrowthLastInfantBand) {
        if (measure == GrowthMeasure::kHead) return {};
        return {middle};
    }
    if (band == 1) return {0.0};
    if (band == kGrowthLastInfantBand) return {kMonthsAtThreeYears, kLastInfantHalfMonth};
    return {middle};
}

}  // namespace orvane::tools
