// The values the content check types into a calculator's form: the lowest, middle and highest
// values of each field's own limits and lists, and patient values inside the screens' checks.
#include "tools/lib/check/form_values.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::content_check {
namespace {

InputField numberField(float min, float max, int32_t decimals) {
    return InputField(makeRequest(input_kind::kNumber, 0), "n", "", 0.0f, min, max, decimals);
}

TEST(FormValuesTest, NumbersTakeTheFieldsOwnLimits) {
    const struct {
        float min, max;
        int32_t decimals;
        const char* lowest;
        const char* middle;
        const char* highest;
    } cases[] = {
        {1.0f, 9.0f, 0, "1", "5", "9"},
        {0.5f, 2.5f, 1, "0.5", "1.5", "2.5"},
        // No lower limit (0 or below): the smallest value the decimals hold.
        {0.0f, 100.0f, 0, "1", "50", "100"},
        {0.0f, 100.0f, 3, "0.001", "50", "100"},
        // No limits at all: 1.
        {-1.0f, -1.0f, 1, "1", "1", "1"},
    };
    for (const auto& c : cases) {
        const InputField field = numberField(c.min, c.max, c.decimals);
        EXPECT_EQ(formValue(field, FormPoint::kLowest, 70.0f), c.lowest) << c.min << "-" << c.max;
        EXPECT_EQ(formValue(field, FormPoint::kMiddle, 70.0f), c.middle) << c.min << "-" << c.max;
        EXPECT_EQ(formValue(field, FormPoint::kHighest, 70.0f), c.highest) << c.min << "-" << c.max;
    }
}

TEST(FormValuesTest, ListsTakeTheirFirstMiddleAndLastEntry) {
    InputField list;
    list.kind = makeRequest(input_kind::kChoiceList, 0);
    for (int i = 0; i < 5; ++i) list.addEntry("entry", makeRequest(33, i + 1));
    EXPECT_EQ(formValue(list, FormPoint::kLowest, 70.0f), "1");
    EXPECT_EQ(formValue(list, FormPoint::kMiddle, 70.0f), "3");
    EXPECT_EQ(formValue(list, FormPoint::kHighest, 70.0f), "5");
}

TEST(FormValuesTest, WeightsAreTheBedsideWeight) {
    InputField weight;
    weight.kind = makeRequest(input_kind::kCalcWeight, 0);
    EXPECT_EQ(formValue(weight, FormPoint::kHighest, 13.3f), "13.3kg");
    EXPECT_EQ(formValue(weight, FormPoint::kLowest, 0.5f), "0.5kg");
}

}  // namespace
}  // namespace orvane::content_check
