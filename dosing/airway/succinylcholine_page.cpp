#include "dosing/airway/succinylcholine_page.h"

#include <string>

#include "dosing/builders/atropine_block.h"
#include "dosing/builders/equipment_table.h"
#include "dosing/builders/short_amounts.h"
#include "foundation/rounding.h"

namespace orvane::airway {

namespace {

// mL per mg of the 20 mg/mL solution.
constexpr float kMlPerMg = 0.05f;
constexpr float kAdolescentMgPerKg = 1.0f;
constexpr float kChildMgPerKg = 2.0f;

}  // namespace

void appendSuccinylcholinePage(SharedString& out, float weight, const SharedString& document,
                               SuccinylcholineOptions options) {
    const float adolescent = kAdolescentMgPerKg * weight;
    const float child = kChildMgPerKg * weight;
    std::string page = "<B>Initial Dose (>12 yrs):</B><BR>1 mg/kg = " + f1(doseRound(adolescent)) +
                       " mg.<BR>[" + f1(doseRound(kMlPerMg * weight)) +
                       " mL of 20 mg/mL soln].<BR>" +
                       "<BR><B>Initial Dose (2-12 yrs):</B><BR>2 mg/kg = " + f1(doseRound(child)) +
                       " mg.<BR>[" + f1(doseRound(child * kMlPerMg)) + " mL of 20 mg/mL soln].";
    out.append(page);
    if (options.atropine && weight < kAtropineBlockBelowKg) {
        out.append("<BR><BR>");
        appendAtropineBlock(out, weight);
    }
    out.append("<BR><BR>");
    out.append(document);
    if (options.equipment) {
        out.append("<BR>");
        appendEquipmentTable(out, weight);
    }
}

}  // namespace orvane::airway
