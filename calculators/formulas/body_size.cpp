#include "calculators/formulas/body_size.h"

#include <cmath>

#include "foundation/rounding.h"

namespace orvane {

FormulaResult bodyMassIndex(float weightKg, float heightCm) {
    float index = weightKg / (heightCm * heightCm);
    if (!(index > 0.0f)) return std::nullopt;
    return checkedResult(index * 10000.0f);
}

FormulaResult bodySurfaceArea(float weightKg, float heightCm) {
    double area = std::pow(static_cast<double>(weightKg), 0.425) *
                  std::pow(static_cast<double>(heightCm), 0.725) * 0.007184;
    return checkedResult(area);
}

float basalEnergyExpenditure(int sex, float ageYears, float weightKg, float heightCm) {
    const bool male = sex == 0;
    const float c0 = male ? 66.5f : 655.1f;
    const float c1 = male ? 5.003f : 1.85f;
    const float c2 = male ? 13.75f : 9.563f;
    const float c3 = male ? 6.775f : 4.676f;
    float energy = heightCm * c1 + weightKg * c2;
    energy = energy + c0;
    energy = energy - ageYears * c3;
    return roundWhole(energy * 10.0f) * 0.1f;
}

float idealBodyWeight(int sex, float heightCm) {
    auto inches = static_cast<float>(static_cast<double>(heightCm) * 0.39370078740157477);
    float over = inches > 60.0f ? inches - 60.0f : 0.0f;
    return sex == 0 ? 50.0f + 2.3f * over : 49.0f + 1.65f * over;
}

FormulaResult leanBodyWeight(int sex, float weightKg, float heightCm) {
    float squares = (weightKg * weightKg) / (heightCm * heightCm);
    float lean =
        sex == 0 ? 1.1f * weightKg - 128.0f * squares : 1.07f * weightKg - 148.0f * squares;
    return checkedResult(lean);
}

WeightLossResult percentWeightLoss(float measuredKg, float baselineKg) {
    WeightLossResult result;
    if (!(baselineKg > 0.0f)) {
        result.outcome = WeightLossOutcome::NoBaseline;
    } else if (measuredKg > baselineKg) {
        result.outcome = WeightLossOutcome::GainNotLoss;
    } else if (measuredKg > 0.0f) {
        result.outcome = WeightLossOutcome::Loss;
        result.percent = (1.0f - measuredKg / baselineKg) * 100.0f;
    } else {
        result.outcome = WeightLossOutcome::NoMeasuredWeight;
    }
    return result;
}

}  // namespace orvane
