#include "calculators/scores/oxygen_tank_calculator.h"

#include "calculators/formulas/oxygen_tank.h"
#include "rendering/page_builder.h"

namespace orvane {

OxygenTankDuration::OxygenTankDuration(PatientContext& context, Request request)
    : ScoringCalculator(context, request, 1, false) {
    struct List {
        const char* label;
        int32_t count;
        SharedString (*text)(int);
    };
    const List lists[] = {{"O2 Tank Type :", kOxygenTankCount, oxygenTankLabel},
                          {"PSI in Tank :", kOxygenPressureCount, oxygenPressureLabel},
                          {"Liter flow/min :", kOxygenFlowCount, oxygenFlowLabel}};
    for (const List& list : lists) {
        InputField& criterion = addCriterion(list.label);
        const int32_t k = criteria_.count();
        for (int32_t j = 1; j <= list.count; ++j) {
            criterion.addEntry(list.text(j), makeRequest(request_code::kSamePage, j, k));
        }
    }
}

const char* OxygenTankDuration::buildPage(int32_t /*view*/) {
    PageBuilder& builder = startPage(0);
    appendChoices(builder, 1, criteria_.count());
    if (!allAnswered()) return builder.finish();
    FormulaResult minutes =
        oxygenMinutes(oxygenPressure(criteria_[1].unit), oxygenTankFactor(criteria_[0].unit),
                      oxygenFlow(criteria_[2].unit));
    if (!minutes) return builder.finish();
    results_[0] = oxygenMinutesText(*minutes);
    SharedString text = "<BR><B>";
    text.append(results_[0]).append("</B>&nbsp;minutes of oxygen is estimated with a <B>");
    text.append(criteria_[0].text).append("</B>&nbsp; at <B>").append(criteria_[1].text);
    text.append("</B>&nbsp; with flow rate of <B>").append(criteria_[2].text).append("</B>");
    builder.appendText(text);
    return builder.finish();
}

}  // namespace orvane
