// The written forms of weights, lengths and plain numbers used on the command line.
#include "modules/patient_value_text.h"

#include <gtest/gtest.h>

#include "model/input_field.h"

namespace orvane {
namespace {

struct UnitCase {
    const char* text;
    bool ok;
    float value;
    int16_t unit;
    int16_t fraction;
};

TEST(PatientValueTextTest, Weights) {
    const UnitCase cases[] = {
        {"70kg", true, 70.0f, unit::kKilograms, 0},
        {"154lb", true, 154.0f, unit::kPounds, 0},
        {"11lb8oz", true, 11.0f, unit::kPounds, 8},
        {"11lb0oz", true, 11.0f, unit::kPounds, 0},
        {"11lb15oz", true, 11.0f, unit::kPounds, 15},
        {"3500g", true, 3500.0f, unit::kGrams, 0},
        {"0.5kg", true, 0.5f, unit::kKilograms, 0},
        {"-5kg", true, -5.0f, unit::kKilograms, 0},
        {"11lb16oz", false, 0, 0, 0},
        {"11lboz", false, 0, 0, 0},
        {"70", false, 0, 0, 0},
        {"kg", false, 0, 0, 0},
        {"70 kg", false, 0, 0, 0},
        {"70kgs", false, 0, 0, 0},
        {"70KG", false, 0, 0, 0},
        {"", false, 0, 0, 0},
        {"1e3g", false, 0, 0, 0},
        {"7,5kg", true, 7.5f, unit::kKilograms, 0},
        {"12.5.5kg", false, 0, 0, 0},
        {"7,5,1kg", false, 0, 0, 0},
        {"12a0kg", false, 0, 0, 0},
    };
    for (const UnitCase& c : cases) {
        UnitValue out;
        EXPECT_EQ(parseWeightText(c.text, out), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(out.value, c.value) << c.text;
        EXPECT_EQ(out.unit, c.unit) << c.text;
        EXPECT_EQ(out.fraction, c.fraction) << c.text;
    }
}

TEST(PatientValueTextTest, Lengths) {
    const UnitCase cases[] = {
        {"170cm", true, 170.0f, unit::kCentimetres, 0},
        {"66in", true, 66.0f, unit::kInches, 0},
        {"60in4", true, 60.0f, unit::kInches, 4},
        {"60in7", true, 60.0f, unit::kInches, 7},
        {"60in8", false, 0, 0, 0},
        {"170,5cm", true, 170.5f, unit::kCentimetres, 0},
        {"1,70,5cm", false, 0, 0, 0},
        {"60in44", false, 0, 0, 0},
        {"170", false, 0, 0, 0},
        {"170mm", false, 0, 0, 0},
    };
    for (const UnitCase& c : cases) {
        UnitValue out;
        EXPECT_EQ(parseLengthText(c.text, out), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(out.value, c.value) << c.text;
        EXPECT_EQ(out.unit, c.unit) << c.text;
        EXPECT_EQ(out.fraction, c.fraction) << c.text;
    }
}

TEST(PatientValueTextTest, Decimals) {
    float value = -1.0f;
    EXPECT_TRUE(parseDecimal("42", value));
    EXPECT_EQ(value, 42.0f);
    EXPECT_TRUE(parseDecimal("-0.25", value));
    EXPECT_EQ(value, -0.25f);
    EXPECT_TRUE(parseDecimal(".5", value));
    EXPECT_EQ(value, 0.5f);
    EXPECT_TRUE(parseDecimal("7,5", value));
    EXPECT_EQ(value, 7.5f);
    for (const char* bad :
         {"", "-", ".", "1.2.3", "1,2,3", "12a0", "1e5", "nan", "inf", " 1", "1 ", "0x10"}) {
        EXPECT_FALSE(parseDecimal(bad, value)) << bad;
    }
    const std::string huge(60, '9');
    EXPECT_FALSE(parseDecimal(huge, value));
}

}  // namespace
}  // namespace orvane
