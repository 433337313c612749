// Absolute neutrophil count and drug dilution volume: texts worked out by hand.
#include "calculators/formulas/bedside.h"

#include <gtest/gtest.h>

#include "foundation/number_format.h"

namespace orvane {
namespace {

std::string text(float value) {
    return formatNumber(value, 1, false).str();
}

TEST(NeutrophilCountTest, PercentOfWhiteCells) {
    EXPECT_EQ(text(absoluteNeutrophilCount(5000, 60, 5)), "3250");
    EXPECT_EQ(text(absoluteNeutrophilCount(4.5f, 55, 3)), "2.6");  // 2.61
    EXPECT_EQ(text(absoluteNeutrophilCount(12000, 80, 10)), "10800");
    EXPECT_EQ(text(absoluteNeutrophilCount(1500, 33.3f, 0)), "499.5");
}

TEST(DrugDilutionTest, DesiredOverDissolvedTimesFluid) {
    // 50 / 400 × 250 = 31.25, exact in binary; the one-decimal writing (31.25 + 0.05 in single
    // precision is 31.299999) gives 31.2
    EXPECT_EQ(text(*drugDilutionVolume(400, 250, 50)), "31.2");
    EXPECT_EQ(text(*drugDilutionVolume(1000, 500, 3)), "1.5");
    EXPECT_EQ(text(*drugDilutionVolume(250, 100, 12.5f)), "5");
    EXPECT_EQ(text(*drugDilutionVolume(800, 250, 3)), "0.9");  // 0.9375
    EXPECT_FALSE(drugDilutionVolume(0, 250, 50).has_value());
}

}  // namespace
}  // namespace orvane
