#include "content/record_cursor.h"

#include <bit>
#include <cstring>
#include <string_view>

namespace orvane {

RecordCursor::RecordCursor(RecordHandle record) : record_(std::move(record)) {}

SharedString RecordCursor::readText() {
    if (atEnd()) {
        ranOut_ = true;
        return SharedString();
    }
    const char* start = reinterpret_cast<const char*>(record_.data()) + position_;
    const uint32_t left = remaining();
    const void* nul = std::memchr(start, 0, left);
    const uint32_t length =
        nul != nullptr ? static_cast<uint32_t>(static_cast<const char*>(nul) - start) : left;
    position_ += nul != nullptr ? length + 1 : length;
    if (nul == nullptr) ranOut_ = true;
    return SharedString(std::string_view(start, length));
}

uint8_t RecordCursor::readByte() {
    if (atEnd()) {
        ranOut_ = true;
        return 0;
    }
    return record_.data()[position_++];
}

uint32_t RecordCursor::readLong() {
    if (remaining() < 4) {
        position_ = record_.length();
        ranOut_ = true;
        return 0;
    }
    const uint8_t* p = record_.data() + position_;
    position_ += 4;
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
}

float RecordCursor::readFloat() {
    return std::bit_cast<float>(readLong());
}

int32_t RecordCursor::readNumberText() {
    const uint8_t* p = record_.data();
    const uint32_t end = record_.length();
    uint32_t at = position_;
    if (at >= end) ranOut_ = true;
    position_ = remaining() < 4 ? end : position_ + 4;

    while (at < end && (p[at] == ' ' || p[at] == '\t')) ++at;
    bool negative = false;
    if (at < end && (p[at] == '-' || p[at] == '+')) {
        negative = p[at] == '-';
        ++at;
    }
    // Accumulated as a magnitude in 64 bits; past the 32-bit range the text is no number.
    constexpr int64_t kLimit = int64_t{1} << 31;  // the magnitude of INT32_MIN
    int64_t magnitude = 0;
    bool digits = false;
    for (; at < end && p[at] >= '0' && p[at] <= '9'; ++at) {
        digits = true;
        magnitude = magnitude * 10 + (p[at] - '0');
        if (magnitude > kLimit) return 0;
    }
    if (!digits) return 0;
    if (!negative && magnitude == kLimit) return 0;
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace orvane
