// The pediatric fluid formulas: boluses per kilogram, the 4-2-1 maintenance rate and the Parkland
// burn-fluid plan with its catch-up rate for a deficit. Plain single-precision arithmetic with the
// dose bands as the clinical rounding; no page text (see fluid_navix.h and burn_fluids.h).
#pragma once

namespace orvane {

// doseRound(W × mLPerKg): the bolus volume in mL.
float bolusVolume(float weightKg, float mLPerKg);

// The 4-2-1 rule in mL/hr: below 10 kg 4W; from 10 to below 20 kg 40 + 2(W − 10); from 20 kg
// 60 + (W − 20). Not rounded.
float maintenanceRate(float weightKg);

// How the given fluid compares with what the plan expected by now.
enum class FluidBalance {
    kOnPlan,   // the two volumes round to the same whole number of mL
    kDeficit,  // less was given than expected: a catch-up rate for the next 4 hours
    kExcess,   // more was given than expected
};

// The Parkland plan for a child: weight W (kg), burned surface B (%), hours since the burn T and
// fluid already given D (mL). Every volume and rate is after the dose bands.
struct ParklandPlan {
    float burnFluid = 0;    // E = clin(W × B × 2), given in each half of the first day
    float maintenance = 0;  // F, the 4-2-1 rate (not rounded)
    float firstRate = 0;    // R1 = clin((8F + E) × 0.125), hours 0-8
    float secondRate = 0;   // R2 = clin((16F + E) × 0.0625), hours 9-24
    float expected = 0;     // X, what should have been given by hour T
    FluidBalance balance = FluidBalance::kOnPlan;
    float catchUpRate = 0;   // K for a deficit, after the dose bands (not yet to tens)
    float catchUpOrder = 0;  // K rounded to the nearest 10, halves up: the rate ordered
};

ParklandPlan parklandPlan(float weightKg, float burnedPercent, float hoursSinceBurn, float givenMl);

// x rounded to the nearest multiple of 10, an exact half (…5) going up. Values from 0 up.
float roundToTens(float x);

}  // namespace orvane
