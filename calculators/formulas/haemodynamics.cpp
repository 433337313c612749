#include "calculators/formulas/haemodynamics.h"

#include <cmath>

#include "foundation/rounding.h"

namespace orvane {

float meanArterialPressure(float systolic, float diastolic) {
    return (diastolic * 2.0f + systolic) * 0.33333334f;
}

FormulaResult pulmonaryVascularResistance(float meanPulmonaryPressure, float wedgePressure,
                                          float cardiacOutput) {
    if (cardiacOutput == 0.0f) return std::nullopt;
    return checkedResult((meanPulmonaryPressure - wedgePressure) / cardiacOutput * 80.0f);
}

FormulaResult systemicVascularResistance(float meanArterial, float centralVenous,
                                         float cardiacOutput) {
    if (cardiacOutput == 0.0f) return std::nullopt;
    return checkedResult((meanArterial - centralVenous) / cardiacOutput * 80.0f);
}

FormulaResult correctedQt(float qtSeconds, float rrSeconds) {
    if (!(rrSeconds > 0.0f)) return std::nullopt;
    float corrected = qtSeconds / std::sqrt(rrSeconds);
    return checkedResult(roundWhole(corrected * 100.0f) * 0.01f);
}

float maxPredictedHeartRate(float ageYears) {
    return 220.0f - ageYears;
}

}  // namespace orvane
