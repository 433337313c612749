#include "calculators/scores/wells_criteria.h"

#include "foundation/number_format.h"
#include "rendering/page_builder.h"

namespace orvane {

WellsCriteria::WellsCriteria(PatientContext& context, Request request, const WellsItem* items,
                             int32_t count, int32_t anchorItem)
    : ScoringCalculator(context, request, 1, true), anchorItem_(anchorItem) {
    for (int32_t k = 0; k < count; ++k) {
        addItem(items[k].label);
        points_.append(items[k].points);
    }
}

void WellsCriteria::answer(int32_t k, int32_t j) {
    InputField& item = criteria_[k - 1];
    item.unit = static_cast<int16_t>(j);
    item.value = j >= 1 ? points_[k - 1] : 0.0f;
    lastTouched_ = k;
}

const char* WellsCriteria::buildPage(int32_t view) {
    view_ = static_cast<int16_t>(view);
    PageBuilder& builder = startPage(view == 0 ? 2 : 3);
    builder.hideChoiceList = 1;
    if (view == 0) {
        for (int32_t k = 1; k <= criteria_.count(); ++k) {
            if (k == anchorItem_ && lastTouched_ > 6) builder.appendAnchor("anchor");
            appendToggle(builder, k, criteria_[k - 1].unit >= 1);
            builder.appendLineBreaks(1);
        }
        return builder.finish();
    }
    float score = 0;
    for (const InputField& item : criteria_) score = score + item.value;
    results_[0] = formatNumber(score, 1, false);
    appendFilledTemplate(builder);
    return builder.finish();
}

namespace {
const WellsItem kPulmonaryEmbolismItems[] = {
    {"Suspected DVT", 3.0f},
    {"An alternative diagnosis is less likely than PE", 3.0f},
    {"Heart rate >100 BPM", 1.5f},
    {"Immobilization/surgery in previous 4 weeks", 1.5f},
    {"Previous DVT or PE", 1.5f},
    {"Hemoptysis", 1.0f},
    {"Malignancy (on treatment, treated in past 6 months or on palliative care)", 1.0f}};

const WellsItem kDeepVeinThrombosisItems[] = {
    {"Active cancer (treatment ongoing, or within 6 months or palliative.", 1.0f},
    {"Paralysis or recent plaster immobilization of the lower extremities.", 1.0f},
    {"Recently bedridden for >3 d or major surgery <4 wk.", 1.0f},
    {"Localized tenderness along the distribution of the deep venous system.", 1.0f},
    {"Entire leg swelling.", 1.0f},
    {"Calf swelling >3 cm compared to the asymptomatic leg.", 1.0f},
    {"Pitting edema (greater in the symptomatic leg).", 1.0f},
    {"Previous DVT documented.", 1.0f},
    {"Collateral superficial veins (nonvaricose).", 1.0f},
    {"Alternative diagnosis (as likely or > that of DVT).", -2.0f}};

template <typename T, int32_t N>
constexpr int32_t countOf(const T (&)[N]) {
    return N;
}
}  // namespace

WellsPulmonaryEmbolism::WellsPulmonaryEmbolism(PatientContext& context, Request request)
    : WellsCriteria(context, request, kPulmonaryEmbolismItems, countOf(kPulmonaryEmbolismItems),
                    0) {}

WellsDeepVeinThrombosis::WellsDeepVeinThrombosis(PatientContext& context, Request request)
    : WellsCriteria(context, request, kDeepVeinThrombosisItems, countOf(kDeepVeinThrombosisItems),
                    7) {
    results_[0] = " ";
}

}  // namespace orvane
