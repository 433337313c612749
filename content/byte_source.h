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

// An existing file opened for reading. Small reads are served from a read-ahead window of
// kWindowSize bytes that one seek and one read refill, so that reading records in file order costs
// one system read per window rather than one per record; larger reads go straight to the file.
class FileByteSource final : public ByteSource {
  public:
    static constexpr size_t kWindowSize = 64 * 1024;

    explicit FileByteSource(const std::string& path);
    ~FileByteSource() override;

    bool isValid() const override { return file_ != nullptr; }
    uint64_t size() const override { return size_; }
    size_t readAt(uint64_t offset, void* dest, size_t count) override;

  private:
    // One seek and one read straight into dest.
    size_t readDirect(uint64_t offset, void* dest, size_t count);

    std::FILE* file_ = nullptr;
    uint64_t size_ = 0;
    std::unique_ptr<uint8_t[]> window_;
    uint64_t windowStart_ = 0;
    size_t windowLength_ = 0;
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
