#include "dosing/infusions/infusion_module.h"

#include <cmath>

#include "content/record_cursor.h"
#include "dosing/infusions/drip_steps.h"
#include "modules/patient_context.h"
#include "modules/record_name_list.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

using infusion::DripInputs;
using infusion::kSectionCount;

// The section list: entry labels, and the short names its caption takes once one is chosen.
constexpr const char* kSectionEntries[kSectionCount] = {"Selections", "Mix Info", "Infusion Info",
                                                        "Compatibility", "Information"};
constexpr const char* kSectionCaptions[kSectionCount] = {"Selections", "Mix", "Infuse",
                                                         "Compatibility", "Info"};
constexpr const char* kDrugListLabel = "Select Drug :";
constexpr const char* kNoDrugCaption = "Select Drug";

void fillList(InputField& list, const std::vector<std::string>& labels, int32_t subCode) {
    list.clearEntries();
    for (size_t i = 0; i < labels.size(); ++i) {
        list.addEntry(SharedString(labels[i]),
                      makeRequest(request_code::kSamePage, static_cast<int32_t>(i + 1), subCode));
    }
}

std::string entryText(const InputField& list, int32_t k) {
    if (k < 1 || k > list.entries.count()) return {};
    return list.entries[k - 1].label().str();
}

}  // namespace

InfusionModule::InfusionModule(PatientContext& context, int32_t code, const char* title,
                               int32_t weightMode)
    : context_(context),
      code_(code),
      title_(title),
      weightMode_(weightMode),
      table_(context.openDatabase(static_cast<uint32_t>(code))) {
    addRecordNames(drugs_, *table_, code);
    drugs_.label = kDrugListLabel;
    for (int32_t s = 0; s < kSectionCount; ++s) {
        sections_.addEntry(kSectionEntries[s], makeRequest(request_code::kInPage, s));
    }
    sections_.label = kSectionCaptions[infusion::kSelections];
    sections_.unit = 0;
}

void InfusionModule::open(Request request) {
    if (value(request) > 0) chooseDrug(value(request));
}

SharedString InfusionModule::caption() const {
    return drug_ > 0 ? SharedString(record_.name) : SharedString(kNoDrugCaption);
}

void InfusionModule::chooseDrug(int32_t drug) {
    if (drug < 0 || drug > drugs_.entries.count()) return;  // not in the list: ignored
    drug_ = drug;
    texts_.clear();
    rateChoice_ = 0;
    concentrationChoice_ = 0;
    custom_ = false;
    section_ = infusion::kSelections;
    sections_.unit = 0;
    sections_.label = kSectionCaptions[infusion::kSelections];
    rateText_.clear();
    concentrationText_.clear();
    record_ = infusion::InfusionRecord();
    if (drug > 0) {
        if (drug <= table_->recordCount()) {
            record_ = readRecord(table_->getRecord(static_cast<uint16_t>(drug - 1)));
        } else {
            record_.damaged = true;
        }
    }
    fixed_ = drug > 0 && fixedPage(record_);
    rebuildLists();
}

void InfusionModule::rebuildLists() {
    customRates_.clear();
    if (drug_ <= 0) {
        fillList(rates_, {}, infusion::kRateList);
        fillList(concentrations_, {}, infusion::kConcentrationList);
    } else if (custom_) {
        customRates_ = infusion::customRates(record_, customStyle(record_));
        std::vector<std::string> labels;
        for (const infusion::CustomRate& rate : customRates_) labels.push_back(rate.text);
        labels.emplace_back(infusion::kReturnToStandard);
        fillList(rates_, labels, infusion::kRateList);
    } else {
        fillList(rates_, standardRates(record_), infusion::kRateList);
    }
    if (drug_ > 0)
        fillList(concentrations_, concentrationTexts(record_), infusion::kConcentrationList);
    hasRates_ = !fixed_ && rates_.entries.count() > 0;
    hasConcentrations_ = !fixed_ && concentrations_.entries.count() > 0;
    concentrationChoice_ = 0;
    concentrationText_.clear();
    if (hasConcentrations_ && concentrations_.entries.count() == 1) chooseConcentration(1);
}

void InfusionModule::chooseRate(int32_t k) {
    if (k < 0 || k > rates_.entries.count()) return;  // not in the list: ignored
    rateChoice_ = k;
    rateText_ = entryText(rates_, k);
    if (rateText_ == infusion::kSelectCustomRate) {
        custom_ = true;
        rateChoice_ = 0;
    } else if (rateText_ == infusion::kReturnToStandard || k == 0) {
        custom_ = false;
        rateChoice_ = 0;
    }
    if (rateChoice_ == 0) {
        rateText_.clear();
        rebuildLists();
    }
}

void InfusionModule::chooseConcentration(int32_t k) {
    if (k < 0 || k > concentrations_.entries.count()) return;  // not in the list: ignored
    concentrationChoice_ = k;
    concentrationText_ = entryText(concentrations_, k);
}

