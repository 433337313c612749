// The amounts of the computed dosing pages: the dose-rounded one-decimal form and the plain forms,
// widened where the short form is more than 10% off the amount, and the ranges of two alike ends.
#include "dosing/builders/short_amounts.h"

#include <gtest/gtest.h>

#include "foundation/printed_amount.h"

namespace orvane {
namespace {

struct Case {
    float x;
    const char* doseRounded;
    const char* oneDecimal;
    const char* twoDecimals;
};

TEST(ShortAmountsTest, ShortFormsAndTheirWidening) {
    const Case cases[] = {
        // 12.3 lies in the halves band: 12.5 with the dose rounding, 12.3 without.
        {12.3f, "12.5", "12.3", "12.3"},
        {20.0f, "20", "20", "20"},
        // 0.615 rounds to tenths (0.6) with the dose rounding; plain 0.615 + 0.05 = 0.665 → 0.6,
        // and + 0.005 = 0.62.
        {0.615f, "0.6", "0.6", "0.62"},
        // 0.05 with one decimal reads 0.1, twice the amount: two decimals.
        {0.05f, "0.05", "0.05", "0.05"},
        // 0.025: one decimal reads 0, two read 0.03 (20% off): three.
        {0.025f, "0.025", "0.025", "0.025"},
        // 0.45 reads 0.5 (11% off) with one decimal; 0.95 reads 1 (5% off) and is kept.
        {0.45f, "0.45", "0.45", "0.45"},
        {0.95f, "1", "1", "0.95"},
        // 0.004 needs three decimals in every form.
        {0.004f, "0.004", "0.004", "0.004"},
        // 0.04 is 0 with one decimal, 0.04 with two.
        {0.04f, "0.04", "0.04", "0.04"},
        // No amount stays 0.
        {0.0f, "0", "0", "0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(doseRoundedAmount(c.x), c.doseRounded) << c.x;
        EXPECT_EQ(amountTo1Decimal(c.x), c.oneDecimal) << c.x;
        EXPECT_EQ(amountTo2Decimals(c.x), c.twoDecimals) << c.x;
    }
}

TEST(ShortAmountsTest, ThreeDecimalForm) {
    // At most three decimals, trailing zeros dropped: 0.1234 + 0.0005 = 0.1239 → 0.123.
    EXPECT_EQ(amountTo3Decimals(0.1234f), "0.123");
    EXPECT_EQ(amountTo3Decimals(2.5f), "2.5");
    EXPECT_EQ(amountTo3Decimals(60.0f), "60");
    EXPECT_EQ(amountTo3Decimals(0.004f), "0.004");
    EXPECT_EQ(amountTo3Decimals(0.0f), "0");
    EXPECT_EQ(shortForm(0.04f, 1), "0.04");
    // 0.0012 reads 0.001 with three decimals, 17% off: four.
    EXPECT_EQ(amountTo3Decimals(0.0012f), "0.0012");
}

TEST(ShortAmountsTest, AnAmountTooSmallToShowIsSaidInWords) {
    for (const std::string& text : {doseRoundedAmount(0.0004f), amountTo1Decimal(0.0004f),
                                    amountTo2Decimals(0.0004f), amountTo3Decimals(0.0004f)}) {
        EXPECT_EQ(text, kTooSmallToGiveText);
    }
}

TEST(ShortAmountsTest, ARangeOfAlikeEndsIsPrintedOnce) {
    EXPECT_EQ(rangeText("0.2", "0.2"), "0.2");
    EXPECT_EQ(rangeText("0.15", "0.2"), "0.15-0.2");
    EXPECT_EQ(rangeText("0.1", "0.1", " - "), "0.1");
    EXPECT_EQ(rangeText("0.05", "0.08", " - "), "0.05 - 0.08");
}

}  // namespace
}  // namespace orvane
