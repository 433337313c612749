#include "content/pdb_record_stream.h"

#include <gtest/gtest.h>

#include "tests/support/content/pdb_bytes.h"

namespace orvane {
namespace {

using namespace test_support;

// Records of the given lengths, each byte depending on the record and its position, so that a
// byte copied from the wrong place shows.
std::vector<ByteVector> recordsOfLengths(const std::vector<uint32_t>& lengths) {
    std::vector<ByteVector> records;
    for (size_t i = 0; i < lengths.size(); ++i) {
        ByteVector record(lengths[i]);
        for (size_t k = 0; k < record.size(); ++k) record[k] = static_cast<uint8_t>(i * 13 + k * 7);
        records.push_back(record);
    }
    return records;
}

// Lengths cycling through short values, enough of them to fill several windows.
std::vector<uint32_t> cyclingLengths(size_t count, uint32_t modulus) {
    std::vector<uint32_t> lengths;
    for (size_t i = 0; i < count; ++i) lengths.push_back(static_cast<uint32_t>(i * 37 % modulus));
    return lengths;
}

struct StreamCase {
    const char* what;
    std::vector<uint32_t> lengths;
};

class PdbRecordStreamTest : public ::testing::TestWithParam<StreamCase> {};

// Every record comes back in order, exact, with the byte past it in the buffer untouched; then the
// stream is at its end and reads nothing more.
TEST_P(PdbRecordStreamTest, ReadsEveryRecordInOrder) {
    const StreamCase& c = GetParam();
    const std::vector<ByteVector> records = recordsOfLengths(c.lengths);
    PdbFile file(memory(goodPdb(records)));
    ASSERT_TRUE(file.isOpen());
    PdbRecordStream stream(file);
    for (size_t i = 0; i < records.size(); ++i) {
        ASSERT_FALSE(stream.atEnd()) << i;
        EXPECT_EQ(stream.index(), i);
        ASSERT_EQ(stream.nextLength(), records[i].size()) << i;
        ByteVector buffer(records[i].size() + 1, 0xEE);
        ASSERT_TRUE(stream.readNext(buffer.data())) << i;
        EXPECT_EQ(ByteVector(buffer.begin(), buffer.end() - 1), records[i]) << i;
        EXPECT_EQ(buffer.back(), 0xEE) << i;
    }
    EXPECT_TRUE(stream.atEnd());
    EXPECT_EQ(stream.index(), records.size());
    EXPECT_EQ(stream.nextLength(), 0u);
    uint8_t untouched = 0x5A;
    EXPECT_FALSE(stream.readNext(&untouched));
    EXPECT_EQ(untouched, 0x5A);
}

constexpr uint32_t kWindow = PdbRecordStream::kWindowSize;
constexpr uint32_t kDirect = PdbRecordStream::kDirectReadSize;

INSTANTIATE_TEST_SUITE_P(
    Layouts, PdbRecordStreamTest,
    ::testing::Values(
        StreamCase{"one record", {17}}, StreamCase{"one empty record", {0}},
        StreamCase{"empty records between others", {0, 5, 0, 0, 16, 0}},
        StreamCase{"every short length up to 130", cyclingLengths(131, 131)},
        // About 1.2 MB of records up to 700 bytes: records straddle every window edge.
        StreamCase{"short records over many windows", cyclingLengths(3500, 701)},
        StreamCase{"around the direct-read size",
                   {3, kDirect - 1, 5, kDirect, 7, kDirect + 1, kDirect - 1, kDirect - 1}},
        StreamCase{"longer than the window", {9, kWindow - 1, kWindow, 2, kWindow + 1, 1}},
        StreamCase{"long last record", {4, 6, 2 * kWindow + 5}},
        StreamCase{"short last record after a long one", {kWindow + 7, 3}},
        // Short records until just past the first window's end, then a long one.
        StreamCase{"long record right after a refill",
                   [] {
                       std::vector<uint32_t> lengths(kWindow / 1000 + 2, 1000);
                       lengths.push_back(kDirect * 3);
                       lengths.push_back(11);
                       return lengths;
                   }()}),
    [](const ::testing::TestParamInfo<StreamCase>& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            if (c == ' ' || c == '-') c = '_';
        }
        return name;
    });

// A source that records where each read starts and how many bytes it returns.
class RecordingSource final : public ByteSource {
  public:
    explicit RecordingSource(ByteVector bytes) : inner_(std::move(bytes)) {}
    bool isValid() const override { return true; }
    uint64_t size() const override { return inner_.size(); }
    size_t readAt(uint64_t offset, void* dest, size_t count) override {
        const size_t got = inner_.readAt(offset, dest, count);
        reads.push_back({offset, got});
        return got;
    }
    std::vector<std::pair<uint64_t, size_t>> reads;

