// BurnFluids: the burn-fluid calculator for children (calculator 40, "Fluids for Burns"). From
// the weight, the burned surface, the hours since the burn and the fluid already given it writes
// the Parkland rates for hours 0-8 and 9-24 and, for a deficit, the catch-up rate for the next
// four hours. The arithmetic is in fluids_formulas.h.
#pragma once

#include "modules/calculator_module.h"

namespace orvane {

class BurnFluids : public CalculatorModule {
  public:
    BurnFluids(PatientContext& context, Request request);

    // The form only until all four inputs pass their limits; then the plan.
    const char* buildPage(int32_t view) override;
    // Weight (calculator weight), burned surface 0-100 %, hours 0-24, fluid given 0-99999.9 mL.
    void resetInputs() override;
};

}  // namespace orvane
