#include "dosing/resuscitation/emerg_meds_module.h"

#include "content/record_texts.h"
#include "dosing/airway/paralytic_codes.h"
#include "dosing/builders/dose_templates.h"
#include "dosing/resuscitation/diazepam_page.h"
#include "modules/patient_context.h"
#include "modules/record_name_list.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr const char* kListLabel = "Select Drug :";
constexpr std::string_view kDiazepamCode = "D20";

}  // namespace

EmergMedsModule::EmergMedsModule(PatientContext& context, Request request)
    : context_(context),
      request_(request),
      table_(context.openDatabase(kCode)),
      paralytics_(context, makeRequest(ParalyticsModule::kCode, 0)),
      caption_(kListLabel) {
    addRecordNames(drugs_, *table_, kCode);
    drugs_.label = kListLabel;
    choose(value(request));
}

void EmergMedsModule::choose(int32_t drug) {
    if (drug < 0 || drug > drugs_.entries.count()) return;  // not in the list: ignored
    drug_ = drug;
    caption_ = drug > 0 ? drugs_.entries[drug - 1].label() : SharedString(kListLabel);
}

SharedString EmergMedsModule::pageText(float weight) {
    SharedString record[kFieldCount];
    readRecordTexts(*table_, drug_ - 1, record);

    SharedString text;
    const int32_t paralytic = airway::paralyticPageOf(record[kCodeText].view());
    if (paralytic >= 0) {
        SharedString information;
        paralytics_.appendPage(paralytic, weight, text, information,
                               {.atropine = true, .equipment = true});
    } else if (record[kCodeText].view() == kDiazepamCode) {
        appendDiazepamPage(text, weight);
    } else {
        text = record[kDocument];
        fillWeightTemplates(text, weight);
    }
    return text;
}

const char* EmergMedsModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    if (drug_ <= 0) return nullptr;
    const float weight = context_.weightKg(weight_mode::kCurrent);
    const SharedString text = pageText(weight);
    // The paralytics object shares the page builder only through appendPage, which does not
    // touch it, so the page started above is still the one being written.
    builder.weightInput = weight_mode::kCurrent;
    builder.appendDocument(text);
    return builder.finish();
}

InputField* EmergMedsModule::choiceList(Request request) {
    if (moduleCode(request) == request_code::kResultsMenu) return nullptr;
    drugs_.label = kListLabel;
    drugs_.unit = static_cast<int16_t>(drug_ - 1);
    return &drugs_;
}

bool EmergMedsModule::handleRequest(Request request) {
    if (moduleCode(request) == kCode) choose(value(request));
    return true;
}

}  // namespace orvane
