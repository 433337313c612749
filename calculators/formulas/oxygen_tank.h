// The oxygen tank duration: the tank types with their factors, the pressures and flow rates
// offered, their answer texts, and the estimated minutes of oxygen. Answers are numbered from 1 as
// on the page.
#pragma once

#include "calculators/formulas/formula_result.h"
#include "foundation/shared_string.h"

namespace orvane {

inline constexpr int kOxygenTankCount = 6;       // D, E, G, H, K, M
inline constexpr int kOxygenPressureCount = 20;  // 2200 down to 300 PSI
inline constexpr int kOxygenFlowCount = 18;      // 0.25 to 15 litres per minute

// Answer j (1-based) of each criterion: its label and its value. Out-of-range j gives an empty
// label and 0.
SharedString oxygenTankLabel(int j);
float oxygenTankFactor(int j);
SharedString oxygenPressureLabel(int j);  // e.g. "2200 PSI"
float oxygenPressure(int j);
SharedString oxygenFlowLabel(int j);  // e.g. "0.25 liter/min", "2 liters/min"
float oxygenFlow(int j);

// (PSI − 200) × factor / flow minutes, single precision. None when the flow is 0.
FormulaResult oxygenMinutes(float pressure, float factor, float flow);

// The minutes as the page writes them: with 1 decimal, then cut at the decimal point (59.94
// gives "59", 59.96 gives "60").
SharedString oxygenMinutesText(float minutes);

}  // namespace orvane
