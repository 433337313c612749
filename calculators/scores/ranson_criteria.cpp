#include "calculators/scores/ranson_criteria.h"

#include "foundation/number_format.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {
// Item 10 counts a base deficit above 4 mEq/L, the abnormal finding.
const char* const kItems[] = {"Age >55 years",
                              "WBC >16,000",
                              "Glucose >200 mg/dL",
                              "LDH >350 IU/L",
                              "SGOT (AST) >250 IU/L",
                              "Hct decrease by >10%",
                              "BUN increase >5 mg/dL",
                              "Calcium <8mg/dL",
                              "Arterial pO2 <60 mmHg",
                              "Base deficit >4 mEq/L",
                              "Fluid sequestration >6 liters"};
constexpr int32_t kAdmissionItems = 5;
}  // namespace

RansonCriteria::RansonCriteria(PatientContext& context, Request request)
    : ScoringCalculator(context, request, 1, true) {
    for (const char* item : kItems) addItem(item);
}

void RansonCriteria::answer(int32_t k, int32_t j) {
    criteria_[k - 1].setYesNo(j);
}

const char* RansonCriteria::buildPage(int32_t view) {
    view_ = static_cast<int16_t>(view);
    PageBuilder& builder = startPage(0);
    builder.hideChoiceList = 1;
    const int32_t count = criteria_.count();
    if (view == 0) {
        builder.appendHeading("On Admission or Presentation :", true);
        for (int32_t k = 1; k <= kAdmissionItems; ++k) {
            appendToggle(builder, k, criteria_[k - 1].value > 0);
        }
        builder.appendLineBreaks(1);
        builder.appendHeading("Within 48 hours of Admission :", true);
        for (int32_t k = kAdmissionItems + 1; k <= count; ++k) {
            appendToggle(builder, k, criteria_[k - 1].value > 0);
        }
        return builder.finish();
    }
    float score = 0;
    for (const InputField& item : criteria_) score = score + item.value;
    results_[0] = formatNumber(score, 1, false);
    appendFilledTemplate(builder);
    builder.appendLineBreaks(2);
    builder.appendHeading("Results based on:", true);
    for (const InputField& item : criteria_) {
        if (item.value > 0) {
            builder.appendText(item.label);
            builder.appendLineBreaks(1);
        }
    }
    return builder.finish();
}

}  // namespace orvane
