// PdbFile: the reader of one Palm database file (72-byte header, record list, record bytes). It
// decodes the header and the record table once at open and reads record bytes on demand; it knows
// nothing of what the records mean and never writes.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "content/byte_source.h"
#include "content/content_folder.h"

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
    uint32_t recordLength(uint16_t index) const;
    // Reads the record into dest (at least recordLength bytes) in one read. True when exactly
    // recordLength bytes came back; false when not open, index not below recordCount, or short.
    bool readRecord(uint16_t index, uint8_t* dest);

    const PdbHeader& header() const { return header_; }
    const std::vector<PdbListHeader>& lists() const { return lists_; }
    // The entry of a record (decoded from the table), or none when not open or index is not below
    // recordCount.
    std::optional<PdbRecordEntry> entry(uint16_t index) const;

  private:
    void open();
    bool readListHeaders();
    bool readEntries();

    std::unique_ptr<ByteSource> source_;
    PdbHeader header_;
    std::vector<PdbListHeader> lists_;
    // The record table as read from the file (8 bytes per record, big-endian); entries are decoded
    // from it on demand, so opening costs little more than the one read of the table.
    std::unique_ptr<uint8_t[]> table_;
    uint32_t lastLength_ = 0;
    uint16_t recordCount_ = 0;
    bool opened_ = false;
};

}  // namespace orvane
