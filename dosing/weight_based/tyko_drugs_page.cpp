// The page of TykoDrugsModule: the dose and frequency sections with their links, and the result
// text for the child weight (or, for a resuscitation drug, its TykoCode page).
#include <memory>
#include <string>

#include "dosing/resuscitation/tyko_code_module.h"
#include "dosing/weight_based/choice_section.h"
#include "dosing/weight_based/drug_result_text.h"
#include "dosing/weight_based/tyko_drugs_module.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr ChoiceSection kDoseSection{"Select Dose : ", "Dose:  ", TykoDrugsModule::kDoseList};
constexpr ChoiceSection kFrequencySection{
    "Select Freq : ", "Freq:  ", TykoDrugsModule::kFrequencyList};

}  // namespace

void TykoDrugsModule::appendDoseSection(PageBuilder& builder) const {
    appendChoiceSection(builder, kDoseSection, static_cast<int32_t>(doses_.size()), dose_,
                        doseText_,
                        [this](int32_t k) { return doses_[static_cast<size_t>(k - 1)].text; });
}

void TykoDrugsModule::appendFrequencySection(PageBuilder& builder) {
    if (dose_ == 0) return;
    // A list of one frequency is chosen at once.
    if (frequency_ == 0 && frequencyCount() == 1) chooseFrequency(1);
    appendChoiceSection(
        builder, kFrequencySection, frequencyCount(), frequency_, frequencyText_,
        [this](int32_t k) { return SharedString(frequencies_->choices[k - 1].text); });
}

std::string TykoDrugsModule::resultText(float weight) const {
    if (dose_ == 0) return drugNotesText(record_);
    const DoseEntry& entry = doses_[static_cast<size_t>(dose_ - 1)];
    if (!record_.isStepped()) return optionResultText(record_, entry.option, entry.perKg, weight);
    // Without a frequency there is no count of doses a day: the notes alone.
    if (frequency_ == 0) return drugNotesText(record_);
    return dailyResultText(record_, entry.perKg, frequencies_->choices[frequency_ - 1], weight);
}

const char* TykoDrugsModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    if (drug_ <= 0) return nullptr;
    builder.weightInput = weight_mode::kChild;
    const float weight = context_.weightKg(weight_mode::kChild);
    if (codePage_ > 0) {
        // The resuscitation drugs are the TykoCode pages, drawn by the resuscitation module.
        if (!codePages_) {
            codePages_ =
                std::make_unique<TykoCodeModule>(context_, makeRequest(TykoCodeModule::kCode, 0));
        }
        SharedString text;
        codePages_->appendPage(codePage_, weight, text);
        builder.appendDocument(text);
        return builder.finish();
    }
    appendDoseSection(builder);
    appendFrequencySection(builder);
    builder.appendText(resultText(weight));
    return builder.finish();
}

}  // namespace orvane
