#include "dosing/weight_based/tyko_otc_module.h"

#include <algorithm>
#include <string>

#include "content/record_cursor.h"
#include "content/record_texts.h"
#include "dosing/weight_based/otc_categories.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

constexpr const char* kCategoryIcon = "folder";

}  // namespace

TykoOtcModule::TykoOtcModule(PatientContext& context, Request request)
    : context_(context), request_(request), table_(context.openDatabase(kCode)) {
    for (int32_t c = 1; c <= kOtcCategoryCount; ++c) {
        categories_.addEntry(kOtcCategories[c - 1].text, makeRequest(kCategoryCode, c));
    }
    const int32_t v = value(request);
    if (v <= 0) return;
    if (moduleCode(request) == kCode && subCode(request) != kCategorySubCode) {
        // A medicine counted over the whole table: its category is the range that holds it.
        const int32_t category = otcCategoryOf(v);
        if (category == 0) return;
        chooseCategory(category);
        chooseMedicine(v - kOtcCategories[category - 1].first + 1);
        // The screen hands the same request on: it was meant over the whole table, not within
        // the category.
        handledAtCreation_ = request;
        return;
    }
    handleRequest(request);
}

InputField* TykoOtcModule::choiceList(Request request) {
    const int32_t code = moduleCode(request);
    if (code == request_code::kResultsMenu) return nullptr;
    if (code == kCode) {
        categories_.label = "Select Medication Category:";
        categories_.unit = static_cast<int16_t>(category_ > 0 ? category_ - 1 : 0);
        return &categories_;
    }
    // The list screen asks for (60, c) without handing the request on: the category is the one
    // the request names.
    if (code == kCategoryCode && value(request) != category_) chooseCategory(value(request));
    const int32_t position = medicine_ > 0 ? medicine_ - 1 : 0;
    medicines_.label = caption_;
    medicines_.unit = static_cast<int16_t>(position);
    context_.setListPosition(position);
    return &medicines_;
}

bool TykoOtcModule::handleRequest(Request request) {
    if (handledAtCreation_ != 0 && request == handledAtCreation_) {
        handledAtCreation_ = 0;
        return true;
    }
    handledAtCreation_ = 0;
    const int32_t code = moduleCode(request);
    if (code == kCategoryCode || code == request_code::kSamePage ||
        (code == kCode && subCode(request) == kCategorySubCode)) {
        chooseCategory(value(request));
    } else if (code == kCode) {
        chooseMedicine(value(request));
    }
    return true;
}

void TykoOtcModule::chooseCategory(int32_t category) {
    if (category < 0 || category > kOtcCategoryCount) return;
    category_ = category;
    medicine_ = 0;
    medicines_.clearEntries();
    if (category == 0) {
        caption_ = SharedString();
        return;
    }
    const OtcCategory& range = kOtcCategories[category - 1];
    caption_ = range.text;
    const int32_t last = std::min<int32_t>(range.last, table_->recordCount());
    for (int32_t m = range.first; m <= last; ++m) {
        RecordCursor cursor(table_->getRecord(static_cast<uint16_t>(m - 1)));
        cursor.readText();  // the key
        medicines_.addEntry(cursor.readText(), makeRequest(kCode, m - range.first + 1));
    }
}

void TykoOtcModule::chooseMedicine(int32_t medicine) {
    if (category_ == 0 || medicine < 0 || medicine > medicineCount()) return;
    medicine_ = medicine;
    caption_ = medicine == 0 ? SharedString(kOtcCategories[category_ - 1].text)
                             : medicines_.entries[medicine - 1].label();
}

const char* TykoOtcModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, 0);
    if (category_ == 0) {
        for (const MenuItem& item : categories_.entries) {
            builder.appendLink(item.request(), item.label(), true, false, true, kCategoryIcon);
        }
        return builder.finish();
    }
    if (medicine_ == 0) return nullptr;
    const int32_t record = kOtcCategories[category_ - 1].first + medicine_ - 1;
    SharedString texts[kRecordTexts];
    readRecordTexts(*table_, record - 1, texts);
    caption_ = texts[1];  // after the key
    std::string text = texts[2].str();
    for (int32_t p = 2; p <= kParagraphs; ++p) {
        const SharedString& paragraph = texts[1 + p];
        if (paragraph.empty()) continue;
        if (paragraph.view().front() != ' ') text += "<BR><BR>";
        text += paragraph.view();
    }
    builder.appendText(text);
    return builder.finish();
}

}  // namespace orvane
