#include "dosing/airway/sedation_meds_module.h"

#include "content/record_texts.h"
#include "dosing/airway/sedation_fixed_pages.h"
#include "dosing/builders/dose_templates.h"
#include "modules/patient_context.h"
#include "modules/record_name_list.h"
#include "rendering/page_builder.h"

namespace orvane {

SedationMedsModule::SedationMedsModule(PatientContext& context, Request request)
    : context_(context), request_(request), table_(context.openDatabase(kCode)) {
    addRecordNames(drugs_, *table_, kCode);
    if (inList(value(request))) drug_ = value(request);
}

const char* SedationMedsModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    if (drug_ <= 0) return nullptr;
    const float weight = context_.weightKg(weight_mode::kCurrent);
    readRecordTexts(*table_, drug_ - 1, record_);
    SharedString text;
    if (const airway::SedationPage page = airway::fixedSedationPage(record_[kCodeText].view())) {
        page(text, weight);
    } else {
        text = record_[kDocument];
        fillWeightTemplates(text, weight);
    }
    builder.weightInput = weight_mode::kCurrent;
    builder.appendDocument(text);
    return builder.finish();
}

InputField* SedationMedsModule::choiceList(Request request) {
    if (moduleCode(request) == request_code::kResultsMenu) return nullptr;
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
