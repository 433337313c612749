#include "calculators/scores/choice_scores.h"

#include "calculators/formulas/score_bands.h"
#include "foundation/number_format.h"
#include "rendering/page_builder.h"

namespace orvane {

ApgarScore::ApgarScore(PatientContext& context, Request request)
    : ScoringCalculator(context, request, 1, false) {
    const char* labels[] = {"Heart rate : ", "Respiratory effort : ", "Muscle tone : ",
                            "Reflex irritability : ", "Color : "};
    for (int32_t k = 1; k <= 5; ++k) {
        addCriterion(labels[k - 1]);
        loadAnswers(k, k - 1, false);
    }
}

const char* ApgarScore::buildPage(int32_t /*view*/) {
    PageBuilder& builder = startPage(0);
    appendChoices(builder, 1, criteria_.count());
    if (allAnswered()) {
        float score = 0;
        for (int32_t k = 1; k <= criteria_.count(); ++k) {
            score = score + points(k - 1, criteria_[k - 1].unit);
        }
        results_[0] = formatNumber(score, 1, false);
        SharedString text = "<BR><B>Apgar Score&nbsp;=&nbsp;";
        text.append(results_[0]).append("</B>");
        builder.appendText(text);
    }
    return builder.finish();
}

namespace {
constexpr int32_t kCroupFirstRecord = 27;
// The names the severity sentence gives each criterion, in order.
const char* const kCroupNames[] = {
    " Color = ", " Air Movement = ", " Retractions = ", " Mentation = ", " Stridor = "};
}  // namespace

CroupScore::CroupScore(PatientContext& context, Request request)
    : ScoringCalculator(context, request, 6, false) {
    const char* labels[] = {
        "Color :", "Air Movement :", "Retraction :", "Mentation :", "Stridor :"};
    for (int32_t k = 1; k <= 5; ++k) {
        addCriterion(labels[k - 1]);
        loadAnswers(k, kCroupFirstRecord + k - 1, false);
    }
    results_[5] = " ";
}

void CroupScore::computeScore() {
    float score = 0;
    for (int32_t k = 1; k <= 5; ++k) {
        score = score + points(kCroupFirstRecord + k - 1, criteria_[k - 1].unit);
    }
    results_[0] = formatNumber(score, 1, false);
    if (const CroupBand* band = croupBand(score)) {
        results_[1] = band->range;
        results_[2] = band->severity;
        results_[3] = band->advice;
    }
    results_[4] = results_[2];
    results_[5] = " ";
    // An answer of severity 4 in any criterion means severe croup whatever the total.
    for (int32_t k = 1; k <= 5; ++k) {
        if (criteria_[k - 1].unit != 4) continue;
        if (score <= 8.0f) {
            SharedString sentence = " But the selection of '";
            sentence.append(kCroupNames[k - 1]).append(criteria_[k - 1].text);
            sentence.append("' indicates severity of <STRONG>'Severe' </STRONG>not");
            sentence.append(results_[2]);
            results_[5] = sentence;
            results_[4] = "<STRONG> 'Severe' </STRONG> ";
            results_[3] = kCroupSevereAdvice;
        }
        break;
    }
}

const char* CroupScore::buildPage(int32_t /*view*/) {
    PageBuilder& builder = startPage(0);
    appendChoices(builder, 1, criteria_.count());
    if (allAnswered()) {
        computeScore();
        builder.appendText("<BR>");
        appendFilledTemplate(builder);
    }
    return builder.finish();
}

SummedScore::SummedScore(PatientContext& context, Request request, int32_t firstRecord,
                         std::initializer_list<const char*> labels)
    : ScoringCalculator(context, request, 1, false), firstRecord_(firstRecord) {
    for (const char* label : labels) {
        InputField& criterion = addCriterion(label);
        (void)criterion;
        const int32_t k = criteria_.count();
        loadAnswers(k, firstRecord_ + k - 1, true);
    }
}

const char* SummedScore::buildPage(int32_t /*view*/) {
    PageBuilder& builder = startPage(0);
    appendChoices(builder, 1, criteria_.count());
    if (allAnswered()) {
        float score = 0;
        for (int32_t k = 1; k <= criteria_.count(); ++k) {
            score = score + points(firstRecord_ + k - 1, criteria_[k - 1].unit);
        }
        results_[0] = formatNumber(score, 1, false);
        builder.appendText("<BR>");
        appendFilledTemplate(builder);
    }
    return builder.finish();
}

TraumaScore::TraumaScore(PatientContext& context, Request request)
    : SummedScore(context, request, 24,
                  {"Glasgow Coma Scale :", "Systolic BP :", "Respiratory rate :"}) {}

PediatricTraumaScore::PediatricTraumaScore(PatientContext& context, Request request)
    : SummedScore(context, request, 18,
                  {"Size :", "Airway :", "Systolic BP :", "Mental Status",
                   "Open wound :", "Extremity fractures :"}) {}

}  // namespace orvane
