// ByteSource: random-access reading of the bytes of one content file, from disk or from memory.
// It reads only; it neither caches nor interprets what it reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

class ByteSource {
  public:
    ByteSource() = default;
    ByteSource(const ByteSource&) = delete;
    ByteSource& operator=(const ByteSource&) = delete;
    virtual ~ByteSource() = default;

    // True when the bytes can be read at all (for a file: it exists and was opened).
    virtual bool isValid() const = 0;
    // The number of bytes in the source (0 when not valid).
    virtual uint64_t size() const = 0;
    // Reads up to count bytes starting at offset from the start into dest, in one read; returns
    // the number of bytes read (fewer at the end of the source, 0 on failure).
    virtual size_t readAt(uint64_t offset, void* dest, size_t count) = 0;
};

// An existing file opened for reading. Every read is one read of the file straight into the
// caller's buffer, after a seek unless it starts where the previous whole read ended; it keeps no
// buffer of its own.
class FileByteSource final : public ByteSource {
  public:
    explicit FileByteSource(const std::string& path);
    ~FileByteSource() override;

    bool isValid() const override { return file_ != nullptr; }
    uint64_t size() const override { return size_; }
    size_t readAt(uint64_t offset, void* dest, size_t count) override;

  private:
    static constexpr uint64_t kUnknownPosition = UINT64_MAX;

    std::FILE* file_ = nullptr;
    uint64_t size_ = 0;
    // Where the next read of the file starts without a seek; unknown after a short read.
    uint64_t position_ = kUnknownPosition;
};

// A copy of bytes held in memory (for tests and the fuzz target).
class MemoryByteSource final : public ByteSource {
  public:
    MemoryByteSource(const uint8_t* bytes, size_t count) : bytes_(bytes, bytes + count) {}
    explicit MemoryByteSource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    bool isValid() const override { return true; }
    uint64_t size() const override { return bytes_.size(); }
    size_t readAt(uint64_t offset, void* dest, size_t count) override;

  private:
    std::vector<uint8_t> bytes_;
};

}  // namespace orvane
