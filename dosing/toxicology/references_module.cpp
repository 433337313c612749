#include "dosing/toxicology/references_module.h"

#include "content/record_texts.h"
#include "modules/patient_context.h"
#include "modules/record_name_list.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr int32_t kNoPageKind = 0;
// The module list's entries carry (49, n, 1).
constexpr int32_t kEntrySubCode = 1;

}  // namespace

ReferencesModule::ReferencesModule(PatientContext& context, Request request)
    : context_(context), request_(request), table_(context.openDatabase(kCode)) {
    addRecordNames(modules_, *table_, kCode, 0, kEntrySubCode);
    if (inList(value(request))) item_ = value(request);
}

const char* ReferencesModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, kNoPageKind);
    if (item_ <= 0) return nullptr;
    readRecordTexts(*table_, item_ - 1, record_);
    caption_ = record_[kName];
    caption_.append(" [References]");
    builder.appendDocument(record_[kDocument]);
    return builder.finish();
}

InputField* ReferencesModule::choiceList(Request request) {
    if (moduleCode(request) == request_code::kResultsMenu) return nullptr;
    modules_.label = "Select Module :";
    modules_.unit = static_cast<int16_t>(item_ - 1);
    caption_ = "Select a Module :";
    return &modules_;
}

bool ReferencesModule::handleRequest(Request request) {
    if (moduleCode(request) == kCode && inList(value(request))) item_ = value(request);
    return true;
}

}  // namespace orvane
