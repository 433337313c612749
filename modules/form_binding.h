// Binding a calculator form to the patient values: which patient-context field an input kind is
// bound to, the reset each bound field gets when a form is built, and copying the bound values
// back into the form. No checks (see patient_inputs.h) and no controls.
#pragma once

#include <string>

#include "foundation/dyn_array.h"
#include "model/input_field.h"

namespace orvane {

class PatientContext;

// The patient-context field bound to an input kind (weights, height, head circumference, age,
// sex), or null for a kind that is not bound.
InputField* boundFieldFor(int32_t kind, PatientContext& context);

// The binding made when a form is built for a newly opened module: calculator weight emptied
// (unit pounds, limits 0.1 to 999999), adult weight chosen and emptied (unit pounds, limits 0.001
// to 999999), height emptied (unit kept), head circumference emptied (unit kept), age emptied;
// a sex input takes the patient's sex. Then every bound input receives its field's values.
void bindFormInputs(DynArray<InputField>& inputs, PatientContext& context);

// The text a plain number box of a new form starts with: the field's value with its decimals when
// it is a usable one (within limits that are not negative, or above 0 where there is no lower
// limit), else empty (a value meaning "no default").
std::string startingBoxText(const InputField& field);

// Every bound input receives its patient field's value, unit and fraction.
void copyBoundValues(DynArray<InputField>& inputs, PatientContext& context);

}  // namespace orvane
