#include "calculators/formulas/oxygen_tank.h"

#include "foundation/number_format.h"

namespace orvane {

namespace {
const char* const kTankNames[kOxygenTankCount] = {"D Tank", "E Tank", "G Tanks",
                                                  "H Tank", "K Tank", "M Tank"};
const float kTankFactors[kOxygenTankCount] = {0.16f, 0.28f, 2.41f, 3.14f, 3.14f, 1.56f};

bool inRange(int j, int count) {
    return j >= 1 && j <= count;
}

// The flow of answer j: 0.25 then steps of +0.25, +0.5, +0.5, +0.5 and +1, added in double.
double flowOf(int j) {
    const double steps[] = {0.25, 0.5, 0.5, 0.5};
    double flow = 0.25;
    for (int k = 1; k < j; ++k) flow += k <= 4 ? steps[k - 1] : 1.0;
    return flow;
}
}  // namespace

SharedString oxygenTankLabel(int j) {
    return inRange(j, kOxygenTankCount) ? SharedString(kTankNames[j - 1]) : SharedString();
}

float oxygenTankFactor(int j) {
    return inRange(j, kOxygenTankCount) ? kTankFactors[j - 1] : 0.0f;
}

float oxygenPressure(int j) {
    return inRange(j, kOxygenPressureCount) ? static_cast<float>(2200 - 100 * (j - 1)) : 0.0f;
}

SharedString oxygenPressureLabel(int j) {
    if (!inRange(j, kOxygenPressureCount)) return SharedString();
    SharedString label = formatNumber(oxygenPressure(j), 0, false);
    label.append(" PSI");
    return label;
}

float oxygenFlow(int j) {
    return inRange(j, kOxygenFlowCount) ? static_cast<float>(flowOf(j)) : 0.0f;
}

SharedString oxygenFlowLabel(int j) {
    if (!inRange(j, kOxygenFlowCount)) return SharedString();
    SharedString label = formatNumber(oxygenFlow(j), 2, false);
    label.append(j <= 3 ? " liter/min" : " liters/min");
    return label;
}

FormulaResult oxygenMinutes(float pressure, float factor, float flow) {
    if (flow == 0.0f) return std::nullopt;
    return checkedResult((pressure - 200.0f) * factor / flow);
}

SharedString oxygenMinutesText(float minutes) {
    SharedString text = formatNumber(minutes, 1, false);
    int32_t point = text.find('.', 0);
    return point < 0 ? text : text.substring(0, point);
}

}  // namespace orvane
