// The rules of the patient inputs and plain numeric inputs: conversion of weights and lengths to
// kilograms and centimetres, the limits with their exact messages (as the screens check them),
// the silent check a module makes before computing, and the range message of plain inputs. It
// holds no state and binds no controls (see form_binding.h for binding forms to the patient).
#pragma once

#include <limits>
#include <string_view>

#include "foundation/shared_string.h"
#include "model/input_field.h"

namespace orvane {

// A weight field in kilograms by its unit: grams × 0.001, kilograms as they are, pounds with the
// ounces in `fraction` divided by 2.2 (× 0.45454544). Single precision throughout.
float weightToKg(const InputField& field);

// A length field in centimetres by its unit: centimetres as they are, inches with the eighths in
// `fraction` × 2.54.
float lengthToCm(const InputField& field);

// The weight limits by the field's unit for the typed number `value` (the ounces are not added).
// Adult and child mode differ in their limits. True when the value passes; otherwise false with
// the exact message in `message` (when not null).
bool checkWeight(const InputField& field, float value, SharedString* message, bool childMode);

// Age in years: 1 to 120. The message names the limit broken.
bool checkAge(float value, SharedString* message);

// Height by unit (inches 16 to 80, centimetres 41 to 204) and head circumference (inches 12 to
// 25, centimetres 31 to 62), on the typed number only.
bool checkHeight(int16_t lengthUnit, float value, SharedString* message);
bool checkHeadCircumference(int16_t lengthUnit, float value, SharedString* message);

// The message of a plain input outside its limits: the label, "\r\nMust be in range ", the two
// limits with at most one decimal joined by " to ", a blank and the units text.
SharedString rangeMessage(const InputField& field);

// The message of a plain input whose box holds a text that is not wholly a number: its range
// message, or, for an input without limits, its label and "\r\nMust be a number".
SharedString unreadableMessage(const InputField& field);

// Reads a typed number box into a plain (unbound) input the way the calculator screen does: an
// empty box stores nothing and fails without a message; a text that is not wholly a number (the
// rule of foundation/typed_number.h) stores nothing and fails with unreadableMessage; otherwise
// the number is stored in `value`, `text` becomes it with the field's decimals and `entered` 1;
// the value must lie within the limits unless both are negative, else false with rangeMessage.
bool readNumberBox(InputField& field, std::string_view boxText, SharedString* message);

// The value a patient check is given for a box whose text is not a number: every check refuses
// it with its lower-limit message (no number is at or above the lower limit).
inline constexpr float kUnreadableValue = std::numeric_limits<float>::quiet_NaN();

// The silent check a module makes on each input before computing. Weights, heights, head
// circumference and age are always held to their own limits (an unset limit on such a field does
// not let a weight of 0 or an age of 0 through); other fields pass when both limits are negative,
// else they must lie within min..max.
bool passesModuleCheck(const InputField& field);

// True for the kinds that are bound to a patient value (weights, heights, head, age, sex).
bool isPatientKind(int32_t kind);
bool isWeightKind(int32_t kind);
bool isLengthKind(int32_t kind);

}  // namespace orvane
