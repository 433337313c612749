// InfusionRecord: one drug of an infusion table as the infusion modules use it: its code and
// name, the concentrations, the standard rates, the custom rate range and the texts of its five
// sections. Each module has its own reader for its table's layout (adult_drips_record.h,
// tyko_drips_record.h); this type only holds what was read and says whether it can be used.
#pragma once

#include <cstdint>
#include <string>

namespace orvane::infusion {

// The most concentrations and standard rates any infusion table holds.
inline constexpr int32_t kMostConcentrations = 6;
inline constexpr int32_t kMostRates = 7;

struct InfusionRecord {
    std::string code;
    std::string name;
    std::string amountUnit;
    int32_t concentrationCount = 0;  // 0 to kMostConcentrations
    float concentrations[kMostConcentrations] = {};
    std::string concentrationTexts[kMostConcentrations];
    int32_t rateCount = 0;  // 0 to kMostRates
    float customLowest = 0.0f;
    float customHighest = 0.0f;
    float customStep = 0.0f;
    std::string customUnit;
    float rates[kMostRates] = {};
    std::string rateTexts[kMostRates];
    std::string rateNotes[kMostRates];
    std::string information1;
    std::string information2;
    std::string compatibility;
    std::string bolusMixing;
    std::string dripMixing[kMostConcentrations];
    uint8_t rateTextKind = 0;
    // Set by a reader when a count lies outside its range or a number is not finite: such a
    // record gives no rate.
    bool damaged = false;
};

// Reads a count stored as a long: values above `most` are cut to `most` and mark the record
// damaged.
int32_t boundedCount(uint32_t stored, int32_t most, InfusionRecord& record);
// A stored float; a NaN or an infinity reads as 0 and marks the record damaged.
float finiteValue(float stored, InfusionRecord& record);

}  // namespace orvane::infusion
