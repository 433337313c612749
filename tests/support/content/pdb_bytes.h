// Test content for the content store and the content tools: raw Palm database bytes laid out by
// hand (including damaged ones), a named scratch folder and files written into it, and byte
// sources that count or cut short their reads.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "content/byte_source.h"
#include "tools/lib/pdb_writer.h"

namespace orvane::test_support {

using tools::ByteVector;

// A 72-byte header with the given name, then the list headers, then 8-byte entries with the given
// offsets, then filler bytes (i & 0xFF) up to fileSize (or cut to it, when shorter).
struct RawLayout {
    std::vector<std::pair<uint32_t, uint16_t>> lists;  // next-list id, record count
    std::vector<uint32_t> offsets;
    size_t fileSize = 0;
};

inline ByteVector rawPdb(const RawLayout& layout) {
    ByteVector out(32, 0);
    const char* name = "fixture";
    for (size_t i = 0; name[i] != 0; ++i) out[i] = static_cast<uint8_t>(name[i]);
    out.resize(72, 0);
    for (const auto& [next, count] : layout.lists) {
        tools::putBigEndian32(out, next);
        tools::putBigEndian16(out, count);
    }
    for (size_t i = 0; i < layout.offsets.size(); ++i) {
        tools::putBigEndian32(out, layout.offsets[i]);
        out.push_back(0x40);
        out.push_back(0);
        out.push_back(0);
        out.push_back(static_cast<uint8_t>(i + 1));
    }
    const size_t table = out.size();
    out.resize(layout.fileSize);
    for (size_t i = table; i < out.size(); ++i) out[i] = static_cast<uint8_t>(i & 0xFF);
    return out;
}

// A sound file of the given records, as the content builder writes it.
inline ByteVector goodPdb(const std::vector<ByteVector>& records) {
    tools::PdbImage image;
    image.name = "fixture";
    image.records = records;
    return tools::pdbBytes(image);
}

inline std::unique_ptr<ByteSource> memory(const ByteVector& bytes) {
    return std::make_unique<MemoryByteSource>(bytes);
}

// A fresh empty folder under the test temporary folder.
inline std::string freshFolder(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

inline void writeFile(const std::string& path, const ByteVector& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// Counts the reads made through it; reads at or past cutAt come back short.
class CountingSource final : public ByteSource {
  public:
    CountingSource(ByteVector bytes, uint64_t cutAt = UINT64_MAX, int* reads = nullptr)
        : inner_(std::move(bytes)), cutAt_(cutAt), reads_(reads) {}
    bool isValid() const override { return true; }
    uint64_t size() const override { return inner_.size(); }
    size_t readAt(uint64_t offset, void* dest, size_t count) override {
        if (reads_ != nullptr) ++*reads_;
        if (offset + count > cutAt_)
            count = offset < cutAt_ ? static_cast<size_t>(cutAt_ - offset) : 0;
        return inner_.readAt(offset, dest, count);
    }

  private:
    MemoryByteSource inner_;
    uint64_t cutAt_;
    int* reads_;
};

}  // namespace orvane::test_support
