#include "modules/record_name_list.h"

#include "content/record_cursor.h"

namespace orvane {

void addRecordNames(InputField& list, ContentDatabase& table, int32_t code, int32_t firstRecord,
                    int32_t subCode) {
    const int32_t records = table.recordCount();
    for (int32_t i = firstRecord < 0 ? 0 : firstRecord; i < records; ++i) {
        RecordCursor cursor(table.getRecord(static_cast<uint16_t>(i)));
        cursor.readText();  // the key
        list.addEntry(cursor.readText(), makeRequest(code, i + 1, subCode));
    }
}

}  // namespace orvane
