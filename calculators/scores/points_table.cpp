#include "calculators/scores/points_table.h"

#include "content/record_cursor.h"

namespace orvane {

PointsRecord readPointsRecord(ContentDatabase& table, int32_t index) {
    PointsRecord record;
    if (index < 0 || index > 0xFFFF) return record;
    RecordHandle bytes = table.getRecord(static_cast<uint16_t>(index));
    if (!bytes) return record;
    record.present = true;
    RecordCursor cursor(bytes);
    cursor.readLong();
    for (int32_t j = 0; j < kPointsPairs; ++j) {
        record.texts[j] = cursor.readText();
        record.points[j] = cursor.readFloat();
    }
    record.complete = !cursor.ranOut();
    return record;
}

}  // namespace orvane
