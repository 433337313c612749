#include "dosing/builders/short_amounts.h"

#include <cstdint>

#include "foundation/number_format.h"
#include "foundation/rounding.h"

namespace orvane {

namespace {

// x with at most `decimals` decimals, widened while a positive x would still read "0".
std::string widened(float x, int32_t decimals, bool applyDoseRound) {
    std::string text = formatNumber(x, decimals, applyDoseRound).str();
    for (int32_t d = decimals + 1; x > 0 && text == "0" && d <= kMostDecimals; ++d) {
        text = formatNumber(x, d, applyDoseRound).str();
    }
    return text;
}

}  // namespace

std::string shortForm(float x, int decimals) {
    return widened(x, decimals, false);
}

std::string f1(float x) {
    return widened(doseRound(x), 1, true);
}

std::string p1(float x) {
    return widened(x, 1, false);
}

std::string p2(float x) {
    return widened(x, 2, false);
}

std::string p3(float x) {
    return widened(x, kMostDecimals, false);
}

}  // namespace orvane
