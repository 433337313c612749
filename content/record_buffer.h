// RecordBuffer: the bytes of exactly one record and their length, shared by reference count
// between the database that read it and whoever holds it. RecordHandle is the holder; neither
// knows the record's layout.
#pragma once

#include <cstdint>
#include <memory>

#include "foundation/ref_counted.h"

namespace orvane {

class RecordBuffer final : public RefCounted {
  public:
    // A buffer of exactly length bytes, zero-filled (no bytes at all for length 0).
    explicit RecordBuffer(uint32_t length);

    uint8_t* data() { return bytes_.get(); }
    const uint8_t* data() const { return bytes_.get(); }
    uint32_t length() const { return length_; }

  private:
    std::unique_ptr<uint8_t[]> bytes_;
    uint32_t length_ = 0;
};

// A counted reference to a RecordBuffer; null when there is no record. Copies share the buffer
// (a buffer whose count cannot grow is copied instead).
class RecordHandle {
  public:
    RecordHandle() = default;
    // Takes over the caller's reference (a freshly made buffer has one).
    explicit RecordHandle(RecordBuffer* adopted) : buffer_(adopted) {}
    RecordHandle(const RecordHandle& other);
    RecordHandle(RecordHandle&& other) noexcept : buffer_(other.buffer_) {
        other.buffer_ = nullptr;
    }
    RecordHandle& operator=(const RecordHandle& other);
    RecordHandle& operator=(RecordHandle&& other) noexcept;
    ~RecordHandle() { reset(); }

    explicit operator bool() const { return buffer_ != nullptr; }
    bool isNull() const { return buffer_ == nullptr; }
    // The record's bytes (null for no record) and their number (0 for no record).
    const uint8_t* data() const { return buffer_ != nullptr ? buffer_->data() : nullptr; }
    uint32_t length() const { return buffer_ != nullptr ? buffer_->length() : 0; }
    // The number of holders of the buffer (0 for no record); for tests.
    int16_t holders() const { return buffer_ != nullptr ? buffer_->refCount() : 0; }

    void reset();

  private:
    RecordBuffer* buffer_ = nullptr;
};

}  // namespace orvane
