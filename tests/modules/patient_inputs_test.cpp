// Patient inputs: conversions, the screens' limits with their exact messages, the range message
// of plain inputs, reading a number box and the silent module check.
#include "modules/patient_inputs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

InputField field(int16_t unitIndex, float value, int16_t fraction = 0) {
    InputField f;
    f.unit = unitIndex;
    f.value = value;
    f.fraction = fraction;
    return f;
}

TEST(PatientInputsTest, WeightConversionsUseTheExactFactors) {
    // 11 lb 8 oz = 11.5 lb; 11.5 × 0.45454544 = 5.2272725 in single precision.
    EXPECT_FLOAT_EQ(weightToKg(field(unit::kPounds, 11.0f, 8)), 5.2272725f);
    // 154 lb / 2.2 = 70 (not 69.85 as with 0.4536).
    EXPECT_NEAR(weightToKg(field(unit::kPounds, 154.0f)), 70.0f, 1e-4f);
    EXPECT_EQ(weightToKg(field(unit::kKilograms, 70.0f)), 70.0f);
    EXPECT_FLOAT_EQ(weightToKg(field(unit::kGrams, 3500.0f)), 3.5f);
    // The exact single-precision chains, written out independently.
    const volatile float ounces = 15.0f;
    const volatile float pounds = 2.0f;
    const float expected = (ounces * 0.0625f + pounds) * 0.45454544f;
    EXPECT_EQ(weightToKg(field(unit::kPounds, 2.0f, 15)), expected);
}

TEST(PatientInputsTest, LengthConversions) {
    // 60 inches and 4 eighths = 60.5 in = 153.67 cm.
    EXPECT_FLOAT_EQ(lengthToCm(field(unit::kInches, 60.0f, 4)), 153.67f);
    EXPECT_FLOAT_EQ(lengthToCm(field(unit::kInches, 66.0f)), 167.64f);
    EXPECT_EQ(lengthToCm(field(unit::kCentimetres, 170.0f)), 170.0f);
}

struct WeightCase {
    int16_t unitIndex;
    float value;
    bool childMode;
    const char* message;  // empty: passes
};

TEST(PatientInputsTest, WeightLimitsAndMessages) {
    const WeightCase cases[] = {
        {unit::kPounds, 1.9f, false, "Weight should be greater or equal to 2 lbs"},
        {unit::kPounds, 2.0f, false, ""},
        {unit::kPounds, 500.0f, false, ""},
        {unit::kPounds, 500.1f, false, "Weight should be less than or equal to 500 lbs"},
        {unit::kPounds, 330.0f, true, ""},
        {unit::kPounds, 331.0f, true, "Weight should be less than or equal to 330 lbs"},
        {unit::kPounds, 1.9f, true, "Weight should be greater or equal to 2 lbs"},
        {unit::kKilograms, 0.5f, false, ""},
        {unit::kKilograms, 0.49f, false, "Weight should be greater or equal to 0.5 kgs"},
        {unit::kKilograms, 227.0f, false, ""},
        {unit::kKilograms, 227.5f, false, "Weight should be less than or equal to 227 kgs"},
        {unit::kKilograms, 150.0f, true, ""},
        {unit::kKilograms, 150.5f, true, "Weight should be less than or equal to 150 kgs"},
        {unit::kKilograms, 0.0f, true, "Weight should be greater or equal to 0.5 kgs"},
        {unit::kGrams, 100000.0f, false, ""},
        {unit::kGrams, 100001.0f, false, "Weight should be less than or equal to 100000 Grams"},
        {unit::kGrams, 100001.0f, true, "Weight should be less than or equal to 100000 Grams"},
        {unit::kGrams, 999.0f, false, "Weight should be greater or equal to 1000 grams"},
        {unit::kGrams, 999.0f, true, ""},
        {unit::kGrams, 499.0f, true, "Weight should be greater or equal to 500 grams"},
        {unit::kGrams, 1000.0f, false, ""},
        {unit::kKilograms, NAN, false, "Weight should be greater or equal to 0.5 kgs"},
    };
    for (const WeightCase& c : cases) {
        SharedString message;
        const bool passes = checkWeight(field(c.unitIndex, 0.0f), c.value, &message, c.childMode);
        EXPECT_EQ(passes, c.message[0] == 0) << c.unitIndex << " " << c.value;
        EXPECT_EQ(message.str(), c.message) << c.unitIndex << " " << c.value;
    }
}

TEST(PatientInputsTest, WeightCheckComparesTheTypedNumberOnly) {
    // 1 lb 15 oz is almost 2 lb, but only the typed 1 is compared.
    SharedString message;
    EXPECT_FALSE(checkWeight(field(unit::kPounds, 1.0f, 15), 1.0f, &message, false));
    EXPECT_FALSE(checkWeight(field(unit::kPounds, 1.0f, 15), 1.0f, nullptr, false));
}

