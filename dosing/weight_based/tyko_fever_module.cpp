#include "dosing/weight_based/tyko_fever_module.h"

#include "content/record_texts.h"
#include "dosing/builders/dose_templates.h"
#include "modules/patient_context.h"
#include "modules/record_name_list.h"
#include "rendering/page_builder.h"

namespace orvane {

TykoFeverModule::TykoFeverModule(PatientContext& context, Request request)
    : context_(context), request_(request), table_(context.openDatabase(kCode)) {
    addRecordNames(medicines_, *table_, kCode);
    // Opened without a medicine (the home list, the history), it shows the one last chosen.
    const int32_t remembered = context.rememberedChoice(kCode);
    if (inList(remembered)) medicine_ = remembered;
    handleRequest(request);
}

const char* TykoFeverModule::buildPage(int32_t /*view*/) {
    const float weight = context_.weightKg(weight_mode::kChild);
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    builder.weightInput = weight_mode::kChild;
    builder.hideChoiceList = 1;
    SharedString fields[kFieldCount];
    readRecordTexts(*table_, medicine_ - 1, fields);
    fillWeightTemplates(fields[kDocument], weight);
    builder.appendDocument(fields[kDocument]);
    return builder.finish();
}

InputField* TykoFeverModule::choiceList(Request /*request*/) {
    medicines_.label = medicine_ == 1 ? "Acetaminophen" : "Ibuprofen";
    medicines_.unit = static_cast<int16_t>(medicine_ - 1);
    return &medicines_;
}

bool TykoFeverModule::handleRequest(Request request) {
    if (moduleCode(request) == kCode && inList(value(request))) {
        medicine_ = value(request);
        context_.rememberChoice(kCode, medicine_);
    }
    return true;
}

}  // namespace orvane
