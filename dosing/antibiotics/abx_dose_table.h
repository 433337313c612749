// The antibiotic dose table of AbxNavix (database 45): one record per category's dose list, a
// skipped key and then up to 16 antibiotics, each with its dose per kg (a single value or a
// low-high range), per day or per dose, the number of doses a day, the route code and the maximum.
// It only reads records; what a page shows is abx_dose_block's.
#pragma once

#include <cstdint>
#include <vector>

#include "content/record_buffer.h"
#include "foundation/shared_string.h"

namespace orvane {

struct AbxDoseEntry {
    SharedString name;
    float low = 0.0f;         // dose per kg
    float high = 0.0f;        // dose per kg; 0: a single value
    uint8_t perDayFlag = 0;   // 1: the doses are per day, 0: per dose
    uint8_t dosesPerDay = 0;  // the count the daily doses are divided by
    uint8_t route = 0;        // route code, see abx_frequency_words.h
    float maximum = 0.0f;     // per day or per dose as the doses are; 0: none

    bool perDay() const { return perDayFlag == kPerDay; }

    static constexpr uint8_t kPerDose = 0;
    static constexpr uint8_t kPerDay = 1;
};

// The most antibiotics one record lists.
inline constexpr int32_t kMostAbxDoseEntries = 16;

// The entries of a dose record, up to the first empty name (at most kMostAbxDoseEntries). An entry
// whose numbers are cut off by the record's end is damaged and left out, with all after it; then
// `cutShort`, when given, is set.
std::vector<AbxDoseEntry> readAbxDoseEntries(RecordHandle record, bool* cutShort = nullptr);

// A category record of AbxNavix (its own database): 4 bytes not used, the name, the text and the
// dose record's number as a number text.
struct AbxCategoryRecord {
    SharedString name;
    SharedString text;
    int32_t doseRecord = 0;  // 0: none
    bool complete = false;   // false: the record ends before the dose record's number
};

AbxCategoryRecord readAbxCategory(RecordHandle record);

}  // namespace orvane
