#include "content/pdb_file.h"

#include <gtest/gtest.h>

#include "tests/support/content/pdb_bytes.h"

namespace orvane {
namespace {

using namespace test_support;

constexpr uint32_t kTableEnd1 = 72 + 6 + 8;  // header, one list header, one entry

TEST(PdbFileTest, OneRecordRunsToTheEndOfTheFile) {
    const ByteVector bytes = rawPdb({{{0, 1}}, {100}, 173});
    PdbFile file(memory(bytes));
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.recordCount(), 1);
    EXPECT_EQ(file.recordLength(0), 73u);
    ByteVector record(73);
    ASSERT_TRUE(file.readRecord(0, record.data()));
    EXPECT_EQ(record, ByteVector(bytes.begin() + 100, bytes.end()));
}

TEST(PdbFileTest, HeaderFieldsAreDecodedBigEndian) {
    ByteVector bytes = rawPdb({{{0, 1}}, {kTableEnd1}, kTableEnd1 + 4});
    bytes[34] = 0x01;
    bytes[35] = 0x02;
    bytes[60] = 'D';
    bytes[61] = 'A';
    bytes[62] = 'T';
    bytes[63] = 'A';
    PdbFile file(memory(bytes));
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.header().version, 0x0102);
    EXPECT_EQ(file.header().type, 0x44415441u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file.header().name)), "fixture");
    ASSERT_EQ(file.lists().size(), 1u);
    EXPECT_EQ(file.entry(0)->attributes, 0x40);
    EXPECT_EQ(file.entry(0)->uniqueId[2], 1);
}

// The last record's length is exact whatever its relation to 1024-byte pieces.
TEST(PdbFileTest, LastRecordLengthIsExactAtMultiplesOf1024) {
    const std::string dir = freshFolder("pdb_1024");
    for (const uint32_t tail : {1u, 1023u, 1024u, 1025u, 2048u}) {
        const ByteVector bytes = rawPdb({{{0, 2}}, {94, 100}, 100 + tail});
        writeFile(dir + "/f.pdb", bytes);
        PdbFile file(ContentFolder("", dir), "f.pdb");
        ASSERT_TRUE(file.isOpen()) << tail;
        EXPECT_EQ(file.recordLength(0), 6u);
        EXPECT_EQ(file.recordLength(1), tail);
        ByteVector record(tail);
        EXPECT_TRUE(file.readRecord(1, record.data()));
        EXPECT_EQ(record, ByteVector(bytes.begin() + 100, bytes.end()));
    }
}

TEST(PdbFileTest, EqualOffsetsGiveAnEmptyFirstRecord) {
    PdbFile file(memory(rawPdb({{{0, 3}}, {102, 102, 110}, 120})));
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.recordLength(0), 0u);
    EXPECT_EQ(file.recordLength(1), 8u);
    EXPECT_EQ(file.recordLength(2), 10u);
    uint8_t unused = 0;
    EXPECT_TRUE(file.readRecord(0, &unused));
}

TEST(PdbFileTest, IndexAtTheCountGivesNothing) {
    PdbFile file(memory(rawPdb({{{0, 2}}, {94, 100}, 110})));
    ASSERT_TRUE(file.isOpen());
    ByteVector buffer(64);
    EXPECT_EQ(file.recordLength(2), 0u);
    EXPECT_FALSE(file.readRecord(2, buffer.data()));
    EXPECT_FALSE(file.entry(2).has_value());
}

TEST(PdbFileTest, IndexIsTakenModulo65536) {
    PdbFile file(memory(rawPdb({{{0, 2}}, {94, 100}, 110})));
    const uint32_t wide = 65536 + 1;
    EXPECT_EQ(file.recordLength(static_cast<uint16_t>(wide)), 10u);
    const uint32_t wideZero = 65536;
    EXPECT_EQ(file.recordLength(static_cast<uint16_t>(wideZero)), 6u);
}

TEST(PdbFileTest, MissingFileIsNotOpen) {
    PdbFile file(ContentFolder("", freshFolder("pdb_missing")), "vemra6_01a.pdb");
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(file.recordCount(), 0);
    EXPECT_EQ(file.recordLength(0), 0u);
    uint8_t buffer[8];
    EXPECT_FALSE(file.readRecord(0, buffer));
}

