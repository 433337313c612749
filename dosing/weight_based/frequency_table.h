// The frequency lists of the drugs dosed per day: a frequency code ("1" to "10") of the drug
// record names the intervals offered and how many doses a day each means. Data only.
#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

inline constexpr int32_t kMostFrequencies = 4;

struct FrequencyChoice {
    const char* text;
    int32_t dosesPerDay;
};

struct FrequencyList {
    const char* code;
    int32_t count;
    FrequencyChoice choices[kMostFrequencies];
};

// The list of a code compared as a whole text; null for a code that is not one of "1" to "10".
const FrequencyList* frequencyListFor(std::string_view code);

// The code whose single entry is a dose rather than a daily total: its doses are per kg (not per
// kg per day) and the result names the frequency text.
inline constexpr std::string_view kPerDoseFrequencyCode = "8";

}  // namespace orvane
