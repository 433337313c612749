#include "shell/history_entry.h"

#include <cstring>

namespace orvane {

namespace {

void put16(uint8_t* out, uint16_t v) {
    out[0] = static_cast<uint8_t>(v & 0xFFu);
    out[1] = static_cast<uint8_t>(v >> 8);
}

void put32(uint8_t* out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>((v >> (8 * i)) & 0xFFu);
}

}  // namespace

void HomeEntry::encode(uint8_t* out) const {
    put16(out, static_cast<uint16_t>(first_));
    put16(out + 2, static_cast<uint16_t>(second_));
    put16(out + 4, static_cast<uint16_t>(static_cast<uint32_t>(number_) & 0xFFFFu));
    const int32_t length = text_.length();
    if (length > 0) std::memcpy(out + 6, text_.text(), static_cast<size_t>(length));
    out[6 + length] = 0;
}

std::unique_ptr<HistoryEntry> HomeEntry::clone() const {
    return std::make_unique<HomeEntry>(first_, second_, text_, number_);
}

void RequestEntry::encode(uint8_t* out) const {
    put32(out, request_);
    put16(out + 4, static_cast<uint16_t>(first_));
    put16(out + 6, static_cast<uint16_t>(second_));
}

std::unique_ptr<HistoryEntry> RequestEntry::clone() const {
    return std::make_unique<RequestEntry>(request_, first_, second_);
}

bool isRecordableCode(int32_t code) {
    if (code >= 1 && code <= 27) return true;
    if (code >= 30 && code <= 33) return true;
    if (code >= 46 && code <= 49) return true;
    switch (code) {
        case 37:
        case 39:
        case 41:
        case 43:
        case 53:
        case 57:
        case 59:
        case 60:
        case 63:
            return true;
        default:
            return false;
    }
}

std::unique_ptr<RequestEntry> makeRequestEntry(Request request) {
    if (!isRecordableCode(moduleCode(request))) return nullptr;
    return std::make_unique<RequestEntry>(request);
}

}  // namespace orvane
