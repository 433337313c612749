#include "content/pdb_file.h"

#include <cstring>
#include <limits>

namespace orvane {

namespace {

uint16_t be16(const uint8_t* p) {
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

uint32_t be32(const uint8_t* p) {
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
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
    const PdbRecordEntry* e = entry(index);
    return e != nullptr ? e->length : 0;
}

const PdbRecordEntry* PdbFile::entry(uint16_t index) const {
    if (!isOpen() || index >= recordCount_) return nullptr;
    return &entries_[index];
}

bool PdbFile::readRecord(uint16_t index, uint8_t* dest) {
    const PdbRecordEntry* e = entry(index);
    if (e == nullptr) return false;
    if (e->length == 0) return true;
    return source_->readAt(e->offset, dest, e->length) == e->length;
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

// Reads the entries of all lists, which lie back to back after the last list header, in one read,
// and works out the lengths. Offsets must ascend and stay within the file, so that no record
// reaches past its end.
bool PdbFile::readEntries() {
    const uint64_t tableOffset = kHeaderSize + uint64_t{kListHeaderSize} * lists_.size();
    const size_t tableSize = size_t{kEntrySize} * recordCount_;
    std::vector<uint8_t> table(tableSize);
    if (source_->readAt(tableOffset, table.data(), tableSize) != tableSize) return false;

    const uint64_t fileSize = source_->size();
    entries_.assign(recordCount_, PdbRecordEntry{});
    for (size_t i = 0; i < recordCount_; ++i) {
        const uint8_t* p = table.data() + i * kEntrySize;
        PdbRecordEntry& e = entries_[i];
        e.offset = be32(p);
        e.attributes = p[4];
        std::memcpy(e.uniqueId, p + 5, sizeof e.uniqueId);
        if (e.offset > fileSize) return false;
        if (i > 0) {
            PdbRecordEntry& previous = entries_[i - 1];
            if (e.offset < previous.offset) return false;
            previous.length = e.offset - previous.offset;
        }
    }
    PdbRecordEntry& last = entries_[recordCount_ - 1u];
    const uint64_t lastLength = fileSize - last.offset;
    if (lastLength > std::numeric_limits<uint32_t>::max()) return false;
    last.length = static_cast<uint32_t>(lastLength);
    return true;
}

}  // namespace orvane
