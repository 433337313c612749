// The IV/IM antibiotic lists of TykoAbx: the stepped dose list with its units (the per-day label
// of frequency code 13 included), the lists that must stop (no step, a step too small to show,
// the entry cap), damaged records, the frequency words and the doses a day of every code.
#include "dosing/antibiotics/iv_abx_lists.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace orvane {
namespace {

IvAbxRecord drug(const char* name, float low, float high, float step, float frequencyCode) {
    IvAbxRecord d;
    d.code = "X1";
    d.name = name;
    d.low = low;
    d.high = high;
    d.step = step;
    d.frequencyCode = frequencyCode;
    d.protocolCode = 1.0f;
    return d;
}

std::vector<std::string> texts(const std::vector<AbxChoiceEntry>& list) {
    std::vector<std::string> out;
    for (const AbxChoiceEntry& e : list) out.push_back(e.text.str());
    return out;
}

struct ListCase {
    const char* name;
    float low, high, step, code;
    std::vector<std::string> expected;
};

TEST(IvAbxListsTest, SteppedDoseListsAndTheirUnits) {
    const ListCase cases[] = {
        {"Cefazolin", 50, 100, 25, 1, {"50 mg/kg/d", "75 mg/kg/d", "100 mg/kg/d"}},
        {"Gentamicin", 5, 7.5f, 2.5f, 4, {"5 mg/kg/d", "7.5 mg/kg/d"}},
        // Code 13 divides the daily total by the doses a day, so it is labelled per day.
        {"Ampicillin", 100, 200, 50, 13, {"100 mg/kg/d", "150 mg/kg/d", "200 mg/kg/d"}},
        // The codes whose one dose covers two or three days are labelled per dose.
        {"Neo", 2.5f, 2.5f, 0, 10, {"2.5 mg/kg/dose"}},
        {"Neo", 15, 15, 0, 11, {"15 mg/kg/dose"}},
        {"Neo", 4, 5, 0.5f, 12, {"4 mg/kg/dose", "4.5 mg/kg/dose", "5 mg/kg/dose"}},
        // Penicillins in units whatever the letter case.
        {"Penicillin G", 100000, 200000, 100000, 2, {"100000 U/kg/d", "200000 U/kg/d"}},
        {"penicillin V", 50000, 50000, 0, 4, {"50000 U/kg/d"}},
        {"PCN benzathine", 50000, 50000, 0, 8, {"50000 U/kg/d"}},
        // Shown to twentieths: 0.33 shows as 0.35, the next value is 0.35 + 0.5.
        {"Small", 0.33f, 1.0f, 0.5f, 1, {"0.35 mg/kg/d", "0.85 mg/kg/d"}},
    };
    for (const ListCase& c : cases) {
        EXPECT_EQ(texts(ivDoseList(drug(c.name, c.low, c.high, c.step, c.code))), c.expected)
            << c.name << " code " << c.code;
    }
}

TEST(IvAbxListsTest, EachEntryDosesTheValueItShows) {
    const std::vector<AbxChoiceEntry> list = ivDoseList(drug("Cefazolin", 50, 100, 25, 1));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].perKg, 50.0f);
    EXPECT_EQ(list[1].perKg, 75.0f);
    EXPECT_EQ(list[2].perKg, 100.0f);
    // A low dose off the twentieths: 0.33 is listed as HE(6.6) × 0.05 = 0.35, the next as
    // 0.35 + 0.5 = 0.85; each entry doses what it shows (not 0.33 and 0.83).
    const std::vector<AbxChoiceEntry> small = ivDoseList(drug("Small", 0.33f, 1.0f, 0.5f, 1));
    ASSERT_EQ(small.size(), 2u);
    EXPECT_EQ(small[0].text.str(), "0.35 mg/kg/d");
    EXPECT_FLOAT_EQ(small[0].perKg, 0.35f);
    EXPECT_EQ(small[1].text.str(), "0.85 mg/kg/d");
    EXPECT_FLOAT_EQ(small[1].perKg, 0.85f);
}

