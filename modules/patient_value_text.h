// The written forms of patient values used by the command-line tools: weights "70kg", "154lb",
// "11lb8oz", "3500g"; lengths "170cm", "66in", "60in4" (60 and 4/8 inches); plain decimal
// numbers. Parsing only: no limits are checked here (see patient_inputs.h).
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

// A decimal number: an optional sign, digits and at most one point with digits on either side;
// nothing else. False for anything else or a number too large for a float.
bool parseDecimal(std::string_view text, float& value);

// NUMBERkg, NUMBERg, NUMBERlb or NUMBERlbOUNCESoz (ounces 0-15, whole).
bool parseWeightText(std::string_view text, UnitValue& out);

// NUMBERcm, NUMBERin or NUMBERinEIGHTHS (eighths 0-7, one digit).
bool parseLengthText(std::string_view text, UnitValue& out);

}  // namespace orvane
