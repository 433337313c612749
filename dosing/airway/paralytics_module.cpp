#include "dosing/airway/paralytics_module.h"

#include "content/record_texts.h"
#include "dosing/builders/dose_templates.h"
#include "modules/patient_context.h"
#include "modules/record_name_list.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

// Page kinds passed with the title.
constexpr int32_t kNoPageKind = 0;
constexpr int32_t kDosingPageKind = 4;
constexpr int32_t kInformationPageKind = 5;

constexpr const char* kDrugListLabel = "Select a Paralytic :";

}  // namespace

ParalyticsModule::ParalyticsModule(PatientContext& context, Request request)
    : context_(context), request_(request), table_(context.openDatabase(kCode)) {
    addRecordNames(drugs_, *table_, kCode);
    drugs_.label = kDrugListLabel;
    sections_.addEntry("Information", makeRequest(request_code::kInPage, kInformation));
    sections_.addEntry("Dosing", makeRequest(request_code::kInPage, kDosing));
    sections_.label = "Info";
    sections_.unit = 0;
    if (value(request) > 0) chooseDrug(value(request));
}

void ParalyticsModule::readRecord(int32_t index) {
    readRecordTexts(*table_, index, record_);
}

void ParalyticsModule::appendPage(int32_t page, float weight, SharedString& out,
                                  SharedString& information,
                                  airway::SuccinylcholineOptions options) {
    information = SharedString();
    if (page < 0 || page >= kPageCount) return;
    readRecord(page);
    information = record_[kInformationText];
    if (page == kSuccinylcholinePage) {
        airway::appendSuccinylcholinePage(out, weight, record_[kDosingDocument], options);
        return;
    }
    out.append(record_[kDosingDocument]);
    fillWeightTemplates(out, weight);
}

void ParalyticsModule::chooseDrug(int32_t drug) {
    if (drug < 0 || drug > drugs_.entries.count()) return;  // not in the list: ignored
    drug_ = drug;
    if (drug > 0) {
        chosenName_ = drugs_.entries[drug - 1].label();
        caption_ = chosenName_;
    } else {
        chosenName_ = "Select a Paralytic";
        section_ = kInformation;
    }
}

void ParalyticsModule::chooseSection(int32_t section) {
    if (section < 0 || section >= sections_.entries.count()) return;  // not in the list: ignored
    section_ = section;
    sections_.unit = static_cast<int16_t>(section);
    sections_.label = section != kInformation ? "Dosing Calculator" : "Info";
}

const char* ParalyticsModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    if (drug_ <= 0) {
        builder.setTitle("", request_, kNoPageKind);
        return nullptr;
    }
    const float weight = context_.weightKg(weight_mode::kCurrent);
    builder.hideChoiceList = 1;
    if (section_ == kInformation) {
        builder.setTitle("", request_, kInformationPageKind);
        readRecord(drug_ - 1);
        caption_ = chosenName_;
        builder.appendDocument(record_[kInformationText]);
    } else if (section_ == kDosing) {
        builder.setTitle("", request_, kDosingPageKind);
        caption_ = chosenName_;
        SharedString text;
        SharedString information;
        appendPage(drug_ - 1, weight, text, information, {.atropine = true, .equipment = true});
        builder.weightInput = weight_mode::kCurrent;
        builder.appendDocument(text);
    }
    return builder.finish();
}

InputField* ParalyticsModule::choiceList(Request request) {
    if (moduleCode(request) == request_code::kResultsMenu) return &sections_;
    drugs_.label = kDrugListLabel;
    drugs_.unit = static_cast<int16_t>(drug_ - 1);
    return &drugs_;
}

bool ParalyticsModule::handleRequest(Request request) {
    switch (moduleCode(request)) {
        case kCode:
            chooseDrug(value(request));
            break;
        case request_code::kInPage:
            chooseSection(value(request));
            break;
        case request_code::kInput:
            section_ = kInformation;
            break;
        default:
            break;
    }
    return true;
}

}  // namespace orvane
