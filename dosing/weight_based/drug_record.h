// One record of the drug table (database 12) as the TykoDrugs pages read it: names, dose kind,
// unit, the four dose options, concentration, maximum and the three note texts, read field by
// field from the start of the record. It reads and names the fields; it computes nothing.
#pragma once

#include <cstdint>

#include "content/record_buffer.h"
#include "foundation/shared_string.h"

namespace orvane {

// The dose kinds: 1 to 9 dose by one of up to four options, 10 to 14 by a stepped range per day.
namespace dose_kind {
inline constexpr int32_t kOralLiquid = 1;        // volume by the oral volume rounding
inline constexpr int32_t kOralLiquidFifths = 2;  // volume in 0.2 mL steps
inline constexpr int32_t kRectal = 3;
inline constexpr int32_t kIv = 4;
inline constexpr int32_t kSubcut = 7;  // its interval is written " q" + interval
inline constexpr int32_t kLastOption = 9;
inline constexpr int32_t kFirstStepped = 10;
inline constexpr int32_t kPerDayIv = 10;
inline constexpr int32_t kPerDayOralLiquid = 11;  // also gives the volume of the solution
inline constexpr int32_t kPerDayTablet = 13;      // also gives the availability text
inline constexpr int32_t kLastStepped = 14;
}  // namespace dose_kind

inline constexpr int32_t kDoseOptions = 4;

// One dose option: the dose per kg, the text shown in the list, and the interval in hours ("0"
// for a loading dose).
struct DoseOption {
    float perKg = 0.0f;
    SharedString text;
    SharedString interval;
};

struct DrugRecord {
    SharedString name;        // the caption; compared with the rectal diazepam name
    SharedString secondName;  // compared with the intravenous diazepam name
    int32_t kind = 0;
    SharedString unit;
    DoseOption options[kDoseOptions];
    float concentration = 0.0f;  // unit per mL; 0 when there is no liquid form
    float maximum = 0.0f;        // 0: no maximum
    SharedString notes;
    SharedString furtherNotes;
    SharedString availability;
    // The record ended before its last field: its numbers cannot be trusted and it gives no dose.
    bool damaged = false;

    bool isStepped() const {
        return kind >= dose_kind::kFirstStepped && kind <= dose_kind::kLastStepped;
    }
    // For the stepped kinds the first three options hold the range and the frequency code.
    float lowest() const { return options[0].perKg; }
    float highest() const { return options[1].perKg; }
    float step() const { return options[2].perKg; }
    const SharedString& frequencyCode() const { return options[0].text; }
};

// The record's fields in their stored order; a record that ends early reads the rest as empty
// texts and zeros and is marked damaged (a null handle gives an empty, damaged record of kind 0).
DrugRecord readDrugRecord(RecordHandle record);

}  // namespace orvane
