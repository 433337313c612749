#include "content/pdb_file.h"

#include <bit>
#include <cstring>
#include <limits>

namespace orvane {

namespace {

uint16_t be16(const uint8_t* p) {
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

inline uint32_t be32(const uint8_t* p) {
    uint32_t raw;
    std::memcpy(&raw, p, sizeof raw);
    if constexpr (std::endian::native == std::endian::little) return __builtin_bswap32(raw);
    return raw;
}

// List headers are read in chunks of this many, not one read each.
constexpr size_t kListHeadersPerRead = 128;

}  // namespace

PdbFile::PdbFile(const ContentFolder& folder, std::string_view fileName)
    : PdbFile(std::make_unique<FileByteSource>(folder.fullPath(fileName))) {}

PdbFile::PdbFile(std::unique_ptr<ByteSource> source) : source_(std::move(source)) {
    open();
}

PdbFile::~PdbFile() = default;

bool PdbFile::isOpen() const {
    return opened_ && source_ != nullptr && source_->isValid();
}

uint32_t PdbFile::recordLength(uint16_t index) const {
    if (!isOpen() || index >= recordCount_) return 0;
    if (index + 1u == recordCount_) return lastLength_;
    const uint8_t* p = table_.get() + size_t{index} * kEntrySize;
    return be32(p + kEntrySize) - be32(p);
}

std::optional<PdbRecordEntry> PdbFile::entry(uint16_t index) const {
    if (!isOpen() || index >= recordCount_) return std::nullopt;
    const uint8_t* p = table_.get() + size_t{index} * kEntrySize;
    PdbRecordEntry e;
    e.offset = be32(p);
    e.attributes = p[4];
    std::memcpy(e.uniqueId, p + 5, sizeof e.uniqueId);
    e.length = recordLength(index);
    return e;
}

bool PdbFile::readRecord(uint16_t index, uint8_t* dest) {
    if (!opened_ || index >= recordCount_) return false;
    const uint8_t* p = table_.get() + size_t{index} * kEntrySize;
    const uint32_t offset = be32(p);
    const uint32_t length =
        index + 1u == recordCount_ ? lastLength_ : be32(p + kEntrySize) - offset;
    if (length == 0) return true;
    return source_->readAt(offset, dest, length) == length;
}

void PdbFile::open() {
    recordCount_ = 0;
    opened_ = false;
    if (source_ == nullptr || !source_->isValid()) return;

    uint8_t raw[kHeaderSize];
    if (source_->readAt(0, raw, kHeaderSize) != kHeaderSize) return;
    std::memcpy(header_.name, raw, sizeof header_.name);
    header_.attributes = be16(raw + 32);
    header_.version = be16(raw + 34);
    header_.creationDate = be32(raw + 36);
    header_.modificationDate = be32(raw + 40);
    header_.lastBackupDate = be32(raw + 44);
    header_.modificationNumber = be32(raw + 48);
    header_.appInfoOffset = be32(raw + 52);
    header_.sortInfoOffset = be32(raw + 56);
    header_.type = be32(raw + 60);
    header_.creator = be32(raw + 64);
    header_.uniqueIdSeed = be32(raw + 68);

    if (!readListHeaders()) return;
    if (recordCount_ == 0) return;  // a file without records is not usable content
    opened_ = readEntries();
}

// Reads 6-byte list headers from offset 72 until one whose next-list id is 0, or up to the first
// short read (not counted). The record counts are added up; a total past 65,535 cannot be held
// and leaves the file not open with no records.
bool PdbFile::readListHeaders() {
    uint8_t chunk[kListHeaderSize * kListHeadersPerRead];
    uint64_t offset = kHeaderSize;
    uint32_t total = 0;
    for (;;) {
        const size_t got = source_->readAt(offset, chunk, sizeof chunk);
        const size_t whole = got / kListHeaderSize;
        for (size_t i = 0; i < whole; ++i) {
            const uint8_t* p = chunk + i * kListHeaderSize;
            PdbListHeader list{be32(p), be16(p + 4)};
            lists_.push_back(list);
            total += list.recordCount;
            if (total > std::numeric_limits<uint16_t>::max()) {
                lists_.clear();
                return false;
            }
            if (list.nextListId == 0) {
                recordCount_ = static_cast<uint16_t>(total);
                return true;
            }
        }
        if (got < sizeof chunk) break;  // short read: the headers end here
        offset += got;
    }
    recordCount_ = static_cast<uint16_t>(total);
    return true;
}

// Reads the entries of all lists, which lie back to back after the last list header, in one read.
// Offsets must ascend and stay within the file, so that no record reaches past its end.
bool PdbFile::readEntries() {
    const uint64_t tableOffset = kHeaderSize + uint64_t{kListHeaderSize} * lists_.size();
    const size_t tableSize = size_t{kEntrySize} * recordCount_;
    table_.reset(new uint8_t[tableSize]);  // filled by the read below
    if (source_->readAt(tableOffset, table_.get(), tableSize) != tableSize) {
        table_.reset();
        return false;
    }
    const uint64_t fileSize = source_->size();
    // Ascending offsets with the last one inside the file keep every record inside it. The check
    // runs without a branch per entry.
    uint32_t previous = 0;
    bool descending = false;
    for (size_t i = 0; i < recordCount_; ++i) {
        const uint32_t offset = be32(table_.get() + i * kEntrySize);
        descending |= offset < previous;
        previous = offset;
    }
    if (descending || previous > fileSize) return false;
    const uint64_t lastLength = fileSize - previous;
    if (lastLength > std::numeric_limits<uint32_t>::max()) return false;
    lastLength_ = static_cast<uint32_t>(lastLength);
    return true;
}

}  // namespace orvane
