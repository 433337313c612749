// The page of TykoDrugsModule: the dose and frequency sections with their links, and the result
// text for the child weight (or, for a resuscitation drug, its TykoCode page).
#include <memory>
#include <string>

#include "dosing/resuscitation/tyko_code_module.h"
#include "dosing/weight_based/drug_result_text.h"
#include "dosing/weight_based/tyko_drugs_module.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr const char* kListIcon = "drug";

// A list of choices as a section: the links to choose from, or the chosen text (a link that
// offers the list again, or plain text when there is nothing else to choose).
struct Section {
    const char* selectHeading;
    const char* chosenHeading;
    int32_t subCode;
};

constexpr Section kDoseSection{"Select Dose : ", "Dose:  ", TykoDrugsModule::kDoseList};
constexpr Section kFrequencySection{"Select Freq : ", "Freq:  ", TykoDrugsModule::kFrequencyList};

template <class Texts>
void appendSection(PageBuilder& builder, const Section& section, int32_t count, int32_t chosen,
                   const SharedString& chosenText, Texts textOf) {
    if (count <= 0) return;
    if (chosen == 0) {
        builder.appendHeading(section.selectHeading, true);
        for (int32_t k = 1; k <= count; ++k) {
            builder.appendLink(makeRequest(request_code::kSamePage, k, section.subCode), textOf(k),
                               true, false, true, kListIcon);
        }
        builder.appendLineBreaks(1);
        return;
    }
    builder.appendHeading(section.chosenHeading, false);
    if (count == 1) {
        builder.appendText(chosenText);
        builder.appendLineBreaks(1);
    } else {
        builder.appendLink(makeRequest(request_code::kSamePage, 0, section.subCode), chosenText,
                           true, false, true);
    }
}

}  // namespace

void TykoDrugsModule::appendDoseSection(PageBuilder& builder) const {
    appendSection(builder, kDoseSection, static_cast<int32_t>(doses_.size()), dose_, doseText_,
                  [this](int32_t k) { return doses_[static_cast<size_t>(k - 1)].text; });
}

void TykoDrugsModule::appendFrequencySection(PageBuilder& builder) {
    if (dose_ == 0) return;
    // A list of one frequency is chosen at once.
    if (frequency_ == 0 && frequencyCount() == 1) chooseFrequency(1);
    appendSection(builder, kFrequencySection, frequencyCount(), frequency_, frequencyText_,
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
