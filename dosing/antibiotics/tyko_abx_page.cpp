// The page of TykoAbxModule: the dose, frequency, concentration and duration sections with their
// links (the days as a table in rows of seven), then, once every shown section has a choice, the
// drug's result text for the child weight.
#include <string>
#include <vector>

#include "dosing/antibiotics/iv_abx_text.h"
#include "dosing/antibiotics/po_abx_text.h"
#include "dosing/antibiotics/tyko_abx_module.h"
#include "dosing/weight_based/choice_section.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr ChoiceSection kDoseSection{"Select Dose:", "Dose: ", TykoAbxModule::kDoseList};
constexpr ChoiceSection kFrequencySection{
    "Select Frequency:", "Frequency:  ", TykoAbxModule::kFrequencyList};
constexpr ChoiceSection kConcentrationSection{
    "Select Concentration:", "Concentration:  ", TykoAbxModule::kConcentrationList};
constexpr int32_t kDaysPerRow = 7;

// The days as a table of links, seven to a row.
void appendDaysTable(PageBuilder& builder, const std::vector<SharedString>& days) {
    builder.appendLineBreaks(1);
    builder.appendHeading("Select Duration (days):", false);
    builder.appendDocument("<TABLE><TR>");
    for (size_t i = 0; i < days.size(); ++i) {
        if (i > 0 && i % kDaysPerRow == 0) builder.appendDocument("</TR><TR>");
        builder.appendDocument("<TD \"align=right\">");
        builder.appendLink(makeRequest(request_code::kSamePage, static_cast<int32_t>(i) + 1,
                                       TykoAbxModule::kDurationList),
                           days[i], false, false, true, kChoiceListIcon);
        builder.appendDocument("</TD>");
    }
    builder.appendDocument("</TR></TABLE>");
    builder.appendLineBreaks(2);
}

}  // namespace

std::string TykoAbxModule::resultText(float weight) const {
    if (oral_) {
        PoAbxChoice choice;
        choice.dose = dose_;
        choice.perKgPerDay = doses_[static_cast<size_t>(dose_ - 1)].perKg;
        if (frequency_ > 0) choice.perDay = perDay_[static_cast<size_t>(frequency_ - 1)];
        choice.concentration = concentration_;
        choice.days = chosenDays_;
        return poAbxText(poRecord_, choice, weight);
    }
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
    if (complete && oral_) {
        const auto text = [this](int32_t k) { return concentrations_[static_cast<size_t>(k - 1)]; };
        const SharedString chosen = concentration_ > 0 ? text(concentration_) : SharedString();
        appendChoiceSection(builder, kConcentrationSection, concentrationCount(), concentration_,
                            chosen, text);
        complete = concentration_ > 0;
    }
    if (complete && needsDays()) {
        if (chosenDays_ == 0) {
            appendDaysTable(builder, days_);
            complete = false;
        } else {
            builder.appendHeading("Duration (days): ", false);
            builder.appendLink(makeRequest(request_code::kSamePage, 0, kDurationList),
                               days_[static_cast<size_t>(chosenDays_ - 1)], true, false, true);
        }
    }
    if (complete) builder.appendText(resultText(weight));
    return builder.finish();
}

}  // namespace orvane
