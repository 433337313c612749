#include "calculators/growth_formulas.h"

#include <cmath>

#include "foundation/number_format.h"
#include "foundation/rounding.h"

namespace orvane {

namespace {

constexpr const char* kPercentileLabels[kGrowthPercentileCount] = {
    "3% = ",  "5% = ",  "10% = ", "15% = ", "25% = ", "50% = ",
    "75% = ", "85% = ", "90% = ", "95% = ", "97% = "};
constexpr float kPercentileZ[kGrowthPercentileCount] = {
    -1.881f, -1.645f, -1.282f, -1.036f, -0.674f, 0.0f, 0.674f, 1.036f, 1.282f, 1.645f, 1.881f};

SharedString whole(int32_t n) {
    return formatNumber(static_cast<float>(n), 1, true);
}

SharedString years(int32_t y, int32_t months) {
    SharedString text = whole(y);
    text.append(" yrs");
    if (months != 0) {
        text.append(" ");
        text.append(whole(months));
        text.append(" mos");
    }
    return text;
}

}  // namespace

SharedString growthBandLabel(int32_t band) {
    if (band == 1) return "Birth (full term pregnancy)";
    if (band == 2) return "Birth to less than 1 month";
    if (band == 3) return "1 month to less than 2 mos";
    if (band >= 4 && band <= 37) {
        const int32_t n = band - 2;
        SharedString text = whole(n);
        text.append(" mos to less than ");
        text.append(whole(n + 1));
        text.append(" mos");
        return text;
    }
    if (band >= 38 && band <= 45) {
        const int32_t quarter = band - 38;  // 0 = 3 yrs ... 7 = 4 yrs 9 mos
        return years(3 + quarter / 4, (quarter % 4) * 3);
    }
    if (band >= 46 && band <= 71) {
        const int32_t half = band - 46;  // 0 = 5 yrs ... 25 = 17 yrs 6 mos
        return years(5 + half / 2, (half % 2) * 6);
    }
    if (band == 72) return years(18, 0);
    return SharedString();
}

const char* growthPercentileLabel(int32_t i) {
    if (i < 0 || i >= kGrowthPercentileCount) return "";
    return kPercentileLabels[i];
}

float growthPercentileZ(int32_t i) {
    if (i < 0 || i >= kGrowthPercentileCount) return 0.0f;
    return kPercentileZ[i];
}

float lmsZScore(float x, const LmsParameters& lms) {
    const float ratio = x / lms.m;
    if (lms.l == 0.0f) {
        return static_cast<float>(std::log(static_cast<double>(ratio))) / lms.s;
    }
    const float power =
        static_cast<float>(std::pow(static_cast<double>(ratio), static_cast<double>(lms.l)));
    return (power - 1.0f) / (lms.l * lms.s);
}

float lmsValue(float z, const LmsParameters& lms) {
    if (lms.l == 0.0f) {
        return lms.m * static_cast<float>(std::exp(static_cast<double>(lms.s * z)));
    }
    const float base = 1.0f + lms.l * lms.s * z;
    if (!(base > 0.0f)) return std::nanf("");
    const float exponent = 1.0f / lms.l;
    return lms.m *
           static_cast<float>(std::pow(static_cast<double>(base), static_cast<double>(exponent)));
}

bool isGrowthCurve(const LmsParameters& lms) {
    if (!std::isfinite(lms.l) || !std::isfinite(lms.m) || !std::isfinite(lms.s)) return false;
    if (!(lms.m > 0.0f) || !(lms.s > 0.0f)) return false;
    for (int32_t i = 0; i < kGrowthPercentileCount; ++i) {
        const float value = lmsValue(growthPercentileZ(i), lms);
        if (!(value > 0.0f && value < kLargestGrowthValue)) return false;
    }
    return true;
}

SharedString growthBandText(float z) {
    const char* band = " 97%";
    if (z < -1.881f) {
        band = " &lt;3%";
    } else if (z < -1.645f) {
        band = " 3-5%";
    } else if (z < -1.282f) {
        band = " 5-10%";
    } else if (z < -1.036f) {
        band = " 10-15%";
    } else if (z < -0.674f) {
        band = " 15-25%";
    } else if (z < 0.0f) {
        band = " 25-50%";
    } else if (z < 0.674f) {
        band = " 50-75%";
    } else if (z < 1.036f) {
        band = " 75-85%";
    } else if (z < 1.282f) {
        band = " 85-90%";
    } else if (z < 1.645f) {
        band = " 90-95%";
    } else if (z < 1.881f) {
        band = " 95-97%";
    }
    SharedString text = band;
    text.append(" (Z = ");
    text.append(formatNumber(roundWhole(z * 100.0f) * 0.01f, 2, false));
    text.append(")");
    return text;
}

SharedString growthValueText(float x, float factor, bool grams) {
    float shown = roundWhole(x * factor * 10.0f) * 0.1f;
    if (grams) shown = doseRound(shown);
    return formatNumber(shown, 1, false);
}

bool growthMeasurementsPlausible(float weightKg, float lengthCm, float headCm) {
    const auto within = [](float v, float low, float high) {
        return v == 0.0f || (v >= low && v <= high);
    };
    return within(weightKg, 0.49f, 205.0f) && within(lengthCm, 40.0f, 203.5f) &&
           within(headCm, 30.0f, 64.0f);
}

float growthBodyMassIndex(float weightKg, float heightCm) {
    const float metres = heightCm * 0.01f;
    return weightKg / (metres * metres);
}

}  // namespace orvane
