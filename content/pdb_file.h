// PdbFile: the reader of one Palm database file (72-byte header, record list, record bytes). It
// decodes the header and the record table once at open and reads record bytes on demand, through a
// bounded read-ahead window for short records (PdbRecordStream reads them in file order); it knows
// nothing of what the records mean and never writes.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "content/byte_source.h"
#include "content/content_folder.h"
#include "content/short_copy.h"

namespace orvane {

// The 72-byte file header, integers converted from big-endian.
struct PdbHeader {
    uint8_t name[32] = {};  // raw, NUL-padded
    uint16_t attributes = 0;
    uint16_t version = 0;
    uint32_t creationDate = 0;
    uint32_t modificationDate = 0;
    uint32_t lastBackupDate = 0;
    uint32_t modificationNumber = 0;
    uint32_t appInfoOffset = 0;
    uint32_t sortInfoOffset = 0;
    uint32_t type = 0;
    uint32_t creator = 0;
    uint32_t uniqueIdSeed = 0;
};

// One 6-byte record-list header.
struct PdbListHeader {
    uint32_t nextListId = 0;
    uint16_t recordCount = 0;
};

// One record entry; the length is computed from the offsets and the file size.
struct PdbRecordEntry {
    uint32_t offset = 0;
    uint8_t attributes = 0;
    uint8_t uniqueId[3] = {};
    uint32_t length = 0;
};

class PdbFile {
  public:
    static constexpr uint32_t kHeaderSize = 72;
    static constexpr uint32_t kListHeaderSize = 6;
    static constexpr uint32_t kEntrySize = 8;
    // Records shorter than kDirectReadSize are copied out of a read-ahead window of kWindowSize
    // bytes, refilled by one read starting at the first record it did not hold; so reading records
    // in file order costs one read of the source per window, not one per record. Longer records
    // are read straight into the caller's buffer. The window holds file bytes only, never a copy
    // that outlives a change of position, and at most kWindowSize of them.
    static constexpr uint32_t kWindowSize = 32 * 1024;
    static constexpr uint32_t kDirectReadSize = kWindowSize / 4;

    // Opens fileName (no folder) in the content folder. Always gives a reader; check isOpen.
    PdbFile(const ContentFolder& folder, std::string_view fileName);
    // Reads from the given source (null: not open).
    explicit PdbFile(std::unique_ptr<ByteSource> source);
    PdbFile(const PdbFile&) = delete;
    PdbFile& operator=(const PdbFile&) = delete;
    ~PdbFile();

    // True when the whole record table was read and found sound.
    bool isOpen() const;
    // The number of records the list headers announce (0 when the headers could not be read, their
    // counts add up past 65,535, or the file has no records).
    uint16_t recordCount() const { return recordCount_; }
    // The record's length in bytes; 0 when not open or index is not below recordCount.
    uint32_t recordLength(uint16_t index) const {
        if (!opened_ || index >= recordCount_) return 0;
        return lengthAt(index, offsetAt(index));
    }
    // Reads the record into dest (at least recordLength bytes). True when exactly recordLength
    // bytes came back; false when not open, index not below recordCount, or short (dest then holds
    // what was read).
    bool readRecord(uint16_t index, uint8_t* dest) {
        if (!opened_ || index >= recordCount_) return false;
        const uint32_t offset = offsetAt(index);
        const uint32_t length = lengthAt(index, offset);
        // Wraps to a huge number when the record starts before the window.
        const uint64_t skip = uint64_t{offset} - windowStart_;
        if (length != 0 && skip < windowLength_ && windowLength_ - skip >= length) {
            copyShortRun(dest, window_.get() + skip, length);
            return true;
        }
        return readOutsideWindow(offset, length, dest);
    }
    const PdbHeader& header() const { return header_; }
    const std::vector<PdbListHeader>& lists() const { return lists_; }
    // The entry of a record (decoded from the table), or none when not open or index is not below
    // recordCount.
    std::optional<PdbRecordEntry> entry(uint16_t index) const;

  private:
    friend class PdbRecordStream;

    static uint32_t be32(const uint8_t* p) {
        return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
    }
    uint32_t offsetAt(uint16_t index) const {
        return be32(table_.get() + size_t{index} * kEntrySize);
    }
    // The entry after the last holds the end of the file (set at open), so every record's length
    // is the difference of two offsets; offsets ascend (checked at open), so it cannot wrap.
    uint32_t lengthAt(uint16_t index, uint32_t offset) const {
        return be32(table_.get() + (size_t{index} + 1) * kEntrySize) - offset;
    }

    void open();
    bool readListHeaders(const uint8_t* first, size_t firstLength);
    bool readEntries();
    bool readOutsideWindow(uint32_t offset, uint32_t length, uint8_t* dest);

    std::unique_ptr<ByteSource> source_;
    PdbHeader header_;
    std::vector<PdbListHeader> lists_;
    // The record table as read from the file (8 bytes per record, big-endian); entries are decoded
    // from it on demand, so opening costs little more than the one read of the table. One more
    // entry after the last holds the end of the file (its low 32 bits: the last record's length is
    // below 2^32, so the difference from the last offset is still exact).
    std::unique_ptr<uint8_t[]> table_;
    uint64_t fileSize_ = 0;
    uint16_t recordCount_ = 0;
    bool opened_ = false;
    // The read-ahead window: windowLength_ bytes of the file from windowStart_ (none at first).
    std::unique_ptr<uint8_t[]> window_;
    uint64_t windowStart_ = 0;
    uint64_t windowLength_ = 0;
};

}  // namespace orvane
