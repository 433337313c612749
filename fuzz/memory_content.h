// Content held in memory for the fuzz targets: the bytes of every content file of a folder, read
// once (a target keeps one copy for its whole process instead of opening files for every page),
// and a catalogue that opens its databases from those bytes, some of them replaced by bytes of
// the fuzzer's input. Reading only; it knows nothing of records or modules.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "content/byte_source.h"
#include "content/content_catalogue.h"
#include "content/pdb_file.h"

namespace orvane::fuzzing {

using SharedBytes = std::shared_ptr<const std::vector<uint8_t>>;

// Reads bytes shared with other sources (no copy per database opened).
class SharedByteSource final : public ByteSource {
  public:
    explicit SharedByteSource(SharedBytes bytes) : bytes_(std::move(bytes)) {}

    bool isValid() const override { return true; }
    uint64_t size() const override { return bytes_->size(); }
    size_t readAt(uint64_t offset, void* dest, size_t count) override {
        if (offset >= bytes_->size()) return 0;
        const size_t n = std::min<size_t>(count, bytes_->size() - static_cast<size_t>(offset));
        std::memcpy(dest, bytes_->data() + offset, n);
        return n;
    }

  private:
    SharedBytes bytes_;
};

// The content files of a folder (by file name), read when made.
class ContentInMemory {
  public:
    explicit ContentInMemory(const std::string& folder) {
        for (const std::string& name : ContentCatalogue::fileNames()) {
            std::ifstream in(std::filesystem::path(folder) / name, std::ios::binary);
            if (!in) continue;
            files_[name] = std::make_shared<const std::vector<uint8_t>>(
                std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }

    // The bytes of the file, or null when the folder had none.
    SharedBytes file(const std::string& name) const {
        const auto found = files_.find(name);
        return found == files_.end() ? nullptr : found->second;
    }

  private:
    std::map<std::string, SharedBytes> files_;
};

// The content in memory, with some databases (by number) served from other bytes instead. A
// number without a file, or whose file the folder lacked, opens as a database that is not open,
// as the catalogue of a folder gives it.
class MemoryCatalogue : public ContentCatalogue {
  public:
    MemoryCatalogue(const ContentInMemory& content, std::map<uint32_t, SharedBytes> replaced)
        : ContentCatalogue(ContentFolder("", "")),
          content_(content),
          replaced_(std::move(replaced)) {}

    std::unique_ptr<ContentDatabase> openDatabase(uint32_t number) const override {
        SharedBytes bytes;
        const auto found = replaced_.find(number);
        if (found != replaced_.end()) {
            bytes = found->second;
        } else if (const char* name = fileNameFor(number)) {
            bytes = content_.file(name);
        }
        if (!bytes) return std::make_unique<ContentDatabase>(nullptr);
        return std::make_unique<ContentDatabase>(
            std::make_unique<PdbFile>(std::make_unique<SharedByteSource>(std::move(bytes))));
    }

  private:
    const ContentInMemory& content_;
    std::map<uint32_t, SharedBytes> replaced_;
};

}  // namespace orvane::fuzzing