struct LimitCase {
    int16_t unitIndex;
    float value;
    const char* message;
};

TEST(PatientInputsTest, AgeLimits) {
    const LimitCase cases[] = {
        {0, 0.5f, "Age should be greater or equal to 1 yr"},
        {0, 0.0f, "Age should be greater or equal to 1 yr"},
        {0, 1.0f, ""},
        {0, 120.0f, ""},
        {0, 120.5f, "Age should be less than or equal to 120 yrs"},
    };
    for (const LimitCase& c : cases) {
        SharedString message;
        EXPECT_EQ(checkAge(c.value, &message), c.message[0] == 0) << c.value;
        EXPECT_EQ(message.str(), c.message) << c.value;
    }
}

TEST(PatientInputsTest, HeightLimits) {
    const LimitCase cases[] = {
        {unit::kInches, 15.0f, "Height should be greater or equal to 16 inches"},
        {unit::kInches, 16.0f, ""},
        {unit::kInches, 80.0f, ""},
        {unit::kInches, 80.5f, "Height should be less than or equal to 80 inches"},
        {unit::kCentimetres, 40.9f, "Height should be greater or equal to 41 cms"},
        {unit::kCentimetres, 41.0f, ""},
        {unit::kCentimetres, 204.0f, ""},
        {unit::kCentimetres, 205.0f, "Height should be less than or equal to 204 cms"},
    };
    for (const LimitCase& c : cases) {
        SharedString message;
        EXPECT_EQ(checkHeight(c.unitIndex, c.value, &message), c.message[0] == 0) << c.value;
        EXPECT_EQ(message.str(), c.message) << c.value;
    }
}

TEST(PatientInputsTest, HeadCircumferenceLimits) {
    const LimitCase cases[] = {
        {unit::kInches, 11.9f, "Head circumference should be greater or equal to 12 inches"},
        {unit::kInches, 12.0f, ""},
        {unit::kInches, 25.0f, ""},
        {unit::kInches, 25.1f, "Head circumference should be less than or equal to 25 inches"},
        {unit::kCentimetres, 30.0f, "Head circumference should be greater or equal to 31 cms"},
        {unit::kCentimetres, 31.0f, ""},
        {unit::kCentimetres, 62.0f, ""},
        {unit::kCentimetres, 63.0f, "Head circumference should be less than or equal to 62 cms"},
    };
    for (const LimitCase& c : cases) {
        SharedString message;
        EXPECT_EQ(checkHeadCircumference(c.unitIndex, c.value, &message), c.message[0] == 0)
            << c.value;
        EXPECT_EQ(message.str(), c.message) << c.value;
    }
}

TEST(PatientInputsTest, RangeMessageOfAPlainInput) {
    InputField pO2(makeRequest(70, 0), "pO2", "mmHg", -1.0f, 0.0f, 760.0f, 2);
    EXPECT_EQ(rangeMessage(pO2).str(), "pO2\r\nMust be in range 0 to 760 mmHg");
    InputField ratio(makeRequest(70, 0), "ResqQ", "msec", 0.8f, 0.1f, 1.0f, 2);
    EXPECT_EQ(rangeMessage(ratio).str(), "ResqQ\r\nMust be in range 0.1 to 1 msec");
}

TEST(PatientInputsTest, ReadingANumberBox) {
    InputField box(makeRequest(70, 0), "Calcium", "mg/dL", -1.0f, 0.0f, 10.0f, 2);
    SharedString message;
    EXPECT_FALSE(readNumberBox(box, "", &message));
    EXPECT_TRUE(message.empty());
    EXPECT_EQ(box.entered, 0);

    EXPECT_TRUE(readNumberBox(box, "9.256", &message));
    EXPECT_FLOAT_EQ(box.value, 9.256f);
    EXPECT_EQ(box.text.str(), "9.26");
    EXPECT_EQ(box.entered, 1);

    EXPECT_FALSE(readNumberBox(box, "10.5", &message));
    EXPECT_EQ(message.str(), "Calcium\r\nMust be in range 0 to 10 mg/dL");
    EXPECT_FLOAT_EQ(box.value, 10.5f);

    InputField free(makeRequest(70, 0), "Shift", "", 0.0f, -1.0f, -1.0f, 1);
    EXPECT_TRUE(readNumberBox(free, "-42", &message));
    EXPECT_EQ(free.value, -42.0f);
    EXPECT_TRUE(readNumberBox(free, "7,5", &message));
    EXPECT_EQ(free.value, 7.5f);
}

