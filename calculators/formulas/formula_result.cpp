#include "calculators/formulas/formula_result.h"

#include <cmath>

namespace orvane {

FormulaResult checkedResult(float value) {
    if (!std::isfinite(value) || !(std::fabs(value) < 2147483648.0f)) return std::nullopt;
    return value;
}

FormulaResult checkedResult(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return checkedResult(static_cast<float>(value));
}

}  // namespace orvane
