// One line of an infusion rate list: a dose in mcg/kg/min and the pump rate that gives it. Text
// only; the caller computes the rate.
#pragma once

#include "foundation/shared_string.h"

namespace orvane {

// Appends label + " mcg/kg/min = <B>" + the rate (dose-rounded, at most 3 decimals) +
// "</B>&nbsp;mL/hr<BR>".
void appendDripRateLine(SharedString& out, float rateMlPerHour, const SharedString& label);

}  // namespace orvane
