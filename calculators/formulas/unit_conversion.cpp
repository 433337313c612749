#include "calculators/formulas/unit_conversion.h"

#include <cmath>

namespace orvane {

double fahrenheitToCelsius(double fahrenheit) {
    return (fahrenheit - 32.0) * 0.5555555555555556;
}

double celsiusToFahrenheit(double celsius) {
    return celsius * 1.8 + 32.0;
}

double centimetresToInches(double centimetres) {
    return centimetres * 0.39370078740157477;
}

double inchesToCentimetres(double inches) {
    return inches * 2.54;
}

namespace {
// Truncation toward zero into an int; values outside the int range (or NaN) give 0.
int truncated(double x) {
    if (!(std::fabs(x) < 2147483648.0)) return 0;
    return static_cast<int>(x);
}
}  // namespace

PoundsOunces kilogramsToPoundsOunces(double kilograms) {
    if (!(kilograms > 0)) return PoundsOunces{};  // no negative weights, as in the other direction
    double p = kilograms * 2.2;
    PoundsOunces result;
    result.ounces = truncated((p - std::trunc(p)) * 16.0);
    result.pounds = truncated(p - result.ounces * 0.0625);
    return result;
}

double poundsOuncesToKilograms(double pounds, double ounces) {
    if (pounds < 0) pounds = 0;
    return (ounces * 0.0625 + pounds) * 0.45454545454545453;
}

}  // namespace orvane
