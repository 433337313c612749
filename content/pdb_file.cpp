#include "content/pdb_file.h"

#include <cstring>
#include <limits>

#include "content/record_offsets.h"

namespace orvane {

namespace {

uint16_t be16(const uint8_t* p) {
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

// List headers are read in chunks of this many, not one read each; the first chunk comes with
// the file header in one read.
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

// A record not wholly inside the window: a long one is read straight into dest, a short one
// refills the window from its first byte. A read that comes back short leaves in dest what came.
bool PdbFile::readOutsideWindow(uint32_t offset, uint32_t length, uint8_t* dest) {
    if (length == 0) return true;
    if (length >= kDirectReadSize) return source_->readAt(offset, dest, length) == length;
    if (!window_) window_.reset(new uint8_t[kWindowSize]);
    // Never ask past the end of the file (lengths are checked against it at open).
    const uint64_t toEnd = fileSize_ - offset;
    const size_t want = toEnd < kWindowSize ? static_cast<size_t>(toEnd) : size_t{kWindowSize};
    windowStart_ = offset;
    windowLength_ = source_->readAt(offset, window_.get(), want);
    const size_t got = windowLength_ < length ? static_cast<size_t>(windowLength_) : length;
    std::memcpy(dest, window_.get(), got);
    return got == length;
}

void PdbFile::open() {
    recordCount_ = 0;
    opened_ = false;
    if (source_ == nullptr || !source_->isValid()) return;

    // The header and the first list headers in one read.
    uint8_t raw[kHeaderSize + kListHeaderSize * kListHeadersPerRead];
    const size_t got = source_->readAt(0, raw, sizeof raw);
    if (got < kHeaderSize) return;
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

    if (!readListHeaders(raw + kHeaderSize, got - kHeaderSize)) return;
    if (recordCount_ == 0) return;  // a file without records is not usable content
    opened_ = readEntries();
}

// Reads 6-byte list headers from offset 72 until one whose next-list id is 0, or up to the first
// short read (not counted); the first firstLength bytes of them were read with the file header.
// The record counts are added up; a total past 65,535 cannot be held and leaves the file not open
// with no records.
bool PdbFile::readListHeaders(const uint8_t* first, size_t firstLength) {
    constexpr size_t kChunkSize = kListHeaderSize * kListHeadersPerRead;
    uint8_t chunk[kChunkSize];
    const uint8_t* bytes = first;
    size_t got = firstLength;
    uint64_t offset = kHeaderSize;
    uint32_t total = 0;
    for (;;) {
        const size_t whole = got / kListHeaderSize;
        for (size_t i = 0; i < whole; ++i) {
            const uint8_t* p = bytes + i * kListHeaderSize;
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
        if (got < kChunkSize) break;  // short read: the headers end here
        offset += got;
        got = source_->readAt(offset, chunk, kChunkSize);
        bytes = chunk;
    }
    recordCount_ = static_cast<uint16_t>(total);
    return true;
}

// Reads the entries of all lists, which lie back to back after the last list header, in one read.
// Offsets must ascend and stay within the file, so that no record reaches past its end.
bool PdbFile::readEntries() {
    const uint64_t tableOffset = kHeaderSize + uint64_t{kListHeaderSize} * lists_.size();
    const size_t tableSize = size_t{kEntrySize} * recordCount_;
    // One entry more than the file has, for the end of the file (written below).
    table_.reset(new uint8_t[tableSize + kEntrySize]);  // filled by the read below
    if (source_->readAt(tableOffset, table_.get(), tableSize) != tableSize) {
        table_.reset();
        return false;
    }
    fileSize_ = source_->size();
    // Ascending offsets with the last one inside the file keep every record inside it.
    uint32_t last = 0;
    if (!recordOffsetsAscend(table_.get(), recordCount_, last) || last > fileSize_) return false;
    if (fileSize_ - last > std::numeric_limits<uint32_t>::max()) return false;
    const auto end = static_cast<uint32_t>(fileSize_);  // the low bits: see table_
    uint8_t* past = table_.get() + tableSize;
    past[0] = static_cast<uint8_t>(end >> 24);
    past[1] = static_cast<uint8_t>(end >> 16);
    past[2] = static_cast<uint8_t>(end >> 8);
    past[3] = static_cast<uint8_t>(end);
    std::memset(past + 4, 0, kEntrySize - 4);
    return true;
}

}  // namespace orvane
