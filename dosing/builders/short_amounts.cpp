#include "dosing/builders/short_amounts.h"

#include "foundation/number_format.h"
#include "foundation/printed_amount.h"
#include "foundation/rounding.h"

namespace orvane {

namespace {
constexpr int kLongestShortForm = 3;
constexpr int kStoredDecimals = 3;
}  // namespace

std::string shortForm(float x, int decimals) {
    return amountOrTooSmall(x, decimals, false).str();
}

std::string doseRoundedAmount(float x) {
    const float banded = doseRound(x);
    // A positive amount the bands take to 0 is too small for the page, not a dose of 0.
    if (x > 0.0f && !(banded > 0.0f)) return kTooSmallToGiveText;
    return amountOrTooSmall(banded, 1, true).str();
}

std::string amountTo1Decimal(float x) {
    return shortForm(x, 1);
}

std::string amountTo2Decimals(float x) {
    return shortForm(x, 2);
}

std::string amountTo3Decimals(float x) {
    return shortForm(x, kLongestShortForm);
}

std::string roundedAmountTo1Decimal(float x) {
    return amountTo1Decimal(doseRound(x));
}

std::string roundedAmountTo2Decimals(float x) {
    return amountTo2Decimals(doseRound(x));
}

std::string roundedAmountTo3Decimals(float x) {
    return amountTo3Decimals(doseRound(x));
}

std::string storedNumberText(float x) {
    return formatNumber(x, kStoredDecimals, false).str();
}

std::string rangeText(const std::string& low, const std::string& high, std::string_view dash) {
    if (low == high) return low;
    return low + std::string(dash) + high;
}

}  // namespace orvane
