#include "modules/patient_checks.h"

#include <optional>

#include "foundation/typed_number.h"
#include "modules/patient_context.h"
#include "modules/patient_inputs.h"
#include "rendering/plain_text.h"

namespace orvane {

std::string messagePageBody(std::string_view text) {
    if (text.empty()) return std::string();
    std::string body = "<B><FONT color=\"red\">";
    // A label inside the message may hold private codes: shown as their characters.
    body.append(codesAsCharacterReferences(text));
    body.append("</FONT></B>");
    return body;
}

PageWeight selectPageWeight(PatientContext& context, int32_t weightInput) {
    PageWeight weight;
    weight.field = &context.selectWeight(weightInput);
    weight.childMode =
        weightInput == weight_mode::kChild ||
        (weightInput == weight_mode::kCurrent && weight.field == &context.childWeight());
    return weight;
}

bool checkPageWeight(const PageWeight& weight, SharedString* message) {
    if (weight.field == nullptr) return true;
    return checkWeight(*weight.field, weight.field->value, message, weight.childMode);
}

void PatientBoxes::read(PatientBox box, std::string_view text, InputField& field) {
    const auto b = static_cast<size_t>(box);
    present[b] = true;
    typed[b] = !text.empty();
    const std::optional<float> number = text.empty() ? 0.0f : readTypedNumber(text);
    unreadable[b] = !number.has_value();
    field.value = number.value_or(0.0f);
}

std::optional<PatientBox> checkPatientBoxes(PatientContext& context, const PatientBoxes& boxes,
                                            bool childMode, SharedString* message) {
    // Each box: its field in the context and its check.
    const auto check = [&](PatientBox box, InputField& field, auto&& passes) -> bool {
        if (!boxes.has(box)) return true;
        if (!boxes.isTyped(box)) {
            field.value = 0.0f;
            return true;
        }
        if (boxes.isUnreadable(box)) {
            // The check is made on a value no limit lets through, for its message; the field
            // itself keeps 0.
            InputField probe = field;
            probe.value = kUnreadableValue;
            passes(probe);
            return false;
        }
        return passes(field);
    };
    if (!check(PatientBox::kAge, context.age(),
               [&](InputField& f) { return checkAge(f.value, message); })) {
        return PatientBox::kAge;
    }
    if (!check(PatientBox::kCalcWeight, context.calcWeight(),
               [&](InputField& f) { return checkWeight(f, f.value, message, childMode); })) {
        return PatientBox::kCalcWeight;
    }
    if (!check(PatientBox::kAdultWeight, context.adultWeight(),
               [&](InputField& f) { return checkWeight(f, f.value, message, false); })) {
        return PatientBox::kAdultWeight;
    }
    if (!check(PatientBox::kHeight, context.height(),
               [&](InputField& f) { return checkHeight(f.unit, f.value, message); })) {
        return PatientBox::kHeight;
    }
    if (!check(PatientBox::kHead, context.headCircumference(),
               [&](InputField& f) { return checkHeadCircumference(f.unit, f.value, message); })) {
        return PatientBox::kHead;
    }
    return std::nullopt;
}

}  // namespace orvane
