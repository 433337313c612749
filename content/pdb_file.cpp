#include "content/pdb_file.h"

#include <bit>
#include <cstring>
#include <limits>

namespace orvane {

namespace {

uint16_t be16(const uint8_t* p) {
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

uint32_t be32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// List headers are read in chunks of this many, not one read each; the first chunk comes with
// the file header in one read.
constexpr size_t kListHeadersPerRead = 128;

// Four 32-bit lanes, for checking the record offsets eight entries at a time, and the same
// lanes as signed values and as sixteen-bit halves.
using Lanes = uint32_t __attribute__((vector_size(16)));
using SignedLanes = int32_t __attribute__((vector_size(16)));
using HalfLanes = uint16_t __attribute__((vector_size(16)));

// Big-endian lanes converted to native values and shifted by 2^31, so that a signed comparison of
// the results orders them as unsigned values.
inline SignedLanes orderedLanes(Lanes raw) {
    if constexpr (std::endian::native == std::endian::little) {
        HalfLanes halves = reinterpret_cast<HalfLanes>(raw);
        halves = (halves << 8) | (halves >> 8);
        halves = __builtin_shufflevector(halves, halves, 1, 0, 3, 2, 5, 4, 7, 6);
        raw = reinterpret_cast<Lanes>(halves);
    }
    const SignedLanes flip = {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN};
    return reinterpret_cast<SignedLanes>(raw) ^ flip;
}

// True when the offsets of the count entries of table never descend; last receives the final
// offset. The table is walked as four quarters side by side, one quarter per lane and two entries
// per lane and step, so that each lane compares an entry with its neighbour in the same lane with
// no shuffling between steps; the three pairs that straddle quarters and the entries left over
// are compared one by one.
bool offsetsAscend(const uint8_t* table, size_t count, uint32_t& last) {
    constexpr size_t kEntry = PdbFile::kEntrySize;
    const size_t quarter = count / 4 & ~size_t{1};  // entries per lane, whole steps only
    uint32_t descending = 0;
    if (quarter != 0) {
        const uint8_t* lane0 = table;
        const uint8_t* lane1 = table + quarter * kEntry;
        const uint8_t* lane2 = table + 2 * quarter * kEntry;
        const uint8_t* lane3 = table + 3 * quarter * kEntry;
        SignedLanes previous = orderedLanes(Lanes{0, 0, 0, 0});
        SignedLanes descendingLanes = {0, 0, 0, 0};
        for (size_t at = 0; at < quarter * kEntry; at += 2 * kEntry) {
            // Two entries (16 bytes) of each quarter; the offsets are lanes 0 and 2 of each.
            Lanes a;
            Lanes b;
            Lanes c;
            Lanes d;
            std::memcpy(&a, lane0 + at, sizeof a);
            std::memcpy(&b, lane1 + at, sizeof b);
            std::memcpy(&c, lane2 + at, sizeof c);
            std::memcpy(&d, lane3 + at, sizeof d);
            const Lanes ab = __builtin_shufflevector(a, b, 0, 2, 4, 6);
            const Lanes cd = __builtin_shufflevector(c, d, 0, 2, 4, 6);
            const SignedLanes first = orderedLanes(__builtin_shufflevector(ab, cd, 0, 2, 4, 6));
            const SignedLanes second = orderedLanes(__builtin_shufflevector(ab, cd, 1, 3, 5, 7));
            descendingLanes |= first < previous;
            descendingLanes |= second < first;
            previous = second;
        }
        descending = static_cast<uint32_t>(descendingLanes[0] | descendingLanes[1] |
                                           descendingLanes[2] | descendingLanes[3]);
        for (size_t k = 1; k < 4; ++k) {
            const uint8_t* start = table + k * quarter * kEntry;
            descending |= be32(start) < be32(start - kEntry) ? 1u : 0u;
        }
    }
    const size_t done = 4 * quarter;
    uint32_t previous = done != 0 ? be32(table + (done - 1) * kEntry) : 0;
    for (size_t i = done; i < count; ++i) {
        const uint32_t offset = be32(table + i * kEntry);
        descending |= offset < previous ? 1u : 0u;
        previous = offset;
    }
    last = previous;
    return descending == 0;
}

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
    if (!offsetsAscend(table_.get(), recordCount_, last) || last > fileSize_) return false;
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
