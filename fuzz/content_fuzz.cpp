// Fuzz target for the content reader: any bytes as a content file, opened from memory, every
// record read through the database and every field reader run over it to the record's end; then
// the same file read in order through a record stream, which must give the same bytes as reading
// each record by its index.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "content/byte_source.h"
#include "content/content_database.h"
#include "content/pdb_file.h"
#include "content/pdb_record_stream.h"
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

    // In order through the stream, against reads by index of a second reader of the same bytes.
    const orvane::PdbFile streamed(std::make_unique<orvane::MemoryByteSource>(data, size));
    orvane::PdbFile indexed(std::make_unique<orvane::MemoryByteSource>(data, size));
    orvane::PdbRecordStream stream(streamed);
    std::vector<uint8_t> a;
    std::vector<uint8_t> b;
    while (!stream.atEnd()) {
        const uint16_t i = stream.index();
        const uint32_t length = stream.nextLength();
        if (length != indexed.recordLength(i)) __builtin_trap();
        a.assign(length, 0);
        b.assign(length, 0);
        const bool wholeA = stream.readNext(a.data());
        const bool wholeB = indexed.readRecord(i, b.data());
        if (wholeA != wholeB) __builtin_trap();
        if (wholeA && length != 0 && std::memcmp(a.data(), b.data(), length) != 0) __builtin_trap();
    }
    if (stream.readNext(nullptr)) __builtin_trap();
    return 0;
}
