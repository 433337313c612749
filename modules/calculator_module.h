// CalculatorModule: the shared base of the calculators with a typed form (formula calculators,
// burn fluids, infusion, growth, pregnancy). It reads the calculator's content record (name and
// result template) from database 4, holds the form and the result texts, answers the results
// menu and the form's fields, and gives the steps every calculator's page starts with. The
// formulas belong to the derived calculators.
#pragma once

#include <memory>

#include "content/content_database.h"
#include "foundation/dyn_array.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;
class PageBuilder;

class CalculatorModule : public Module {
  public:
    // The database of calculator records, and the four texts of a record (a key, the name and two
    // texts the calculators read as they need).
    static constexpr int32_t kTableCode = 4;
    static constexpr int32_t kRecordTexts = 4;

    // Opens database 4 and reads record (calculator number − 1) of the request's long value;
    // adds resultCount empty result texts. Derived constructors must call resetInputs()
    // themselves once their own members exist (a virtual call from here would not reach them).
    CalculatorModule(PatientContext& context, Request request, int32_t resultCount);

    // The table could be opened.
    bool isAvailable() const override;
    SharedString title() const override { return title_; }
    SharedString caption() const override { return caption_; }
    // The base builds no page (null).
    const char* buildPage(int32_t view) override;
    // (70, i): input i (counted from 1) or none; 80: the results menu with one entry "Result"
    // carrying (50, 0); anything else none.
    InputField* choiceList(Request request) override;
    // (50, v): the view becomes v; (0): resetInputs. Always true.
    bool handleRequest(Request request) override;
    // Rebuilds the form with its defaults; the base has no form.
    virtual void resetInputs() {}

    Request request() const { return request_; }
    const SharedString& record(int32_t i) const { return record_[i]; }
    DynArray<InputField>& inputs() { return inputs_; }
    DynArray<SharedString>& results() { return results_; }
    int16_t view() const { return view_; }

  protected:
    // The first steps of every calculator page: store the view, reset the page builder, start an
    // empty-titled page of kind 0 and hand the form to the builder. Returns the builder.
    PageBuilder& startPage(int32_t view);
    // True when every input passes the module check (see patient_inputs.h).
    bool inputsPass() const;

    PatientContext& context_;
    SharedString title_ = "Calculators";
    SharedString caption_;
    Request request_;
    std::unique_ptr<ContentDatabase> table_;
    SharedString record_[kRecordTexts];
    InputField resultsMenu_;
    DynArray<InputField> inputs_;
    DynArray<SharedString> results_;
    int16_t view_ = 0;
};

}  // namespace orvane
