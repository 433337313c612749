#include "dosing/antibiotics/abx_navix_module.h"

#include <string>

#include "dosing/antibiotics/abx_dose_block.h"
#include "dosing/antibiotics/abx_dose_table.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr int32_t kNoPageKind = 0;
constexpr const char* kListCaption = "Select Category :";

}  // namespace

AbxNavixModule::AbxNavixModule(PatientContext& context, Request request)
    : context_(context),
      request_(request),
      categories_(context.openDatabase(kCode)),
      doses_(context.openDatabase(kDoseTable)) {
    for (int32_t i = 0; i < categories_->recordCount(); ++i) {
        list_.addEntry(readAbxCategory(categories_->getRecord(static_cast<uint16_t>(i))).name,
                       makeRequest(kCode, i + 1));
    }
    if (value(request) > 0) chooseCategory(value(request));
}

void AbxNavixModule::chooseCategory(int32_t n) {
    if (n > list_.entries.count()) return;  // not in the list: ignored
    if (n <= 0) {
        caption_ = kListCaption;
        return;
    }
    category_ = n;
    caption_ = list_.entries[n - 1].label();
}

const char* AbxNavixModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, kNoPageKind);
    if (category_ <= 0) {
        builder.appendHeading("Select a Category", false);
        return nullptr;
    }
    const AbxCategoryRecord category =
        readAbxCategory(categories_->getRecord(static_cast<uint16_t>(category_ - 1)));
    std::string page = category.text.str() + "<BR>";
    if (category.doseRecord > 0 && category.doseRecord < doses_->recordCount()) {
        builder.weightInput = weight_mode::kCurrent;
        const float weight = context_.weightKg(weight_mode::kCurrent);
        const std::vector<AbxDoseEntry> entries =
            readAbxDoseEntries(doses_->getRecord(static_cast<uint16_t>(category.doseRecord)));
        page += abxDoseBlock(entries, weight) + "<BR>";
    }
    builder.appendDocument(page);
    return builder.finish();
}

InputField* AbxNavixModule::choiceList(Request request) {
    if (moduleCode(request) == request_code::kResultsMenu) return nullptr;
    list_.label = kListCaption;
    list_.unit = static_cast<int16_t>(category_ - 1);
    return &list_;
}

bool AbxNavixModule::handleRequest(Request request) {
    if (moduleCode(request) == kCode) chooseCategory(value(request));
    return true;
}

}  // namespace orvane
