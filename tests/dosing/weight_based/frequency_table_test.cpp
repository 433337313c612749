// The frequency lists of the drugs dosed per day: every code's entries and doses a day.
#include "dosing/weight_based/frequency_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

struct Case {
    const char* code;
    std::vector<std::string> texts;
    std::vector<int32_t> doses;
};

TEST(FrequencyTableTest, EveryCode) {
    const Case cases[] = {
        {"1", {"q12h", "q24h"}, {2, 1}},
        {"2", {"q6h", "q8h", "q12h"}, {4, 3, 2}},
        {"3", {"q6h", "q8h"}, {4, 3}},
        {"4", {"q4h", "q6h"}, {6, 4}},
        {"5", {"q8h", "q12h", "q24h"}, {3, 2, 1}},
        {"6", {"q6h", "q8h", "q12h", "q24h"}, {4, 3, 2, 1}},
        {"7", {"q12h"}, {2}},
        {"8", {"/dose"}, {1}},
        {"9", {"q8h", "q12h"}, {3, 2}},
        {"10", {"q8h"}, {3}},
    };
    for (const Case& c : cases) {
        const FrequencyList* list = frequencyListFor(c.code);
        ASSERT_NE(list, nullptr) << c.code;
        ASSERT_EQ(list->count, static_cast<int32_t>(c.texts.size())) << c.code;
        for (int32_t i = 0; i < list->count; ++i) {
            EXPECT_EQ(list->choices[i].text, c.texts[static_cast<size_t>(i)]) << c.code;
            EXPECT_EQ(list->choices[i].dosesPerDay, c.doses[static_cast<size_t>(i)]) << c.code;
        }
    }
}

TEST(FrequencyTableTest, OtherCodesHaveNoList) {
    for (const char* code : {"", "0", "11", "01", "1 ", "q8h"}) {
        EXPECT_EQ(frequencyListFor(code), nullptr) << code;
    }
}

}  // namespace
}  // namespace orvane
