#include "dosing/builders/dose_caps.h"

#include "foundation/number_format.h"

namespace orvane::caps {

namespace {

// A maximum is a chosen figure such as 0.4, 2.5 or 1500: three decimals write any of them exactly.
constexpr int32_t kMaximumDecimals = 3;

}  // namespace

std::string maxDoseNote(float maximum, const char* unit) {
    return "[" + formatNumber(maximum, kMaximumDecimals, false).str() + " " + unit + " = Max dose]";
}

}  // namespace orvane::caps
