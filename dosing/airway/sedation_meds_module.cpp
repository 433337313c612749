#include "dosing/airway/sedation_meds_module.h"

#include "content/record_cursor.h"
#include "dosing/airway/sedation_fixed_pages.h"
#include "dosing/builders/dose_templates.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

// The screens ask for a section list with this code; this module has none.
constexpr int32_t kSectionListRequest = 80;

}  // namespace

SedationMedsModule::SedationMedsModule(PatientContext& context, Request request)
    : context_(context), request_(request), table_(context.openDatabase(kCode)) {
    const uint16_t records = table_->recordCount();
    for (uint16_t i = 0; i < records; ++i) {
        RecordCursor cursor(table_->getRecord(i));
        cursor.readText();
        drugs_.addEntry(cursor.readText(), makeRequest(kCode, i + 1));
    }
    if (inList(value(request))) drug_ = value(request);
}

const char* SedationMedsModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    if (drug_ <= 0) return nullptr;
    const float weight = context_.weightKg(3);
    for (SharedString& text : record_) text = SharedString();
    if (drug_ <= table_->recordCount()) {
        RecordCursor cursor(table_->getRecord(static_cast<uint16_t>(drug_ - 1)));
        for (SharedString& text : record_) text = cursor.readText();
    }
    SharedString text;
    if (const airway::SedationPage page = airway::fixedSedationPage(record_[kCodeText].view())) {
        page(text, weight);
    } else {
        text = record_[kDocument];
        fillWeightTemplates(text, weight);
    }
    builder.weightInput = 3;
    builder.appendDocument(text);
    return builder.finish();
}

InputField* SedationMedsModule::choiceList(Request request) {
    if (moduleCode(request) == kSectionListRequest) return nullptr;
    drugs_.label = "Select a Sedative :";
    drugs_.unit = static_cast<int16_t>(drug_ - 1);
    return &drugs_;
}

bool SedationMedsModule::handleRequest(Request request) {
    if (moduleCode(request) != kCode || !inList(value(request))) return true;
    drug_ = value(request);
    if (drug_ > 0) {
        chosenName_ = drugs_.entries[drug_ - 1].label();
        caption_ = chosenName_;
    }
    return true;
}

}  // namespace orvane
