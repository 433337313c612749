#include "tools/lib/check/form_values.h"

#include <cmath>

#include "foundation/number_format.h"
#include "modules/patient_inputs.h"

namespace orvane::content_check {

namespace {

// One of three texts by point.
const char* byPoint(FormPoint point, const char* lowest, const char* middle, const char* highest) {
    switch (point) {
        case FormPoint::kLowest:
            return lowest;
        case FormPoint::kMiddle:
            return middle;
        case FormPoint::kHighest:
            return highest;
    }
    return middle;
}

}  // namespace

const char* formPointName(FormPoint point) {
    return byPoint(point, "lowest", "middle", "highest");
}

std::string formValue(const InputField& field, FormPoint point, float weightKg) {
    const int32_t kind = field.kindCode();
    if (isWeightKind(kind)) return formatNumber(weightKg, 1, false).str() + "kg";
    // Patient values inside the screens' checks: a newborn's, a child's, a tall adult's.
    if (kind == input_kind::kHeadCircumference) return byPoint(point, "33cm", "45cm", "58cm");
    if (isLengthKind(kind)) return byPoint(point, "45cm", "120cm", "200cm");
    if (kind == input_kind::kAge) return byPoint(point, "1", "40", "120");
    if (kind == input_kind::kSex) return byPoint(point, "female", "male", "female");
    if (kind == input_kind::kDate) return byPoint(point, "2024-01-01", "2024-02-29", "2024-12-31");
    if (kind == input_kind::kCheckBox) return byPoint(point, "no", "yes", "yes");
    if (kind == input_kind::kChoiceList || kind == input_kind::kChoiceListAlt) {
        const int32_t entries = field.entries.count() > 0 ? field.entries.count() : 1;
        const int32_t entry = point == FormPoint::kLowest   ? 1
                              : point == FormPoint::kMiddle ? (entries + 1) / 2
                                                            : entries;
        return std::to_string(entry);
    }
    // A number: the field's own limits (a limit not above 0 is none).
    const bool hasMin = field.min > 0.0f;
    const bool hasMax = field.max > 0.0f;
    const float low = hasMin ? field.min : 0.0f;
    const float high = hasMax ? field.max : low + 1.0f;
    float value = low + (high - low) * 0.5f;
    // Without a lower limit the lowest value is the smallest the field's decimals can hold.
    const int32_t decimals = field.decimals > 0 ? field.decimals : 0;
    if (point == FormPoint::kLowest) value = hasMin ? low : std::pow(10.0f, -decimals);
    if (point == FormPoint::kHighest && hasMax) value = high;
    if (!hasMin && !hasMax) value = 1.0f;
    return formatNumber(value, decimals, false).str();
}

}  // namespace orvane::content_check
