// Reads one record of the child infusion table (database 11): code, name, amount unit, up to six
// concentrations with their texts, up to seven standard rates with texts and notes, the custom
// rate range, an unused long, the ten texts X1 to X10 (information, compatibility, bolus mixing,
// six drip mixings) and an unused byte. Counts beyond their range, and a record that ends before
// its last field, mark the record damaged.
#pragma once

#include "content/record_buffer.h"
#include "dosing/infusions/infusion_record.h"

namespace orvane::infusion {

InfusionRecord readTykoDripsRecord(RecordHandle record);

}  // namespace orvane::infusion
