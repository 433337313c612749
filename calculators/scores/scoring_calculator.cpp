#include "calculators/scores/scoring_calculator.h"

#include "content/record_cursor.h"
#include "model/menu_group.h"
#include "modules/patient_context.h"
#include "rendering/calculation_templates.h"
#include "rendering/page_builder.h"

namespace orvane {

ScoringCalculator::ScoringCalculator(PatientContext& context, Request request, int32_t resultCount,
                                     bool twoViews)
    : context_(context),
      request_(request),
      pointsTable_(context.openDatabase(kPointsTable)),
      twoViews_(twoViews) {
    std::unique_ptr<ContentDatabase> calculators = context.openDatabase(4);
    const int32_t number = longValue(request);
    if (number >= 1 && number <= 0xFFFF) {
        RecordHandle bytes = calculators->getRecord(static_cast<uint16_t>(number - 1));
        if (bytes) {
            RecordCursor cursor(bytes);
            for (SharedString& text : record_) text = cursor.readText();
            recordRead_ = true;
        }
    }
    for (int32_t i = 0; i < resultCount; ++i) results_.append(SharedString());
}

InputField* ScoringCalculator::choiceList(Request request) {
    const int32_t code = moduleCode(request);
    if (code == 70) {
        const int32_t i = value(request);
        if (i < 1 || i > criteria_.count()) return nullptr;
        return &criteria_[i - 1];
    }
    if (code == 80 && twoViews_) {
        resultsMenu_.clearEntries();
        resultsMenu_.addEntry("Selections", makeRequest(request_code::kInPage, 0));
        resultsMenu_.addEntry("Result", makeRequest(request_code::kInPage, 1));
        resultsMenu_.label = "";
        return &resultsMenu_;
    }
    return nullptr;
}

bool ScoringCalculator::handleRequest(Request request) {
    const int32_t code = moduleCode(request);
    if (code == 33) {
        const int32_t k = subCode(request);
        if (k >= 1 && k <= criteria_.count()) answer(k, value(request));
    } else if (code == 50) {
        view_ = static_cast<int16_t>(value(request));
    }
    return true;
}

void ScoringCalculator::answer(int32_t k, int32_t j) {
    InputField& criterion = criteria_[k - 1];
    if (j > 0) {
        for (const MenuItem& entry : criterion.entries) {
            if (value(entry.request()) == j) {
                criterion.unit = static_cast<int16_t>(j);
                criterion.value = static_cast<float>(j);
                criterion.text = entry.label();
                return;
            }
        }
    }
    criterion.unit = 0;
    criterion.value = 0;
    criterion.text = "";
}

InputField& ScoringCalculator::addCriterion(const char* label) {
    InputField criterion;
    criterion.label = label;
    criterion.text = "";
    criterion.kind = makeRequest(input_kind::kCheckBox, 0, criteria_.count() + 1);
    criteria_.append(criterion);
    return criteria_[criteria_.count() - 1];
}

InputField& ScoringCalculator::addItem(const char* label) {
    InputField item(makeRequest(input_kind::kCheckBox, 0, criteria_.count() + 1), label, "", 0.0f,
                    0.0f, 1.0f, 1);
    criteria_.append(item);
    return criteria_[criteria_.count() - 1];
}

void ScoringCalculator::loadAnswers(int32_t k, int32_t record, bool useHeading) {
    InputField& criterion = criteria_[k - 1];
    criterion.clearEntries();
    PointsRecord answers = readPointsRecord(*pointsTable_, record);
    if (useHeading && answers.present) criterion.label = answers.texts[0];
    for (int32_t j = 1; j < kPointsPairs; ++j) {
        if (!answers.texts[j].empty())
            criterion.addEntry(answers.texts[j], makeRequest(request_code::kSamePage, j, k));
    }
}

void ScoringCalculator::setAnswers(int32_t k, const char* const* labels, int32_t count) {
    InputField& criterion = criteria_[k - 1];
    criterion.clearEntries();
    for (int32_t j = 1; j <= count; ++j)
        criterion.addEntry(labels[j - 1], makeRequest(request_code::kSamePage, j, k));
}

float ScoringCalculator::points(int32_t record, int32_t j) {
    if (j < 0 || j >= kPointsPairs) return 0.0f;
    return readPointsRecord(*pointsTable_, record).points[j];
}

bool ScoringCalculator::allAnswered() const {
    for (const InputField& criterion : criteria_) {
        if (criterion.unit <= 0) return false;
    }
    return true;
}

PageBuilder& ScoringCalculator::startPage(int32_t kind) {
    PageBuilder& builder = context_.pageBuilder().start(true);
    builder.setTitle("", request_, kind);
    return builder;
}

void ScoringCalculator::appendChoices(PageBuilder& builder, int32_t first, int32_t last) {
    for (int32_t k = first; k <= last; ++k) {
        const InputField& criterion = criteria_[k - 1];
        if (answered(k)) {
            const bool nextUnanswered = k < last && !answered(k + 1);
            builder.appendGroup(
                MenuGroup::single(criterion.label, makeRequest(request_code::kSamePage, 0, k),
                                  criterion.text),
                nextUnanswered);
        } else {
            builder.appendGroup(MenuGroup::list(criterion.label, criterion.entries), false);
        }
    }
}

void ScoringCalculator::appendToggle(PageBuilder& builder, int32_t k, bool chosen) {
    builder.appendLink(makeRequest(request_code::kSamePage, chosen ? 0 : 1, k),
                       criteria_[k - 1].label, true, false, false, chosen ? "yes" : "no");
}

void ScoringCalculator::appendFilledTemplate(PageBuilder& builder) {
    SharedString filled = record_[3];
    fillCalculationTemplates(filled, criteria_, results_);
    builder.appendDocument(filled);
}

}  // namespace orvane
