// Custom rate lists: their shown values, the 0.05 grid, and the ways a bad range or step ends the
// list instead of running on (step 0, a negative step, a step too small to show, the 200 cap,
// rates that do not print as positive numbers).
#include "dosing/infusions/custom_rate_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::infusion {
namespace {

struct Case {
    const char* name;
    float low;
    float high;
    float step;
    CustomRateStyle style;
    std::vector<std::string> shown;  // without the unit
};

std::vector<std::string> shownRates(const std::vector<CustomRate>& list) {
    std::vector<std::string> out;
    for (const CustomRate& rate : list) {
        const std::string suffix = " u";
        EXPECT_EQ(rate.text.substr(rate.text.size() - suffix.size()), suffix) << rate.text;
        out.push_back(rate.text.substr(0, rate.text.size() - suffix.size()));
    }
    return out;
}

TEST(CustomRateListTest, ShownValuesAndEndings) {
    const CustomRateStyle one{.decimals = 1, .twentieths = false};
    const CustomRateStyle three{.decimals = 3, .twentieths = false};
    const CustomRateStyle grid{.decimals = 1, .twentieths = true};
    const Case cases[] = {
        {"halves", 0.5f, 1.5f, 0.5f, one, {"0.5", "1", "1.5"}},
        // Three decimals keep the thousandths the dose bands keep below 0.1.
        {"thousandths", 0.005f, 0.021f, 0.005f, three, {"0.005", "0.01", "0.015", "0.02"}},
        // The 0.05 grid written with two decimals: 0.1, 0.15, ... 0.3.
        {"grid", 0.1f, 0.3f, 0.05f, grid, {"0.1", "0.15", "0.2", "0.25", "0.3"}},
        // No step: no list.
        {"step 0", 1.0f, 5.0f, 0.0f, one, {}},
        // No lowest rate: no list.
        {"lowest 0", 0.0f, 5.0f, 1.0f, one, {}},
        // A negative step would run down for ever: the first entry only.
        {"negative", 1.0f, 5.0f, -1.0f, one, {"1"}},
        // A step the float cannot add.
        {"vanishing", 1.0f, 2.0f, 1e-9f, one, {"1"}},
        // 1.01 still shows as 1 with one decimal: the list ends.
        {"unshown", 1.0f, 2.0f, 0.01f, one, {"1"}},
        // On the 0.05 grid 0.11 is taken back to 0.1: the list ends.
        {"grid unshown", 0.1f, 0.3f, 0.01f, grid, {"0.1"}},
        // Highest below lowest.
        {"empty range", 2.0f, 1.0f, 0.5f, one, {}},
        // A damaged record's rates too large to print (found by dosing_records_fuzz: an entry
        // "ERR"), below 0, or too small to print: none offered; the list ends at the first.
        {"too large", 1e20f, 1e21f, 1e19f, one, {}},
        {"grows too large", 1e9f, 5e9f, 2e9f, one, {"1000000000"}},
        {"negative lowest", -2.0f, 2.0f, 1.0f, one, {}},
        {"too small", 0.00001f, 0.00003f, 0.00001f, three, {}},
    };
    for (const Case& c : cases) {
        InfusionRecord record;
        record.customLowest = c.low;
        record.customHighest = c.high;
        record.customStep = c.step;
        record.customUnit = "u";
        EXPECT_EQ(shownRates(customRates(record, c.style)), c.shown) << c.name;
    }
}

TEST(CustomRateListTest, RatesStandForTheirEntries) {
    InfusionRecord record;
    record.customLowest = 0.5f;
    record.customHighest = 2.0f;
    record.customStep = 0.5f;
    const std::vector<CustomRate> list = customRates(record, {.decimals = 1});
    ASSERT_EQ(list.size(), 4u);
    // lowest + (k - 1) × step.
    EXPECT_EQ(list[0].rate, 0.5f);
    EXPECT_EQ(list[3].rate, 0.5f + 3.0f * 0.5f);
}

TEST(CustomRateListTest, AtMostTwoHundredRates) {
    InfusionRecord record;
    record.customLowest = 0.05f;
    record.customHighest = 1000.0f;
    record.customStep = 0.05f;
    record.customUnit = "u";
    const std::vector<CustomRate> list = customRates(record, {.decimals = 1, .twentieths = true});
    ASSERT_EQ(list.size(), static_cast<size_t>(kMostCustomRates));
    EXPECT_EQ(list.back().text, "10 u");
    // Every entry shows more than the one before it.
    for (size_t i = 1; i < list.size(); ++i) EXPECT_GT(list[i].rate, list[i - 1].rate) << i;
}

}  // namespace
}  // namespace orvane::infusion