TEST(PdbFileTest, NullSourceIsNotOpen) {
    PdbFile file(std::unique_ptr<ByteSource>{});
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(file.recordCount(), 0);
}

TEST(PdbFileTest, PathLongerThan255IsRefused) {
    const std::string dir = freshFolder("pdb_long");
    writeFile(dir + "/f.pdb", goodPdb({{1, 2, 3}}));
    EXPECT_TRUE(PdbFile(ContentFolder("", dir), "f.pdb").isOpen());
    const std::string longName(300, 'x');
    EXPECT_FALSE(PdbFile(ContentFolder("", dir), longName).isOpen());
}

// Damaged files of every kind end up not open with no record handed out.
struct DamagedCase {
    const char* what;
    RawLayout layout;
    uint16_t announced;  // what recordCount still reports
};

class DamagedPdbTest : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedPdbTest, IsNotOpenAndReadsNothing) {
    const DamagedCase& c = GetParam();
    PdbFile file(memory(rawPdb(c.layout)));
    EXPECT_FALSE(file.isOpen()) << c.what;
    EXPECT_EQ(file.recordCount(), c.announced) << c.what;
    ByteVector buffer(4096);
    for (uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(file.recordLength(static_cast<uint16_t>(i)), 0u) << c.what;
        EXPECT_FALSE(file.readRecord(static_cast<uint16_t>(i), buffer.data())) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedPdbTest,
    ::testing::Values(DamagedCase{"empty file", {{}, {}, 0}, 0},
                      DamagedCase{"header cut short", {{}, {}, 71}, 0},
                      DamagedCase{"list header cut short", {{}, {}, 77}, 0},
                      DamagedCase{"no records", {{{0, 0}}, {}, 100}, 0},
                      DamagedCase{"entries cut short", {{{0, 3}}, {102, 104}, 100}, 3},
                      DamagedCase{"descending offsets", {{{0, 3}}, {110, 102, 120}, 130}, 3},
                      DamagedCase{"offset past the end", {{{0, 2}}, {94, 200}, 150}, 2},
                      DamagedCase{"first offset past the end", {{{0, 1}}, {5000}, 150}, 1},
                      DamagedCase{"lists summing past 65535", {{{1, 65535}, {0, 1}}, {}, 200}, 0},
                      DamagedCase{"second list header missing", {{{1, 1}}, {}, 78}, 1}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            if (c == ' ') c = '_';
        }
        return name;
    });

TEST(PdbFileTest, SeveralListsAreReadBackToBack) {
    // Two list headers (the first announcing another list), then the entries of both.
    const ByteVector bytes = rawPdb({{{7, 2}, {0, 1}}, {110, 112, 115}, 120});
    PdbFile file(memory(bytes));
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.recordCount(), 3);
    EXPECT_EQ(file.lists().size(), 2u);
    EXPECT_EQ(file.recordLength(0), 2u);
    EXPECT_EQ(file.recordLength(1), 3u);
    EXPECT_EQ(file.recordLength(2), 5u);
}

TEST(PdbFileTest, OpeningReadsTheRecordTableInOneRead) {
    int reads = 0;
    std::vector<ByteVector> records(1000, ByteVector{1, 2, 3});
    PdbFile file(std::make_unique<CountingSource>(goodPdb(records), UINT64_MAX, &reads));
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.recordCount(), 1000);
    // The header with the list headers in one read, the entry table in another.
    EXPECT_EQ(reads, 2);
    uint8_t buffer[3];
    EXPECT_TRUE(file.readRecord(999, buffer));
    EXPECT_EQ(reads, 3);
}

TEST(PdbFileTest, ShortRecordReadIsReported) {
    const ByteVector bytes = goodPdb({{1, 2, 3}, {4, 5, 6, 7}});
    PdbFile file(std::make_unique<CountingSource>(bytes, bytes.size() - 2));
    ASSERT_TRUE(file.isOpen());
    uint8_t buffer[4] = {};
    EXPECT_TRUE(file.readRecord(0, buffer));
    EXPECT_FALSE(file.readRecord(1, buffer));
}

