#include "content/pdb_file.h"

#include <gtest/gtest.h>

#include "tests/content/content_fixture.h"

namespace orvane {
namespace {

using namespace testing_content;

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
