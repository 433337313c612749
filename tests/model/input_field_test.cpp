// Input fields: the defaults, the two ways of building one, choosing list entries and yes/no.
#include "model/input_field.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(InputFieldTest, DefaultsAreAnEmptyFieldEndingItsRow) {
    const InputField field;
    EXPECT_EQ(field.text.str(), "enter");
    EXPECT_TRUE(field.label.empty());
    EXPECT_TRUE(field.units.empty());
    EXPECT_EQ(field.value, 0.0f);
    EXPECT_EQ(field.min, -1.0f);
    EXPECT_EQ(field.max, -1.0f);
    EXPECT_EQ(field.decimals, 1);
    EXPECT_EQ(field.unit, 0);
    EXPECT_EQ(field.fraction, 0);
    EXPECT_EQ(field.kind, 0u);
    EXPECT_EQ(field.endsRow, 1);
    EXPECT_EQ(field.width, 0);
    EXPECT_EQ(field.fieldWidth, 0);
    EXPECT_EQ(field.lazyList, 0);
    EXPECT_EQ(field.entered, 0);
    EXPECT_EQ(field.entries.count(), 0);
}

struct DescriptionCase {
    float value;
    float min;
    float max;
    int32_t decimals;
    const char* text;  // worked out by hand from the rule
};

TEST(InputFieldTest, DescriptionSetsTheTextOnlyForValuesWithinLimitsOrWithoutLimits) {
    const DescriptionCase cases[] = {
        {-1.0f, 0.0f, 760.0f, 2, ""},      // "enter a value": below the lower limit
        {760.0f, -1.0f, -1.0f, 2, "760"},  // no limits, value not 0
        {47.0f, -1.0f, -1.0f, 2, "47"},
        {0.0f, -1.0f, -1.0f, 2, ""},        // no limits but the value is 0
        {0.8f, 0.1f, 1.0f, 2, "0.8"},       // within limits
        {1.0f, 0.1f, 1.0f, 2, "1"},         // on the upper limit
        {5.0f, 10.0f, 20.0f, 1, ""},        // below the limits
        {25.0f, 10.0f, 20.0f, 1, ""},       // above the limits
        {3.0f, 0.0f, 0.0f, 1, "3"},         // min and max 0 count as no limits
        {12.34f, -1.0f, -1.0f, 2, "12.5"},  // clinical rounding first: halves from 10 to 40
        {140.0f, 0.0f, 999999.0f, 2, "140"},
        {0.0f, 0.0f, 1.0f, 1, "0"},  // 0 within limits
    };
    for (const DescriptionCase& c : cases) {
        const InputField field(makeRequest(70, 0), "pO2", "mmHg", c.value, c.min, c.max,
                               c.decimals);
        EXPECT_EQ(field.text.str(), c.text) << c.value << " " << c.min << " " << c.max;
    }
}

TEST(InputFieldTest, DescriptionSetsItsFieldsAndZeroesTheRest) {
    InputField field(makeRequest(83, 0), "Age", "years", -1.0f, 0.0f, 120.0f, 2);
    EXPECT_EQ(field.kindCode(), 83);
    EXPECT_EQ(field.label.str(), "Age");
    EXPECT_EQ(field.units.str(), "years");
    EXPECT_EQ(field.value, -1.0f);
    EXPECT_EQ(field.min, 0.0f);
    EXPECT_EQ(field.max, 120.0f);
    EXPECT_EQ(field.decimals, 2);
    EXPECT_EQ(field.unit, 0);
    EXPECT_EQ(field.endsRow, 1);
    EXPECT_EQ(field.fraction, 0);
    EXPECT_EQ(field.width, 0);
    EXPECT_EQ(field.lazyList, 0);
    EXPECT_EQ(field.entered, 0);
}

TEST(InputFieldTest, SecondFormTakesTheTextAsGiven) {
    const InputField field(SharedString("160 cms"), 160.0f, -1.0f, -1.0f, 1);
    EXPECT_EQ(field.text.str(), "160 cms");
    EXPECT_EQ(field.value, 160.0f);
    EXPECT_EQ(field.min, -1.0f);
    EXPECT_EQ(field.max, -1.0f);
    EXPECT_EQ(field.decimals, 1);
    EXPECT_EQ(field.endsRow, 1);
    EXPECT_EQ(field.kind, 0u);
}

TEST(InputFieldTest, ChoosingAnEntryCountsFromOne) {
    InputField field;
    field.addEntry("mg/dL", makeRequest(33, 1));
    field.addEntry("mmol/L", makeRequest(33, 2));
    field.chooseEntry(2);
    EXPECT_EQ(field.unit, 2);
    EXPECT_EQ(field.value, 2.0f);
    EXPECT_EQ(field.text.str(), "mmol/L");
    field.chooseEntry(1);
    EXPECT_EQ(field.unit, 1);
    EXPECT_EQ(field.text.str(), "mg/dL");
    for (const int32_t outside : {0, 3, -1}) {
        field.chooseEntry(2);
        field.chooseEntry(outside);
        EXPECT_EQ(field.unit, 0) << outside;
        EXPECT_EQ(field.value, 0.0f) << outside;
        EXPECT_TRUE(field.text.empty()) << outside;
    }
}

TEST(InputFieldTest, YesNoBySign) {
    InputField field;
    const struct {
        int32_t n;
        float value;
        int16_t unit;
    } cases[] = {{1, 1.0f, 1}, {5, 1.0f, 1}, {0, 0.0f, 0}, {-3, 0.0f, 0}};
    for (const auto& c : cases) {
        field.setYesNo(c.n);
        EXPECT_EQ(field.value, c.value) << c.n;
        EXPECT_EQ(field.unit, c.unit) << c.n;
    }
}

TEST(InputFieldTest, ClearingEntriesEmptiesTheList) {
    InputField field;
    field.addEntry("a", 1);
    field.addEntry("b", 2);
    field.clearEntries();
    EXPECT_EQ(field.entries.count(), 0);
}

}  // namespace
}  // namespace orvane
