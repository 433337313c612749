#include "foundation/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "foundation/number_format.h"

namespace orvane {
namespace {

float bits(uint32_t b) {
    float f;
    std::memcpy(&f, &b, sizeof f);
    return f;
}

// Expected values are written as the band's whole number times its float step, so they carry the
// same float product the bands are specified with (46 × 0.001f, not the decimal 0.046).
TEST(RoundWhole, TieRuleAndThreshold) {
    struct Case {
        float x, expected;
    };
    const Case cases[] = {
        {0.5f, 0.0f},       {1.5f, 2.0f},       {2.5f, 2.0f}, {3.5f, 4.0f},
        {2.5000005f, 2.0f}, {2.5000011f, 3.0f}, {2.6f, 3.0f}, {-2.7f, -2.0f},
        {-0.5f, 0.0f},      {0.0f, 0.0f},       {7.0f, 7.0f},
    };
    for (const Case& c : cases) EXPECT_EQ(roundWhole(c.x), c.expected) << c.x;
    // The threshold itself does not round up: 0.5000010132789612 has f == threshold.
    EXPECT_EQ(roundWhole(bits(0x3F000011)), 0.0f);
    EXPECT_EQ(roundWhole(bits(0x3F000012)), 1.0f);
}

TEST(RoundWhole, NonFiniteAndHugeAreDefined) {
    EXPECT_TRUE(std::isnan(roundWhole(std::numeric_limits<float>::quiet_NaN())));
    EXPECT_EQ(roundWhole(std::numeric_limits<float>::infinity()),
              std::numeric_limits<float>::infinity());
    EXPECT_EQ(roundWhole(3e9f), 3e9f);
    EXPECT_EQ(roundWhole(-3e9f), -3e9f);
}

TEST(DoseRound, Bands) {
    struct Case {
        float x, expected;
    };
    const Case cases[] = {
        {0.0456f, 46.0f * 0.001f},
        {0.123f, 12.0f * 0.01f},
        {0.15f, 15.0f * 0.01f},
        {0.55f, 6.0f * 0.1f},
        {2.25f, 22.0f * 0.1f},
        {7.25f, 72.0f * 0.1f},
        {0.95f, 10.0f * 0.1f},
        {12.3f, 25.0f * 0.5f},
        {33.75f, 68.0f * 0.5f},
        {57.5f, 58.0f},
        {123.0f, 12.0f * 10.0f},
        {155.0f, 16.0f * 10.0f},
        {999.9f, 100.0f * 10.0f},
        {1012.5f, 40.0f * 25.0f},
        {1234.0f, 49.0f * 25.0f},
        {54321.0f, 543.0f * 100.0f},
        {-0.0456f, -(46.0f * 0.001f)},
        {1000000.0f, 1000000.0f},
        {123456.0f, 123.0f * 1000.0f},
        {1234567.0f, 123.0f * 10000.0f},
        {0.0f, 0.0f},
        // band edges: 0.1 goes to hundredths, 0.5 to tenths, 10 to halves, 40 to wholes
        {0.1f, 10.0f * 0.01f},
        {0.5f, 5.0f * 0.1f},
        {10.0f, 20.0f * 0.5f},
        {40.0f, 40.0f},
        {100.0f, 10.0f * 10.0f},
        {10000.0f, 100.0f * 100.0f},
    };
    for (const Case& c : cases) EXPECT_EQ(doseRound(c.x), c.expected) << c.x;
}

TEST(BandRound, OlderBands) {
    struct Case {
        float x, expected;
    };
    const Case cases[] = {
        {123.0f, 25.0f * 5.0f},   {152.5f, 30.0f * 5.0f}, {0.0456f, 5.0f * 0.01f},
        {0.004f, 0.0f},           {0.55f, 6.0f * 0.1f},   {33.75f, 68.0f * 0.5f},
        {1234.0f, 49.0f * 25.0f}, {57.5f, 58.0f},         {2000000.0f, 200.0f * 10000.0f},
    };
    for (const Case& c : cases) EXPECT_EQ(bandRound(c.x), c.expected) << c.x;
    // Each test sees the value the previous one left: 0.499 becomes 0.5 and is then rounded again
    // to tenths (still 0.5); 9.96 becomes 10 and is then rounded to halves (still 10).
    EXPECT_EQ(bandRound(0.499f), 5.0f * 0.1f);
    EXPECT_EQ(bandRound(9.96f), 10.0f);
}

// A capped amount rounded onto its steps never ends above its maximum: where the nearest step
// is above, the step below is taken. Hand-worked: 1750 mg/day in 2 doses is 875 mg, whose tens
// step is 880 (87.5 to the even 88), so 870; 8000 mg/day in 3 doses is 2666.67 mg, 25s step 2675,
// so 2650; a 3.75 mL/hr cap's tenths step is 3.8, so 3.7; 18.75 mL's halves step is 19, so 18.5.
TEST(RoundedNotAbove, TakesTheStepBelowAMaximum) {
    struct Case {
        float x, limit, expected;
    };
    const Case cases[] = {
        {875.0f, 875.0f, 87.0f * 10.0f},
        {8000.0f / 3.0f, 8000.0f / 3.0f, 106.0f * 25.0f},
        {3.75f, 3.75f, 37.0f * 0.1f},
        {18.75f, 18.75f, 37.0f * 0.5f},
        // Above the maximum: the largest step not above it.
        {6300.0f, 3000.0f, 3000.0f},
        {99.7f, 99.5f, 99.0f},
        // The nearest step is not above the maximum: as doseRound.
        {874.0f, 875.0f, 87.0f * 10.0f},
        {1500.0f, 1500.0f, 1500.0f},
        {0.0996f, 0.5f, 100.0f * 0.001f},
        // No maximum (0, below 0, not a number): as doseRound.
        {875.0f, 0.0f, 88.0f * 10.0f},
        {875.0f, -1.0f, 88.0f * 10.0f},
        {875.0f, std::numeric_limits<float>::quiet_NaN(), 88.0f * 10.0f},
        {875.0f, std::numeric_limits<float>::infinity(), 88.0f * 10.0f},
        // A maximum below the smallest step leaves no amount.
        {0.0006f, 0.0004f, 0.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(roundedNotAbove(c.x, c.limit), c.expected) << c.x << " " << c.limit;
        if (c.limit > 0.0f && std::isfinite(c.limit)) {
            EXPECT_LE(roundedNotAbove(c.x, c.limit), c.limit) << c.x;
        }
    }
    // Other roundings: the fives of bandRound keep 875; a chain of bandRound then doseRound (as
    // the antibiotic guide prints) does not.
    EXPECT_EQ(roundedNotAbove(875.0f, 875.0f, bandRound), 875.0f);
    EXPECT_EQ(roundedNotAbove(8000.0f / 3.0f, 8000.0f / 3.0f, bandRound), 106.0f * 25.0f);
    const StepRounding chain = [](float x) { return doseRound(bandRound(x)); };
    EXPECT_EQ(roundedNotAbove(875.0f, 875.0f, chain), 87.0f * 10.0f);
    EXPECT_TRUE(std::isnan(roundedNotAbove(std::numeric_limits<float>::quiet_NaN(), 10.0f)));
}

TEST(FormatNumber, Table) {
    struct Case {
        float x;
        int decimals;
        bool dose;
        const char* expected;
    };
    const Case cases[] = {
        {0.1f * 3.0f, 2, false, "0.3"},
        {70.0f, 1, false, "70"},
        {12.5f, 0, false, "13"},
        {0.15f, 1, false, "0.2"},
        {1234.5678f, 2, false, "1234.57"},
        {0.0456f, 2, true, "0.05"},
        {0.0456f, 3, true, "0.046"},
        {2.5f, 2, false, "2.5"},
        {2.0f, 2, false, "2"},
        {-1.26f, 1, false, "-1.3"},
        {0.0f, 2, false, "0"},
        {1234.0f, 0, true, "1225"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatNumber(c.x, c.decimals, c.dose).str(), c.expected) << c.x;
    }
}

TEST(FormatFixed, Table) {
    struct Case {
        float x;
        int decimals;
        const char* expected;
    };
    const Case cases[] = {
        {-1.24f, 1, "-1.2"},   {-0.01f, 1, "0"},           {0.05f, 1, "0.1"},
        {2.0f, 2, "2"},        {1.005f, 3, "1.005"},       {-3.0f, 0, "-3"},
        {100.25f, 1, "100.3"}, {0.000001f, 6, "0.000001"}, {2147483000.0f, 0, "2147483008"},
    };
    char buffer[32];
    for (const Case& c : cases) {
        EXPECT_STREQ(formatFixed(buffer, c.x, c.decimals), c.expected) << c.x;
    }
}

TEST(FormatFixed, NeverWritesNanOrInf) {
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(),
                         3e9f,
                         -3e9f,
                         1e30f};
    char buffer[32];
    for (float x : bad) {
        EXPECT_STREQ(formatFixed(buffer, x, 2), kInvalidNumberText) << x;
        EXPECT_EQ(formatNumber(x, 2, true).str(), kInvalidNumberText) << x;
    }
}

}  // namespace
}  // namespace orvane
