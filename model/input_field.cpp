#include "model/input_field.h"

#include <utility>

#include "foundation/number_format.h"

namespace orvane {

InputField::InputField(Request kind, SharedString label, SharedString units, float value, float min,
                       float max, int32_t decimals)
    : label(std::move(label)),
      units(std::move(units)),
      value(value),
      min(min),
      max(max),
      decimals(decimals),
      kind(kind) {
    const bool noLimits = min <= 0.0f && max <= 0.0f && value != 0.0f;
    const bool withinLimits = min <= value && value <= max;
    if (noLimits || withinLimits) {
        text = formatNumber(value, decimals, true);
    } else {
        text = "";
    }
}

InputField::InputField(SharedString text, float value, float min, float max, int32_t decimals)
    : text(std::move(text)), value(value), min(min), max(max), decimals(decimals) {}

void InputField::chooseEntry(int32_t k) {
    if (k >= 1 && k <= entries.count()) {
        unit = static_cast<int16_t>(k);
        value = static_cast<float>(k);
        text = entries[k - 1].label();
    } else {
        unit = 0;
        value = 0.0f;
        text = "";
    }
}

void InputField::setYesNo(int32_t n) {
    const bool yes = n > 0;
    value = yes ? 1.0f : 0.0f;
    unit = yes ? 1 : 0;
}

}  // namespace orvane