// A text that is not wholly a number is never read from its start: the box keeps its last value,
// is not marked entered, and the input's own message is given.
TEST(PatientInputsTest, ANumberBoxRefusesWhatIsNotWhollyANumber) {
    for (const char* text : {"12a0", "1e2", "12.5.5", "7,5,1", " 7", "7 ", ".", "abc"}) {
        InputField box(makeRequest(70, 0), "Systolic BP", "mmHg", -1.0f, 1.0f, 300.0f, 2);
        SharedString message;
        EXPECT_FALSE(readNumberBox(box, text, &message)) << text;
        EXPECT_EQ(message.str(), "Systolic BP\r\nMust be in range 1 to 300 mmHg") << text;
        EXPECT_EQ(box.value, -1.0f) << text;
        EXPECT_EQ(box.entered, 0) << text;

        InputField free(makeRequest(70, 0), "pAtm", "mmHg", 760.0f, -1.0f, -1.0f, 2);
        EXPECT_FALSE(readNumberBox(free, text, &message)) << text;
        EXPECT_EQ(message.str(), "pAtm\r\nMust be a number") << text;
        EXPECT_EQ(free.value, 760.0f) << text;
    }
}

TEST(PatientInputsTest, PatientChecksRefuseAnUnreadableValueWithTheLowerLimit) {
    SharedString message;
    InputField kilograms;
    kilograms.unit = unit::kKilograms;
    EXPECT_FALSE(checkWeight(kilograms, kUnreadableValue, &message, false));
    EXPECT_EQ(message.str(), "Weight should be greater or equal to 0.5 kgs");
    EXPECT_FALSE(checkAge(kUnreadableValue, &message));
    EXPECT_EQ(message.str(), "Age should be greater or equal to 1 yr");
    EXPECT_FALSE(checkHeight(unit::kCentimetres, kUnreadableValue, &message));
    EXPECT_EQ(message.str(), "Height should be greater or equal to 41 cms");
    EXPECT_FALSE(checkHeadCircumference(unit::kInches, kUnreadableValue, &message));
    EXPECT_EQ(message.str(), "Head circumference should be greater or equal to 12 inches");
}

struct ModuleCheckCase {
    int32_t kind;
    int16_t unitIndex;
    float value;
    float min;
    float max;
    bool passes;
};

TEST(PatientInputsTest, ModuleCheck) {
    const ModuleCheckCase cases[] = {
        {70, 0, -5.0f, -1.0f, -1.0f, true},  // no limits: anything
        {70, 0, 5.0f, 0.0f, 10.0f, true},
        {70, 0, 10.5f, 0.0f, 10.0f, false},
        {70, 0, -1.0f, 0.0f, 760.0f, false},  // an empty box (-1) never passes with limits
        {71, unit::kPounds, 2.0f, 0.5f, 500.0f, true},
        {71, unit::kPounds, 1.9f, 0.5f, 500.0f, false},
        {85, unit::kKilograms, 0.5f, -1.0f, -1.0f, true},
        {85, unit::kKilograms, 0.49f, 0.5f, 500.0f, false},
        {76, unit::kKilograms, 227.1f, 0.0f, 1000.0f, false},
        {71, unit::kGrams, 600.0f, 0.5f, 500.0f, true},  // the module check has no child mode
        {71, unit::kGrams, 100001.0f, 0.5f, 500.0f, false},
        {71, unit::kKilograms, 0.0f, -1.0f, -1.0f, false},  // a weight of 0 never passes
        {73, unit::kInches, 16.0f, 1.0f, 500.0f, true},
        {73, unit::kInches, 15.9f, 1.0f, 500.0f, false},
        {73, unit::kCentimetres, 204.0f, 1.0f, 500.0f, true},
        {73, unit::kCentimetres, 205.0f, 1.0f, 500.0f, false},
        {79, unit::kInches, 25.0f, -1.0f, -1.0f, true},
        {79, unit::kCentimetres, 30.0f, -1.0f, -1.0f, false},
        {83, 0, 0.0f, 0.0f, 120.0f, false},  // an empty or zero age never reaches a formula
        {83, 0, 1.0f, 0.0f, 120.0f, true},
        {83, 0, 120.0f, 0.0f, 120.0f, true},
        {83, 0, 121.0f, -1.0f, -1.0f, false},
        {70, 0, NAN, -1.0f, -1.0f, false},
    };
    for (const ModuleCheckCase& c : cases) {
        InputField f;
        f.kind = makeRequest(c.kind, 0);
        f.unit = c.unitIndex;
        f.value = c.value;
        f.min = c.min;
        f.max = c.max;
        EXPECT_EQ(passesModuleCheck(f), c.passes) << c.kind << " " << c.unitIndex << " " << c.value;
    }
}

}  // namespace
}  // namespace orvane
