// The three categories of the non-prescription medicines: their list texts and the fixed ranges
// of OTC-table records (counted from 1) that form them. Data and the lookup of a record's
// category only.
#pragma once

#include <cstdint>

namespace orvane {

struct OtcCategory {
    const char* text;
    int32_t first;  // the first record of the category, counted from 1
    int32_t last;   // the last one
};

inline constexpr OtcCategory kOtcCategories[] = {
    {"Fever/Pain Medications", 1, 16},
    {"Allergy/Cold/Cough Medications", 17, 81},
    {"Gastrointestinal Medications", 82, 89},
};

inline constexpr int32_t kOtcCategoryCount =
    static_cast<int32_t>(sizeof kOtcCategories / sizeof kOtcCategories[0]);

// The category (1 to 3) whose range holds record m (counted from 1); 0 for a record outside all.
constexpr int32_t otcCategoryOf(int32_t m) {
    for (int32_t c = 0; c < kOtcCategoryCount; ++c) {
        if (m >= kOtcCategories[c].first && m <= kOtcCategories[c].last) return c + 1;
    }
    return 0;
}

}  // namespace orvane
