// InputField: one input or one choice list of a form, also the shape of the patient values. It
// holds the value with its limits, unit and display text, and for lists the entries; it does not
// check limits (see patient_inputs.h) and does not draw anything.
#pragma once

#include <cstdint>

#include "foundation/dyn_array.h"
#include "foundation/shared_string.h"
#include "model/menu_item.h"
#include "model/request.h"

namespace orvane {

// The kinds of input fields: the module code of an input field's `kind` request.
namespace input_kind {
inline constexpr int32_t kCheckBox = 33;
inline constexpr int32_t kChoiceList = 52;
inline constexpr int32_t kNumber = 70;
inline constexpr int32_t kCalcWeight = 71;
inline constexpr int32_t kHeight = 73;
inline constexpr int32_t kCalcWeightAlt = 76;
inline constexpr int32_t kSex = 77;
inline constexpr int32_t kHeightNoDefault = 78;
inline constexpr int32_t kHeadCircumference = 79;
inline constexpr int32_t kAge = 83;
inline constexpr int32_t kDate = 84;
inline constexpr int32_t kAdultWeight = 85;
inline constexpr int32_t kChoiceListAlt = 86;
}  // namespace input_kind

// Units of weights and lengths, and of the sex field.
namespace unit {
inline constexpr int16_t kPounds = 0;
inline constexpr int16_t kKilograms = 1;
inline constexpr int16_t kGrams = 2;
inline constexpr int16_t kInches = 0;
inline constexpr int16_t kCentimetres = 1;
inline constexpr int16_t kMale = 0;
inline constexpr int16_t kFemale = 1;
}  // namespace unit

class InputField {
  public:
    // An empty field: text "enter", value 0, no limits, 1 decimal, ending its row.
    InputField() = default;

    // A field from its description. The text is the value after the clinical rounding, written
    // with `decimals` decimals, when the value lies within the limits or when there are no limits
    // (min <= 0, max <= 0) and the value is not 0; otherwise the text is empty. Unit 0, endsRow
    // 1, every other field 0.
    InputField(Request kind, SharedString label, SharedString units, float value, float min,
               float max, int32_t decimals);

    // A field whose text is given directly; the other fields keep their defaults.
    InputField(SharedString text, float value, float min, float max, int32_t decimals);

    // The kind number (the module code of `kind`).
    int32_t kindCode() const { return moduleCode(kind); }

    // Chooses list entry k (counted from 1): unit = value = k and text = its label. Any k outside
    // 1..number of entries clears the choice: unit 0, value 0, empty text.
    void chooseEntry(int32_t k);

    // Sets a yes/no field: n > 0 gives yes (value 1, unit 1), anything else no (0, 0).
    void setYesNo(int32_t n);

    void addEntry(SharedString label, Request request) {
        entries.append(MenuItem(std::move(label), request));
    }
    void clearEntries() { entries.resize(0); }

    SharedString text = "enter";
    SharedString label;
    SharedString units;
    float value = 0.0f;
    float min = -1.0f;
    float max = -1.0f;
    int32_t decimals = 1;
    int16_t unit = 0;
    int16_t fraction = 0;
    Request kind = 0;
    int16_t endsRow = 1;
    int16_t width = 0;
    int16_t fieldWidth = 0;
    int16_t lazyList = 0;
    int16_t entered = 0;
    DynArray<MenuItem> entries;
};

}  // namespace orvane
