#include "dosing/builders/short_amounts.h"

#include "foundation/number_format.h"
#include "foundation/rounding.h"

namespace orvane {

std::string shortForm(float x, int decimals) {
    return formatAmount(x, decimals, false).str();
}

std::string f1(float x) {
    return formatAmount(doseRound(x), 1, true).str();
}

std::string p1(float x) {
    return shortForm(x, 1);
}

std::string p2(float x) {
    return shortForm(x, 2);
}

std::string p3(float x) {
    return shortForm(x, kMostAmountDecimals);
}

}  // namespace orvane
