#include "content/index_record.h"

#include "content/record_cursor.h"

namespace orvane {

IndexRecord readIndexRecord(RecordHandle record) {
    RecordCursor cursor(std::move(record));
    IndexRecord entry;
    cursor.readText();  // the key
    entry.label = cursor.readText();
    entry.target = static_cast<uint32_t>(cursor.readNumberText());
    entry.complete = !cursor.ranOut();
    return entry;
}

}  // namespace orvane
