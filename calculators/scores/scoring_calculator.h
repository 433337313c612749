// ScoringCalculator: the shared base of the ten scoring calculators. It holds the calculator's
// content record (caption and result template, database 4), the scoring table (database 56), the
// criteria as input fields whose entries are the possible answers, the result texts and the view,
// and writes the choice page (each criterion as its chosen answer or as its list of answers) and
// the yes/no toggles. The members add their criteria and their score.
#pragma once

#include <cstdint>
#include <memory>

#include "calculators/scores/points_table.h"
#include "content/content_database.h"
#include "foundation/dyn_array.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;
class PageBuilder;

class ScoringCalculator : public Module {
  public:
    // Reads record (n − 1) of database 4 for the calculator number n of the request, opens the
    // scoring table, and makes resultCount empty results. twoViews: the member has a Selections
    // and a Result view.
    ScoringCalculator(PatientContext& context, Request request, int32_t resultCount, bool twoViews);

    // The four texts of the calculator's record were read.
    bool isAvailable() const override { return recordRead_; }
    SharedString title() const override { return "Calculators"; }
    SharedString caption() const override { return record_[1]; }
    // (70, i): criterion i (counted from 1) or none; (80): for two-view members the menu
    // "Selections" (50, 0) and "Result" (50, 1), else none; anything else none.
    InputField* choiceList(Request request) override;
    // (33, j, k): answer criterion k with answer j (j = 0 clears it); other criteria ignored.
    // (50, v): the view becomes v. Always true.
    bool handleRequest(Request request) override;

    DynArray<InputField>& criteria() { return criteria_; }
    DynArray<SharedString>& results() { return results_; }
    int16_t view() const { return view_; }

  protected:
    // Answers criterion k (1-based, within the criteria) with answer j: by default the entry
    // carrying (33, j, k) becomes the choice (unit j, its label as text); j = 0 or an answer that
    // is not offered clears it.
    virtual void answer(int32_t k, int32_t j);

    // Adds a criterion with a label and sub-code = its position; no answers yet.
    InputField& addCriterion(const char* label);
    // Adds a yes/no item (default 0, 0 to 1) with sub-code = its position.
    InputField& addItem(const char* label);
    // Gives criterion k the answers of a record of the scoring table (pairs with an empty text are
    // not offered); with useHeading the record's heading, when the record exists, becomes the
    // label.
    void loadAnswers(int32_t k, int32_t record, bool useHeading);
    // Gives criterion k fixed answers, entry j carrying (33, j, k).
    void setAnswers(int32_t k, const char* const* labels, int32_t count);
    // The points of answer j of a record, read anew from the scoring table (0 when absent).
    float points(int32_t record, int32_t j);

    bool answered(int32_t k) const { return criteria_[k - 1].unit > 0; }
    bool allAnswered() const;

    // Resets the page builder and starts an empty-titled page of the given kind.
    PageBuilder& startPage(int32_t kind);
    // Criteria first..last as groups: an answered one as its label and its answer (a link back to
    // the list), an unanswered one as its heading and its answers. The line break after an
    // answered criterion comes only when the next one (within the range) is unanswered.
    void appendChoices(PageBuilder& builder, int32_t first, int32_t last);
    // A yes/no item: a link to (33, 1, k) with the image "no", or when chosen to (33, 0, k) with
    // the image "yes"; the label and a line break.
    void appendToggle(PageBuilder& builder, int32_t k, bool chosen);
    // A copy of the template (record text 4) filled with the criteria and the results, appended.
    void appendFilledTemplate(PageBuilder& builder);

    PatientContext& context_;
    Request request_;
    SharedString record_[4];
    bool recordRead_ = false;
    std::unique_ptr<ContentDatabase> pointsTable_;
    DynArray<InputField> criteria_;
    DynArray<SharedString> results_;
    int16_t view_ = 0;
    bool twoViews_;
    InputField resultsMenu_;
};

}  // namespace orvane
