#include "modules/form_binding.h"

#include "foundation/number_format.h"
#include "modules/patient_context.h"

namespace orvane {

InputField* boundFieldFor(int32_t kind, PatientContext& context) {
    switch (kind) {
        case input_kind::kCalcWeight:
        case input_kind::kCalcWeightAlt:
            return &context.calcWeight();
        case input_kind::kAdultWeight:
            return &context.adultWeight();
        case input_kind::kHeight:
        case input_kind::kHeightNoDefault:
            return &context.height();
        case input_kind::kHeadCircumference:
            return &context.headCircumference();
        case input_kind::kAge:
            return &context.age();
        case input_kind::kSex:
            return &context.sex();
        default:
            return nullptr;
    }
}

void bindFormInputs(DynArray<InputField>& inputs, PatientContext& context) {
    for (InputField& input : inputs) {
        switch (input.kindCode()) {
            case input_kind::kCalcWeight:
            case input_kind::kCalcWeightAlt: {
                InputField& weight = context.calcWeight();
                weight.value = 0.0f;
                weight.unit = unit::kPounds;
                weight.fraction = 0;
                weight.min = 0.1f;
                weight.max = 999999.0f;
                break;
            }
            case input_kind::kAdultWeight: {
                InputField& weight = context.selectWeight(1);
                weight.value = -1.0f;
                weight.unit = unit::kPounds;
                weight.fraction = 0;
                weight.min = 0.001f;
                weight.max = 999999.0f;
                break;
            }
            case input_kind::kHeight: {
                InputField& height = context.height();
                height.value = 0.0f;
                height.min = 0.1f;
                height.max = 999.0f;
                height.fraction = 0;
                break;
            }
            case input_kind::kHeightNoDefault: {
                InputField& height = context.height();
                height.value = -1.0f;
                height.min = 0.0f;
                height.max = 999.0f;
                height.fraction = 0;
                break;
            }
            case input_kind::kHeadCircumference: {
                InputField& head = context.headCircumference();
                head.value = 0.0f;
                head.fraction = 0;
                break;
            }
            case input_kind::kAge:
                context.age().value = 0.0f;
                break;
            default:
                break;
        }
    }
    copyBoundValues(inputs, context);
}

std::string startingBoxText(const InputField& field) {
    const bool usable =
        (field.min >= 0.0f && field.min <= field.value && field.value <= field.max) ||
        (field.min < 0.0f && field.value > 0.0f);
    return usable ? formatNumber(field.value, field.decimals, false).str() : std::string();
}

void copyBoundValues(DynArray<InputField>& inputs, PatientContext& context) {
    for (InputField& input : inputs) {
        const InputField* bound = boundFieldFor(input.kindCode(), context);
        if (bound == nullptr) continue;
        if (input.kindCode() == input_kind::kSex) {
            input.unit = bound->unit;
            input.value = static_cast<float>(bound->unit);
            continue;
        }
        input.value = bound->value;
        input.unit = bound->unit;
        input.fraction = bound->fraction;
    }
}

}  // namespace orvane
