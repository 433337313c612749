#include "calculators/formula_calculator.h"

#include "foundation/number_format.h"
#include "rendering/calculation_templates.h"
#include "rendering/page_builder.h"

namespace orvane {

const char* FormulaCalculator::buildPage(int32_t view) {
    PageBuilder& builder = startPage(view);
    if (inputsPass() && computeResults()) appendFilledTemplate(builder);
    return builder.finish();
}

void FormulaCalculator::appendFilledTemplate(PageBuilder& builder) {
    SharedString filled = record(3);
    fillCalculationTemplates(filled, inputs_, results_);
    builder.appendDocument(filled);
}

void FormulaCalculator::setResult(int32_t i, float value, int32_t decimals) {
    results_[i - 1] = formatNumber(value, decimals, false);
}

void FormulaCalculator::setClinicalResult(int32_t i, float value, int32_t decimals) {
    results_[i - 1] = formatNumber(value, decimals, true);
}

}  // namespace orvane
