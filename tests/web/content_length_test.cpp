// The declared body length of a request against the limit, before any body is read.
#include "web/content_length.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::web {
namespace {

TEST(ContentLengthTest, DeclaredLengthsAgainstTheLimit) {
    constexpr uint64_t kLimit = 16384;
    const struct {
        std::vector<std::string> values;
        DeclaredLength expected;
    } cases[] = {
        {{}, DeclaredLength::kNone},
        {{"0"}, DeclaredLength::kAccepted},
        {{"16384"}, DeclaredLength::kAccepted},
        {{"0016384"}, DeclaredLength::kAccepted},
        {{"16384", "16384"}, DeclaredLength::kAccepted},
        {{"16385"}, DeclaredLength::kTooLarge},
        {{"10485760"}, DeclaredLength::kTooLarge},               // 10 MB
        {{"100000000000000000000"}, DeclaredLength::kTooLarge},  // 10^20: beyond 64 bits
        {{"18446744073709551615"}, DeclaredLength::kTooLarge},
        {{"-1"}, DeclaredLength::kMalformed},
        {{"1e20"}, DeclaredLength::kMalformed},
        {{"garbage"}, DeclaredLength::kMalformed},
        {{""}, DeclaredLength::kMalformed},
        {{"12 34"}, DeclaredLength::kMalformed},
        {{"+5"}, DeclaredLength::kMalformed},
        {{"0x10"}, DeclaredLength::kMalformed},
        {{"5", "6"}, DeclaredLength::kMalformed},
        {{"5", "x"}, DeclaredLength::kMalformed},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const std::string& v : c.values) shown += "[" + v + "]";
        EXPECT_EQ(checkContentLength(c.values, kLimit), c.expected) << shown;
    }
}

}  // namespace
}  // namespace orvane::web
