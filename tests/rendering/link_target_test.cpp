// Link targets: decimal request numbers in 32 bits, with broken targets ignored rather than read
// as request 0.
#include "rendering/link_target.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orvane {
namespace {

TEST(LinkTargetTest, Decodes) {
    struct Case {
        std::string text;
        std::optional<Request> expected;
    };
    const Case cases[] = {
        {"889192453", 889192453u},  // code 53, argument 5
        {"889192448", 889192448u},  // code 53, argument 0
        {" 42abc", 42u},
        {"\t\n\v\f\r 7", 7u},
        {"+15", 15u},
        {"0", 0u},  // written as a number, request 0 is meant
        {"-0", 0u},
        {"00000000000000000000000123", 123u},
        {"2147483647", 0x7FFFFFFFu},
        // Negative numbers are the requests with code 128 and up, as links write them.
        {"-1", 0xFFFFFFFFu},
        {"-2147483648", 0x80000000u},
        {"-16777216", 0xFF000000u},
        // Beyond 32 bits: ignored, never wrapped into another request (4294967296 would be 0).
        {"2147483648", std::nullopt},
        {"4294967295", std::nullopt},
        {"4294967296", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999999999999", std::nullopt},
        // No digits: ignored, never "Clear All".
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"-", std::nullopt},
        {"+ 5", std::nullopt},
        {"--5", std::nullopt},
        {"0x10", 0u},  // decimal only: the digits end at the 'x'
        {"#anchor", std::nullopt},
        {std::string("1\0002", 3), 1u},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeLinkTarget(c.text), c.expected) << "\"" << c.text << "\"";
    }
}

TEST(LinkTargetTest, DecodedRequestsUnpack) {
    const std::optional<Request> request = decodeLinkTarget("889192453");
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(moduleCode(*request), 53);
    EXPECT_EQ(longValue(*request), 5);
}

}  // namespace
}  // namespace orvane
