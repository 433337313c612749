#include "dosing/builders/short_amounts.h"

#include "foundation/number_format.h"
#include "foundation/rounding.h"

namespace orvane {

std::string f1(float x) {
    return formatAmount(doseRound(x), 1, true).str();
}

std::string p1(float x) {
    return formatAmount(x, 1, false).str();
}

std::string p2(float x) {
    return formatAmount(x, 2, false).str();
}

}  // namespace orvane