TEST(PdbFileTest, WrittenFileRoundTrips) {
    const ByteVector bytes = goodPdb({{'a', 0}, {9}, {1, 2, 3, 4, 5}});
    PdbFile file(memory(bytes));
    ASSERT_TRUE(file.isOpen());
    ASSERT_EQ(file.recordCount(), 3);
    EXPECT_EQ(file.recordLength(0), 2u);
    EXPECT_EQ(file.recordLength(1), 1u);
    EXPECT_EQ(file.recordLength(2), 5u);
    uint8_t buffer[5];
    ASSERT_TRUE(file.readRecord(2, buffer));
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[4], 5);
}

// Records of lengths 1 to 300 (cycling), each filled with bytes that depend on its index and
// position, so that a byte copied from the wrong place shows.
std::vector<ByteVector> patternedRecords(size_t count) {
    std::vector<ByteVector> records;
    for (size_t i = 0; i < count; ++i) {
        ByteVector record(1 + i % 300);
        for (size_t k = 0; k < record.size(); ++k) record[k] = static_cast<uint8_t>(i * 7 + k);
        records.push_back(record);
    }
    return records;
}

void expectRecordsRead(PdbFile& file, const std::vector<ByteVector>& records,
                       const std::vector<size_t>& order) {
    for (size_t i : order) {
        const auto index = static_cast<uint16_t>(i);
        ASSERT_EQ(file.recordLength(index), records[i].size()) << i;
        // One spare byte past the record must stay untouched.
        ByteVector buffer(records[i].size() + 1, 0xEE);
        ASSERT_TRUE(file.readRecord(index, buffer.data())) << i;
        EXPECT_EQ(ByteVector(buffer.begin(), buffer.end() - 1), records[i]) << i;
        EXPECT_EQ(buffer.back(), 0xEE) << i;
    }
}

