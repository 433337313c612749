// Reads one record of the adult infusion table (database 3): code, name, an unshown text, amount
// unit, up to five concentrations with their texts, up to seven standard rates with texts and
// notes, the custom rate range, the information, compatibility and mixing texts and the rate-text
// kind. Counts beyond their range, and a record that ends before its last field, mark the record
// damaged.
#pragma once

#include "content/record_buffer.h"
#include "dosing/infusions/infusion_record.h"

namespace orvane::infusion {

// The most concentrations an adult record holds.
inline constexpr int32_t kMostAdultConcentrations = 5;

InfusionRecord readAdultDripsRecord(RecordHandle record);

}  // namespace orvane::infusion
