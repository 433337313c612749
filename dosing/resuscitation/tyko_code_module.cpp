#include "dosing/resuscitation/tyko_code_module.h"

#include "content/record_texts.h"
#include "dosing/resuscitation/code_pages.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr const char* kNoPageCaption = "Select TykoCode Category";
constexpr const char* kListLabel = "Select Category :";

}  // namespace

TykoCodeModule::TykoCodeModule(PatientContext& context, Request request)
    : context_(context),
      request_(request),
      table_(context.openDatabase(kCode)),
      paralytics_(context, makeRequest(ParalyticsModule::kCode, 0)) {
    if (moduleCode(request) == kCode) choosePage(value(request));
}

void TykoCodeModule::readRecord(int32_t index) {
    readRecordTexts(*table_, index, record_);
}

// The module's pages, and any further entry the table lists (shown as an empty page).
bool TykoCodeModule::isPage(int32_t page) const {
    return (page >= code::kFirstPage && page <= code::kLastPage) ||
           (page >= code::kFirstPage && page <= table_->recordCount());
}

void TykoCodeModule::choosePage(int32_t page) {
    if (page <= 0) {
        page_ = 0;
        caption_ = kNoPageCaption;
        return;
    }
    if (isPage(page)) page_ = page;  // anything else is ignored
}

void TykoCodeModule::appendPage(int32_t page, float weight, SharedString& out) {
    if (!isPage(page)) return;
    readRecord(page - 1);
    caption_ = record_[kName];
    if (const code::CodePage generate = code::codePage(page)) {
        generate(out, weight, record_[kTrailing]);
        return;
    }
    const int32_t paralytic = code::paralyticRecord(page);
    if (paralytic < 0) return;
    // Drawn apart: the paralytic page fills the weight templates of the whole text it is given.
    SharedString text;
    SharedString information;
    paralytics_.appendPage(paralytic, weight, text, information,
                           {.atropine = true, .equipment = true});
    out.append(text);
}

const char* TykoCodeModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    if (page_ <= 0) return nullptr;
    builder.weightInput = weight_mode::kChild;
    const float weight = context_.weightKg(weight_mode::kChild);
    SharedString text;
    appendPage(page_, weight, text);
    builder.appendDocument(text);
    return builder.finish();
}

InputField* TykoCodeModule::choiceList(Request request) {
    const int32_t code = moduleCode(request);
    if (code == request_code::kResultsMenu) return nullptr;
    if (code == request_code::kSamePage) {
        const int32_t index = value(request);
        if (index >= table_->recordCount()) return nullptr;  // not an entry of the list
        readRecord(index);
        list_.clearEntries();
        list_.addEntry(record_[kName], makeRequest(kCode, index + 1));
        return &list_;
    }
    list_.clearEntries();
    list_.label = kListLabel;
    list_.max = static_cast<float>(table_->recordCount());
    list_.lazyList = 1;
    list_.unit = static_cast<int16_t>(page_ - 1);
    list_.kind = makeRequest(kCode, 0);
    return &list_;
}

bool TykoCodeModule::handleRequest(Request request) {
    if (moduleCode(request) == kCode) choosePage(value(request));
    return true;
}

}  // namespace orvane