TEST(PdbFileTest, RecordsReadInOrderCostOneReadPerWindow) {
    // About 150 KB of records: several windows, with records straddling every window edge.
    const std::vector<ByteVector> records = patternedRecords(1000);
    int reads = 0;
    PdbFile file(std::make_unique<CountingSource>(goodPdb(records), UINT64_MAX, &reads));
    ASSERT_TRUE(file.isOpen());
    std::vector<size_t> order(records.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    reads = 0;
    expectRecordsRead(file, records, order);
    size_t total = 0;
    for (const ByteVector& r : records) total += r.size();
    // Each refill starts at a record that did not fit, so a window holds at least
    // kWindowSize - 300 record bytes.
    EXPECT_LE(reads, static_cast<int>(total / (PdbFile::kWindowSize - 300) + 1));
    EXPECT_GE(reads, static_cast<int>(total / PdbFile::kWindowSize));
}

TEST(PdbFileTest, RecordsReadBackwardsAndScatteredAreExact) {
    const std::vector<ByteVector> records = patternedRecords(1000);
    PdbFile file(memory(goodPdb(records)));
    ASSERT_TRUE(file.isOpen());
    std::vector<size_t> order;
    for (size_t i = records.size(); i-- > 0;) order.push_back(i);
    for (size_t i = 0; i < records.size(); ++i) order.push_back(i * 389 % records.size());
    expectRecordsRead(file, records, order);
}

TEST(PdbFileTest, LongRecordsAreReadStraightIntoTheBuffer) {
    // Lengths at and around the direct-read size and the window size, between short records.
    const std::vector<uint32_t> lengths = {3,
                                           PdbFile::kDirectReadSize - 1,
                                           5,
                                           PdbFile::kDirectReadSize,
                                           7,
                                           PdbFile::kWindowSize - 1,
                                           PdbFile::kWindowSize,
                                           2,
                                           PdbFile::kWindowSize + 1,
                                           1};
    std::vector<ByteVector> records;
    for (size_t i = 0; i < lengths.size(); ++i) {
        ByteVector record(lengths[i]);
        for (size_t k = 0; k < record.size(); ++k) record[k] = static_cast<uint8_t>(i + k * 3);
        records.push_back(record);
    }
    PdbFile file(memory(goodPdb(records)));
    ASSERT_TRUE(file.isOpen());
    std::vector<size_t> order(records.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    expectRecordsRead(file, records, order);
    for (size_t i = records.size(); i-- > 0;) order[records.size() - 1 - i] = i;
    expectRecordsRead(file, records, order);
}

TEST(PdbFileTest, ShortWindowRefillReportsTheRecordShort) {
    // The source fails two bytes into the last record: the window refill comes back short.
    const std::vector<ByteVector> records = {{1, 2, 3}, {4, 5, 6, 7, 8, 9}};
    const ByteVector bytes = goodPdb(records);
    PdbFile file(std::make_unique<CountingSource>(bytes, bytes.size() - 4));
    ASSERT_TRUE(file.isOpen());
    uint8_t buffer[6] = {};
    EXPECT_FALSE(file.readRecord(1, buffer));
    EXPECT_EQ(buffer[0], 4);
    EXPECT_EQ(buffer[1], 5);
    EXPECT_EQ(buffer[2], 0);  // nothing beyond what was read
    EXPECT_TRUE(file.readRecord(0, buffer));
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

using namespace test_support;

// Offsets 3 bytes apart from the end of the table, the last record 8 bytes long; with
// descendAt != 0 the offset of that record is one below the one before it.
RawLayout steppedLayout(uint32_t count, uint32_t descendAt) {
    RawLayout layout;
    layout.lists = {{0, static_cast<uint16_t>(count)}};
    const uint32_t base = 72 + 6 + 8 * count;
    for (uint32_t i = 0; i < count; ++i) layout.offsets.push_back(base + 3 * i);
    if (descendAt != 0) layout.offsets[descendAt] = layout.offsets[descendAt - 1] - 1;
    layout.fileSize = base + 3 * (count - 1) + 8;
    return layout;
}

// The record table is checked in pieces (several entries side by side, then the rest one by one):
// one descent anywhere, in tables of every size up to 40 entries, leaves the file not open.
TEST(PdbFileOffsetsTest, OneDescentAnywhereIsFound) {
    for (uint32_t count = 1; count <= 40; ++count) {
        PdbFile sound(memory(rawPdb(steppedLayout(count, 0))));
        ASSERT_TRUE(sound.isOpen()) << count;
        for (uint32_t i = 0; i + 1 < count; ++i) ASSERT_EQ(sound.recordLength(i), 3u) << count;
        EXPECT_EQ(sound.recordLength(static_cast<uint16_t>(count - 1)), 8u) << count;
        for (uint32_t at = 1; at < count; ++at) {
            EXPECT_FALSE(PdbFile(memory(rawPdb(steppedLayout(count, at)))).isOpen())
                << count << " " << at;
        }
    }
}

TEST(PdbFileOffsetsTest, OneDescentInTheLargestTableIsFound) {
    constexpr uint32_t kCount = 65535;
    const ByteVector sound = rawPdb(steppedLayout(kCount, 0));
    PdbFile file(memory(sound));
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.recordLength(kCount - 1), 8u);
    // Around the four quarters the table is walked in (16,382 entries each), and the ends.
    for (const uint32_t at : {1u, 2u, 16381u, 16382u, 16383u, 32764u, 32765u, 49146u, 49147u,
                              65527u, 65528u, 65529u, 65534u}) {
        ByteVector damaged = sound;
        // The entry's offset becomes one below the one before it.
        const size_t entry = 72 + 6 + size_t{8} * at;
        const uint32_t before = 72 + 6 + 8 * kCount + 3 * (at - 1) - 1;
        damaged[entry] = static_cast<uint8_t>(before >> 24);
        damaged[entry + 1] = static_cast<uint8_t>(before >> 16);
        damaged[entry + 2] = static_cast<uint8_t>(before >> 8);
        damaged[entry + 3] = static_cast<uint8_t>(before);
        EXPECT_FALSE(PdbFile(memory(damaged)).isOpen()) << at;
    }
}

// A file of any size whose first bytes are given and whose other bytes are (offset * 7) & 0xFF,
// without holding them, for offsets at and past 2^31 and files past 2^32 bytes.
class SyntheticSource final : public ByteSource {
  public:
    SyntheticSource(ByteVector prefix, uint64_t size) : prefix_(std::move(prefix)), size_(size) {}
    bool isValid() const override { return true; }
    uint64_t size() const override { return size_; }
    size_t readAt(uint64_t offset, void* dest, size_t count) override {
        auto* out = static_cast<uint8_t*>(dest);
        size_t n = 0;
        for (; n < count && offset + n < size_; ++n) out[n] = byteAt(offset + n);
        return n;
    }
    uint8_t byteAt(uint64_t at) const {
        return at < prefix_.size() ? prefix_[at] : static_cast<uint8_t>(at * 7);
    }

  private:
    ByteVector prefix_;
    uint64_t size_;
};

struct LargeFileCase {
    const char* what;
    std::vector<uint32_t> offsets;
    uint64_t fileSize;
    bool open;
};

class PdbFileLargeTest : public ::testing::TestWithParam<LargeFileCase> {};

// Offsets compare as unsigned 32-bit numbers; lengths (the last one from the file size) are exact.
TEST_P(PdbFileLargeTest, OffsetsPast2To31) {
    const LargeFileCase& c = GetParam();
    RawLayout layout;
    layout.lists = {{0, static_cast<uint16_t>(c.offsets.size())}};
    layout.offsets = c.offsets;
    layout.fileSize = 72 + 6 + 8 * c.offsets.size();
    const ByteVector prefix = rawPdb(layout);
    auto owned = std::make_unique<SyntheticSource>(prefix, c.fileSize);
    const SyntheticSource& source = *owned;
    PdbFile file(std::move(owned));
    ASSERT_EQ(file.isOpen(), c.open);
    if (!c.open) return;
    for (size_t i = 0; i < c.offsets.size(); ++i) {
        const uint64_t end = i + 1 < c.offsets.size() ? c.offsets[i + 1] : c.fileSize;
        const uint64_t length = end - c.offsets[i];
        ASSERT_EQ(file.recordLength(static_cast<uint16_t>(i)), length) << i;
        if (length > 4096) continue;
        ByteVector record(length);
        ASSERT_TRUE(file.readRecord(static_cast<uint16_t>(i), record.data())) << i;
        for (size_t k = 0; k < length; ++k) ASSERT_EQ(record[k], source.byteAt(c.offsets[i] + k));
    }
}

std::vector<uint32_t> crossing2To31(size_t count, uint32_t step) {
    std::vector<uint32_t> offsets;
    for (size_t i = 0; i < count; ++i)
        offsets.push_back(0x7FFFFF00u + static_cast<uint32_t>(i) * step);
    return offsets;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PdbFileLargeTest,
    ::testing::Values(
        LargeFileCase{
            "few crossing 2^31", {0x7FFFFFF0u, 0x80000010u, 0xFFFFFF00u}, 0xFFFFFF20u, true},
        LargeFileCase{"many crossing 2^31", crossing2To31(21, 0x40), 0x80000600u, true},
        LargeFileCase{"file past 2^32", {0x7FFFFFF0u, 0xFFFFFF00u}, 0x100000100u, true},
        LargeFileCase{"descent across 2^31", {0x80000010u, 0x7FFFFFF0u}, 0x90000000u, false},
        LargeFileCase{"descent among many",
                      [] {
                          std::vector<uint32_t> o = crossing2To31(21, 0x40);
                          o[9] = 0x7FFFFF00u;
                          return o;
                      }(),
                      0x80000600u, false},
        LargeFileCase{"high offset past the end", {0x100u, 0xFFFFFF00u}, 0x90000000u, false},
        LargeFileCase{"last record of 2^32 bytes or more", {0x100u, 0x200u}, 0x100000200u, false}),
    [](const ::testing::TestParamInfo<LargeFileCase>& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            if (c == ' ' || c == '^') c = '_';
        }
        return name;
    });

}  // namespace
}  // namespace orvane