bool InfusionModule::choicesComplete() const {
    return (!hasRates_ || rateChoice_ > 0) && (!hasConcentrations_ || concentrationChoice_ > 0);
}

bool InfusionModule::chooseSection(int32_t section) {
    if (section < 0 || section >= kSectionCount) return true;  // not in the list: ignored
    if (section > 0 && !choicesComplete()) {
        section_ = infusion::kSelections;
        sections_.unit = 0;
        return false;
    }
    section_ = section;
    sections_.unit = static_cast<int16_t>(section);
    sections_.label = kSectionCaptions[section];
    return true;
}

InputField* InfusionModule::choiceList(Request request) {
    if (moduleCode(request) == request_code::kResultsMenu) {
        sections_.unit = static_cast<int16_t>(section_);
        return &sections_;
    }
    drugs_.label = kDrugListLabel;
    drugs_.unit = static_cast<int16_t>(drug_ - 1);
    return &drugs_;
}

bool InfusionModule::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    if (code == code_) {
        chooseDrug(value(request));
    } else if (code == request_code::kInPage) {
        return chooseSection(value(request));
    } else if (code == request_code::kSamePage && drug_ > 0) {
        if (subCode(request) == infusion::kRateList) chooseRate(value(request));
        if (subCode(request) == infusion::kConcentrationList) chooseConcentration(value(request));
    }
    return true;
}

void InfusionModule::runGenerator(float weight) {
    texts_.clear();
    DripInputs inputs(record_);
    inputs.weight = weight;
    inputs.rateChoice = rateChoice_;
    inputs.concentrationChoice = concentrationChoice_;
    inputs.custom = custom_;
    inputs.rateText = rateText_;
    inputs.concentrationText = concentrationText_;
    if (!fixed_) {
        const int32_t k = rateChoice_;
        if (custom_ && k >= 1 && k <= static_cast<int32_t>(customRates_.size())) {
            inputs.rate = customRates_[static_cast<size_t>(k - 1)].rate;
        } else if (!custom_ && k >= 1 && k <= infusion::kMostRates) {
            inputs.rate = record_.rates[k - 1];
            inputs.rateText = record_.rateTexts[k - 1];
        }
        const int32_t c = concentrationChoice_;
        if (c >= 1 && c <= infusion::kMostConcentrations) {
            inputs.concentration = record_.concentrations[c - 1];
        }
        setValues(inputs);
    }
    // The pages that divide by the chosen concentration or run at the chosen rate refuse an
    // unusable one themselves (the generator tables say which); pages with mixes of their own
    // need neither list.
    if (record_.damaged || !infusion::usableFigure(weight) || !std::isfinite(inputs.rate) ||
        !std::isfinite(inputs.secondRate)) {
        texts_.noRate();
        return;
    }
    generate(inputs, texts_);
}

void InfusionModule::writeChoices(PageBuilder& builder) const {
    const infusion::ChoiceLabels text = labels(record_);
    if (hasRates_) {
        if (rateChoice_ == 0) {
            builder.appendHeading(custom_ ? text.selectCustomRate : text.selectRate, true);
            builder.appendItemList(rates_.entries);
        } else {
            builder.appendHeading(text.rate, false);
            if (rates_.entries.count() == 1) {
                builder.appendText(rateText_);
                builder.appendLineBreaks(1);
            } else {
                builder.appendLink(makeRequest(request_code::kSamePage, 0, infusion::kRateList),
                                   rateText_, true, false, true);
            }
        }
    }
    if (hasConcentrations_ && (!hasRates_ || rateChoice_ > 0)) {
        if (concentrationChoice_ == 0) {
            builder.appendHeading(text.selectConcentration, true);
            builder.appendItemList(concentrations_.entries);
        } else {
            builder.appendHeading(text.concentration, false);
            if (concentrations_.entries.count() == 1) {
                builder.appendText(concentrationText_);
                builder.appendLineBreaks(1);
            } else {
                builder.appendLink(
                    makeRequest(request_code::kSamePage, 0, infusion::kConcentrationList),
                    concentrationText_, true, false, true);
            }
        }
    }
}

const char* InfusionModule::buildPage(int32_t view) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", makeRequest(code_, drug_), 0);
    if (drug_ <= 0) return nullptr;
    // A view is a section of the results menu: asking for one is choosing it (and is refused the
    // same way while a choice is missing).
    if (view > 0 && view != section_) chooseSection(view);
    builder.weightInput = static_cast<int16_t>(weightMode_);
    const float weight = context_.weightKg(weightMode_);
    if (section_ == infusion::kSelections) writeChoices(builder);
    texts_.clear();
    if (choicesComplete()) runGenerator(weight);
    if (section_ == infusion::kSelections && (hasRates_ || hasConcentrations_)) {
        builder.appendLineBreaks(1);
    }
    builder.appendDocument(std::string_view(texts_.text[section_]));
    return builder.finish();
}

}  // namespace orvane
