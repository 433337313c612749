#include "content/record_offsets.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

using Check = bool (*)(const uint8_t*, size_t, uint32_t&);

struct Way {
    const char* name;
    Check check;
};

// A record table of the given offsets (big-endian, then four bytes of attributes and id that must
// not matter: set so that they would read as a descent if taken for offsets).
std::vector<uint8_t> tableOf(const std::vector<uint32_t>& offsets) {
    std::vector<uint8_t> table;
    for (size_t i = 0; i < offsets.size(); ++i) {
        const uint32_t o = offsets[i];
        for (const int shift : {24, 16, 8, 0}) table.push_back(static_cast<uint8_t>(o >> shift));
        const uint32_t junk = 0xFFFFFFFFu - static_cast<uint32_t>(i);
        for (const int shift : {24, 16, 8, 0}) table.push_back(static_cast<uint8_t>(junk >> shift));
    }
    return table;
}

// Ascending offsets from start in steps of step (equal neighbours when step is 0).
std::vector<uint32_t> stepped(size_t count, uint32_t start, uint32_t step) {
    std::vector<uint32_t> offsets;
    for (size_t i = 0; i < count; ++i) offsets.push_back(start + static_cast<uint32_t>(i) * step);
    return offsets;
}

class RecordOffsetsTest : public ::testing::TestWithParam<Way> {};

// Ascending tables of every size up to 40 pass with the last offset given back; a single descent
// at any position (one below its predecessor) fails.
TEST_P(RecordOffsetsTest, FindsOneDescentAnywhere) {
    const Check check = GetParam().check;
    for (const uint32_t start : {100u, 0x7FFFFFE0u, 0xFFFFF000u}) {
        for (size_t count = 0; count <= 40; ++count) {
            std::vector<uint32_t> offsets = stepped(count, start, 3);
            std::vector<uint8_t> table = tableOf(offsets);
            uint32_t last = 12345;
            ASSERT_TRUE(check(table.data(), count, last)) << start << " " << count;
            EXPECT_EQ(last, count == 0 ? 0u : start + 3 * static_cast<uint32_t>(count - 1));
            for (size_t at = 1; at < count; ++at) {
                std::vector<uint32_t> damaged = offsets;
                damaged[at] = damaged[at - 1] - 1;
                table = tableOf(damaged);
                EXPECT_FALSE(check(table.data(), count, last))
                    << start << " " << count << " " << at;
            }
        }
    }
}

TEST_P(RecordOffsetsTest, EqualOffsetsAndTheFullTable) {
    const Check check = GetParam().check;
    uint32_t last = 0;
    std::vector<uint8_t> table = tableOf(stepped(33, 500, 0));
    EXPECT_TRUE(check(table.data(), 33, last));
    EXPECT_EQ(last, 500u);

    constexpr size_t kCount = 65535;
    const std::vector<uint32_t> offsets = stepped(kCount, 0x7FFF0000u, 1);
    table = tableOf(offsets);
    ASSERT_TRUE(check(table.data(), kCount, last));
    EXPECT_EQ(last, 0x7FFF0000u + kCount - 1);
    for (const size_t at : {1u, 7u, 8u, 9u, 16381u, 16382u, 16383u, 32764u, 32765u, 49146u, 49147u,
                            65527u, 65528u, 65529u, 65534u}) {
        std::vector<uint32_t> lowered = offsets;
        lowered[at] = lowered[at - 1] - 1;
        const std::vector<uint8_t> damaged = tableOf(lowered);
        EXPECT_FALSE(check(damaged.data(), kCount, last)) << at;
    }
}

// Offsets compare as unsigned numbers across 2^31.
TEST_P(RecordOffsetsTest, ComparesAsUnsigned) {
    const Check check = GetParam().check;
    uint32_t last = 0;
    std::vector<uint32_t> offsets = stepped(24, 0x7FFFFFF0u, 4);  // crosses 2^31 at the 5th
    std::vector<uint8_t> table = tableOf(offsets);
    EXPECT_TRUE(check(table.data(), offsets.size(), last));
    offsets[13] = 0x7FFFFFFFu;  // below every offset before it from the 5th on
    table = tableOf(offsets);
    EXPECT_FALSE(check(table.data(), offsets.size(), last));
    offsets = stepped(24, 0x7FFFFFF0u, 4);
    offsets[0] = 0x80000000u;  // above the next one
    table = tableOf(offsets);
    EXPECT_FALSE(check(table.data(), offsets.size(), last));
}

INSTANTIATE_TEST_SUITE_P(Ways, RecordOffsetsTest,
                         ::testing::Values(Way{"FourLanes", &recordOffsetsAscendFourLanes},
                                           Way{"EightLanes", &recordOffsetsAscendEightLanes},
                                           Way{"Chosen", &recordOffsetsAscend}),
                         [](const ::testing::TestParamInfo<Way>& info) { return info.param.name; });

}  // namespace
}  // namespace orvane
