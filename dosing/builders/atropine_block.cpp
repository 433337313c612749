#include "dosing/builders/atropine_block.h"

#include <string>

#include "dosing/builders/dose_caps.h"
#include "foundation/number_format.h"
#include "foundation/printed_amount.h"
#include "foundation/rounding.h"

namespace orvane {

void appendAtropineBlock(SharedString& out, float weight) {
    if (!(weight < kAtropineBlockBelowKg)) return;  // adults, and a weight that is no number
    std::string block =
        "Atropine to blunt bradycardia/secretions recommended:<BR>"
        "0.02 mg/kg = ";
    const float dose = doseRound(0.02f * weight);
    if (dose < 0.1f) {
        block += "0.1 mg, IV/IO (Min Dose).<BR>[1 mL of 1 mg/10 mL soln]";
    } else if (dose < caps::kAtropinePremedicationMg) {
        block += amountOrTooSmall(dose, 3, false).str() + " mg, IV/IO.<BR>[" +
                 amountOrTooSmall(doseRound(10.0f * dose), 3, false).str() +
                 " mL of 1 mg/10 mL soln].";
    } else {
        constexpr float kMost = caps::kAtropinePremedicationMg;
        block += formatNumber(kMost, 3, false).str() + " mg, IV/IO (Max dose).<BR>[" +
                 formatNumber(doseRound(10.0f * kMost), 3, false).str() +
                 " mL of 1 mg/10 mL soln].";
    }
    out.append(block);
}

}  // namespace orvane
