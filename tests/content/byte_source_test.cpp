#include "content/byte_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/content/pdb_bytes.h"

namespace orvane {
namespace {

using namespace test_support;

constexpr size_t kFileSize = 70000;

ByteVector fileBytes() {
    ByteVector bytes(kFileSize);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 31 + (i >> 8));
    return bytes;
}

struct Read {
    uint64_t offset;
    size_t count;
};

struct ReadSequence {
    const char* what;
    std::vector<Read> reads;
};

class ByteSourceReadTest : public ::testing::TestWithParam<ReadSequence> {};

// Each read of a sequence gives the bytes at its offset, as many as the file has from there up to
// the count, whatever the reads before it (carrying on, going back, running into the end).
TEST_P(ByteSourceReadTest, ReadsGiveTheBytesAtTheirOffsets) {
    const ByteVector bytes = fileBytes();
    const std::string path = freshFolder("byte_source") + "/f.bin";
    writeFile(path, bytes);
    FileByteSource file(path);
    MemoryByteSource memorySource(bytes);
    ASSERT_TRUE(file.isValid());
    ASSERT_EQ(file.size(), kFileSize);
    for (ByteSource* source : std::vector<ByteSource*>{&file, &memorySource}) {
        size_t step = 0;
        for (const Read& r : GetParam().reads) {
            const size_t from = static_cast<size_t>(std::min<uint64_t>(r.offset, kFileSize));
            const size_t expected = std::min<size_t>(r.count, kFileSize - from);
            ByteVector buffer(r.count + 1, 0xEE);
            ASSERT_EQ(source->readAt(r.offset, buffer.data(), r.count), expected) << step;
            EXPECT_EQ(ByteVector(buffer.begin(), buffer.begin() + expected),
                      ByteVector(bytes.begin() + from, bytes.begin() + from + expected))
                << step;
            EXPECT_EQ(buffer[expected], 0xEE) << step;
            ++step;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ByteSourceReadTest,
    ::testing::Values(
        ReadSequence{"carrying_on", {{0, 100}, {100, 5000}, {5100, 1}, {5101, 30000}}},
        ReadSequence{"back_and_forth", {{5000, 10}, {0, 10}, {10, 10}, {4000, 2000}, {3000, 5}}},
        ReadSequence{"carrying_on_into_the_end",
                     {{69000, 900}, {69900, 500}, {70000, 10}, {69990, 10}}},
        ReadSequence{"again_after_the_end", {{0, 80000}, {0, 10}, {10, 10}, {69999, 1}}},
        ReadSequence{"past_the_end", {{70001, 10}, {100000, 5}, {0, 3}, {3, 3}}},
        ReadSequence{"nothing_asked", {{50, 0}, {50, 20}, {70, 0}, {70, 20}}}),
    [](const ::testing::TestParamInfo<ReadSequence>& info) { return info.param.what; });

}  // namespace
}  // namespace orvane
