#include "modules/patient_inputs.h"

#include <optional>

#include "foundation/number_format.h"
#include "foundation/typed_number.h"

namespace orvane {

float weightToKg(const InputField& field) {
    switch (field.unit) {
        case unit::kGrams:
            return field.value * 0.001f;
        case unit::kKilograms:
            return field.value;
        case unit::kPounds:
            return (static_cast<float>(field.fraction) * 0.0625f + field.value) * 0.45454544f;
        default:
            return field.value;
    }
}

float lengthToCm(const InputField& field) {
    if (field.unit == unit::kInches) {
        return (static_cast<float>(field.fraction) * 0.125f + field.value) * 2.54f;
    }
    return field.value;
}

namespace {

bool refuse(SharedString* message, const char* prefix, const char* limit) {
    if (message != nullptr) {
        *message = prefix;
        message->append(limit);
    }
    return false;
}

constexpr const char* kWeightLow = "Weight should be greater or equal to ";
constexpr const char* kWeightHigh = "Weight should be less than or equal to ";

}  // namespace

bool checkWeight(const InputField& field, float value, SharedString* message, bool childMode) {
    switch (field.unit) {
        case unit::kPounds:
            if (!(value >= 2.0f)) return refuse(message, kWeightLow, "2 lbs");
            if (childMode && value > 330.0f) return refuse(message, kWeightHigh, "330 lbs");
            if (!childMode && value > 500.0f) return refuse(message, kWeightHigh, "500 lbs");
            return true;
        case unit::kKilograms:
            if (!(static_cast<double>(value) >= 0.5)) return refuse(message, kWeightLow, "0.5 kgs");
            if (childMode && value > 150.0f) return refuse(message, kWeightHigh, "150 kgs");
            if (!childMode && value > 227.0f) return refuse(message, kWeightHigh, "227 kgs");
            return true;
        case unit::kGrams:
            if (childMode && !(value >= 500.0f)) return refuse(message, kWeightLow, "500 grams");
            if (!childMode && !(value >= 1000.0f)) return refuse(message, kWeightLow, "1000 grams");
            if (value >= 100001.0f) return refuse(message, kWeightHigh, "100000 Grams");
            return true;
        default:
            return true;
    }
}

bool checkAge(float value, SharedString* message) {
    if (!(value >= 1.0f)) {
        return refuse(message, "Age should be greater or equal to 1 yr", "");
    }
    if (value > 120.0f) return refuse(message, "Age should be less than or equal to 120 yrs", "");
    return true;
}

bool checkHeight(int16_t lengthUnit, float value, SharedString* message) {
    if (lengthUnit == unit::kInches) {
        if (!(value >= 16.0f)) {
            return refuse(message, "Height should be greater or equal to 16 inches", "");
        }
        if (value > 80.0f)
            return refuse(message, "Height should be less than or equal to 80 inches", "");
        return true;
    }
    if (!(value >= 41.0f))
        return refuse(message, "Height should be greater or equal to 41 cms", "");
    if (value > 204.0f)
        return refuse(message, "Height should be less than or equal to 204 cms", "");
    return true;
}

bool checkHeadCircumference(int16_t lengthUnit, float value, SharedString* message) {
    if (lengthUnit == unit::kInches) {
        if (!(value >= 12.0f)) {
            return refuse(message, "Head circumference should be greater or equal to 12 inches",
                          "");
        }
        if (value > 25.0f) {
            return refuse(message, "Head circumference should be less than or equal to 25 inches",
                          "");
        }
        return true;
    }
    if (!(value >= 31.0f)) {
        return refuse(message, "Head circumference should be greater or equal to 31 cms", "");
    }
    if (value > 62.0f) {
        return refuse(message, "Head circumference should be less than or equal to 62 cms", "");
    }
    return true;
}

SharedString rangeMessage(const InputField& field) {
    SharedString message = field.label;
    message.append("\r\nMust be in range ");
    message.append(formatNumber(field.min, 1, false));
    message.append(" to ");
    message.append(formatNumber(field.max, 1, false));
    message.append(" ");
    message.append(field.units);
    return message;
}

SharedString unreadableMessage(const InputField& field) {
    if (field.min < 0.0f && field.max < 0.0f) {
        SharedString message = field.label;
        message.append("\r\nMust be a number");
        return message;
    }
    return rangeMessage(field);
}

bool readNumberBox(InputField& field, std::string_view boxText, SharedString* message) {
    if (boxText.empty()) return false;
    const std::optional<float> number = readTypedNumber(boxText);
    if (!number) {
        if (message != nullptr) *message = unreadableMessage(field);
        return false;
    }
    field.value = *number;
    field.text = formatNumber(field.value, field.decimals, false);
    field.entered = 1;
    if (field.min < 0.0f && field.max < 0.0f) return true;
    if (field.min <= field.value && field.value <= field.max) return true;
    if (message != nullptr) *message = rangeMessage(field);
    return false;
}

bool isWeightKind(int32_t kind) {
    return kind == input_kind::kCalcWeight || kind == input_kind::kCalcWeightAlt ||
           kind == input_kind::kAdultWeight;
}

bool isLengthKind(int32_t kind) {
    return kind == input_kind::kHeight || kind == input_kind::kHeightNoDefault ||
           kind == input_kind::kHeadCircumference;
}

bool isPatientKind(int32_t kind) {
    return isWeightKind(kind) || isLengthKind(kind) || kind == input_kind::kAge ||
           kind == input_kind::kSex;
}

namespace {

bool within(float value, float low, float high) {
    return low <= value && value <= high;
}

}  // namespace

bool passesModuleCheck(const InputField& field) {
    const int32_t kind = field.kindCode();
    const float v = field.value;
    if (v != v) return false;
    if (isWeightKind(kind)) {
        switch (field.unit) {
            case unit::kPounds:
                return within(v, 2.0f, 500.0f);
            case unit::kKilograms:
                return static_cast<double>(v) >= 0.5 && v <= 227.0f;
            case unit::kGrams:
                return within(v, 500.0f, 100000.0f);
            default:
                return true;
        }
    }
    if (kind == input_kind::kHeight) {
        return field.unit == unit::kInches ? within(v, 16.0f, 80.0f) : within(v, 41.0f, 204.0f);
    }
    if (kind == input_kind::kHeadCircumference) {
        return field.unit == unit::kInches ? within(v, 12.0f, 25.0f) : within(v, 31.0f, 62.0f);
    }
    if (kind == input_kind::kAge) return within(v, 1.0f, 120.0f);
    if (field.min < 0.0f && field.max < 0.0f) return true;
    return within(v, field.min, field.max);
}

}  // namespace orvane
