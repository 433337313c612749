#include "calculators/fluids_formulas.h"

#include <cmath>

#include "foundation/rounding.h"

namespace orvane {

float bolusVolume(float weightKg, float mLPerKg) {
    return doseRound(weightKg * mLPerKg);
}

float maintenanceRate(float weightKg) {
    if (weightKg < 10.0f) return 4.0f * weightKg;
    if (weightKg < 20.0f) return 40.0f + 2.0f * (weightKg - 10.0f);
    return 60.0f + (weightKg - 20.0f);
}

float roundToTens(float x) {
    // x / 10 is exact for every whole and half the dose bands give, so a …5 lands on .5 exactly.
    return std::floor(x / 10.0f + 0.5f) * 10.0f;
}

ParklandPlan parklandPlan(float weightKg, float burnedPercent, float hoursSinceBurn,
                          float givenMl) {
    ParklandPlan plan;
    const float t = hoursSinceBurn;
    plan.burnFluid = doseRound(weightKg * burnedPercent * 2.0f);
    plan.maintenance = maintenanceRate(weightKg);
    const float f = plan.maintenance;
    const float e = plan.burnFluid;
    plan.firstRate = doseRound((f * 8.0f + e) * 0.125f);
    plan.secondRate = doseRound((f * 16.0f + e) * 0.0625f);
    const float r1 = plan.firstRate;
    const float r2 = plan.secondRate;
    if (t < 8.0f) {
        plan.expected = doseRound(r1 * t);
    } else {
        plan.expected = doseRound(r1 * 8.0f + (t - 8.0f) * r2);
    }
    const float x = plan.expected;
    const float d = givenMl;
    if (roundWhole(x) == roundWhole(d)) {
        plan.balance = FluidBalance::kOnPlan;
    } else if (x > d) {
        plan.balance = FluidBalance::kDeficit;
        if (t <= 4.0f) {
            plan.catchUpRate = doseRound((x - d) * 0.25f + r1);
        } else if (t <= 8.0f) {
            plan.catchUpRate = doseRound(((8.0f - t) * r1 + (t - 4.0f) * r2 + (x - d)) * 0.25f);
        } else {
            plan.catchUpRate = doseRound((x - d) * 0.25f + r2);
        }
        plan.catchUpOrder = roundToTens(plan.catchUpRate);
    } else {
        plan.balance = FluidBalance::kExcess;
    }
    return plan;
}

}  // namespace orvane
