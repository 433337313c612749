#include "modules/document_list.h"

#include <utility>

#include "content/record_cursor.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

int32_t DocumentList::recordFor(int32_t code) {
    switch (code) {
        case kFirstDocumentCode:
            return 0;
        case kSecondDocumentCode:
            return 1;
        case kThirdDocumentCode:
            return 2;
        case kFourthDocumentCode:
            return 3;
        default:
            return -1;
    }
}

DocumentList::DocumentList(PatientContext& context, Request request)
    : context_(context), request_(request) {
    const int32_t code = moduleCode(request);
    const int32_t record = recordFor(code);
    if (record < 0) return;
    std::unique_ptr<ContentDatabase> table = context_.openDatabase(static_cast<uint32_t>(code));
    RecordHandle bytes = table->getRecord(static_cast<uint16_t>(record));
    recordRead_ = !bytes.isNull();
    RecordCursor cursor(std::move(bytes));
    unused_ = cursor.readText();
    title_ = cursor.readText();
    body_ = cursor.readText();
}

const char* DocumentList::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    builder.appendDocument(body_);
    return builder.finish();
}

}  // namespace orvane
