#include "content/record_texts.h"

#include "content/record_cursor.h"

namespace orvane {

bool readRecordTexts(ContentDatabase& table, int32_t index, std::span<SharedString> texts) {
    for (SharedString& text : texts) text = SharedString();
    if (index < 0 || index >= table.recordCount()) return false;
    RecordCursor cursor(table.getRecord(static_cast<uint16_t>(index)));
    for (SharedString& text : texts) text = cursor.readText();
    return !cursor.ranOut();
}

}  // namespace orvane