TEST(IvAbxListsTest, ListsThatMustStop) {
    // No step, a negative one, and one too small to change the shown value: the first entry.
    EXPECT_EQ(ivDoseList(drug("A", 10, 20, 0, 1)).size(), 1u);
    EXPECT_EQ(ivDoseList(drug("A", 10, 20, -5, 1)).size(), 1u);
    EXPECT_EQ(ivDoseList(drug("A", 10, 20, 0.001f, 1)).size(), 1u);
    // A long range ends at the cap.
    EXPECT_EQ(ivDoseList(drug("A", 1, 100000, 1, 1)).size(),
              static_cast<size_t>(kMostAbxChoiceEntries));
    // A damaged record gives no list.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_TRUE(ivDoseList(drug("A", nan, 20, 5, 1)).empty());
    EXPECT_TRUE(ivDoseList(drug("A", 10, 20, inf, 1)).empty());
    // No dose of 0 is offered.
    EXPECT_TRUE(ivDoseList(drug("A", 0, 20, 5, 1)).empty());
    EXPECT_TRUE(ivDoseList(drug("A", -5, 20, 5, 1)).empty());
}

struct FrequencyCase {
    float code;
    std::vector<std::string> words;
    std::vector<float> perDay;
};

TEST(IvAbxListsTest, FrequencyWordsAndDosesPerDayOfEveryCode) {
    const FrequencyCase cases[] = {
        {1, {"q8h"}, {3}},
        {2, {"q4h", "q6h"}, {6, 4}},
        {3, {"q6h", "q8h"}, {4, 3}},
        {4, {"q8h", "q12h"}, {3, 2}},
        {5, {"q12h", "q24h"}, {2, 1}},
        {6, {"q6h"}, {4}},
        {7, {"q12h"}, {2}},
        {8, {"q24h"}, {1}},
        {9, {"q6h", "q8h", "q12h"}, {4, 3, 2}},
        {10, {"q48h"}, {0.5f}},
        {11, {"q72h"}, {0.33f}},
        {12, {"q24h", "q48h"}, {1, 0.5f}},
        {13, {"q4h", "q6h", "q8h"}, {6, 4, 3}},
    };
    for (const FrequencyCase& c : cases) {
        const std::vector<const char*> words = ivFrequencyList(c.code);
        ASSERT_EQ(words.size(), c.words.size()) << c.code;
        for (size_t k = 0; k < words.size(); ++k) {
            EXPECT_EQ(words[k], c.words[k]) << c.code;
            const std::optional<DosesPerDay> n = ivDosesPerDay(c.code, static_cast<int32_t>(k) + 1);
            ASSERT_TRUE(n.has_value()) << c.code << " choice " << k + 1;
            EXPECT_EQ(n->perDay, c.perDay[k]) << c.code;
            EXPECT_EQ(n->dividesTotal, c.perDay[k] >= 1.0f) << c.code;
        }
        // A choice the code does not have gives no count (a single-choice code doses anyway).
        if (c.words.size() > 1) {
            EXPECT_FALSE(ivDosesPerDay(c.code, static_cast<int32_t>(c.words.size()) + 1));
            EXPECT_FALSE(ivDosesPerDay(c.code, 0));
        }
    }
    // Code 14: one dose a day, with no list.
    EXPECT_TRUE(ivFrequencyList(14).empty());
    ASSERT_TRUE(ivDosesPerDay(14, 0).has_value());
    EXPECT_EQ(ivDosesPerDay(14, 0)->perDay, 1.0f);
    // Codes outside the tables, and codes that are not whole numbers.
    for (float code : {0.0f, -1.0f, 15.0f, 2.5f, std::numeric_limits<float>::quiet_NaN()}) {
        EXPECT_TRUE(ivFrequencyList(code).empty()) << code;
        EXPECT_FALSE(ivDosesPerDay(code, 1).has_value()) << code;
    }
}

TEST(IvAbxListsTest, LoadingRegimens) {
    const std::vector<AbxChoiceEntry> list = loadingRegimenList();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].text.str(), "10 then 3 mg/kg/d, div QD");
    EXPECT_EQ(list[3].text.str(), "10 then 6 mg/kg/d, div QD");
    EXPECT_EQ(list[0].perKg, 3.0f);
    EXPECT_EQ(list[3].perKg, 6.0f);
}

}  // namespace
}  // namespace orvane
