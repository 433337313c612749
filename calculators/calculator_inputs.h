// Builders for the input fields of the formula calculators' forms: plain numbers, the patient
// kinds (age, calculator weight, adult weight, height, sex), check boxes and drop-down lists, all
// with two decimals. They only describe fields; binding and checking are the framework's.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "model/input_field.h"

namespace orvane {

// A plain number (kind 70): label, units, default (−1 = empty box), limits (−1 = none).
InputField numberInput(const char* label, const char* units, float value, float min, float max);

// The same with its row layout: total width and the width of the box within it.
InputField numberInput(const char* label, const char* units, float value, float min, float max,
                       int16_t width, int16_t fieldWidth);

// A patient input of the given kind (83 age, 71 calculator weight, 85 adult weight, 73 height).
InputField patientInput(int32_t kind, const char* label, const char* units, float value, float min,
                        float max);

// The sex input: label "Male", value 0 (male), 0 to 1. With showMale the text is "Male".
InputField sexInput(bool showMale);

// A yes/no check box (kind 33) with sub-code `subCode`: no answer yet (value −1), 0 to 1.
InputField checkBox(const char* label, int32_t subCode);

// A drop-down list of the given kind (52 or 86) whose entries carry (33, 1..n, subCode).
InputField choiceInput(int32_t kind, const char* label, float value, float min, float max,
                       std::initializer_list<const char*> entries, int32_t subCode = 0);

}  // namespace orvane
