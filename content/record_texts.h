// Reads the records that are made of texts only (the toxicology, transfusion, reference, sedation,
// paralytic, resuscitation, fever, non-prescription and calculator tables): every text of one
// record, front to back, into the caller's array, and whether the record held them all. It keeps
// nothing and knows no layout beyond "n texts".
#pragma once

#include <cstdint>
#include <span>

#include "content/content_database.h"
#include "foundation/shared_string.h"

namespace orvane {

// Empties every text, then reads record `index` (from 0) into them. A record that is not in the
// table leaves them all empty; a damaged record (cut short) leaves the missing ones empty. True
// when the record is in the table and holds every text asked for.
bool readRecordTexts(ContentDatabase& table, int32_t index, std::span<SharedString> texts);

}  // namespace orvane