  private:
    MemoryByteSource inner_;
};

// In-order reads of short records cost one read per window, each carrying on where the previous
// one ended (so a file needs no seek between them), and never ask past the end of the file.
TEST(PdbRecordStreamReadsTest, WindowRefillsAreContiguousAndFew) {
    const std::vector<ByteVector> records = recordsOfLengths(cyclingLengths(3500, 701));
    const ByteVector bytes = goodPdb(records);
    auto owned = std::make_unique<RecordingSource>(bytes);
    RecordingSource* source = owned.get();
    PdbFile file(std::move(owned));
    ASSERT_TRUE(file.isOpen());
    source->reads.clear();
    PdbRecordStream stream(file);
    ByteVector buffer(701);
    while (!stream.atEnd()) ASSERT_TRUE(stream.readNext(buffer.data()));

    size_t total = 0;
    for (const ByteVector& r : records) total += r.size();
    const uint64_t firstRecord = bytes.size() - total;
    ASSERT_FALSE(source->reads.empty());
    EXPECT_EQ(source->reads.front().first, firstRecord);
    for (size_t i = 1; i < source->reads.size(); ++i) {
        EXPECT_EQ(source->reads[i].first, source->reads[i - 1].first + source->reads[i - 1].second)
            << i;
    }
    EXPECT_EQ(source->reads.back().first + source->reads.back().second, bytes.size());
    // Each refill keeps less than one record (under 701 bytes) of the previous window.
    EXPECT_LE(source->reads.size(), total / (kWindow - 701) + 1);
    EXPECT_GE(source->reads.size(), total / kWindow);
}

// A source that comes back short from a given byte on: every record wholly before it reads whole,
// the one it cuts gives back its bytes up to the cut, every later one is short (empty ones whole).
struct CutCase {
    const char* what;
    std::vector<uint32_t> lengths;
    size_t cutRecord;  // the record the cut falls in
    uint32_t cutInto;  // bytes of it before the cut
};

class PdbRecordStreamCutTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(PdbRecordStreamCutTest, ShortReadsAreReported) {
    const CutCase& c = GetParam();
    const std::vector<ByteVector> records = recordsOfLengths(c.lengths);
    const ByteVector bytes = goodPdb(records);
    size_t total = 0;
    for (const ByteVector& r : records) total += r.size();
    std::vector<uint64_t> offsets;
    uint64_t at = bytes.size() - total;
    for (const ByteVector& r : records) {
        offsets.push_back(at);
        at += r.size();
    }
    const uint64_t cut = offsets[c.cutRecord] + c.cutInto;
    PdbFile file(std::make_unique<CountingSource>(bytes, cut));
    ASSERT_TRUE(file.isOpen());
    PdbRecordStream stream(file);
    for (size_t i = 0; i < records.size(); ++i) {
        ByteVector buffer(records[i].size() + 1, 0xEE);
        const bool whole = records[i].empty() || offsets[i] + records[i].size() <= cut;
        EXPECT_EQ(stream.readNext(buffer.data()), whole) << i;
        EXPECT_EQ(buffer.back(), 0xEE) << i;
        if (i == c.cutRecord) {
            EXPECT_EQ(ByteVector(buffer.begin(), buffer.begin() + c.cutInto),
                      ByteVector(records[i].begin(), records[i].begin() + c.cutInto));
        } else if (whole) {
            EXPECT_EQ(ByteVector(buffer.begin(), buffer.end() - 1), records[i]) << i;
        }
    }
    EXPECT_TRUE(stream.atEnd());
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, PdbRecordStreamCutTest,
    ::testing::Values(CutCase{"first record", {10, 20, 30}, 0, 4},
                      CutCase{"middle record at its start", {10, 20, 30}, 1, 0},
                      CutCase{"last record", {10, 20, 30}, 2, 29},
                      CutCase{"empty record after the cut", {10, 20, 0, 30}, 1, 5},
                      CutCase{"long record", {10, kDirect + 100, 30}, 1, 50},
                      CutCase{"record after a full window", cyclingLengths(1000, 400), 900, 3}),
    [](const ::testing::TestParamInfo<CutCase>& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            if (c == ' ') c = '_';
        }
        return name;
    });

TEST(PdbRecordStreamReadsTest, FileNotOpenGivesAStreamAtItsEnd) {
    PdbFile file(memory(rawPdb({{{0, 3}}, {110, 102, 120}, 130})));  // descending offsets
    ASSERT_FALSE(file.isOpen());
    PdbRecordStream stream(file);
    EXPECT_TRUE(stream.atEnd());
    EXPECT_EQ(stream.nextLength(), 0u);
    uint8_t untouched = 0x5A;
    EXPECT_FALSE(stream.readNext(&untouched));
    EXPECT_EQ(untouched, 0x5A);

    PdbFile none(std::unique_ptr<ByteSource>{});
    EXPECT_TRUE(PdbRecordStream(none).atEnd());
}

// Reads by index in between do not disturb the stream (each keeps its own window).
TEST(PdbRecordStreamReadsTest, ReadsByIndexInBetweenLeaveTheStreamExact) {
    const std::vector<ByteVector> records = recordsOfLengths(cyclingLengths(2000, 500));
    PdbFile file(memory(goodPdb(records)));
    ASSERT_TRUE(file.isOpen());
    PdbRecordStream stream(file);
    ByteVector buffer(500);
    for (size_t i = 0; i < records.size(); ++i) {
        const size_t other = (i * 7919) % records.size();
        ASSERT_TRUE(file.readRecord(static_cast<uint16_t>(other), buffer.data()));
        EXPECT_EQ(ByteVector(buffer.begin(), buffer.begin() + records[other].size()),
                  records[other]);
        ASSERT_TRUE(stream.readNext(buffer.data()));
        EXPECT_EQ(ByteVector(buffer.begin(), buffer.begin() + records[i].size()), records[i]) << i;
    }
}

}  // namespace
}  // namespace orvane
