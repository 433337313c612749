#include "calculators/burn_area_formulas.h"

#include <string_view>

#include "foundation/number_format.h"

namespace orvane {

namespace {

constexpr const char* kRegionLabels[kBurnRegionCount] = {
    "Head/Neck",
    "Chest/Abdomen",
    "Back",
    "Shoulder to Elbow (Left)",
    "Shoulder to Elbow (Right)",
    "Elbow to Wrist (Left)",
    "Elbow to Wrist (Right)",
    "Hand (both sides) (Left)",
    "Hand (both sides) (Right)",
    "Buttock (Left)",
    "Buttock (Right)",
    "Genitalia",
    "Hip to Knee (Left)",
    "Hip to Knee (Right)",
    "Knee to Ankle (Left)",
    "Knee to Ankle (Right)",
    "Ankle/Top of Foot (Left)",
    "Ankle/Top of Foot (Right)",
    "Heel+Sole of Foot (Left)",
    "Heel+Sole of Foot (Right)",
};

// The stored surface each region reads; the Right member of a pair repeats its Left one.
constexpr int32_t kRegionSurface[kBurnRegionCount] = {0, 1, 2, 3, 3, 4, 4,  5,  5,  6,
                                                      6, 7, 8, 8, 9, 9, 10, 10, 11, 11};

constexpr const char* kAgeLabels[kBurnAgeCount] = {"< 1 year", "1-3 years", "4-8 years",
                                                   "9-12 years", "13 or older"};

}  // namespace

const char* burnRegionLabel(int32_t region) {
    if (region < 1 || region > kBurnRegionCount) return "";
    return kRegionLabels[region - 1];
}

const char* burnAgeLabel(int32_t age) {
    if (age < 1 || age > kBurnAgeCount) return "";
    return kAgeLabels[age - 1];
}

int32_t burnSurfaceOfRegion(int32_t region) {
    if (region < 1 || region > kBurnRegionCount) return 0;
    return kRegionSurface[region - 1];
}

float burnContribution(int32_t extent, float surfaceFraction) {
    if (extent <= 0) return 0.0f;
    return (static_cast<float>(extent - 1) * 5.0f + 2.5f) * 0.01f * surfaceFraction;
}

float burnTotal(const int16_t (&extents)[kBurnRegionCount],
                const float (&surfaceFractions)[kBurnRegionCount]) {
    float total = 0.0f;
    for (int32_t r = 0; r < kBurnRegionCount; ++r) {
        if (extents[r] > 0) total += burnContribution(extents[r], surfaceFractions[r]);
    }
    return total;
}

SharedString burnExtentText(int32_t extent) {
    if (extent <= 0) return SharedString("none");
    SharedString text = formatNumber(static_cast<float>((extent - 1) * 5), 0, false);
    text.append("-");
    text.append(formatNumber(static_cast<float>(extent * 5), 0, false));
    return text;
}

SharedString burnExtentEntryText(int32_t k, int32_t region) {
    SharedString text = formatNumber(static_cast<float>(5 * k), 0, false);
    text.append("-");
    text.append(formatNumber(static_cast<float>(5 * (k + 1)), 0, false));
    text.append("% of entire ");
    std::string_view label = burnRegionLabel(region);
    for (const std::string_view side :
         {std::string_view(" (Left)"), std::string_view(" (Right)")}) {
        const size_t at = label.find(side);
        if (at != std::string_view::npos) label = label.substr(0, at);
    }
    text.append(label);
    return text;
}

}  // namespace orvane
