// Predicted peak expiratory flow from a row of regression coefficients (sex, race and adult or
// child), height and age: the predicted value, its lower limit of normal and the fractions of the
// predicted value that the calculator lists. Double precision, litres per minute.
#pragma once

namespace orvane {

inline constexpr int kPeakFlowRowCount = 12;
inline constexpr int kPeakFlowResultCount = 8;

// The row of the coefficient table for a patient: male rows 0-5, female rows 6-11; within them
// 2 × race, plus 1 for an adult (male above 19.9999 years, female above 17.9999). Race 0 Caucasian,
// 1 African American, 2 Mexican American; any other race gives −1 (no row).
int peakFlowRow(int sex, float ageYears, int race);

// One row: flow in litres per second = b0 + b1 × age + b2 × age² + b3 × H² (predicted) or
// b4 × H² (lower limit), H in centimetres.
struct PeakFlowCoefficients {
    double b[5] = {0, 0, 0, 0, 0};
};

// Results in order: predicted, lower limit, then the predicted value × 0.7, 0.6, 0.5, 0.4, 0.3 and
// 0.25, all in litres per minute.
struct PeakFlowPrediction {
    double values[kPeakFlowResultCount] = {};
};

PeakFlowPrediction predictPeakFlow(const PeakFlowCoefficients& row, float ageYears, float heightCm);

}  // namespace orvane
