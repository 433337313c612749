// Fuzz target for the content reader: any bytes as a content file, opened from memory, every
// record read through the database and every field reader run over it to the record's end.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "content/byte_source.h"
#include "content/content_database.h"
#include "content/record_cursor.h"

namespace {

// Reads the record with one field kind until the cursor reaches the end (each read moves it).
void readAll(const orvane::RecordHandle& record, int kind) {
    orvane::RecordCursor cursor(record);
    for (uint32_t guard = 0; !cursor.atEnd() && guard <= record.length(); ++guard) {
        switch (kind) {
            case 0:
                cursor.readText();
                break;
            case 1:
                cursor.readByte();
                break;
            case 2:
                cursor.readLong();
                break;
            case 3:
                cursor.readFloat();
                break;
            default:
                cursor.readNumberText();
                break;
        }
    }
    // Past the end every reader gives nothing.
    cursor.readText();
    cursor.readByte();
    cursor.readLong();
    cursor.readFloat();
    cursor.readNumberText();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    orvane::ContentDatabase db(
        std::make_unique<orvane::PdbFile>(std::make_unique<orvane::MemoryByteSource>(data, size)));
    const uint16_t count = db.recordCount();
    if (!db.isOpen() && count != 0) __builtin_trap();
    for (uint32_t i = 0; i < count; ++i) {
        orvane::RecordHandle record = db.getRecord(static_cast<uint16_t>(i));
        if (record.isNull()) continue;
        // Mixed fields in the usual order, then each kind alone.
        orvane::RecordCursor mixed(record);
        mixed.readText();
        mixed.readByte();
        mixed.readLong();
        mixed.readFloat();
        mixed.readText();
        mixed.readNumberText();
        for (int kind = 0; kind < 5; ++kind) readAll(record, kind);
    }
    db.getRecord(count);  // one past the end: null
    return 0;
}
