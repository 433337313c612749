#include "dosing/antibiotics/iv_abx_record.h"

#include <cctype>
#include <cmath>

#include "content/record_cursor.h"

namespace orvane {

namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        const auto a = static_cast<unsigned char>(text[i]);
        const auto b = static_cast<unsigned char>(prefix[i]);
        if (std::tolower(a) != std::tolower(b)) return false;
    }
    return true;
}

}  // namespace

bool namesPenicillin(std::string_view name) {
    return startsWithIgnoringCase(name, "pen") || startsWithIgnoringCase(name, "pcn");
}

bool IvAbxRecord::isDosable() const {
    return std::isfinite(low) && std::isfinite(high) && std::isfinite(step) &&
           std::isfinite(frequencyCode) && std::isfinite(protocolCode);
}

IvAbxRecord readIvAbxRecord(RecordHandle record) {
    RecordCursor cursor(std::move(record));
    IvAbxRecord drug;
    drug.code = cursor.readText();
    drug.name = cursor.readText();
    cursor.readText();  // two texts not shown
    cursor.readText();
    drug.adultDosing = cursor.readText();
    drug.low = cursor.readFloat();
    drug.high = cursor.readFloat();
    drug.step = cursor.readFloat();
    drug.frequencyCode = cursor.readFloat();
    drug.protocolCode = cursor.readFloat();
    drug.maximum = static_cast<int32_t>(cursor.readLong());
    drug.route = static_cast<int32_t>(cursor.readLong());
    for (SharedString& note : drug.notes) note = cursor.readText();
    drug.durationInfo = cursor.readText();
    drug.comments = cursor.readText();
    drug.damaged = cursor.ranOut();
    return drug;
}

}  // namespace orvane
