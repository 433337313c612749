#include "modules/calculator_module.h"

#include "content/record_texts.h"
#include "modules/patient_context.h"
#include "modules/patient_inputs.h"
#include "rendering/page_builder.h"

namespace orvane {

CalculatorModule::CalculatorModule(PatientContext& context, Request request, int32_t resultCount)
    : context_(context), request_(request), table_(context.openDatabase(kTableCode)) {
    const int32_t number = longValue(request);
    if (number >= 1 && number <= 0xFFFF) readRecordTexts(*table_, number - 1, record_);
    caption_ = record_[1];
    for (int32_t i = 0; i < resultCount; ++i) results_.append(SharedString());
}

bool CalculatorModule::isAvailable() const {
    return table_->isOpen();
}

const char* CalculatorModule::buildPage(int32_t /*view*/) {
    return nullptr;
}

InputField* CalculatorModule::choiceList(Request request) {
    const int32_t code = moduleCode(request);
    if (code == 70) {
        const int32_t i = value(request);
        if (i < 1 || i > inputs_.count()) return nullptr;
        return &inputs_[i - 1];
    }
    if (code == 80) {
        resultsMenu_.clearEntries();
        resultsMenu_.addEntry("Result", makeRequest(request_code::kInPage, 0));
        resultsMenu_.label = "";
        return &resultsMenu_;
    }
    return nullptr;
}

bool CalculatorModule::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    if (code == 50) {
        view_ = static_cast<int16_t>(value(request));
    } else if (code == 0) {
        resetInputs();
    }
    return true;
}

PageBuilder& CalculatorModule::startPage(int32_t view) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    view_ = static_cast<int16_t>(view);
    builder.setInputs(&inputs_);
    return builder;
}

bool CalculatorModule::inputsPass() const {
    for (const InputField& field : inputs_) {
        if (!passesModuleCheck(field)) return false;
    }
    return true;
}

}  // namespace orvane
