// The amount rule: the usual short form where it reads within 10% of the amount, more decimals
// (up to 4) where it does not, no number at all below what 4 decimals show within 10%. Expected
// forms are worked by hand from the amount and the tenth-of-it tolerance.
#include "foundation/printed_amount.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "foundation/number_format.h"

namespace orvane {
namespace {

std::string shown(float x, int32_t decimals, bool dose) {
    const std::optional<SharedString> text = printedAmount(x, decimals, dose);
    return text ? text->str() : "(too small)";
}

TEST(PrintedAmountTest, AmountsAcrossTheBandsWithOneDecimal) {
    const struct {
        float x;
        const char* expected;
    } cases[] = {
        // Below 0.0005 four decimals are more than 10% off somewhere: no number.
        {0.0004f, "(too small)"},
        // 0 → 0.01 (100% off) → 0.005.
        {0.005f, "0.005"},
        // 0.1 is twice 0.05.
        {0.05f, "0.05"},
        // 0.2 is 33% above 0.15, 0.4 14% above 0.35, 0.5 11% above 0.45: two decimals each.
        {0.15f, "0.15"},
        {0.35f, "0.35"},
        {0.45f, "0.45"},
        // Within 10% already: the short form is kept (1 is 5.3% above 0.95, 1.3 4% above 1.25).
        {0.5f, "0.5"},
        {0.95f, "1"},
        {1.25f, "1.3"},
        {12.3f, "12.3"},
        {155.0f, "155"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shown(c.x, 1, false), c.expected) << c.x;
    }
}

TEST(PrintedAmountTest, OtherStartingDecimalsAndTheDoseBands) {
    const struct {
        float x;
        int32_t decimals;
        bool dose;
        const char* expected;
    } cases[] = {
        // Whole numbers: 1.4 → 1 is 29% off; 4.4 → 4 is 9% off and kept.
        {1.4f, 0, false, "1.4"},
        {4.4f, 0, false, "4"},
        // Two decimals: 0.015 → 0.02 is 33% off.
        {0.015f, 2, false, "0.015"},
        // Three decimals: 0.0012 → 0.001 is 17% off; 0.00055 → 0.0006 is 9% off.
        {0.0012f, 3, false, "0.0012"},
        {0.00055f, 3, false, "0.0006"},
        {0.0005f, 1, false, "0.0005"},
        // doseRound is the formula's: 12.3 → 12.5 (halves); 0.45 stays 0.45 (hundredths) and
        // reads 0.5 with one decimal, 11% off; 0.0014 → 0.001 (thousandths) is printed as such.
        {12.3f, 1, true, "12.5"},
        {0.45f, 1, true, "0.45"},
        {0.0014f, 3, true, "0.001"},
        // doseRound makes 0.0004 no dose at all.
        {0.0004f, 3, true, "(too small)"},
        // No dose and a negative value are written as formatNumber writes them.
        {0.0f, 2, false, "0"},
        {-0.001f, 2, false, "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shown(c.x, c.decimals, c.dose), c.expected) << c.x << " " << c.decimals;
    }
}

TEST(PrintedAmountTest, EveryShownAmountIsWithinATenthOfItsAmount) {
    // From the smallest printable amount up, in small steps: each text read back is within 10%.
    for (float x = kSmallestPrintedAmount; x < 200.0f; x *= 1.013f) {
        for (const int32_t decimals : {0, 1, 2, 3}) {
            const std::optional<SharedString> text = printedAmount(x, decimals, false);
            ASSERT_TRUE(text.has_value()) << x;
            const double read = std::stod(text->str());
            EXPECT_LE(std::fabs(read - x), 0.1 * x) << x << " " << decimals << " " << text->str();
        }
    }
}

TEST(PrintedAmountTest, NoNumberIsSaidInWordsOrAsTheFormattersMark) {
    EXPECT_EQ(amountOrTooSmall(0.0004f, 2, false).str(), kTooSmallToGiveText);
    EXPECT_EQ(amountOrTooSmall(0.25f, 2, false).str(), "0.25");
    // A value that is no number is no small amount: the formatter's mark, which pages refuse.
    EXPECT_EQ(shown(std::numeric_limits<float>::quiet_NaN(), 1, false), kInvalidNumberText);
    EXPECT_EQ(shown(3.0e9f, 1, false), kInvalidNumberText);
    EXPECT_EQ(shown(std::numeric_limits<float>::infinity(), 1, false), kInvalidNumberText);
}

}  // namespace
}  // namespace orvane
