#include "dosing/antibiotics/abx_dose_table.h"

#include "content/record_cursor.h"

namespace orvane {

namespace {

// The bytes after an entry's name: low, high (floats), per-day flag, doses a day, route (bytes)
// and maximum (float).
constexpr uint32_t kEntryNumberBytes = 4 + 4 + 1 + 1 + 1 + 4;

}  // namespace

std::vector<AbxDoseEntry> readAbxDoseEntries(RecordHandle record, bool* cutShort) {
    std::vector<AbxDoseEntry> entries;
    RecordCursor cursor(std::move(record));
    cursor.readText();  // the key
    while (static_cast<int32_t>(entries.size()) < kMostAbxDoseEntries) {
        AbxDoseEntry entry;
        entry.name = cursor.readText();
        if (entry.name.empty()) break;
        if (cursor.remaining() < kEntryNumberBytes) {
            if (cutShort != nullptr) *cutShort = true;
            break;
        }
        entry.low = cursor.readFloat();
        entry.high = cursor.readFloat();
        entry.perDayFlag = cursor.readByte();
        entry.dosesPerDay = cursor.readByte();
        entry.route = cursor.readByte();
        entry.maximum = cursor.readFloat();
        entries.push_back(std::move(entry));
    }
    return entries;
}

AbxCategoryRecord readAbxCategory(RecordHandle record) {
    RecordCursor cursor(std::move(record));
    cursor.readLong();  // not used
    AbxCategoryRecord category;
    category.name = cursor.readText();
    category.text = cursor.readText();
    category.doseRecord = cursor.readNumberText();
    category.complete = !cursor.ranOut();
    return category;
}

}  // namespace orvane
