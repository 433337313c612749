#include "calculators/calculator_inputs.h"

namespace orvane {

namespace {
constexpr int32_t kDecimals = 2;
}

InputField numberInput(const char* label, const char* units, float value, float min, float max) {
    return InputField(makeRequest(input_kind::kNumber, 0), label, units, value, min, max,
                      kDecimals);
}

InputField numberInput(const char* label, const char* units, float value, float min, float max,
                       int16_t width, int16_t fieldWidth) {
    InputField field = numberInput(label, units, value, min, max);
    field.width = width;
    field.fieldWidth = fieldWidth;
    return field;
}

InputField patientInput(int32_t kind, const char* label, const char* units, float value, float min,
                        float max) {
    return InputField(makeRequest(kind, 0), label, units, value, min, max, kDecimals);
}

InputField sexInput(bool showMale) {
    InputField field(makeRequest(input_kind::kSex, 0), "Male", "", 0.0f, 0.0f, 1.0f, kDecimals);
    if (showMale) field.text = "Male";
    return field;
}

InputField checkBox(const char* label, int32_t subCode) {
    return InputField(makeRequest(input_kind::kCheckBox, 0, subCode), label, "", -1.0f, 0.0f, 1.0f,
                      kDecimals);
}

InputField choiceInput(int32_t kind, const char* label, float value, float min, float max,
                       std::initializer_list<const char*> entries, int32_t subCode) {
    InputField field(makeRequest(kind, 0, subCode), label, "", value, min, max, kDecimals);
    int32_t k = 1;
    for (const char* entry : entries) {
        field.addEntry(entry, makeRequest(request_code::kSamePage, k, subCode));
        ++k;
    }
    return field;
}

}  // namespace orvane
