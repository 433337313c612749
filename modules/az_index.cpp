#include "modules/az_index.h"

#include "content/index_record.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

AzIndex::AzIndex(PatientContext& context, Request request)
    : context_(context),
      request_(request),
      table_(context.openDatabase(53)),
      selected_(value(request)) {}

SharedString AzIndex::caption() const {
    SharedString text = context_.productTitle();
    text.append(" Index");
    return text;
}

const char* AzIndex::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    return nullptr;
}

InputField* AzIndex::choiceList(Request request) {
    const int32_t code = moduleCode(request);
    if (code == 53) {
        list_.clearEntries();
        list_.max = static_cast<float>(table_->recordCount());
        list_.lazyList = 1;
        list_.unit = static_cast<int16_t>(selected_);
        list_.label = caption();
        list_.kind = makeRequest(request_code::kAzIndex, 0);
        return &list_;
    }
    if (code == 33) {
        // The target is a request written in decimal; a text that is no number reads as 0.
        IndexRecord entry =
            readIndexRecord(table_->getRecord(static_cast<uint16_t>(value(request))));
        list_.clearEntries();
        list_.addEntry(std::move(entry.label), entry.target);
        return &list_;
    }
    return nullptr;
}

bool AzIndex::handleRequest(Request request) {
    if (moduleCode(request) == 70) selected_ = value(request);
    return true;
}

}  // namespace orvane
