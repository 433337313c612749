#include "foundation/printed_amount.h"

#include <cmath>
#include <cstdlib>

#include "foundation/number_format.h"
#include "foundation/rounding.h"

namespace orvane {

namespace {

// Whether the text reads within the tolerance of the positive amount.
bool readsWithin(const SharedString& text, float amount) {
    const std::string digits = text.str();
    char* end = nullptr;
    const double shown = std::strtod(digits.c_str(), &end);
    if (end == digits.c_str() || *end != '\0') return false;
    return isWithinPrintTolerance(shown, amount);
}

}  // namespace

bool isWithinPrintTolerance(double shown, float amount) {
    const double exact = static_cast<double>(amount);
    return std::fabs(shown - exact) <= kPrintedAmountTolerance * exact;
}

std::optional<SharedString> printedAmount(float x, int32_t decimals, bool applyDoseRound) {
    SharedString text = formatNumber(x, decimals, applyDoseRound);
    if (!(x > 0) || text.view() == kInvalidNumberText) return text;
    const float amount = applyDoseRound ? doseRound(x) : x;
    if (!(amount >= kSmallestPrintedAmount)) return std::nullopt;
    for (int32_t d = decimals + 1; !readsWithin(text, amount) && d <= kMostAmountDecimals; ++d) {
        text = formatNumber(amount, d, false);
    }
    if (!readsWithin(text, amount)) return std::nullopt;
    return text;
}

SharedString amountOrTooSmall(float x, int32_t decimals, bool applyDoseRound) {
    const std::optional<SharedString> text = printedAmount(x, decimals, applyDoseRound);
    return text ? *text : SharedString(kTooSmallToGiveText);
}

}  // namespace orvane
