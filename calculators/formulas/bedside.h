// Two small bedside formulas of the calculators: the absolute neutrophil count and the volume of a
// drug solution that holds a wanted dose. Single precision, no rounding.
#pragma once

#include "calculators/formulas/formula_result.h"

namespace orvane {

// (Bands + Segs) × WBC × 0.01 cells/mm³.
float absoluteNeutrophilCount(float whiteCells, float segsPercent, float bandsPercent);

// desired / dissolved × fluid mL. None when nothing is dissolved.
FormulaResult drugDilutionVolume(float dissolvedMg, float fluidMl, float desiredMg);

}  // namespace orvane
