#include "content/record_buffer.h"

#include <cstring>

namespace orvane {

RecordBuffer::RecordBuffer(uint32_t length) : length_(length) {
    if (length != 0) bytes_ = std::make_unique<uint8_t[]>(length);  // zero-filled
}

namespace {

// Another reference to the buffer: shared when its count can grow, else a copy of the bytes.
RecordBuffer* share(RecordBuffer* buffer) {
    if (buffer == nullptr || buffer->addHolder()) return buffer;
    auto* copy = new RecordBuffer(buffer->length());
    if (buffer->length() != 0) std::memcpy(copy->data(), buffer->data(), buffer->length());
    return copy;
}

}  // namespace

RecordHandle::RecordHandle(const RecordHandle& other) : buffer_(share(other.buffer_)) {}

RecordHandle& RecordHandle::operator=(const RecordHandle& other) {
    if (this != &other && buffer_ != other.buffer_) {
        RecordBuffer* shared = share(other.buffer_);
        reset();
        buffer_ = shared;
    }
    return *this;
}

RecordHandle& RecordHandle::operator=(RecordHandle&& other) noexcept {
    if (this != &other) {
        reset();
        buffer_ = other.buffer_;
        other.buffer_ = nullptr;
    }
    return *this;
}

void RecordHandle::reset() {
    RecordBuffer* old = buffer_;
    buffer_ = nullptr;
    RefCounted::release(old);
}

}  // namespace orvane
