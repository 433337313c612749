// The scoring table (database 56): one record per criterion, a heading and up to nine answers,
// each with its points. This reads one record; it does not decide which record a score uses.
#pragma once

#include <cstdint>

#include "content/content_database.h"
#include "foundation/shared_string.h"

namespace orvane {

inline constexpr int32_t kPointsTable = 56;
inline constexpr int32_t kPointsPairs = 10;  // pair 0 the heading, pairs 1-9 the answers

struct PointsRecord {
    bool present = false;              // the record could be read
    SharedString texts[kPointsPairs];  // texts[0] the heading, texts[j] answer j ("" = none)
    float points[kPointsPairs] = {};   // points[j] the points of answer j
    bool complete = false;             // false: the record ends before its last pair
};

// Record layout: a big-endian 32-bit integer (not used), then ten pairs of a NUL-terminated text
// and a big-endian single-precision float. A missing record reads as not present, all empty.
PointsRecord readPointsRecord(ContentDatabase& table, int32_t index);

}  // namespace orvane
