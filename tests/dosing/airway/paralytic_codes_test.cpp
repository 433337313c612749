// The codes by which other modules name the paralytic pages.
#include "dosing/airway/paralytic_codes.h"

#include <gtest/gtest.h>

namespace orvane::airway {
namespace {

TEST(ParalyticCodesTest, EachCodeNamesItsRecord) {
    const struct {
        const char* code;
        int32_t page;
    } cases[] = {
        {"A30", 0},
        {"C10", 1},
        {"M30", 3},
        {"P10", 4},
        {"R20", 5},
        {"S30", 6},
        {"V20", 7},
        // Doxacurium (record 2) has no code; codes are whole texts.
        {"D10", -1},
        {"D20", -1},
        {"A3", -1},
        {"A300", -1},
        {"a30", -1},
        {"", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(paralyticPageOf(c.code), c.page) << c.code;
}

}  // namespace
}  // namespace orvane::airway
