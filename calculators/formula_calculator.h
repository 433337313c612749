// FormulaCalculator: the page of a formula calculator in the family order: start the page, hand
// over the form, check every input, compute the results and append the content template filled
// with the inputs and results. A member gives its form (resetInputs) and its formula
// (computeResults); members with their own page text override buildPage instead.
#pragma once

#include <cstdint>

#include "modules/calculator_module.h"

namespace orvane {

class FormulaCalculator : public CalculatorModule {
  public:
    using CalculatorModule::CalculatorModule;

    // Started page; when every input passes and the formula gives results, the filled template.
    const char* buildPage(int32_t view) override;

  protected:
    // Stores the result texts; false when the inputs give no result (the results keep their last
    // texts and the page shows none).
    virtual bool computeResults() = 0;

    // Fills a copy of the template (record text 4) with the inputs and results and appends it.
    void appendFilledTemplate(PageBuilder& builder);

    // The value of input i, counted from 1.
    float input(int32_t i) const { return inputs_[i - 1].value; }
    // The sex of input i: the value truncated to an integer, 0 male.
    int32_t sexOf(int32_t i) const { return static_cast<int32_t>(inputs_[i - 1].value); }
    // Result i (counted from 1) written with the given decimals, no clinical rounding.
    void setResult(int32_t i, float value, int32_t decimals);
    // Result i after the clinical (dose-band) rounding, with the given decimals.
    void setClinicalResult(int32_t i, float value, int32_t decimals);
};

}  // namespace orvane
