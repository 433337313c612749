// The page of TykoAbxModule: the dose and frequency sections with their links, then, once every
// shown section has a choice, the drug's result text for the child weight.
#include <string>

#include "dosing/antibiotics/iv_abx_text.h"
#include "dosing/antibiotics/tyko_abx_module.h"
#include "dosing/weight_based/choice_section.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr ChoiceSection kDoseSection{"Select Dose:", "Dose:  ", TykoAbxModule::kDoseList};
constexpr ChoiceSection kFrequencySection{
    "Select Frequency:", "Frequency:  ", TykoAbxModule::kFrequencyList};

}  // namespace

std::string TykoAbxModule::resultText(float weight) const {
    IvAbxChoice choice;
    choice.perKgPerDay = doses_[static_cast<size_t>(dose_ - 1)].perKg;
    choice.frequencyChoice = frequency_;
    if (frequency_ > 0) choice.frequencyWord = frequencies_[static_cast<size_t>(frequency_ - 1)];
    return ivAbxText(record_, choice, weight);
}

const char* TykoAbxModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    if (category_ == 0 || drug_ <= 0) return nullptr;
    builder.weightInput = weight_mode::kChild;
    const float weight = context_.weightKg(weight_mode::kChild);
    const auto doseText = [this](int32_t k) { return doses_[static_cast<size_t>(k - 1)].text; };
    const SharedString chosenDose = dose_ > 0 ? doseText(dose_) : SharedString();
    appendChoiceSection(builder, kDoseSection, doseCount(), dose_, chosenDose, doseText);
    bool complete = dose_ > 0;
    if (complete && frequencyCount() > 0) {
        const auto frequencyText = [this](int32_t k) {
            return SharedString(frequencies_[static_cast<size_t>(k - 1)]);
        };
        const SharedString chosen = frequency_ > 0 ? frequencyText(frequency_) : SharedString();
        appendChoiceSection(builder, kFrequencySection, frequencyCount(), frequency_, chosen,
                            frequencyText);
        complete = frequency_ > 0;
    }
    if (complete) builder.appendText(resultText(weight));
    return builder.finish();
}

}  // namespace orvane
