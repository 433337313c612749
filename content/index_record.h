// Reads one record of the tables that list entries by name and target (the A-Z index, the drug
// index of TykoDrugs, the antibiotic index of TykoAbx): a key (not shown), the entry's label and
// its target, a request written as a decimal number text. Reads only; which list an entry belongs
// to is its module's.
#pragma once

#include <cstdint>

#include "content/record_buffer.h"
#include "foundation/shared_string.h"

namespace orvane {

struct IndexRecord {
    SharedString label;
    // The request the entry opens; 0 when the text is no number (the entry opens nothing).
    uint32_t target = 0;
    // False when the record ends before its target.
    bool complete = false;
};

IndexRecord readIndexRecord(RecordHandle record);

}  // namespace orvane
