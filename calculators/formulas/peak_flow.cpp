#include "calculators/formulas/peak_flow.h"

namespace orvane {

int peakFlowRow(int sex, float ageYears, int race) {
    if (race < 0 || race > 2) return -1;
    const bool male = sex == 0;
    const bool adult = male ? ageYears > 19.9999f : ageYears > 17.9999f;
    return (male ? 0 : 6) + 2 * race + (adult ? 1 : 0);
}

PeakFlowPrediction predictPeakFlow(const PeakFlowCoefficients& row, float ageYears,
                                   float heightCm) {
    const double h = heightCm;
    const double age = ageYears;
    // Summed in the order b·H² + b0 + b1·age + b2·age², then litres per second to per minute.
    auto flow = [&](double heightCoefficient) {
        return (heightCoefficient * (h * h) + row.b[0] + row.b[1] * age + row.b[2] * (age * age)) *
               60.0;
    };
    PeakFlowPrediction prediction;
    const double predicted = flow(row.b[3]);
    const double lower = flow(row.b[4]);
    const double fractions[] = {0.7, 0.6, 0.5, 0.4, 0.3, 0.25};
    prediction.values[0] = predicted;
    prediction.values[1] = lower;
    for (int i = 0; i < 6; ++i) prediction.values[2 + i] = predicted * fractions[i];
    return prediction;
}

}  // namespace orvane
