#include "calculators/formulas/electrolytes.h"

#include "foundation/rounding.h"

namespace orvane {

float anionGap(float sodium, float chloride, float bicarbonate) {
    return sodium - (bicarbonate + chloride);
}

float correctedCalcium(float calcium, float albumin) {
    float corrected = calcium + 0.8f * (4.0f - albumin);
    return roundWhole(corrected * 100.0f) * 0.01f;
}

float correctedSodium(float sodium, float glucose) {
    return (glucose - 100.0f) * 0.016f + sodium;
}

FormulaResult correctedPhenytoin(float level, float albumin) {
    float divisor = albumin * 0.2f + 0.1f;
    if (divisor == 0.0f) return std::nullopt;
    return checkedResult(level / divisor);
}

namespace {
// Adds value × factor in double precision to a single-precision running sum.
float addScaled(float sum, float value, double factor) {
    return static_cast<float>(static_cast<double>(sum) + static_cast<double>(value) * factor);
}
}  // namespace

float calculatedOsmolality(const OsmolalityInputs& in) {
    float osmolality = 2.0f * in.sodium + in.glucose * 0.055555556f;
    osmolality = addScaled(osmolality, in.isopropanol, 1.0 / 5.9);
    osmolality = addScaled(osmolality, in.bun, 1.0 / 2.8);
    osmolality = addScaled(osmolality, in.ethanol, 1.0 / 4.6);
    osmolality = addScaled(osmolality, in.methanol, 1.0 / 2.6);
    osmolality = addScaled(osmolality, in.acetone, 1.0 / 5.5);
    return osmolality + in.ethyleneGlycol * 0.2f;
}

float osmolalGap(float measured, float calculated) {
    return measured - calculated;
}

FormulaResult freeWaterDeficit(int sex, float weightKg, float actualSodium, float normalSodium) {
    if (!(weightKg > 0.0f && actualSodium > 0.0f && normalSodium > 0.0f)) return std::nullopt;
    float waterFraction = sex == 0 ? 0.6f : 0.5f;
    float deficit = (actualSodium - normalSodium) * weightKg;
    deficit = deficit * waterFraction;
    return checkedResult(deficit / normalSodium);
}

}  // namespace orvane
