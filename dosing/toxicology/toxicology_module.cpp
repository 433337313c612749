#include "dosing/toxicology/toxicology_module.h"

#include "content/record_texts.h"
#include "dosing/builders/dose_templates.h"
#include "dosing/toxicology/antidote_pages.h"
#include "modules/patient_context.h"
#include "modules/record_name_list.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr int32_t kNoPageKind = 0;
// The section-list request (33, a, 1) chooses section a.
constexpr int32_t kSectionSubCode = 1;
// The ingestion list starts at record 1: record 0 is the poison-control page.
constexpr int32_t kFirstIngestionRecord = 1;
// Ingestion list entries carry values from 2, the antidotes' from 1.
constexpr int32_t kFirstIngestionValue = 2;
constexpr int32_t kFirstAntidoteValue = 1;

constexpr const char* kPoisonControl = "National Poison Control";
constexpr const char* kIngestionsName = "Toxic Ingestions & Poisons";
constexpr const char* kAntidotesName = "Antidotes";

}  // namespace

ToxicologyModule::ToxicologyModule(PatientContext& context, Request request)
    : context_(context),
      request_(request),
      ingestionTable_(context.openDatabase(kIngestionCode)),
      antidoteTable_(context.openDatabase(kAntidoteCode)) {
    sections_.addEntry(kPoisonControl, makeRequest(kIngestionCode, 1));
    sections_.addEntry(kIngestionsName, makeRequest(kIngestionCode, 0));
    sections_.addEntry(kAntidotesName, makeRequest(kAntidoteCode, 0));
    const int32_t code = moduleCode(request);
    const int32_t item = value(request);
    const int32_t section = code == kIngestionCode  ? kIngestions
                            : code == kAntidoteCode ? kAntidotes
                                                    : kTopPage;
    if (section != kTopPage && item > 0 && inSection(section, item)) {
        section_ = section;
        item_ = item;
    }
}

bool ToxicologyModule::inSection(int32_t section, int32_t item) const {
    switch (section) {
        case kTopPage:
            return item == 0;
        case kIngestions:
            return item >= 0 && item <= ingestionTable_->recordCount();
        case kAntidotes:
            return item >= 0 && item <= antidoteTable_->recordCount();
        default:
            return false;
    }
}

void ToxicologyModule::fillList(int32_t section) {
    if (section == kIngestions && ingestions_.entries.count() == 0) {
        addRecordNames(ingestions_, *ingestionTable_, kIngestionCode, kFirstIngestionRecord);
    } else if (section == kAntidotes && antidotes_.entries.count() == 0) {
        addRecordNames(antidotes_, *antidoteTable_, kAntidoteCode);
    }
}

void ToxicologyModule::appendTopPage() {
    PageBuilder& builder = context_.pageBuilder();
    caption_ = kPoisonControl;
    builder.appendImage("poison");
    builder.appendLineBreaks(2);
    builder.appendLink(makeRequest(kIngestionCode, 0), kIngestionsName, true, true, true, "folder");
    builder.appendLink(makeRequest(kAntidoteCode, 0), kAntidotesName, true, true, true, "folder");
}

void ToxicologyModule::appendIngestion() {
    readRecordTexts(*ingestionTable_, item_ - 1, ingestion_);
    caption_ = ingestion_[kName];
    context_.pageBuilder().appendDocument(ingestion_[kDocument]);
}

void ToxicologyModule::appendAntidote(float weight) {
    readRecordTexts(*antidoteTable_, item_ - 1, antidote_);
    caption_ = antidote_[kName];
    PageBuilder& builder = context_.pageBuilder();
    builder.weightInput = weight_mode::kCurrent;
    SharedString text;
    if (!toxicology::appendFixedAntidotePage(text, antidote_[kCodeText].view(), weight)) {
        text = antidote_[kDocument];
        fillWeightTemplates(text, weight);
    }
    builder.appendDocument(text);
}

const char* ToxicologyModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, kNoPageKind);
    const float weight = context_.weightKg(weight_mode::kCurrent);
    if (section_ == kTopPage) {
        appendTopPage();
        return builder.finish();
    }
    if (item_ <= 0) return nullptr;
    if (section_ == kIngestions) {
        appendIngestion();
    } else {
        appendAntidote(weight);
    }
    return builder.finish();
}

InputField* ToxicologyModule::answer(InputField& list, const char* label, int32_t selected) {
    list.label = label;
    list.unit = static_cast<int16_t>(selected);
    context_.setListPosition(selected);
    return &list;
}

InputField* ToxicologyModule::choiceList(Request request) {
    switch (moduleCode(request)) {
        case kTopPageCode:
            return answer(sections_, "Select Section :", item_ - 1);
        case kIngestionCode:
            fillList(kIngestions);
            return answer(ingestions_, "Select Item:", item_ - kFirstIngestionValue);
        case request_code::kResultsMenu:
            return nullptr;
        default:
            fillList(kAntidotes);
            return answer(antidotes_, "Select Item :", item_ - kFirstAntidoteValue);
    }
}

bool ToxicologyModule::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    const int32_t v = value(request);
    if (code == kTopPageCode) {
        section_ = kTopPage;
        item_ = 0;
    } else if (code == kIngestionCode || code == kAntidoteCode) {
        const int32_t section = code == kIngestionCode ? kIngestions : kAntidotes;
        if (!inSection(section, v)) return true;  // not in the list: ignored
        item_ = v;
        section_ = section;
        fillList(section);
    } else if (code == request_code::kSamePage && subCode(request) == kSectionSubCode) {
        if (v > kAntidotes) return true;  // not a section: ignored
        section_ = v;
        fillList(v);
        item_ = 0;
    }
    return true;
}

}  // namespace orvane
