// Printed amounts: formatAmount widens a positive amount that would read "0" up to 3 decimals and
// otherwise writes what formatNumber writes.
#include "foundation/number_format.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(FormatAmountTest, PositiveAmountsNeverReadZero) {
    const struct {
        float x;
        int32_t decimals;
        bool dose;
        const char* expected;
    } cases[] = {
        // Forms that do not read 0 are formatNumber's: 12.3 → halves band 12.5; 0.05 → 0.1.
        {12.3f, 1, true, "12.5"},
        {0.05f, 1, false, "0.1"},
        {0.615f, 2, false, "0.62"},
        // 0.04 reads 0 with one decimal: two decimals.
        {0.04f, 1, false, "0.04"},
        // 0.004 needs three; 0.0012 → 0.001 with three.
        {0.004f, 1, false, "0.004"},
        {0.004f, 2, true, "0.004"},
        {0.0012f, 2, false, "0.001"},
        // Beyond three decimals the amount stays 0, as does no amount or a negative one.
        {0.0004f, 1, false, "0"},
        {0.0f, 2, false, "0"},
        {-0.001f, 2, false, "0"},
        // Three decimals asked for: nothing to widen.
        {0.006f, 3, false, "0.006"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatAmount(c.x, c.decimals, c.dose).str(), c.expected)
            << c.x << " " << c.decimals;
    }
}

}  // namespace
}  // namespace orvane
