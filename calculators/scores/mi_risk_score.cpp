#include "calculators/scores/mi_risk_score.h"

#include "calculators/formulas/score_bands.h"
#include "foundation/number_format.h"
#include "rendering/page_builder.h"

namespace orvane {

namespace {
constexpr int32_t kKillip = 5;
constexpr int32_t kListed = 7;         // criteria 1-7 are answered from lists
constexpr int32_t kFactorRecord = 39;  // points of the yes/no factors
constexpr int32_t recordOf(int32_t k) {
    return 31 + k;
}  // criteria 1-7: records 32-38

// "½" is 0xBD in the 8-bit text.
const char* const kKillipClasses[] = {"Class I: No clinical heart failure",
                                      "Class II: Rales \xBD way up lung fields",
                                      "Class III: Rales in all lung fields"};
}  // namespace

MiRiskScore::MiRiskScore(PatientContext& context, Request request)
    : ScoringCalculator(context, request, 1, true) {
    struct Listed {
        const char* label;
        const char* units;
    };
    const Listed listed[] = {{"Age :", "years"},        {"Heart Rate :", "BPM"},
                             {"Systolic BP :", "mmHg"}, {"Diastolic BP :", "mmHg"},
                             {"Killip Class :", ""},    {"Weight (kg) :", ""},
                             {"MI Location :", ""}};
    for (const Listed& l : listed) addCriterion(l.label).units = l.units;
    for (int32_t k = 1; k <= kListed; ++k) {
        if (k == kKillip) {
            setAnswers(k, kKillipClasses, 3);
        } else {
            loadAnswers(k, recordOf(k), false);
        }
    }
    for (const char* factor :
         {"Prior MI", "Prior CABG", "No Prior PTCA", "Female", "Hypertension"}) {
        addItem(factor);
    }
}

void MiRiskScore::answer(int32_t k, int32_t j) {
    lastSubCode_ = k;
    if (k <= kListed) {
        ScoringCalculator::answer(k, j);
    } else {
        criteria_[k - 1].setYesNo(j);
    }
}

const char* MiRiskScore::buildPage(int32_t view) {
    view_ = static_cast<int16_t>(view);
    PageBuilder& builder = startPage(0);
    builder.hideChoiceList = 1;
    if (view == 0) {
        appendSelections(builder);
    } else {
        appendResult(builder);
    }
    return builder.finish();
}

void MiRiskScore::appendSelections(PageBuilder& builder) {
    appendChoices(builder, 1, 4);
    if (answered(kKillip)) {
        builder.appendHeading("Killip Class : ", false);
        SharedString chosen = criteria_[kKillip - 1].text;
        const int32_t colon = chosen.find(':', 0);
        if (colon >= 0) chosen = chosen.substring(0, colon);
        builder.appendLink(makeRequest(request_code::kSamePage, 0, kKillip), chosen, true, false,
                           true);
        if (!answered(kKillip + 1)) builder.appendLineBreaks(1);
    } else {
        builder.appendHeading("Select Killip Class :", true);
        builder.appendItemList(criteria_[kKillip - 1].entries);
        builder.appendLineBreaks(1);
    }
    appendChoices(builder, 6, kListed);
    builder.appendLineBreaks(1);
    builder.appendHeading("Check Additional Risk Factors :", true);
    if (lastSubCode_ > 6) builder.appendAnchor("anchor");
    for (int32_t k = kListed + 1; k <= criteria_.count(); ++k) {
        appendToggle(builder, k, criteria_[k - 1].value > 0);
    }
}

void MiRiskScore::appendResult(PageBuilder& builder) {
    for (int32_t k = 1; k <= kListed; ++k) {
        if (!answered(k)) {
            builder.appendText(kMiRiskIncompleteText);
            return;
        }
    }
    float score = 5;
    for (int32_t k = 1; k <= kListed; ++k) {
        score = score + points(recordOf(k), criteria_[k - 1].unit);
    }
    for (int32_t k = kListed + 1; k <= criteria_.count(); ++k) {
        if (criteria_[k - 1].value > 0) score = score + points(kFactorRecord, k - kListed);
    }
    SharedString line = "<B>Score</B>: ";
    line.append(formatNumber(score, 1, false)).append("<BR>");
    builder.appendText(line);
    results_[0] = miMortalityBand(score);
    appendFilledTemplate(builder);
    builder.appendLineBreaks(1);
}

}  // namespace orvane
