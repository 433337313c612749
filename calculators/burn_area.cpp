#include "calculators/burn_area.h"

#include "calculators/fluid_navix.h"
#include "content/record_cursor.h"
#include "foundation/number_format.h"
#include "modules/patient_context.h"
#include "rendering/page_builder.h"

namespace orvane {

bool readBurnSurfaces(RecordHandle record, float (&surfaces)[kBurnSurfaceCount]) {
    const bool present = static_cast<bool>(record);
    RecordCursor cursor(std::move(record));
    cursor.readText();  // the label
    for (float& s : surfaces) s = cursor.readFloat();
    return present && !cursor.ranOut();
}

BurnArea::BurnArea(PatientContext& context, Request request)
    : context_(context), request_(request), table_(context.openDatabase(kTableCode)) {
    for (int32_t k = 1; k <= kBurnAgeCount; ++k) {
        ages_.addEntry(burnAgeLabel(k), makeRequest(request_code::kSamePage, k, 1));
    }
    for (int32_t r = 1; r <= kBurnRegionCount; ++r) {
        regions_.addEntry(burnRegionLabel(r), makeRequest(request_code::kSamePage, r, 2));
    }
}

void BurnArea::chooseAge(int32_t age) {
    age_ = age;
    for (int16_t& e : extents_) e = 0;
    region_ = 0;
    if (age <= 0) return;
    // A missing or short record leaves the fractions at 0 (and so the total at 0).
    for (float& f : fractions_) f = 0.0f;
    float surfaces[kBurnSurfaceCount] = {};
    readBurnSurfaces(table_->getRecord(static_cast<uint16_t>(age - 1)), surfaces);
    for (int32_t r = 1; r <= kBurnRegionCount; ++r) {
        fractions_[r - 1] = surfaces[burnSurfaceOfRegion(r)];
    }
}

void BurnArea::rebuildExtentList() {
    extentList_.clearEntries();
    extentList_.addEntry("0 %", makeRequest(request_code::kSamePage, 1, 3));
    for (int32_t k = 0; k < kBurnExtentBands; ++k) {
        extentList_.addEntry(burnExtentEntryText(k, region_),
                             makeRequest(request_code::kSamePage, k + 2, 3));
    }
}

const char* BurnArea::buildPage(int32_t view) {
    view_ = view;
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", makeRequest(FluidNavix::kCode, 0), 0);
    if (age_ == 0) {
        builder.appendHeading("Select Age : ", true);
        for (const MenuItem& item : ages_.entries) {
            builder.appendLink(item.request(), item.label(), true, false, false, "drug");
        }
        return builder.finish();
    }
    if (region_ != 0) {
        caption_ = burnRegionLabel(region_);
        for (const MenuItem& item : extentList_.entries) {
            builder.appendLink(item.request(), item.label(), true, false, false, "drug");
        }
        return builder.finish();
    }
    const float total = burnTotal(extents_, fractions_);
    caption_ = "Calculated % BSA Burned = ";
    caption_.append(formatNumber(total * 100.0f, 1, false));
    builder.appendHeading("Age : ", false);
    builder.appendLink(makeRequest(request_code::kSamePage, 0, 1), burnAgeLabel(age_), true, false,
                       true);
    builder.appendHeading("Extent of 2<SUP>nd</SUP>/3<SUP>rd</SUP> degree burns to:", true);
    for (int32_t r = 1; r <= kBurnRegionCount; ++r) {
        SharedString label = burnRegionLabel(r);
        label.append("&nbsp;:&nbsp;&nbsp;");
        builder.appendText(label);
        builder.appendLink(makeRequest(request_code::kSamePage, r, 2),
                           burnExtentText(extents_[r - 1]), true, true, true);
    }
    builder.appendLineBreaks(1);
    builder.appendLink(makeRequest(request_code::kSamePage, 0, 2), "Reset All", false, true, true);
    return builder.finish();
}

InputField* BurnArea::choiceList(Request request) {
    if (moduleCode(request) != 33) return nullptr;
    if (subCode(request) == 1) {
        ages_.label = "Select Age";
        ages_.unit = static_cast<int16_t>(age_ - 1);
        return &ages_;
    }
    extentList_.label = "% BSA Burn Calculator";
    extentList_.unit = region_ > 0 ? extents_[region_ - 1] : 0;
    return &extentList_;
}

bool BurnArea::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    const int32_t v = value(request);
    if (code == 50) {
        view_ = v;
        return true;
    }
    if (code != 33) return true;
    switch (subCode(request)) {
        case 1:
            if (v <= kBurnAgeCount) chooseAge(v);
            break;
        case 2:
            if (v > kBurnRegionCount) break;
            region_ = v;
            if (v == 0) {
                for (int16_t& e : extents_) e = 0;
            } else {
                caption_ = burnRegionLabel(v);
                rebuildExtentList();
            }
            break;
        case 3:
            if (region_ == 0 || v < 1 || v > kBurnExtentBands + 1) break;
            extents_[region_ - 1] = static_cast<int16_t>(v - 1);
            // The extent is set: back to the summary, which shows it and the new total.
            region_ = 0;
            break;
        default:
            break;
    }
    return true;
}

}  // namespace orvane
