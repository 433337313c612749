// Reads the records of the toxicology, transfusion and reference tables, which are made of texts
// only: every text of one record, front to back, into the caller's array. It keeps nothing and
// knows no layout beyond "n texts".
#pragma once

#include <cstdint>
#include <span>

#include "content/content_database.h"
#include "foundation/shared_string.h"

namespace orvane {

// Empties every text, then reads record `index` (from 0) into them. A record that is not in the
// table leaves them all empty; a damaged record (cut short) leaves the missing ones empty.
void readRecordTexts(ContentDatabase& table, int32_t index, std::span<SharedString> texts);

}  // namespace orvane
