#include "modules/record_name_list.h"

#include "content/record_cursor.h"

namespace orvane {

void addRecordNames(InputField& list, ContentDatabase& table, int32_t code) {
    const uint16_t records = table.recordCount();
    for (uint16_t i = 0; i < records; ++i) {
        RecordCursor cursor(table.getRecord(i));
        cursor.readText();  // the key
        list.addEntry(cursor.readText(), makeRequest(code, i + 1));
    }
}

}  // namespace orvane
