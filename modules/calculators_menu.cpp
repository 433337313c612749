#include "modules/calculators_menu.h"

#include "content/record_cursor.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

CalculatorsMenu::CalculatorsMenu(PatientContext& context, Request request)
    : context_(context), request_(request), selected_(value(request)) {
    std::unique_ptr<ContentDatabase> table = context_.openDatabase(4);
    const uint16_t records = table->recordCount();
    for (uint16_t i = 0; i < records; ++i) {
        RecordCursor cursor(table->getRecord(i));
        cursor.readText();
        SharedString name = cursor.readText();
        list_.addEntry(std::move(name), makeRequest(request_code::kCalculator, i + 1));
    }
}

const char* CalculatorsMenu::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    if (selected_ != 0) return builder.finish();
    builder.setTitle("", request_, 0);
    builder.appendHeading("Select a Calculator", false);
    return nullptr;
}

InputField* CalculatorsMenu::choiceList(Request request) {
    if (moduleCode(request) == 80) return nullptr;
    list_.label = "Select a Calculator :";
    list_.unit = static_cast<int16_t>(selected_ - 1);
    return &list_;
}

bool CalculatorsMenu::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    if (code == 4 || code == 70) selected_ = value(request);
    return true;
}

}  // namespace orvane
