// Test support: the patient's weight as the dosing tests set it, in kilograms: one weight (adult
// or child) set and made the current one, or the child weight box filled while the current
// weight stays as it is.
#pragma once

#include <cstdint>

#include "modules/patient_context.h"

namespace orvane::test_support {

// Sets the weight of one mode (adult or child) to `kg` and makes that weight the current one.
inline void setWeight(PatientContext& context, int32_t weightMode, float kg) {
    InputField& weight =
        weightMode == weight_mode::kAdult ? context.adultWeight() : context.childWeight();
    weight.value = kg;
    weight.unit = unit::kKilograms;
    context.setCurrentWeight(weightMode);
}

inline void setChildWeight(PatientContext& context, float kg) {
    setWeight(context, weight_mode::kChild, kg);
}

inline void setAdultWeight(PatientContext& context, float kg) {
    setWeight(context, weight_mode::kAdult, kg);
}

// The child weight box holds `kg`; which weight is the current one does not change.
inline void fillChildWeight(PatientContext& context, float kg) {
    context.childWeight().value = kg;
    context.childWeight().unit = unit::kKilograms;
}

}  // namespace orvane::test_support
