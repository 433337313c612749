// The dose lists of TykoDrugs: option lists with their interval phrases and skipped options, and
// stepped ranges with their ends, a step of 0 and steps that would never end.
#include "dosing/weight_based/dose_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace orvane {
namespace {

DrugRecord optionDrug(int32_t kind, std::vector<DoseOption> options) {
    DrugRecord drug;
    drug.kind = kind;
    drug.unit = "mg";
    for (size_t j = 0; j < options.size(); ++j) drug.options[j] = options[j];
    return drug;
}

DrugRecord steppedDrug(const char* code, float lowest, float highest, float step) {
    DrugRecord drug;
    drug.kind = 12;
    drug.unit = "mg";
    drug.options[0] = DoseOption{lowest, code, ""};
    drug.options[1].perKg = highest;
    drug.options[2].perKg = step;
    return drug;
}

std::vector<std::string> texts(const std::vector<DoseEntry>& list) {
    std::vector<std::string> out;
    for (const DoseEntry& e : list) out.push_back(e.text.str());
    return out;
}

TEST(DoseListTest, OptionTextsAndIntervalPhrases) {
    const DrugRecord drug = optionDrug(
        4, {{15.0f, "15", "4"}, {10.0f, "10", "0"}, {12.0f, "12", "0"}, {5.0f, "5", "6"}});
    EXPECT_EQ(
        texts(optionDoseList(drug)),
        (std::vector<std::string>{"15&nbsp;mg/kg/dose every 4 hrs", "10&nbsp;mg/kg loading dose ",
                                  "12&nbsp;mg/kg loading dose ", "5&nbsp;mg/kg/dose every 6 hrs"}));
    // Option 1 with an empty interval or one starting with 0 is a loading dose; kind 7 writes
    // " q" + interval. Options 3 and 4 take only "0" as loading.
    const DrugRecord subcut =
        optionDrug(7, {{0.01f, "0.01", "20 min"}, {0.02f, "0.02", ""}, {0.03f, "0.03", "08"}});
    EXPECT_EQ(texts(optionDoseList(subcut)),
              (std::vector<std::string>{"0.01&nbsp;mg/kg q20 min", "0.02&nbsp;mg/kg loading dose ",
                                        "0.03&nbsp;mg/kg/dose every 08 hrs"}));
    const DrugRecord loading = optionDrug(4, {{1.0f, "1", ""}, {2.0f, "2", "06"}});
    EXPECT_EQ(
        texts(optionDoseList(loading)),
        (std::vector<std::string>{"1&nbsp;mg/kg loading dose ", "2&nbsp;mg/kg loading dose "}));
}

TEST(DoseListTest, EachEntryCarriesTheOptionItShows) {
    // The middle option is 0: it adds no entry, and entry 2 is option 3.
    const DrugRecord drug =
        optionDrug(5, {{50.0f, "50", "24"}, {0.0f, "", ""}, {100.0f, "100", "24"}});
    const std::vector<DoseEntry> list = optionDoseList(drug);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].text.str(), "100&nbsp;mg/kg/dose every 24 hrs");
    EXPECT_EQ(list[1].option, 2);
    EXPECT_EQ(list[1].perKg, 100.0f);
    // Option 1 is always listed, even at 0.
    const DrugRecord empty = optionDrug(4, {{0.0f, "0", "0"}});
    EXPECT_EQ(optionDoseList(empty).size(), 1u);
}

// A damaged record (a lost end of text joining two fields) stores a list text that is not the dose
// the entry gives: the entry shows the dose itself, and no amount for a dose that is not one.
TEST(DoseListTest, OptionTextThatIsNotItsDose) {
    const DrugRecord drug = optionDrug(
        4,
        {{0.3f, "0.3\n0", "6"}, {0.25f, "", "8"}, {1.9e-6f, "", "4"}, {std::nanf(""), "7", "0"}});
    EXPECT_EQ(texts(optionDoseList(drug)),
              (std::vector<std::string>{
                  "0.3&nbsp;mg/kg/dose every 6 hrs", "0.25&nbsp;mg/kg/dose every 8 hrs",
                  "&nbsp;mg/kg/dose every 4 hrs", "&nbsp;mg/kg loading dose "}));
    const DrugRecord zero = optionDrug(4, {{0.0f, "0", "0"}});
    EXPECT_EQ(texts(optionDoseList(zero)), (std::vector<std::string>{"&nbsp;mg/kg loading dose "}));
}

TEST(DoseListTest, SteppedRanges) {
    struct Case {
        const char* what;
        DrugRecord drug;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"10 to 40 by 10, the highest included",
         steppedDrug("2", 10.0f, 40.0f, 10.0f),
         {"10&nbsp;mg/kg/d", "20&nbsp;mg/kg/d", "30&nbsp;mg/kg/d", "40&nbsp;mg/kg/d"}},
        {"per dose",
         steppedDrug("8", 0.2f, 0.5f, 0.1f),
         {"0.2&nbsp;mg/kg", "0.3&nbsp;mg/kg", "0.4&nbsp;mg/kg", "0.5&nbsp;mg/kg"}},
        {"step 0", steppedDrug("2", 10.0f, 40.0f, 0.0f), {"10&nbsp;mg/kg/d"}},
        {"negative step", steppedDrug("2", 10.0f, 40.0f, -5.0f), {"10&nbsp;mg/kg/d"}},
        {"highest below lowest", steppedDrug("2", 10.0f, 5.0f, 1.0f), {"10&nbsp;mg/kg/d"}},
        // A step too small to change the value shown to 4 decimals ends the list.
        {"step below the shown decimals",
         steppedDrug("2", 10.0f, 40.0f, 1e-6f),
         {"10&nbsp;mg/kg/d"}},
        // Values are written with at most 3 decimals (0.0008 → 0.001), but 0.0004 is widened
        // rather than read as 0.
        {"small values",
         steppedDrug("8", 0.0004f, 0.0008f, 0.0004f),
         {"0.0004&nbsp;mg/kg", "0.001&nbsp;mg/kg"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(texts(steppedDoseList(c.drug)), c.texts) << c.what;
    }
}

TEST(DoseListTest, SteppedEntriesStandForLowestPlusSteps) {
    const std::vector<DoseEntry> list = steppedDoseList(steppedDrug("9", 40.0f, 90.0f, 10.0f));
    ASSERT_EQ(list.size(), 6u);
    for (size_t k = 0; k < list.size(); ++k) {
        EXPECT_EQ(list[k].perKg, 40.0f + static_cast<float>(k) * 10.0f) << k;
    }
}

TEST(DoseListTest, ALongRangeIsCappedAndADamagedOneIsEmpty) {
    EXPECT_EQ(steppedDoseList(steppedDrug("2", 0.001f, 1000.0f, 0.001f)).size(),
              static_cast<size_t>(kMostSteppedEntries));
    EXPECT_TRUE(steppedDoseList(steppedDrug("2", std::nanf(""), 10.0f, 1.0f)).empty());
    EXPECT_EQ(steppedDoseList(steppedDrug("2", 1.0f, std::nanf(""), 1.0f)).size(), 1u);
}

}  // namespace
}  // namespace orvane
