// The SVT protocol page and the adenosine page: adenosine of 3 mg/mL by volume per kg, the
// initial and the subsequent dose each capped by volume and by dose.
#include "dosing/resuscitation/code_items.h"
#include "dosing/resuscitation/code_pages.h"

namespace orvane::code {

namespace {

constexpr CappedRange kFluidBolus{10.0f,       20.0f, caps::kFluidBolusMl,
                                  " mL IV/IO", "mL",  " mL IV/IO"};

}  // namespace

void appendSvtPage(SharedString& out, float weight, const SharedString&) {
    out.append(
        "Unstable SVT should be emergently cardioverted.<BR>Oxygen: Apply high flow O2.<BR>Vagal "
        "Maneuvers: Consider these (usually once IV established)<BR><BR><B>Fluid Bolus (10-20 "
        "mL/kg/bolus)</B><BR>Calc Dose: ");
    appendCappedRange(out, weight, kFluidBolus);
    out.append("<BR><BR><B>Adenosine (0.1 mg/kg initial dose)</B><BR>");
    float ml = appendAdenosine(out, weight, kAdenosineInitial);
    out.append(" [");
    appendAmount(out, ml);
    out.append(" mL of 3 mg/mL soln]<BR><BR><B>Adenosine (0.2 mg/kg subsequent)</B><BR>");
    ml = appendAdenosine(out, weight, kAdenosineSubsequent);
    out.append(" [");
    appendAmount(out, ml);
    out.append(
        " mL of 3 mg/mL soln]<BR><BR>Route = IV/IO rapid push with immediate 10-20 mL NS bolus "
        "through same IV port.");
}

void appendAdenosinePage(SharedString& out, float weight, const SharedString&) {
    out.append("Calc Result (0.1 mg/kg) IV/IO:<BR>");
    float ml = appendAdenosine(out, weight, kAdenosineInitial);
    out.append(" [");
    appendAmount2(out, ml);
    out.append(" mL of 3 mg/mL soln]<BR><BR>Calc Result (0.2 mg/kg) IV/IO:<BR>");
    ml = appendAdenosine(out, weight, kAdenosineSubsequent);
    out.append(" [");
    appendAmount2(out, ml);
    out.append(" mL of 3 mg/mL soln]<BR><BR>");
    appendSection(out, "Dosing:",
                  "0.1 mg/kg initial dose (Max 6 mg), if ineffective, float dose to 0.2 mg/kg for "
                  "subsequent doses (Max 12 mg). Some recommend doses as high as 18 mg in certain "
                  "situations.");
    out.append("Concentration = 3 mg/mL<BR><BR>");
    appendSection(out, "Comments:",
                  "Make sure to give rapid IV push with immediate NS flush into proximal blood "
                  "vessel. For resistant cases consider Amiodarone.");
    out.append("For unstable cases of SVT use synchronized cardioversion.");
}

}  // namespace orvane::code
