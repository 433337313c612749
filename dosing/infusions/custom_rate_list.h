// The custom rate list of an infusion drug: the rates from the record's lowest to its highest
// custom rate in steps, each written as its shown value and unit, and the rate each entry stands
// for. It stops as soon as a step would not raise the shown value (a step of 0, a negative step
// or one too small to show) and never holds more than kMostCustomRates rates, so a bad record
// cannot make it run on. It does not add the "Return to Standard Dosing" entry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dosing/infusions/infusion_record.h"

namespace orvane::infusion {

inline constexpr int32_t kMostCustomRates = 200;

// How a module writes and steps its custom rates.
struct CustomRateStyle {
    // The most decimals of a shown rate (after the dose rounding).
    int32_t decimals = 1;
    // When set, each shown rate is first taken to the 0.05 grid (halves to even), written with
    // the two decimals that grid needs, and the next rate is stepped from that shown value.
    bool twentieths = false;
};

struct CustomRate {
    std::string text;   // the shown rate, a blank and the custom unit
    float rate = 0.0f;  // the rate the entry stands for
};

// The list for the record; empty unless its lowest rate and its step are both non-zero.
std::vector<CustomRate> customRates(const InfusionRecord& record, CustomRateStyle style);

}  // namespace orvane::infusion
