// The list of a table whose records each start with a key and a display name: one entry per
// record from `firstRecord` on, labelled with the name and choosing (code, n, subCode) for record
// n counted from 1. Reads the records; keeps nothing.
#pragma once

#include <cstdint>

#include "content/content_database.h"
#include "model/input_field.h"

namespace orvane {

void addRecordNames(InputField& list, ContentDatabase& table, int32_t code, int32_t firstRecord = 0,
                    int32_t subCode = 0);

}  // namespace orvane
