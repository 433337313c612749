#include "calculators/scores/glasgow_coma_scale.h"

#include "calculators/formulas/score_bands.h"
#include "foundation/number_format.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {
const char* const kAgeBands[] = {"0-1 year old", "1-2 years old", "2-5 years old",
                                 ">5 years old or Adult"};
constexpr int32_t kAdultBand = 4;
}  // namespace

GlasgowComaScale::GlasgowComaScale(PatientContext& context, Request request)
    : ScoringCalculator(context, request, 2, false) {
    addCriterion("Age : ");
    setAnswers(1, kAgeBands, 4);
    addCriterion("Eye opening : ");
    addCriterion("Best motor : ");
    addCriterion("Best verbal : ");
}

void GlasgowComaScale::answer(int32_t k, int32_t j) {
    ScoringCalculator::answer(k, j);
    if (k != 1) return;
    const int32_t band = criteria_[0].unit;
    if (band == 0) {
        baseRecord_ = 0;
        for (int32_t c = 2; c <= 4; ++c) ScoringCalculator::answer(c, 0);
        return;
    }
    baseRecord_ = 3 + 3 * band;  // 6, 9, 12, 15
    for (int32_t c = 2; c <= 4; ++c) {
        loadAnswers(c, baseRecord_ + c - 2, true);
        // A criterion answered under the previous band keeps its answer number; its text follows
        // the new band's answer (or the answer is cleared when the new band has none).
        ScoringCalculator::answer(c, criteria_[c - 1].unit);
    }
}

const char* GlasgowComaScale::buildPage(int32_t /*view*/) {
    PageBuilder& builder = startPage(0);
    const bool ageAnswered = answered(1);
    appendChoices(builder, 1, ageAnswered ? 4 : 1);
    if (!(ageAnswered && allAnswered())) return builder.finish();
    float total = 0;
    for (int32_t c = 2; c <= 4; ++c) {
        total = total + points(baseRecord_ + c - 2, criteria_[c - 1].unit);
    }
    results_[0] = formatNumber(total, 1, false);
    if (const char* severity = glasgowComaSeverity(total)) results_[1] = severity;
    SharedString text = "<BR>Calc. ";
    if (criteria_[0].unit < kAdultBand) text.append("Pediatric ");
    text.append("Glasgow Coma Scale is : <B>").append(results_[0]).append("</B>");
    text.append("<BR><BR><B>Interpretation :</B><BR>");
    text.append("This score indicates that injury is <B>'").append(results_[1]).append("</B>'");
    builder.appendText(text);
    return builder.finish();
}

}  // namespace orvane
