#include "dosing/airway/rsi_navix_module.h"

#include "dosing/airway/rsi_dose_text.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr const char* kEntryImage = "drug";

}  // namespace

RsiNavixModule::RsiNavixModule(PatientContext& context, Request request)
    : context_(context),
      request_(request),
      paralytics_(context, makeRequest(ParalyticsModule::kCode, 0)) {
    views_.addEntry("Selections", makeRequest(request_code::kInPage, kSelections));
    views_.addEntry("Result", makeRequest(request_code::kInPage, kResult));
    views_.label = "";
}

void RsiNavixModule::appendSelections(PageBuilder& builder) const {
    for (int32_t list = airway::kAdjunctList; list <= airway::kRsiListCount; ++list) {
        const airway::RsiChoiceList& entries = *airway::rsiChoiceList(list);
        const int32_t chosen = choice(list);
        if (chosen != airway::kNoneChosen) {
            // Choosing the name again clears the choice and brings the list back.
            builder.appendHeading(entries.chosenLabel, false);
            builder.appendLink(makeRequest(request_code::kSamePage, airway::kNoneChosen, list),
                               entries.entries[static_cast<std::size_t>(chosen - 1)], true, false,
                               true);
            continue;
        }
        if (list > airway::kAdjunctList && choice(list - 1) != airway::kNoneChosen) {
            builder.appendLineBreaks(1);
        }
        builder.appendHeading(entries.selectLabel, true);
        for (std::size_t k = 0; k < entries.entries.size(); ++k) {
            builder.appendLink(
                makeRequest(request_code::kSamePage, static_cast<int32_t>(k + 1), list),
                entries.entries[k], true, false, false, kEntryImage);
        }
        builder.appendLineBreaks(1);
    }
}

const char* RsiNavixModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    weight_ = context_.weightKg(weight_mode::kCurrent);
    builder.setTitle("", request_, 0);
    // The weight row shows the weight the doses are computed for.
    builder.weightInput = weight_mode::kCurrent;
    builder.hideChoiceList = 1;
    if (section_ == kSelections) {
        appendSelections(builder);
    } else {
        SharedString text = " ";
        const airway::RsiChoices chosen{choice(airway::kAdjunctList), choice(airway::kSedativeList),
                                        choice(airway::kNarcoticList),
                                        choice(airway::kParalyticList)};
        if (chosen.adjunct || chosen.sedative || chosen.narcotic || chosen.paralytic) {
            airway::appendRsiDoseText(text, chosen, weight_, paralytics_);
        }
        builder.appendDocument(text);
    }
    return builder.finish();
}

InputField* RsiNavixModule::choiceList(Request request) {
    return moduleCode(request) == request_code::kResultsMenu ? &views_ : nullptr;
}

bool RsiNavixModule::handleRequest(Request request) {
    const int32_t n = value(request);
    switch (moduleCode(request)) {
        case kCode:
            choices_.fill(airway::kNoneChosen);
            section_ = kSelections;
            break;
        case request_code::kInPage:
            if (n == kSelections || n == kResult) section_ = n;
            break;
        case request_code::kSamePage: {
            const airway::RsiChoiceList* list = airway::rsiChoiceList(subCode(request));
            if (list != nullptr && n <= static_cast<int32_t>(list->entries.size())) {
                choice(subCode(request)) = n;
            }
            break;
        }
        default:
            break;
    }
    return true;
}

}  // namespace orvane
