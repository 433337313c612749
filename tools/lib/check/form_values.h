// The values a content check types into a calculator's form: for each field, a text within the
// field's own definition at one of three points (its lowest allowed value, the middle of its
// range, its highest), as a user would type or choose it. Patient values (weight, lengths, age)
// take the bedside weight of the sweep and values inside the screens' checks. It opens nothing.
#pragma once

#include <string>

#include "model/input_field.h"

namespace orvane::content_check {

enum class FormPoint { kLowest, kMiddle, kHighest };

inline constexpr FormPoint kFormPoints[] = {FormPoint::kLowest, FormPoint::kMiddle,
                                            FormPoint::kHighest};

const char* formPointName(FormPoint point);

// The text typed or chosen for `field` at `point`, with `weightKg` for weight fields.
std::string formValue(const InputField& field, FormPoint point, float weightKg);

}  // namespace orvane::content_check
