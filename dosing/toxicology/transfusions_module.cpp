#include "dosing/toxicology/transfusions_module.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "content/record_texts.h"
#include "dosing/builders/dose_templates.h"
#include "modules/patient_context.h"
#include "modules/record_name_list.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {

using F = TransfusionsModule::Field;
using V = TransfusionsModule::View;

constexpr int32_t kNoPageKind = 0;

struct ViewRow {
    V view;
    const char* name;
    F text;
};

// The views in the order of the menu.
constexpr std::array kViews{
    ViewRow{V::kInformation, "Information", F::kInformationText},
    ViewRow{V::kIndications, "Indications", F::kIndicationsText},
    ViewRow{V::kDosingInfo, "Dosing Info", F::kDosingInfoText},
    ViewRow{V::kCalculator, "Calculator", F::kCalculatorText},
    ViewRow{V::kPrecautions, "Precautions", F::kPrecautionsText},
    ViewRow{V::kMonitoring, "Monitoring", F::kMonitoringText},
    ViewRow{V::kReferences, "References", F::kReferencesText},
};

// A category with this code has no monitoring view.
constexpr std::string_view kNoMonitoringCode = "D20";

// Categories whose calculator does not ask for a weight.
constexpr std::array kNoWeightRowCategories{8, 9, 10};

}  // namespace

TransfusionsModule::TransfusionsModule(PatientContext& context, Request request)
    : context_(context), request_(request), table_(context.openDatabase(kCode)) {
    addRecordNames(categories_, *table_, kCode);
    const int32_t category = value(request);
    if (category <= categories_.entries.count()) category_ = category;
}

void TransfusionsModule::readRecord(int32_t category) {
    readRecordTexts(*table_, category - 1, record_);
    caption_ = record_[kName];
}

bool TransfusionsModule::offersView(int32_t view) {
    if (view < kInformation || view > kReferences) return false;
    if (view != kMonitoring || category_ <= 0) return true;
    SharedString code[1];
    readRecordTexts(*table_, category_ - 1, code);
    return code[0].view() != kNoMonitoringCode;
}

const char* TransfusionsModule::buildPage(int32_t /*view*/) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, kNoPageKind);
    if (category_ <= 0) return nullptr;
    readRecord(category_);
    const auto row = std::find_if(kViews.begin(), kViews.end(),
                                  [this](const ViewRow& r) { return r.view == view_; });
    if (row == kViews.end()) return builder.finish();
    if (row->view != kCalculator) {
        builder.appendDocument(record_[row->text]);
        return builder.finish();
    }
    SharedString text = record_[kCalculatorText];
    fillWeightTemplates(text, context_.weightKg(weight_mode::kCurrent));
    builder.appendDocument(text);
    const bool asksWeight = std::find(kNoWeightRowCategories.begin(), kNoWeightRowCategories.end(),
                                      category_) == kNoWeightRowCategories.end();
    if (asksWeight) builder.weightInput = weight_mode::kCurrent;
    return builder.finish();
}

InputField* TransfusionsModule::choiceList(Request request) {
    switch (moduleCode(request)) {
        case kCode:
            categories_.label = "Select Category :";
            categories_.unit = static_cast<int16_t>(category_ - 1);
            return &categories_;
        case request_code::kResultsMenu:
            views_.clearEntries();
            views_.unit = 0;
            for (const ViewRow& row : kViews) {
                if (!offersView(row.view)) continue;
                if (row.view == view_) views_.unit = views_.entries.count();
                views_.addEntry(row.name, makeRequest(request_code::kInPage, row.view));
            }
            views_.label = caption_;
            return &views_;
        default:
            return nullptr;
    }
}

bool TransfusionsModule::handleRequest(Request request) {
    const int32_t v = value(request);
    switch (moduleCode(request)) {
        case kCode:
            if (v > categories_.entries.count()) break;  // not in the list: ignored
            category_ = v;
            view_ = kInformation;
            break;
        case request_code::kInPage:
            if (offersView(v)) view_ = v;  // a view the category does not have: ignored
            break;
        default:
            break;
    }
    return true;
}

}  // namespace orvane
