#include "dosing/airway/succinylcholine_page.h"

#include <string>

#include "dosing/builders/atropine_block.h"
#include "dosing/builders/dose_caps.h"
#include "dosing/builders/equipment_table.h"
#include "dosing/builders/short_amounts.h"
#include "foundation/rounding.h"

namespace orvane::airway {

namespace {

// mL per mg of the 20 mg/mL solution.
constexpr float kMlPerMg = 0.05f;
constexpr float kAdolescentMgPerKg = 1.0f;
constexpr float kChildMgPerKg = 2.0f;

// One initial dose: doseRound(mg per kg × W) + " mg." and its volume, or from the succinylcholine
// maximum up the maximum + " mg (Max Dose)." and the maximum's volume.
std::string initialDose(float mgPerKg, float weight) {
    const float mg = mgPerKg * weight;
    if (doseRound(mg) >= caps::kSuccinylcholineMg) {
        return doseRoundedAmount(caps::kSuccinylcholineMg) + " mg (Max Dose).<BR>[" +
               doseRoundedAmount(doseRound(kMlPerMg * caps::kSuccinylcholineMg)) +
               " mL of 20 mg/mL soln].";
    }
    return doseRoundedAmount(doseRound(mg)) + " mg.<BR>[" +
           doseRoundedAmount(doseRound(mg * kMlPerMg)) + " mL of 20 mg/mL soln].";
}

}  // namespace

void appendSuccinylcholinePage(SharedString& out, float weight, const SharedString& document,
                               SuccinylcholineOptions options) {
    std::string page =
        "<B>Initial Dose (>12 yrs):</B><BR>1 mg/kg = " + initialDose(kAdolescentMgPerKg, weight) +
        "<BR><BR><B>Initial Dose (2-12 yrs):</B><BR>2 mg/kg = " +
        initialDose(kChildMgPerKg, weight);
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
