// The patient checks that stand between a typed or stored patient value and a computed page, in
// the one order every screen and the headless renderer use, and the red message page shown in
// place of a result when a value is refused. The limits and messages themselves are in
// patient_inputs.h; this file only decides which value is checked, with which limits, when.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "foundation/shared_string.h"
#include "model/input_field.h"

namespace orvane {

class PatientContext;

// The body of the red message page: the text in bold red, with the private codes <SC id=N> of a
// label in it as the characters they stand for; the empty text gives an empty body.
std::string messagePageBody(std::string_view text);

// The weight a page with a weight row uses (mode 1 adult, 2 child, 3 the current one), made the
// current weight, and whether the child limits hold it: a child page is checked with the child
// limits whichever way it names its weight.
struct PageWeight {
    InputField* field = nullptr;
    bool childMode = false;
};
PageWeight selectPageWeight(PatientContext& context, int32_t weightInput);

// Whether the stored weight of a page passes its check; a page whose weight fails must show the
// message instead of numbers computed from it.
bool checkPageWeight(const PageWeight& weight, SharedString* message);

// The patient boxes of a calculator form, in the order they are checked.
enum class PatientBox { kAge, kCalcWeight, kAdultWeight, kHeight, kHead };
inline constexpr int32_t kPatientBoxCount = 5;

// Which patient boxes a form has, which of them hold a typed value (an empty box does not), and
// which hold a text that is not a number.
struct PatientBoxes {
    std::array<bool, kPatientBoxCount> present{};
    std::array<bool, kPatientBoxCount> typed{};
    std::array<bool, kPatientBoxCount> unreadable{};

    bool has(PatientBox box) const { return present[static_cast<size_t>(box)]; }
    bool isTyped(PatientBox box) const { return typed[static_cast<size_t>(box)]; }
    bool isUnreadable(PatientBox box) const { return unreadable[static_cast<size_t>(box)]; }

    // Marks a box present and records its text: empty, a number (stored in `field`) or not a
    // number (the field gets 0, as for an empty box, so no earlier value is computed with).
    void read(PatientBox box, std::string_view text, InputField& field);
};

// Checks the form's patient values (already stored in the context's fields) in the fixed order:
// age, calculator weight (child limits on a child page), adult weight, height, head
// circumference. An empty box counts as 0 and stops nothing here (the module's own check then
// refuses the 0); a box whose text is not a number is refused with its lower-limit message.
// Returns the first box refused, with its message, or none when all pass.
std::optional<PatientBox> checkPatientBoxes(PatientContext& context, const PatientBoxes& boxes,
                                            bool childMode, SharedString* message);

}  // namespace orvane
