#include "dosing/builders/drip_rate_line.h"

#include "foundation/printed_amount.h"

namespace orvane {

void appendDripRateLine(SharedString& out, float rateMlPerHour, const SharedString& label) {
    out.append(label);
    out.append(" mcg/kg/min = <B>");
    out.append(amountOrTooSmall(rateMlPerHour, 3, true));
    out.append("</B>&nbsp;mL/hr<BR>");
}

}  // namespace orvane
