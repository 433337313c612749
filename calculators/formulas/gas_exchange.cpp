#include "calculators/formulas/gas_exchange.h"

#include <cmath>

namespace orvane {

FormulaResult alveolarArterialGradient(float pO2, float pCO2, float fiO2Percent, float pAtm,
                                       float pH2O, float respiratoryQuotient) {
    if (respiratoryQuotient == 0.0f) return std::nullopt;
    float inspired = (pAtm - pH2O) * (fiO2Percent * 0.01f);
    float gradient = inspired - pO2;
    gradient = gradient - pCO2 / respiratoryQuotient;
    return checkedResult(gradient);
}

float expectedAlveolarArterialGradient(float ageYears) {
    float product = ageYears * 0.21f;
    return static_cast<float>(static_cast<double>(product) + 2.5);
}

FormulaResult hendersonHasselbalchPh(float bicarbonate, float pCO2) {
    float dissolved = pCO2 * 0.03f;
    if (dissolved == 0.0f) return std::nullopt;
    float ratio = bicarbonate / dissolved;
    if (!(ratio > 0.0f)) return std::nullopt;
    return checkedResult(6.1 + std::log10(static_cast<double>(ratio)));
}

FickResult fickCardiacOutput(float vo2, float hemoglobin, float saO2, float svO2) {
    FickResult result;
    if (saO2 == svO2) {
        result.outcome = FickOutcome::EqualSaturations;
        return result;
    }
    if (svO2 > saO2) {
        result.outcome = FickOutcome::VenousNotBelowArterial;
        return result;
    }
    float content = (saO2 - svO2) * 0.01f;
    content = content * (hemoglobin * 10.0f);
    content = content * 1.39f;
    FormulaResult output = checkedResult(vo2 / content);
    if (!output) {
        result.outcome = FickOutcome::NoOutput;
        return result;
    }
    result.litresPerMinute = *output;
    return result;
}

}  // namespace orvane
