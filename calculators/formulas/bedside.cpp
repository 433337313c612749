#include "calculators/formulas/bedside.h"

namespace orvane {

float absoluteNeutrophilCount(float whiteCells, float segsPercent, float bandsPercent) {
    return (bandsPercent + segsPercent) * whiteCells * 0.01f;
}

FormulaResult drugDilutionVolume(float dissolvedMg, float fluidMl, float desiredMg) {
    if (dissolvedMg == 0.0f) return std::nullopt;
    return checkedResult(desiredMg / dissolvedMg * fluidMl);
}

}  // namespace orvane
