#include "foundation/typed_number.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orvane {
namespace {

// What a box's text reads as: the number, or nothing (the box gets its red message).
struct Case {
    const char* text;
    std::optional<float> read;
};

TEST(TypedNumber, WholeTextIsTheNumberOrNothing) {
    const Case cases[] = {
        // Numbers as typed, with the comma as the decimal point.
        {"7", 7.0f},
        {"7.5", 7.5f},
        {"7,5", 7.5f},
        {"41,5", 41.5f},
        {"1,5", 1.5f},
        {"120", 120.0f},
        {"-3", -3.0f},
        {"+3", 3.0f},
        {".5", 0.5f},
        {",5", 0.5f},
        {"0,125", 0.125f},
        {",125", 0.125f},
        {"1,25", 1.25f},
        {"1,2500", 1.25f},
        {"1.000", 1.0f},
        {"5.", 5.0f},
        {"5,", 5.0f},
        {"-0.25", -0.25f},
        {"007", 7.0f},
        {"0", 0.0f},
        {"99999.9", 99999.9f},
        // Not wholly a number: refused, never the number at its start.
        {"", std::nullopt},
        {"12a0", std::nullopt},
        {"1e2", std::nullopt},
        {"1E2", std::nullopt},
        {"12.5.5", std::nullopt},
        {"7,5,1", std::nullopt},
        // A thousands separator or a decimal comma? The readings differ a thousandfold.
        {"1,000", std::nullopt},
        {"7,500", std::nullopt},
        {"-1,000", std::nullopt},
        {"12,345", std::nullopt},
        {"7.5,1", std::nullopt},
        {" 7", std::nullopt},
        {"7 ", std::nullopt},
        {"7 5", std::nullopt},
        {".", std::nullopt},
        {",", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"--3", std::nullopt},
        {"+-3", std::nullopt},
        {"3-", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"7kg", std::nullopt},
        {"\t7", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<float> read = readTypedNumber(c.text);
        ASSERT_EQ(read.has_value(), c.read.has_value()) << '"' << c.text << '"';
        if (read) {
            EXPECT_EQ(*read, *c.read) << '"' << c.text << '"';
        }
    }
}

TEST(TypedNumber, NearestFloatToTheDecimalText) {
    // The nearest float to 0.1 is the float literal 0.1f, not 0.1 rounded twice.
    EXPECT_EQ(readTypedNumber("0.1"), 0.1f);
    EXPECT_EQ(readTypedNumber("0,1"), 0.1f);
    EXPECT_EQ(readTypedNumber("16777217"), 16777216.0f);
}

TEST(TypedNumber, TooLargeForAFloatIsRefused) {
    EXPECT_FALSE(readTypedNumber(std::string(40, '9')).has_value());
    EXPECT_FALSE(readTypedNumber("-" + std::string(40, '9')).has_value());
    // Large numbers inside the float range still read.
    EXPECT_EQ(readTypedNumber("1" + std::string(38, '0')), 1e38f);
}

TEST(TypedNumber, DecimalPointAlreadyTyped) {
    EXPECT_FALSE(hasDecimalPoint(""));
    EXPECT_FALSE(hasDecimalPoint("125"));
    EXPECT_TRUE(hasDecimalPoint("12."));
    EXPECT_TRUE(hasDecimalPoint("12,5"));
    EXPECT_TRUE(hasDecimalPoint(".5"));
}

}  // namespace
}  // namespace orvane
