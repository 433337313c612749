#include "dosing/weight_based/oral_volume.h"

#include "foundation/rounding.h"

namespace orvane {

namespace {

// The lower edges of the three smallest bands are compared in double precision: the float
// nearest 0.01 lies just below the double 0.01 and so stays unrounded.
constexpr double kHundredthsFrom = 0.01;
constexpr double kTwentiethsFrom = 0.25;
constexpr double kTenthsFrom = 0.5;
constexpr float kQuartersFrom = 1.0f;
constexpr float kHalvesFrom = 3.0f;
constexpr float kWholesFrom = 6.0f;

// v rounded to steps of 1/perUnit, written as R(v × perUnit) × step.
float toSteps(float v, float perUnit, float step) {
    return roundWhole(v * perUnit) * step;
}

}  // namespace

float roundOralVolume(float ml) {
    float v = ml;
    const auto wide = [&v] { return static_cast<double>(v); };
    if (wide() >= kHundredthsFrom && wide() < kTwentiethsFrom) v = toSteps(v, 100.0f, 0.01f);
    if (wide() >= kTwentiethsFrom && wide() < kTenthsFrom) v = toSteps(v, 20.0f, 0.05f);
    if (wide() >= kTenthsFrom && v < kQuartersFrom) v = toSteps(v, 10.0f, 0.1f);
    if (v >= kQuartersFrom && v < kHalvesFrom) v = toSteps(v, 4.0f, 0.25f);
    if (v >= kHalvesFrom && v < kWholesFrom) v = toSteps(v, 2.0f, 0.5f);
    if (v >= kWholesFrom) v = roundWhole(v);
    return v;
}

}  // namespace orvane
