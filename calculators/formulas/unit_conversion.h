// The unit converter's conversions: temperature, length and weight (pounds with ounces), in double
// precision with the converter's fixed factors (a pound is 1/2.2 kg here, not 0.4536 kg). The
// converter stores the results as single-precision input values.
#pragma once

namespace orvane {

double fahrenheitToCelsius(double fahrenheit);   // (F − 32) × 0.5555555555555556
double celsiusToFahrenheit(double celsius);      // C × 1.8 + 32
double centimetresToInches(double centimetres);  // cm × 0.39370078740157477
double inchesToCentimetres(double inches);       // inches × 2.54

struct PoundsOunces {
    int pounds = 0;
    int ounces = 0;  // 0-15
};

// p = kg × 2.2; ounces = truncate((p − truncate(p)) × 16); pounds = truncate(p − ounces × 0.0625).
// A weight not above 0 gives 0 pounds 0 ounces.
PoundsOunces kilogramsToPoundsOunces(double kilograms);

// (ounces × 0.0625 + pounds) × 0.45454545454545453 kg; negative pounds count as 0.
double poundsOuncesToKilograms(double pounds, double ounces);

}  // namespace orvane
