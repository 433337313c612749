#include "dosing/resuscitation/code_list_module.h"

#include <algorithm>

#include "content/record_cursor.h"
#include "content/record_texts.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr const char* kListLabel = "Select Desired Item :";

CodeListModule::ListRange rangeOf(int32_t code) {
    return code == CodeListModule::kPalsCode ? CodeListModule::kPalsRecords
                                             : CodeListModule::kAclsRecords;
}

}  // namespace

CodeListModule::CodeListModule(PatientContext& context, Request request)
    : context_(context),
      request_(request),
      code_(moduleCode(request) == kPalsCode ? kPalsCode : kAclsCode),
      table_(context.openDatabase(static_cast<uint32_t>(code_))),
      first_(rangeOf(code_).first),
      last_(std::min<int32_t>(rangeOf(code_).last, table_->recordCount())),
      caption_(kListLabel) {
    for (int32_t n = first_; n <= last_; ++n) {
        RecordCursor cursor(table_->getRecord(static_cast<uint16_t>(n - 1)));
        cursor.readText();  // the key
        items_.addEntry(cursor.readText(), makeRequest(code_, n));
    }
    items_.label = kListLabel;
    if (inList(value(request))) choose(value(request));
}

SharedString CodeListModule::title() const {
    return SharedString(code_ == kPalsCode ? "PALS" : "ACLS");
}

bool CodeListModule::inList(int32_t record) const {
    return record == 0 || (record >= first_ && record <= last_);
}

void CodeListModule::choose(int32_t record) {
    record_ = record;
    document_ = SharedString();
    if (record == 0) {
        caption_ = kListLabel;
        return;
    }
    SharedString texts[kFieldCount];
    readRecordTexts(*table_, record - 1, texts);
    caption_ = texts[kName];
    document_ = texts[kDocument];
}

const char* CodeListModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    if (record_ == 0) return nullptr;
    builder.appendDocument(document_);
    return builder.finish();
}

InputField* CodeListModule::choiceList(Request request) {
    if (moduleCode(request) == request_code::kResultsMenu) return nullptr;
    items_.label = kListLabel;
    items_.unit = static_cast<int16_t>(position_);
    return &items_;
}

bool CodeListModule::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    const int32_t n = value(request);
    if (code == code_ && inList(n)) {
        choose(n);
    } else if (code == request_code::kInput && n < items_.entries.count()) {
        position_ = n;
    }
    return true;
}

}  // namespace orvane
