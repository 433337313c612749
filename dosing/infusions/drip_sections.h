// What an infusion page generator is handed and what it fills: the chosen drug's record with the
// weight, concentration, rate and chosen texts worked out by its module, and the texts of the
// five sections of the page. Plain values; the generators themselves live with each module.
#pragma once

#include <cstdint>
#include <string>

#include "dosing/infusions/infusion_record.h"

namespace orvane::infusion {

// The five sections of an infusion page, in the order of the section list.
enum Section : int32_t { kSelections, kMix, kInfuse, kCompatibility, kInformation, kSectionCount };

// Written in place of every amount when no rate can be worked out.
inline constexpr const char* kNoRateNotice =
    "No rate can be worked out: the weight, the concentration or the drug's record is not "
    "usable.";

struct DripSections {
    std::string text[kSectionCount];

    std::string& operator[](Section section) { return text[section]; }
    const std::string& operator[](Section section) const { return text[section]; }
    void clear() {
        for (std::string& t : text) t.clear();
    }
    // The page of a drip that gives no rate: the notice in Selections and Infuse, nothing else.
    void noRate() {
        clear();
        text[kSelections] = kNoRateNotice;
        text[kInfuse] = kNoRateNotice;
    }
};

struct DripInputs {
    explicit DripInputs(const InfusionRecord& drug) : record(drug) {}

    const InfusionRecord& record;
    float weight = 0.0f;         // W, kg
    float concentration = 0.0f;  // K
    float rate = 0.0f;           // R
    float secondRate = 0.0f;     // R2, the later rate of a two-stage drip
    int32_t rateChoice = 0;      // position in the rate list, from 1; 0 none
    int32_t concentrationChoice = 0;
    bool custom = false;
    std::string rateText;           // [rate]
    std::string concentrationText;  // [conc]
};

}  // namespace orvane::infusion
