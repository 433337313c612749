// The unit converter (11): five pairs of fields (°F/°C, cm/inches, kg/pounds with ounces,
// grams/pounds with ounces). Changing one field fills its partner at once; there is no page text.
// Conversions in calculators/formulas/unit_conversion.h.
#pragma once

#include "modules/calculator_module.h"

namespace orvane {

class UnitConverter : public CalculatorModule {
  public:
    UnitConverter(PatientContext& context, Request request);
    void resetInputs() override;
    // Acts on every change at once (selection mode 2) and hides the image; no text.
    const char* buildPage(int32_t view) override;
    // (70, v): field v (counted from 0) changed, its partner is updated; (0) rebuilds the form;
    // (50) is ignored.
    bool handleRequest(Request request) override;

  private:
    // Sets field i (counted from 1) to a converted value and marks it entered.
    void setField(int32_t i, double value);
    // Sets the pounds field and the ounce list that follow field i.
    void setPoundsOunces(int32_t poundsField, double kilograms);
    double poundsOuncesKg(int32_t poundsField) const;
};

}  // namespace orvane
