// InfusionCalc: the infusion calculator (request 27). The user says what is known about the
// solution (amount and volume, or the concentration) and about the infusion (the desired dose or
// the current rate); the form follows those choices, and the page gives the rate in mL/hr for the
// dose, or the dose the rate delivers, in the chosen dosing unit. The arithmetic is in
// infusion_formulas.h.
#pragma once

#include "modules/calculator_module.h"

namespace orvane {

class InfusionCalc : public CalculatorModule {
  public:
    static constexpr int32_t kCode = 27;

    InfusionCalc(PatientContext& context, Request request);

    SharedString title() const override { return SharedString("Infusion Calc"); }
    // Until both known items are chosen: their links. Then the form and, when every input passes
    // (and amount, volume or concentration is above 0), the result.
    const char* buildPage(int32_t view) override;
    // (70, i): input i (from 1); anything else none (no results menu).
    InputField* choiceList(Request request) override;
    // (0): back to the choice of known items. (33, v, 1) and (33, v, 2): the known items (0 clears
    // both). (70, 2): the drug unit changed, so the dosing units follow (Units or mass units).
    // (50, v): the view.
    bool handleRequest(Request request) override;
    // The form stays as it is; new known items rebuild it.
    void resetInputs() override {}

    int32_t knownA() const { return knownA_; }
    int32_t knownB() const { return knownB_; }

  private:
    void buildInputs();
    void setDosingEntries(bool unitsSet);
    void chooseKnownItemsPage(PageBuilder& builder);
    bool computeResult(SharedString& text);

    InputField listA_;
    InputField listB_;
    int16_t knownA_ = 0;
    int16_t knownB_ = 0;
    bool unitsDosing_ = false;
    int16_t dosingField_ = -1;
};

}  // namespace orvane
