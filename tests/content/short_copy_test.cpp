#include "content/short_copy.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace orvane {
namespace {

// Every length from 0 to 300 (each size class and the edges between them): the run arrives
// exactly, the guard bytes on both sides of it stay, and the source is read only within its own
// allocation (exactly length bytes, so an over-read shows under the address sanitizer).
TEST(ShortCopyTest, CopiesExactlyTheRun) {
    constexpr size_t kGuard = 24;
    for (uint32_t length = 0; length <= 300; ++length) {
        std::unique_ptr<uint8_t[]> src(new uint8_t[length]);
        for (uint32_t i = 0; i < length; ++i) src[i] = static_cast<uint8_t>(i * 5 + length);
        std::vector<uint8_t> dest(kGuard + length + kGuard, 0xEE);
        copyShortRun(dest.data() + kGuard, src.get(), length);
        for (size_t i = 0; i < kGuard; ++i) {
            ASSERT_EQ(dest[i], 0xEE) << length;
            ASSERT_EQ(dest[kGuard + length + i], 0xEE) << length;
        }
        for (uint32_t i = 0; i < length; ++i) {
            ASSERT_EQ(dest[kGuard + i], static_cast<uint8_t>(i * 5 + length)) << length << " " << i;
        }
    }
}

}  // namespace
}  // namespace orvane
