// FormulaResult: the value a clinical formula gives, or none when its inputs cannot give one (a
// divisor of zero, the logarithm of zero, a value too large to be printed). A result that exists is
// always finite and prints as a number; pages never show "inf", "nan" or "ERR" for a calculation.
#pragma once

#include <optional>

namespace orvane {

using FormulaResult = std::optional<float>;

// The value when it is finite and its whole part fits a signed 32-bit integer (what the number
// formatting can write); otherwise none.
FormulaResult checkedResult(float value);
// The same for a value computed in double precision; the result is the value brought to a float.
FormulaResult checkedResult(double value);

}  // namespace orvane
