// The route and frequency words of the antibiotic guide: every route code, and every count of
// doses a day in the oral set and in the set of the other routes, with the counts that have none.
#include "dosing/antibiotics/abx_frequency_words.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

TEST(AbxFrequencyWordsTest, RouteWords) {
    struct Case {
        int32_t route;
        const char* word;
    };
    constexpr Case kCases[] = {
        {1, " PO"},    {2, " IV"}, {3, " IM"}, {4, " IV/IM"}, {5, " IV/IM/PO"},
        {6, " IV/PO"}, {0, ""},    {7, ""},    {-1, ""},      {255, ""},
    };
    for (const Case& c : kCases) EXPECT_STREQ(abxRouteWord(c.route), c.word) << c.route;
}

struct WordCase {
    int32_t route;
    int32_t count;
    const char* word;  // null: none
    const char* division;
};

constexpr WordCase kWordCases[] = {
    // The oral set (route 1).
    {1, 0, " bid", " div bid"},
    {1, 1, " qd", " given qd"},
    {1, 2, " bid", " div bid"},
    {1, 3, " tid", " div tid"},
    {1, 4, " qid", " div qid"},
    {1, 5, " 5x/day", " div 5x/day"},
    {1, 6, nullptr, nullptr},
    {1, 7, nullptr, nullptr},
    {1, 255, nullptr, nullptr},
    // Every other route, also one outside the route table.
    {2, 0, " q12h", " div q12h"},
    {3, 1, " q24h", " given q24h"},
    {4, 2, " q12h", " div q12h"},
    {5, 3, " q8h", " div q8h"},
    {6, 4, " q6h", " div q6h"},
    {2, 5, nullptr, nullptr},
    {2, 6, " q4h", " div q4h"},
    {2, 7, nullptr, nullptr},
    {9, 3, " q8h", " div q8h"},
    {0, 255, nullptr, nullptr},
    {2, -1, nullptr, nullptr},
};

TEST(AbxFrequencyWordsTest, WordsByRouteAndCount) {
    for (const WordCase& c : kWordCases) {
        const AbxFrequencyWords* words = abxFrequencyWords(c.route, c.count);
        if (c.word == nullptr) {
            EXPECT_EQ(words, nullptr) << c.route << " " << c.count;
            continue;
        }
        ASSERT_NE(words, nullptr) << c.route << " " << c.count;
        EXPECT_STREQ(words->word, c.word) << c.route << " " << c.count;
        EXPECT_STREQ(words->division, c.division) << c.route << " " << c.count;
    }
}

}  // namespace
}  // namespace orvane
