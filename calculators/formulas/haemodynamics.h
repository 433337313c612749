// Haemodynamic and heart-rate formulas of the calculators: mean arterial pressure, pulmonary and
// systemic vascular resistance, the Bazett QT correction and the maximum predicted heart rate with
// its training percentages. Single-precision arithmetic; the clinical rounding of the printed
// values is the caller's (formatNumber with the dose bands).
#pragma once

#include "calculators/formulas/formula_result.h"

namespace orvane {

// (DBP × 2 + SBP) × 0.33333334, mmHg.
float meanArterialPressure(float systolic, float diastolic);

// (MPAP − PCWP) / CO × 80 dyn·s/cm⁵. None when CO is 0.
FormulaResult pulmonaryVascularResistance(float meanPulmonaryPressure, float wedgePressure,
                                          float cardiacOutput);

// (MAP − CVP) / CO × 80 dyn·s/cm⁵. None when CO is 0.
FormulaResult systemicVascularResistance(float meanArterial, float centralVenous,
                                         float cardiacOutput);

// Bazett: round(QT / √RR × 100) × 0.01 seconds. None when RR is not above 0.
FormulaResult correctedQt(float qtSeconds, float rrSeconds);

// 220 − age, beats per minute.
float maxPredictedHeartRate(float ageYears);

// The training targets listed under the maximum, in order: 95, 90, 85, 80, 75, 70 and 50 percent.
inline constexpr int kHeartRateTargetCount = 7;
inline constexpr float kHeartRateTargetFactors[kHeartRateTargetCount] = {0.95f, 0.9f, 0.85f, 0.8f,
                                                                         0.75f, 0.7f, 0.5f};
inline constexpr int kHeartRateTargetPercents[kHeartRateTargetCount] = {95, 90, 85, 80, 75, 70, 50};

}  // namespace orvane
