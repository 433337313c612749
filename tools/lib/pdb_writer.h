// Writing Palm database files: lays out a header name and a list of records as one file with a
// single record list (next-list id 0) and the records back to back. It does not check what the
// records hold; the content compiler does that.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::tools {

using ByteVector = std::vector<uint8_t>;

struct PdbImage {
    std::string name;               // at most 31 bytes; NUL-padded to 32 in the file
    uint32_t type = 0x44415441;     // "DATA"
    uint32_t creator = 0x4F52564E;  // "ORVN"
    std::vector<ByteVector> records;
};

// The bytes of the whole file: 72-byte header, one list header, 8 bytes per record entry, the 2
// customary gap bytes, then the records. Record i has unique id i + 1 and attributes 0.
ByteVector pdbBytes(const PdbImage& image);

// Writes bytes to path through a temporary file in the same folder that is then renamed, so that
// no partial file is ever left at path. On failure returns false with a message in error.
bool writeFileAtomically(const std::string& path, const ByteVector& bytes, std::string& error);

// Appends a value big-endian.
void putBigEndian16(ByteVector& out, uint16_t value);
void putBigEndian32(ByteVector& out, uint32_t value);

}  // namespace orvane::tools
