#include "tools/lib/pdb_writer.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace orvane::tools {

void putBigEndian16(ByteVector& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void putBigEndian32(ByteVector& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value >> 24));
    out.push_back(static_cast<uint8_t>(value >> 16));
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

ByteVector pdbBytes(const PdbImage& image) {
    ByteVector out;
    out.reserve(78 + 8 * image.records.size() + 2);
    for (size_t i = 0; i < 32; ++i) {
        out.push_back(i < image.name.size() && i < 31 ? static_cast<uint8_t>(image.name[i]) : 0);
    }
    putBigEndian16(out, 0);                              // attributes
    putBigEndian16(out, 1);                              // version
    for (int i = 0; i < 6; ++i) putBigEndian32(out, 0);  // dates, modification number, info blocks
    putBigEndian32(out, image.type);
    putBigEndian32(out, image.creator);
    putBigEndian32(out, 0);  // unique id seed
    putBigEndian32(out, 0);  // next-list id: the only list
    putBigEndian16(out, static_cast<uint16_t>(image.records.size()));

    uint32_t offset = static_cast<uint32_t>(78 + 8 * image.records.size() + 2);
    for (size_t i = 0; i < image.records.size(); ++i) {
        putBigEndian32(out, offset);
        const uint32_t uniqueId = static_cast<uint32_t>(i + 1);
        out.push_back(0);  // attributes
        out.push_back(static_cast<uint8_t>(uniqueId >> 16));
        out.push_back(static_cast<uint8_t>(uniqueId >> 8));
        out.push_back(static_cast<uint8_t>(uniqueId));
        offset += static_cast<uint32_t>(image.records[i].size());
    }
    out.push_back(0);
    out.push_back(0);
    for (const ByteVector& record : image.records)
        out.insert(out.end(), record.begin(), record.end());
    return out;
}

bool writeFileAtomically(const std::string& path, const ByteVector& bytes, std::string& error) {
    const std::string temp = path + ".tmp." + std::to_string(::getpid());
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (file == nullptr) {
        error = "cannot create " + temp;
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    std::error_code ec;
    if (!written || !closed) {
        std::filesystem::remove(temp, ec);
        error = "cannot write " + temp;
        return false;
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        error = "cannot rename " + temp + " to " + path;
        return false;
    }
    return true;
}

}  // namespace orvane::tools
