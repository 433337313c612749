// The written forms of patient values used by the command-line tools: weights "70kg", "154lb",
// "11lb8oz", "3500g"; lengths "170cm", "66in", "60in4" (60 and 4/8 inches); plain decimal
// numbers. The number in each is read as a typed number is ("7,5kg" is 7.5 kilograms). Parsing
// only: no limits are checked here (see patient_inputs.h).
#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

// A number, its unit index (weights: 0 pounds, 1 kilograms, 2 grams; lengths: 0 inches, 1
// centimetres) and the ounces (0-15) or eighths (0-7).
struct UnitValue {
    float value = 0.0f;
    int16_t unit = 0;
    int16_t fraction = 0;
};

// A number read by the rule of typed numbers (foundation/typed_number.h): the whole text, with
// one '.' or ',' as the decimal point. False for anything else or a number too large for a float.
bool parseDecimal(std::string_view text, float& value);

// NUMBERkg, NUMBERg, NUMBERlb or NUMBERlbOUNCESoz (ounces 0-15, whole).
bool parseWeightText(std::string_view text, UnitValue& out);

// NUMBERcm, NUMBERin or NUMBERinEIGHTHS (eighths 0-7, one digit).
bool parseLengthText(std::string_view text, UnitValue& out);

}  // namespace orvane
