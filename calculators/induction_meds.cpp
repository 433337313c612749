#include "calculators/induction_meds.h"

#include "content/record_cursor.h"
#include "dosing/builders/dose_templates.h"
#include "modules/patient_context.h"
#include "modules/record_name_list.h"
#include "rendering/page_builder.h"

namespace orvane {

InductionMeds::InductionMeds(PatientContext& context, Request request)
    : context_(context), request_(request), table_(context.openDatabase(39)) {
    addRecordNames(list_, *table_, 39);
    choose(value(request));
}

void InductionMeds::choose(int32_t drug) {
    chosen_ = drug;
    if (drug > 0 && drug <= list_.entries.count()) caption_ = list_.entries[drug - 1].label();
}

const char* InductionMeds::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", makeRequest(kCode, 0), 0);
    if (chosen_ <= 0) return nullptr;
    const float w = context_.weightKg(weight_mode::kCurrent);
    for (SharedString& text : record_) text = SharedString();
    if (chosen_ <= 0xFFFF) {
        RecordCursor cursor(table_->getRecord(static_cast<uint16_t>(chosen_ - 1)));
        for (SharedString& text : record_) text = cursor.readText();
    }
    SharedString document = record_[3];
    fillWeightTemplates(document, w);
    builder.weightInput = weight_mode::kCurrent;
    builder.appendDocument(document);
    return builder.finish();
}

InputField* InductionMeds::choiceList(Request request) {
    if (moduleCode(request) == 80) return nullptr;
    list_.label = "Select Induction Drug :";
    list_.unit = static_cast<int16_t>(chosen_ - 1);
    return &list_;
}

bool InductionMeds::handleRequest(Request request) {
    if (moduleCode(request) == 39) choose(value(request));
    return true;
}

}  // namespace orvane
