#include "modules/patient_value_text.h"

#include "foundation/typed_number.h"
#include "model/input_field.h"

namespace orvane {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the run of number characters (a sign, then digits, points and commas) at the
// start of text; whether the run is a number is the typed-number rule's to say.
size_t numberLength(std::string_view text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    while (i < text.size() && (isDigit(text[i]) || text[i] == '.' || text[i] == ',')) ++i;
    return i;
}

bool wholeNumber(std::string_view text, int32_t low, int32_t high, int16_t& out) {
    if (text.empty() || text.size() > 2) return false;
    int32_t n = 0;
    for (const char c : text) {
        if (!isDigit(c)) return false;
        n = n * 10 + (c - '0');
    }
    if (n < low || n > high) return false;
    out = static_cast<int16_t>(n);
    return true;
}

}  // namespace

bool parseDecimal(std::string_view text, float& value) {
    const std::optional<float> read = readTypedNumber(text);
    if (!read) return false;
    value = *read;
    return true;
}

namespace {

// Splits text into its leading number and the unit text after it.
bool splitNumber(std::string_view text, float& number, std::string_view& rest) {
    const size_t length = numberLength(text);
    if (length == 0 || !parseDecimal(text.substr(0, length), number)) return false;
    rest = text.substr(length);
    return true;
}

}  // namespace

bool parseWeightText(std::string_view text, UnitValue& out) {
    UnitValue result;
    std::string_view rest;
    if (!splitNumber(text, result.value, rest)) return false;
    if (rest == "kg") {
        result.unit = unit::kKilograms;
    } else if (rest == "g") {
        result.unit = unit::kGrams;
    } else if (rest == "lb") {
        result.unit = unit::kPounds;
    } else if (rest.size() > 4 && rest.substr(0, 2) == "lb" &&
               rest.substr(rest.size() - 2) == "oz") {
        result.unit = unit::kPounds;
        if (!wholeNumber(rest.substr(2, rest.size() - 4), 0, 15, result.fraction)) return false;
    } else {
        return false;
    }
    out = result;
    return true;
}

bool parseLengthText(std::string_view text, UnitValue& out) {
    UnitValue result;
    std::string_view rest;
    if (!splitNumber(text, result.value, rest)) return false;
    if (rest == "cm") {
        result.unit = unit::kCentimetres;
    } else if (rest == "in") {
        result.unit = unit::kInches;
    } else if (rest.size() == 3 && rest.substr(0, 2) == "in") {
        result.unit = unit::kInches;
        if (!wholeNumber(rest.substr(2), 0, 7, result.fraction)) return false;
    } else {
        return false;
    }
    out = result;
    return true;
}

}  // namespace orvane
